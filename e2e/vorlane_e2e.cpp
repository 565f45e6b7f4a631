// End-to-end test of Vorlane: the real vorlane.exe under Wine with a stand-in
// netapi32.dll beside it (a scripted browse list that logs every call), then
// with Wine's own netapi32, whose NetMessageBufferSend raises.
#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "program_fixture.hpp"

using namespace e2e;

namespace {

const std::wstring kSent = L"Your message was successfully sent... will they read it?";

std::wstring standInLog() { return programDir() + L"\\netapi-log.txt"; }

std::vector<std::string> readStandInLog() {
  std::string content;
  HANDLE file = CreateFileW(standInLog().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got) content.append(chunk, got);
    CloseHandle(file);
  }
  std::vector<std::string> lines;
  std::istringstream in(content);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Only the calls (not the buffers handed out and freed).
std::vector<std::string> calls() {
  std::vector<std::string> out;
  for (const std::string& line : readStandInLog())
    if (line != "alloc" && line != "free") out.push_back(line);
  return out;
}

// Wine loads a netapi32.dll beside the program only when the prefix says so for it.
void preferNativeNetApi() {
  HKEY key;
  require(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\vorlane.exe\\DllOverrides", 0,
                          nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS,
          "opening vorlane.exe's DllOverrides");
  const wchar_t value[] = L"native,builtin";
  RegSetValueExW(key, L"netapi32", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
  RegCloseKey(key);
}

void pickListItem(HWND list, int index) {
  sendBounded(list, LB_SETCURSEL, index);
  SendNotifyMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
}

struct Vorlane : RunningProgram {
  Vorlane() { start(programUnderTest(), L"Form1"); }
  std::wstring msg() const { return statusPartText((*this)[L"StatusBar1"], 0); }
  bool waitForMsg(const std::wstring& expected) {
    const bool arrived = waitUntil([&] { return msg() == expected; });
    if (!arrived) testing::note("msg panel: " + narrow(msg()));
    return arrived;
  }
  // Chooses a system type in the type box and leaves it for the list.
  void chooseType(const std::wstring& type) {
    setFocus((*this)[L"Combo1"]);
    pickComboItem((*this)[L"Combo1"], type);
    setFocus((*this)[L"List1"]);
  }
};

}  // namespace

bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

// The stand-in beside the program, with a fresh log.
void useStandIn() {
  const std::wstring dll = driverDir() + L"\\netapi-standin\\netapi32.dll";
  require(CopyFileW(dll.c_str(), (programDir() + L"\\netapi32.dll").c_str(), FALSE), "copying the stand-in");
  DeleteFileW(standInLog().c_str());
  preferNativeNetApi();
}

TEST(Vorlane, browses_the_list_and_sends_through_lan_manager) {
  useStandIn();

  Vorlane v;
  HWND domains = v[L"Combo2"], list = v[L"List1"], message = v[L"Text1"];
  EXPECT_EQ(caption(v.form), L"Scanlet (Beta)");
  EXPECT_EQ(comboItems(domains), (std::vector<std::wstring>{L"WORKGROUP", L"\u00C9QUIPE-\u03A9"}));
  EXPECT_EQ(focusedName(v.form), L"Combo2");
  EXPECT_EQ(statusPartCount(v[L"StatusBar1"]), 3);
  EXPECT_EQ(v.msg(), L"System messages will display here");

  // Windows NT machines of the second domain, its name passed back in UTF-16.
  pickComboItem(domains, 1);
  v.chooseType(L"Windows NT (S&W)");
  EXPECT_TRUE(waitUntil([&] { return listItems(list).size() == 1; }));
  EXPECT_EQ(listItems(list), (std::vector<std::wstring>{L"\u041F\u041A-7"}));

  // All types of the first domain: the stand-in gives one of two entries, with ERROR_MORE_DATA.
  pickComboItem(domains, 0);
  v.chooseType(L"All Server Types");
  EXPECT_TRUE(v.waitForMsg(L"Error 234 when trying to obtain server list 2"));
  EXPECT_EQ(listItems(list), (std::vector<std::wstring>{L"PC1"}));

  // A send that the recipient's Messenger refuses keeps the message.
  pickListItem(list, 0);
  typeText(message, L"Hi");
  click(v[L"Command1"]);
  EXPECT_TRUE(v.waitForMsg(L"Error - Return code: 2273"));
  EXPECT_EQ(text(message), L"Hi");

  // A two-line message outside Latin-1 to the one reachable machine.
  pickComboItem(domains, 1);
  v.chooseType(L"LAN Manager Workstations");
  EXPECT_TRUE(waitUntil([&] { return listItems(list).size() == 1; }));
  pickListItem(list, 0);
  sendBounded(message, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  typeText(message, L"\u041F\u0440\u0438\u0432\u0435\u0442, Gr\u00FC\u00DFe\nline 2");
  click(v[L"Command1"]);
  EXPECT_TRUE(v.waitForMsg(kSent));
  EXPECT_EQ(text(message), L"");
  keepScreenshot(v.form, L"vorlane_main");

  const std::string second = "\xC3\x89QUIPE-\xCE\xA9";
  EXPECT_EQ(calls(), (std::vector<std::string>{
                         "enum server=(null) level=101 mask=80000000 domain=(null)",
                         "enum server=(null) level=101 mask=00001000 domain=" + second,
                         "enum server=(null) level=101 mask=FFFFFFFF domain=WORKGROUP",
                         "wksta server=(null) level=100",
                         "send server=(null) to=PC1 from=H\xC3\x94TE length=4 message=Hi",
                         "enum server=(null) level=101 mask=00000001 domain=" + second,
                         "wksta server=(null) level=100",
                         "send server=(null) to=\xD0\x9F\xD0\x9A-7 from=H\xC3\x94TE length=42 "
                         "message=\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, Gr\xC3\xBC\xC3\x9F" "e\\r\\nline 2",
                     }));
  // Every buffer handed out was freed, ERROR_MORE_DATA's included.
  const auto log = readStandInLog();
  EXPECT_EQ(std::count(log.begin(), log.end(), "alloc"), std::count(log.begin(), log.end(), "free"));
  EXPECT_EQ(std::count(log.begin(), log.end(), "alloc"), 6);

  click(v[L"Command2"]);
  EXPECT_TRUE(v.process.waitForExit(5000));
}

// Wine's own NetMessageBufferSend raises an exception: Vorlane takes it for
// 50 (no message send), delivers the message itself and goes on, the message
// kept. With no computer selected, no name is handed to the network.
TEST(Vorlane, a_call_that_raises_ends_in_the_programs_own_delivery) {
  if (!underWine()) {
    testing::note("not under Wine: skipped");
    return;
  }
  DeleteFileW((programDir() + L"\\netapi32.dll").c_str());
  Vorlane v;
  EXPECT_TRUE(v.waitForMsg(L"Error 6118 when trying to obtain server list 0"));  // no browse list under Wine
  typeText(v[L"Text1"], L"Hi");
  click(v[L"Command1"]);
  EXPECT_TRUE(v.waitForMsg(L"Error - no computer was named"));
  EXPECT_EQ(text(v[L"Text1"]), L"Hi");
  EXPECT_TRUE(v.process.running());

  // The About window: the version from the program's resource, centred, no taskbar button; Esc closes it.
  click(v[L"Command3"]);
  HWND about = waitForWindow(v.pid(), L"frmAbout");
  ASSERT_TRUE(about != nullptr);
  EXPECT_EQ(caption(about), L"Scanlet (Beta)");
  EXPECT_EQ(text(control(about, L"lblVersion")), L"Version 1.0.0");
  EXPECT_TRUE(GetWindow(about, GW_OWNER) == v.form);  // owned by the main window, no taskbar button
  RECT r;
  GetWindowRect(about, &r);
  EXPECT_TRUE(std::abs((r.left + r.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2) <= 2);
  EXPECT_TRUE(std::abs((r.top + r.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2) <= 2);
  keepScreenshot(about, L"vorlane_about");
  pressKey(control(about, L"cmdSysInfo"), VK_ESCAPE);
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(about); }));

  closeWindow(v.form);
  EXPECT_TRUE(v.process.waitForExit(5000));
}

// Where NetMessageBufferSend answers 50 (not supported), Vorlane delivers the
// message itself. Under Wine nothing answers (no Terminal Services, no name
// server), so the panel gives the reasons, and the message stays.
TEST(Vorlane, without_a_lan_manager_send_it_delivers_the_message_itself) {
  useStandIn();
  const std::wstring notSupported = programDir() + L"\\netapi-not-supported.txt";
  CloseHandle(CreateFileW(notSupported.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  Vorlane v;
  v.chooseType(L"Windows NT (S&W)");
  EXPECT_TRUE(waitUntil([&] { return listItems(v[L"List1"]).size() == 2; }));
  pickListItem(v[L"List1"], 0);
  typeText(v[L"Text1"], L"Hi");
  click(v[L"Command1"]);
  EXPECT_TRUE(waitUntil([&] { return !v.msg().empty(); }, 30000));  // empty while the delivery is out
  testing::note("msg panel: " + narrow(v.msg()));
  if (underWine()) {
    EXPECT_EQ(v.msg(), L"Error - call not implemented, and the name could not be resolved");
  }
  EXPECT_EQ(text(v[L"Text1"]), L"Hi");
  EXPECT_EQ(calls().back(), "send server=(null) to=PC1 from=H\xC3\x94TE length=4 message=Hi");
  keepScreenshot(v.form, L"vorlane_not_delivered");
  DeleteFileW(notSupported.c_str());
}
