// A tiny Win32 program that the harness's self-test drives. Its window and
// controls carry names the way the suite's programs name theirs (window
// property kNameProperty holding an atom), and each control does one small
// visible thing, so that every helper of the driver library can be proven
// without any program of the suite.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include <forms/win32/automation_tags.hpp>

namespace {

enum Id {
  kEdit1 = 101, kRich1, kCombo1, kLabel1, kBoxes, kRun, kRegistry, kOff, kHidden, kStatus, kMenuExit, kKeyCount,
  kList1
};

HWND form, edit1, label1, keyCount, status;
int keysInEdit1 = 0;

void nameWindow(HWND hwnd, const wchar_t* name) {
  const ATOM atom = GlobalAddAtomW(forms::win32::encodeAtomName(name).c_str());
  SetPropW(hwnd, forms::win32::kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)));
}

HWND add(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id,
         const wchar_t* name) {
  HWND hwnd = CreateWindowExW(0, cls, text, WS_CHILD | style, x, y, w, h, form,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  nameWindow(hwnd, name);
  return hwnd;
}

void createControls() {
  const DWORD shown = WS_VISIBLE | WS_TABSTOP;
  edit1 = add(L"EDIT", L"", shown | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 200, 24, kEdit1, L"Edit1");
  HWND combo = add(L"COMBOBOX", L"", shown | CBS_DROPDOWNLIST | WS_VSCROLL, 220, 10, 150, 120, kCombo1, L"Combo1");
  for (const wchar_t* item : {L"alpha", L"beta", L"gamma"})
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  add(L"BUTTON", L"Boxes", shown, 10, 44, 80, 26, kBoxes, L"ButtonBoxes");
  add(L"BUTTON", L"Run net", shown, 100, 44, 80, 26, kRun, L"ButtonRun");
  add(L"BUTTON", L"Registry", shown, 190, 44, 80, 26, kRegistry, L"ButtonRegistry");
  add(L"BUTTON", L"Off", shown | WS_DISABLED, 280, 44, 80, 26, kOff, L"ButtonOff");
  label1 = add(L"STATIC", L"idle", WS_VISIBLE, 10, 80, 360, 20, kLabel1, L"Label1");
  add(L"STATIC", L"hidden", 0, 10, 100, 100, 20, kHidden, L"Hidden1");
  keyCount = add(L"STATIC", L"0", WS_VISIBLE, 380, 14, 40, 20, kKeyCount, L"KeyCount");
  add(L"RichEdit20W", L"", shown | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 10, 110, 360, 80,
      kRich1, L"Rich1");
  status = add(STATUSCLASSNAMEW, L"Ready", WS_VISIBLE, 0, 0, 0, 0, kStatus, L"StatusBar1");
  int rightEdges[] = {150, 280, -1};
  SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rightEdges));
  SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
  SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"3 entries"));

  // A report-view list: two columns, three rows, the second one selected.
  HWND list = add(WC_LISTVIEWW, L"", shown | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, 10, 200, 360, 90, kList1,
                  L"List1");
  const wchar_t* headings[] = {L"Name", L"Size"};
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = 150;
    col.pszText = const_cast<wchar_t*>(headings[c]);
    SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
  }
  // An empty sub-item, and one longer than a reader's first buffer.
  static const std::wstring longText = L"long:" + std::wstring(295, L'7');
  const wchar_t* rows[][2] = {{L"alpha.txt", L"12"}, {L"beta.doc", L""}, {L"Gr\u00fc\u00dfe.txt", longText.c_str()}};
  for (int r = 0; r < 3; ++r) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = r;
    item.pszText = const_cast<wchar_t*>(rows[r][0]);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<wchar_t*>(rows[r][1]);
    SendMessageW(list, LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&item));
  }
  LVITEMW selected{};
  selected.stateMask = selected.state = LVIS_SELECTED;
  SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));
}

// Five boxes in a row, one per icon kind; the label then lists the answers.
void showBoxes() {
  std::wstring answers = L"answers";
  const struct {
    const wchar_t* text;
    const wchar_t* title;
    UINT type;
  } boxes[] = {{L"Something failed", L"Fixture error", MB_OK | MB_ICONERROR},
               {L"All went well", L"Fixture info", MB_OK | MB_ICONINFORMATION},
               {L"Go on?", L"Fixture question", MB_YESNO | MB_ICONQUESTION},
               {L"Careful\r\nnow", L"Fixture warning", MB_OKCANCEL | MB_ICONWARNING},
               {L"Plain", L"Fixture plain", MB_OK}};
  for (const auto& b : boxes) answers += L" " + std::to_wstring(MessageBoxW(form, b.text, b.title, b.type));
  SetWindowTextW(label1, answers.c_str());
}

