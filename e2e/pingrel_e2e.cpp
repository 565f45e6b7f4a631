// End-to-end test of Pingrel: the real pingrel.exe under Wine (or Windows),
// driven as a user would. The frame opens maximised with Main inside; a send
// to two recipients (by the button and by Ctrl+S) reaches the recording
// net.exe put in the system folder, where Pingrel starts it by its full path;
// a paste past 255 characters brings up "Truncating"; a recipient that net
// cannot find is named in one box once both outcomes are in; a save and a
// delete through the store window leave network.txt as expected, byte for byte.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "program_fixture.hpp"

using namespace e2e;

namespace {

constexpr int kInputEdit = 1000;  // forms::win32::kInputBoxEditId

std::wstring systemDir() {
  wchar_t path[MAX_PATH] = {};
  GetSystemDirectoryW(path, MAX_PATH);
  return path;
}

// The recorder stands in for the system's net.exe: Wine runs it only when the
// prefix prefers a native net.exe to its builtin one.
void installSystemNetRecorder() {
  require(CopyFileW((driverDir() + L"\\net.exe").c_str(), (systemDir() + L"\\net.exe").c_str(), FALSE),
          "copying net.exe into the system folder");
  HKEY key;
  require(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &key, nullptr) == ERROR_SUCCESS,
          "opening Wine's DllOverrides");
  const wchar_t value[] = L"native";
  RegSetValueExW(key, L"net.exe", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
  RegCloseKey(key);
  clearNetLog(systemDir());
}

std::wstring networkPath() { return programDir() + L"\\network.txt"; }

bool setClipboard(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return set;
}

// Answers the message box that opens next with OK, after checking it.
void expectBox(DWORD pid, const std::wstring& caption, const std::wstring& text, BoxIcon icon) {
  HWND box = waitForMessageBox(pid);
  require(box != nullptr, "waiting for the message box " + narrow(caption));
  const MessageBoxView view = readMessageBox(box);
  EXPECT_EQ(view.caption, caption);
  EXPECT_EQ(view.text, text);
  EXPECT_EQ(view.icon, icon);
  EXPECT_TRUE(pressBoxButton(box, IDOK));
}

struct Pingrel : RunningProgram {
  HWND main = nullptr;
  Pingrel() {
    start(programUnderTest(), L"MDIPingrel");
    // The frame shows itself, then the main window inside it.
    require(waitUntil([&] { return (main = findControl(form, L"frmMain")) != nullptr && isVisible(main); }),
            "waiting for frmMain");
  }
  ~Pingrel() {
    if (form && IsWindow(form)) closeWindow(form);
    process.waitForExit(10000);
  }
  HWND in(const wchar_t* name) const { return control(main, name); }
  void enterRecipient(const wchar_t* name) {
    sendBounded(in(L"txtRecipient"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
  }
  void saveRecipient(const wchar_t* name, const std::wstring& description) {
    enterRecipient(name);
    click(in(L"cmdSaveC"));
    HWND box = waitForMessageBox(pid());
    require(box != nullptr, "waiting for the input box Computer Description");
    EXPECT_EQ(caption(box), L"Computer Description");
    if (!description.empty()) typeText(GetDlgItem(box, kInputEdit), description);
    require(pressBoxButton(box, IDOK), "pressing OK in Computer Description");
    expectBox(pid(), L"Succesful", L"Recipient added", BoxIcon::None);
  }
};

}  // namespace

TEST(Pingrel, sends_to_two_recipients_from_the_system_folder_and_truncates_a_paste) {
  installSystemNetRecorder();
  setWindowsVersion(L"pingrel.exe", WindowsVersion::Xp);  // a system where net send is the way
  Pingrel app;
  EXPECT_EQ(caption(app.form), L"Pingrel GUI");
  EXPECT_TRUE(IsZoomed(app.form));
  EXPECT_EQ(caption(app.main), L"Main");
  RECT outer{};
  GetWindowRect(app.main, &outer);
  testing::note("frmMain outer size " + std::to_string(outer.right - outer.left) + "x" +
                std::to_string(outer.bottom - outer.top));
  EXPECT_EQ(outer.right - outer.left, 650L);
  EXPECT_EQ(outer.bottom - outer.top, 507L);
  keepScreenshot(app.form, L"pingrel-frame");

  // The shell's computer picker, owned by the frame, with its title; Cancel empties the entry.
  click(app.in(L"cmdBrowse"));
  HWND picker = nullptr;
  ASSERT_TRUE(waitUntil([&] {
    for (HWND w : topLevelWindows(app.pid()))
      if (className(w) == L"#32770" && isVisible(w)) picker = w;
    return picker != nullptr;
  }));
  EXPECT_TRUE(GetWindow(picker, GW_OWNER) == app.form);
  bool titled = false;
  for (HWND child = FindWindowExW(picker, nullptr, nullptr, nullptr); child;
       child = FindWindowExW(picker, child, nullptr, nullptr))
    titled = titled || text(child) == L"Select a network computer.";
  EXPECT_TRUE(titled);
  SendNotifyMessageW(GetDlgItem(picker, IDCANCEL), BM_CLICK, 0, 0);
  EXPECT_TRUE(waitUntil([&] { return text(app.in(L"txtRecipient")).empty(); }));

  app.enterRecipient(L"PC7");
  click(app.in(L"cmdAdd"));
  app.enterRecipient(L"PC8");
  click(app.in(L"cmdAdd"));
  EXPECT_EQ(listItems(app.in(L"lstRecipients")), (std::vector<std::wstring>{L"PC7", L"PC8"}));
  HWND message = app.in(L"rtfMessage");
  sendBounded(message, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  typeText(message, L"Hi there");
  click(app.in(L"cmdSend"));
  const std::string prefix = narrow(systemDir()) + "\\net send ";
  // The recorders run side by side: their records may come in either order.
  std::vector<std::string> sent = waitForNetRecords(systemDir(), 2);
  std::sort(sent.begin(), sent.end());
  EXPECT_EQ(sent, (std::vector<std::string>{prefix + "PC7 Hi there", prefix + "PC8 Hi there"}));

  pressCtrlKey(message, 'S');
  sent = waitForNetRecords(systemDir(), 4);
  std::sort(sent.begin(), sent.end());
  EXPECT_EQ(sent, (std::vector<std::string>{prefix + "PC7 Hi there", prefix + "PC7 Hi there", prefix + "PC8 Hi there",
                                            prefix + "PC8 Hi there"}));
  EXPECT_TRUE(noMessageBox(app.pid()));

  // A paste past the limit: the box, then the first 255 characters.
  ASSERT_TRUE(setClipboard(std::wstring(300, L'x')));
  pressCtrlKey(message, 'V');
  expectBox(app.pid(), L"Truncating", L"Can only accept 255 characters", BoxIcon::None);
  EXPECT_TRUE(waitUntil([&] { return text(message).size() == 255u; }));
  EXPECT_EQ(text(message).substr(0, 8), L"Hi there");
}

// net answers one of two recipients as XP's does for a name it cannot find.
TEST(Pingrel, a_recipient_net_cannot_find_is_named_in_one_box) {
  installSystemNetRecorder();
  setWindowsVersion(L"pingrel.exe", WindowsVersion::Xp);
  NetAliasNotFound netFails(systemDir(), "PC8");
  Pingrel app;
  for (const wchar_t* name : {L"PC7", L"PC8"}) {
    app.enterRecipient(name);
    click(app.in(L"cmdAdd"));
  }
  sendBounded(app.in(L"rtfMessage"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Hi"));
  click(app.in(L"cmdSend"));

  std::vector<std::string> sent = waitForNetRecords(systemDir(), 2);
  const std::string prefix = narrow(systemDir()) + "\\net send ";
  ASSERT_EQ(sent.size(), 2u);
  std::sort(sent.begin(), sent.end());
  EXPECT_EQ(sent, (std::vector<std::string>{prefix + "PC7 Hi", prefix + "PC8 Hi"}));
  HWND box = waitForMessageBox(app.pid());
  ASSERT_TRUE(box != nullptr);
  const MessageBoxView view = readMessageBox(box);
  EXPECT_EQ(view.caption, L"Pingrel");
  EXPECT_EQ(view.text,
            L"The message could not be sent to:\r\nPC8: The message alias could not be found on the network.");
  EXPECT_EQ(view.icon, BoxIcon::Warning);
  keepScreenshot(app.form, L"pingrel-not-delivered");
  EXPECT_TRUE(pressBoxButton(box, IDOK));
}

TEST(Pingrel, a_save_and_a_delete_through_the_store_window) {
  DeleteFileW(networkPath().c_str());
  Pingrel app;
  app.saveRecipient(L"PC7", L"Ann, desk 4");
  app.saveRecipient(L"PC8", L"");
  EXPECT_EQ(fileBytes(networkPath()), "PC7\t\tAnn, desk 4\r\nPC8\t\t\r\n");

  click(app.in(L"cmdOpenStore"));
  HWND store = nullptr;
  EXPECT_TRUE(waitUntil([&] { return (store = findControl(app.form, L"frmStore")) != nullptr && isVisible(store); }));
  ASSERT_TRUE(store != nullptr);
  EXPECT_EQ(caption(store), L"Pingrel Store");
  RECT mainAt{}, storeAt{};
  GetWindowRect(app.main, &mainAt);
  GetWindowRect(store, &storeAt);
  // The frame's next cascaded place, not on top of Main.
  EXPECT_TRUE(storeAt.left > mainAt.left && storeAt.top > mainAt.top);
  HWND computers = control(store, L"lstComputers");
  EXPECT_EQ(listItems(computers), (std::vector<std::wstring>{L"PC7\t\tAnn, desk 4", L"PC8\t\t"}));
  keepScreenshot(app.form, L"pingrel-store");

  sendBounded(computers, LB_SETCURSEL, 0);
  SendNotifyMessageW(GetParent(computers), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(computers), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(computers));
  pressKey(computers, VK_DELETE);
  EXPECT_TRUE(waitUntil([&] { return fileBytes(networkPath()) == "PC8\t\t\r\n"; }));
  EXPECT_EQ(listItems(computers), (std::vector<std::wstring>{L"PC8\t\t"}));
  EXPECT_TRUE(holdsNoTemporaryFile(programDir()));
}

// Real faults of the disk, on small file systems that run-fault-e2e.sh makes
// for the run (--full=<folder>: no room left; --read-only=<folder>: mounted
// read-only), each holding a copy of the program and a one-line
// network.txt. Save Recipient must leave the store byte for byte and say
// which file and why.
TEST(Pingrel, a_save_on_a_full_disk_or_in_a_read_only_folder_keeps_the_store) {
  for (const auto& [dir, kind] : faultFolders()) {
    const std::wstring store = dir + L"\\network.txt";
    const std::string before = fileBytes(store);
    ProgramInFolder app(dir + L"\\pingrel.exe", L"MDIPingrel");
    HWND main = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (main = findControl(app.form, L"frmMain")) != nullptr && isVisible(main); }));
    sendBounded(control(main, L"txtRecipient"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"PC9"));
    click(control(main, L"cmdSaveC"));
    HWND prompt = waitForMessageBox(app.pid());
    ASSERT_TRUE(prompt != nullptr);
    typeText(GetDlgItem(prompt, kInputEdit), L"new desk");
    ASSERT_TRUE(pressBoxButton(prompt, IDOK));
    HWND box = waitForMessageBox(app.pid());
    ASSERT_TRUE(box != nullptr);
    const MessageBoxView view = readMessageBox(box);
    testing::note(kind + " said: " + narrow(view.text));
    keepScreenshot(app.form, kind == "full" ? L"pingrel-disk-full" : L"pingrel-read-only-folder");
    EXPECT_EQ(view.caption, L"Pingrel");
    const std::wstring head = L"Could not write network.txt.\r\n";
    EXPECT_EQ(view.text.substr(0, head.size()), head);
    EXPECT_TRUE(view.text.size() > head.size());  // the system's reason
    EXPECT_EQ(view.icon, BoxIcon::Warning);
    EXPECT_TRUE(pressBoxButton(box, IDOK));
    EXPECT_EQ(fileBytes(store), before);
    EXPECT_TRUE(holdsNoTemporaryFile(dir));
  }
}
