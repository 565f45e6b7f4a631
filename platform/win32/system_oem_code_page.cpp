// The system's OEM code page, by the system's own conversion.
#include <windows.h>

#include "platform/unicode.hpp"
#include "platform/win32_services.hpp"

namespace platform {

namespace {

class SystemOemCodePage : public OemCodePage {
public:
    OemText encode(const std::string& text) const override { return encodeEachCharacter(text, byteOf); }

private:
    // One character's bytes, only when the code page holds it: no best fit
    // ("8" for the infinity sign) and no default character ('?'). The
    // default-character flag may not be asked of a UTF-8 code page, which
    // holds every character anyway.
    static std::optional<std::string> byteOf(char32_t c) {
        std::string utf8;
        appendUtf8(utf8, c);
        const std::u16string wide = utf8ToUtf16(utf8);
        const UINT codePage = GetOEMCP();
        const bool check = codePage != CP_UTF8;
        BOOL usedDefault = FALSE;
        char bytes[8];
        const int n = WideCharToMultiByte(CP_OEMCP, check ? WC_NO_BEST_FIT_CHARS : 0,
                                          reinterpret_cast<const wchar_t*>(wide.data()), static_cast<int>(wide.size()),
                                          bytes, sizeof bytes, nullptr, check ? &usedDefault : nullptr);
        if (n <= 0 || usedDefault) return std::nullopt;
        return std::string(bytes, static_cast<std::size_t>(n));
    }
};

}  // namespace

std::unique_ptr<OemCodePage> makeSystemOemCodePage() { return std::make_unique<SystemOemCodePage>(); }

}  // namespace platform
