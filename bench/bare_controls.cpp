// A second yardstick: the bare window given, under the common controls 6
// manifest, the kinds of controls a first window of ours holds (Velnote's:
// a menu bar, four labels, two text boxes, two drop-down combo boxes, a
// button, a status bar and a rich edit box). Against the bare window it
// shows what those controls cost by themselves; against it, a program
// shows what its own work costs.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"BareControls";
    RegisterClassW(&wc);
    HMENU bar = CreateMenu();
    for (const wchar_t* title : {L"&File", L"&Customize", L"&Help"}) {
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, 1, L"&Item");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), title);
    }
    HWND hwnd = CreateWindowW(L"BareControls", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 486, 336,
                              nullptr, bar, instance, nullptr);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    int y = 10;
    auto add = [&](const wchar_t* kind, DWORD style, DWORD exStyle = 0) {
        HWND control = CreateWindowExW(exStyle, kind, L"", WS_CHILD | WS_VISIBLE | style, 280, y, 184, 21, hwnd,
                                       nullptr, instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        y += 24;
    };
    for (int i = 0; i < 4; ++i) add(L"STATIC", 0);
    for (int i = 0; i < 2; ++i) add(L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
    for (int i = 0; i < 2; ++i) add(L"COMBOBOX", CBS_DROPDOWN | WS_VSCROLL);
    add(L"BUTTON", BS_PUSHBUTTON);
    add(STATUSCLASSNAMEW, 0);
    LoadLibraryW(L"riched20.dll");
    add(L"RichEdit20W", ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, WS_EX_CLIENTEDGE);
    ShowWindow(hwnd, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
