// The floors of the store benchmarks: a bare Win32 program doing the raw work
// of each measured action with standard controls and nothing else, so that
// store-bench can time it exactly as it times our programs.
//   floor.exe registry              two combo boxes filled at start from
//                                   Velnote's two saved lists in the registry
//   floor.exe lists FILE FILE       two list boxes, empty
//   floor.exe book FILE             a report list view (two columns) filled at
//                                   start with the lines split at the "¬"
// Once shown it answers messages from the driver (sent, so that the reply
// comes when the work is done):
//   kFillLists (lists):  fills each list box anew with the lines of its file
//   kCopyFile (lists):   copies the first file once, through a temporary file
//   kSortAndSave (book): sorts the rows by name, fills the list anew with
//                        them and writes them to the file
//   kListFromRegistry (registry): fills a third box, a list box, anew from
//                        one saved list (wParam 0 machines, 1 messages), as
//                        a list editor opens
//   kFillOneByOne:       empties the first list box, then adds kFillCount
//                        names one at a time, handling waiting messages after
//                        each (as a program filling from an enumeration does)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "floor_messages.hpp"

namespace {

const wchar_t* const kMachines = L"Software\\Velnote\\Machine Names";
const wchar_t* const kMessages = L"Software\\Velnote\\Messages";

HWND mainWindow = nullptr;
std::vector<HWND> boxes;
std::vector<std::wstring> files;
std::vector<std::pair<std::wstring, std::wstring>> rows;  // the book's

std::string readBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr);
    bytes.resize(got);
    CloseHandle(file);
    return bytes;
}

std::vector<std::wstring> readLines(const std::wstring& path) {
    const std::string bytes = readBytes(path);
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                        &text[0], static_cast<int>(text.size()))));
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool writeBytes(const std::wstring& path, const std::string& bytes) {
    const std::wstring temporary = path + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    // On disk before it replaces the old file, as a store must be.
    const bool done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                      FlushFileBuffers(file);
    CloseHandle(file);
    return done && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

HWND makeChild(const wchar_t* windowClass, DWORD style, int index) {
    return CreateWindowExW(WS_EX_CLIENTEDGE, windowClass, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | style,
                           10 + 310 * index, 10, 300, 400, mainWindow, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Fills with drawing held, as a program that knows its list is long does.
void fillBox(HWND box, UINT add, const std::vector<std::wstring>& items) {
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    for (const std::wstring& item : items) SendMessageW(box, add, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

void readRegistryList(const wchar_t* path, HWND box, UINT add) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, &key)) return;
    wchar_t name[256];
    wchar_t data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 256, bytes = sizeof data, type = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes)) break;
        SendMessageW(box, add, 0, reinterpret_cast<LPARAM>(data));
    }
    RegCloseKey(key);
}

// The rows hold no text: the list asks for each cell it draws (a list view
// given 100,000 texts of its own takes minutes to fill under Wine).
void fillBook() {
    HWND list = boxes[0];
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < rows.size(); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void giveText(LVITEMW& item) {
    if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || static_cast<size_t>(item.iItem) >= rows.size()) return;
    const auto& row = rows[static_cast<size_t>(item.iItem)];
    lstrcpynW(item.pszText, (item.iSubItem ? row.second : row.first).c_str(), item.cchTextMax);
}

void loadBook() {
    HWND list = boxes[0] = makeChild(WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0);
    const wchar_t* captions[] = {L"Name", L"Description"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(captions[i]);
        column.cx = 140;
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    for (const std::wstring& line : readLines(files[0])) {
        const size_t mark = line.find(L'\u00AC');
        if (mark == std::wstring::npos) rows.emplace_back(line, L"");
        else rows.emplace_back(line.substr(0, mark), line.substr(mark + 1));
    }
    fillBook();
}

void sortAndSave() {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return _wcsicmp(a.first.c_str(), b.first.c_str()) < 0; });
    fillBook();
    std::wstring text;
    for (const auto& row : rows) text += row.first + L"\u00AC" + row.second + L"\r\n";
    std::string bytes(text.size() * 2, '\0');
    bytes.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                         &bytes[0], static_cast<int>(bytes.size()), nullptr, nullptr)));
    writeBytes(files[0], bytes);
}

void fillOneByOne() {
    HWND box = boxes[0];
    SendMessageW(box, LB_RESETCONTENT, 0, 0);
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);  // drawn once, when full
    wchar_t name[32];
    for (int i = 1; i <= bare::kFillCount; ++i) {
        wsprintfW(name, L"PC%05d", i);
        SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case bare::kCopyFile: return writeBytes(files[0], readBytes(files[0]));
        case bare::kSortAndSave: sortAndSave(); return 1;
        case bare::kFillOneByOne: fillOneByOne(); return 1;
        case bare::kListFromRegistry:
            SendMessageW(boxes[2], WM_SETREDRAW, FALSE, 0);
            SendMessageW(boxes[2], LB_RESETCONTENT, 0, 0);
            readRegistryList(wParam ? kMessages : kMachines, boxes[2], LB_ADDSTRING);
            SendMessageW(boxes[2], WM_SETREDRAW, TRUE, 0);
            InvalidateRect(boxes[2], nullptr, TRUE);
            return 1;
        case bare::kFillLists:
            for (size_t i = 0; i < 2 && i < files.size(); ++i) {
                SendMessageW(boxes[i], LB_RESETCONTENT, 0, 0);
                fillBox(boxes[i], LB_ADDSTRING, readLines(files[i]));
            }
            return 1;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code == LVN_GETDISPINFOW)
                giveText(reinterpret_cast<NMLVDISPINFOW*>(lParam)->item);
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring mode = argv[1];
    for (int i = 2; i < argc; ++i) files.push_back(argv[i]);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"Floor";
    RegisterClassW(&wc);
    mainWindow = CreateWindowW(L"Floor", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 960, 480,
                               nullptr, nullptr, wc.hInstance, nullptr);
    if (mode == L"registry") {
        boxes = {makeChild(L"COMBOBOX", CBS_DROPDOWNLIST, 0), makeChild(L"COMBOBOX", CBS_DROPDOWNLIST, 1),
                 makeChild(L"LISTBOX", LBS_NOTIFY, 2)};
        readRegistryList(kMachines, boxes[0], CB_ADDSTRING);
        readRegistryList(kMessages, boxes[1], CB_ADDSTRING);
    } else if (mode == L"lists") {
        boxes = {makeChild(L"LISTBOX", LBS_NOTIFY, 0), makeChild(L"LISTBOX", LBS_NOTIFY, 1)};
    } else if (mode == L"book") {
        boxes.resize(1);
        loadBook();
    } else {
        return 2;
    }
    ShowWindow(mainWindow, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