// Starts "net" twice through the program folder, as the suite's senders do.
void runNet() {
  const wchar_t* commands[] = {L"net send PC7 first line\r\nsecond line", L"net.exe send * \"Gr\u00fc\u00dfe\""};
  int started = 0;
  for (const wchar_t* c : commands) {
    std::wstring line = c;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      CloseHandle(pi.hThread);
      CloseHandle(pi.hProcess);
      ++started;
    }
  }
  SetWindowTextW(label1, (L"started " + std::to_wstring(started)).c_str());
}

// Shows HKCU\Software\FixtureApp\Settings\Greeting and writes Seen=yes there.
void useRegistry() {
  HKEY key;
  std::wstring greeting = L"(none)";
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\FixtureApp\\Settings", 0, nullptr, 0,
                      KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  wchar_t value[256];
  DWORD bytes = sizeof value - sizeof(wchar_t), type = 0;
  if (RegQueryValueExW(key, L"Greeting", nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes) == ERROR_SUCCESS &&
      type == REG_SZ) {
    value[bytes / sizeof(wchar_t)] = 0;
    greeting = value;
  }
  RegSetValueExW(key, L"Seen", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"yes"), 4 * sizeof(wchar_t));
  RegCloseKey(key);
  SetWindowTextW(label1, (L"greeting: " + greeting).c_str());
}

void onCommand(int id, int code, HWND from) {
  if (id == kCombo1 && code == CBN_SELCHANGE) {
    const auto index = SendMessageW(from, CB_GETCURSEL, 0, 0);
    wchar_t item[64] = L"";
    if (index >= 0) SendMessageW(from, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item));
    SetWindowTextW(label1, (std::wstring(L"picked ") + item).c_str());
  } else if (id == kBoxes && code == BN_CLICKED) {
    showBoxes();
  } else if (id == kRun && code == BN_CLICKED) {
    runNet();
  } else if (id == kRegistry && code == BN_CLICKED) {
    useRegistry();
  } else if (id == kMenuExit) {
    MessageBoxW(form, L"Bye", L"Fixture", MB_OK | MB_ICONINFORMATION);
    DestroyWindow(form);
  }
}

LRESULT CALLBACK formProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      onCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
      return 0;
    case WM_NOTIFY: {  // a click on a column header of List1 shows in the last status part
      const auto* nm = reinterpret_cast<const NMLISTVIEW*>(lp);
      if (nm->hdr.idFrom == static_cast<UINT_PTR>(kList1) && nm->hdr.code == LVN_COLUMNCLICK) {
        const std::wstring said = L"sorted by column " + std::to_wstring(nm->iSubItem);
        SendMessageW(status, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(said.c_str()));
      }
      return 0;
    }
    case WM_SIZE:  // keeps the status bar along the bottom
      if (HWND status = GetDlgItem(hwnd, kStatus)) SendMessageW(status, WM_SIZE, 0, 0);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(3);  // a distinctive exit code for the driver to check
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  LoadLibraryW(L"riched20.dll");

  WNDCLASSW wc{};
  wc.lpfnWndProc = formProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"FixtureForm";
  RegisterClassW(&wc);

  HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_STRING, kMenuExit, L"&Exit");
  form = CreateWindowExW(0, L"FixtureForm", L"Fixture app", WS_OVERLAPPEDWINDOW, 100, 100, 440, 380, nullptr,
                         menu, instance, nullptr);
  nameWindow(form, L"FixtureForm");
  createControls();
  ShowWindow(form, show);
  SetFocus(edit1);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // KeyCount shows how many key presses reached Edit1, as a program's
    // key-down handler would count them.
    if (msg.message == WM_KEYDOWN && msg.hwnd == edit1)
      SetWindowTextW(keyCount, std::to_wstring(++keysInEdit1).c_str());
    // Esc in Edit1 empties it, as a program's key rule would.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && msg.hwnd == edit1) {
      SetWindowTextW(edit1, L"");
      continue;
    }
    if (IsDialogMessageW(form, &msg)) continue;  // Tab moves between controls
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
