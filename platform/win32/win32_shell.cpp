// The shell's network computer picker and special-folder lookup, through the
// UTF-16 functions of shell32 that Windows XP has.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/win32_shell.hpp"
#include "platform/win32_text.hpp"

namespace platform {
namespace {

constexpr UINT kComputersOnly = 0x1000;  // BIF_BROWSEFORCOMPUTER

class Win32Shell : public Shell {
public:
    std::string pickNetworkComputer(forms::NativeHandle owner) override {
        HWND window = reinterpret_cast<HWND>(owner.value);
        // The dialog's tree view is a COM client of the shell's folders.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        std::string name;
        LPITEMIDLIST root = nullptr;
        if (SUCCEEDED(SHGetSpecialFolderLocation(window, kNetworkFolder, &root)) && root) {
            wchar_t display[MAX_PATH] = {};
            BROWSEINFOW request{};
            request.hwndOwner = window;
            request.pidlRoot = root;
            request.pszDisplayName = display;
            request.lpszTitle = L"Select a network computer.";
            request.ulFlags = kComputersOnly;
            if (LPITEMIDLIST chosen = SHBrowseForFolderW(&request)) {
                display[MAX_PATH - 1] = L'\0';
                name = narrow(display);
                CoTaskMemFree(chosen);
            }
            CoTaskMemFree(root);
        }
        if (SUCCEEDED(com)) CoUninitialize();
        return name;
    }

    std::string specialFolder(int folder) override {
        wchar_t path[MAX_PATH] = {};
        if (SHGetFolderPathW(nullptr, folder, nullptr, 0 /* SHGFP_TYPE_CURRENT */, path) != S_OK) return {};
        std::wstring text(path);
        while (!text.empty() && text.back() == L'\\') text.pop_back();
        return narrow(text);
    }
};

}  // namespace

std::unique_ptr<Shell> makeWin32Shell() { return std::make_unique<Win32Shell>(); }

}  // namespace platform
