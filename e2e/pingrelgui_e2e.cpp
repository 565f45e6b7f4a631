// End-to-end test of PingrelGUI: the real pingrelgui.exe under Wine (or
// Windows), driven as a user would. Entries go in through the real input
// boxes; the order a column sort gives must survive a restart, in the list
// view and in AddressBook.txt byte for byte (ANSI, "¬" as the byte 0xAC in
// code page 1252); a send must reach the recording net.exe in the program's
// own folder, and what net says of a failed one must reach the status bar.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "program_fixture.hpp"

using namespace e2e;

namespace {

const std::wstring kFirstStatus = L"Select an entry from the address book and hit Send to send to that user/computer..";
const std::wstring kSaved = L"The address book has been updated and saved.";
constexpr int kInputEdit = 1000;  // forms::win32::kInputBoxEditId

struct PingrelGui : RunningProgram {
  // PingrelGUI starts net send where Windows has the Messenger service (XP
  // here), and so the recording net.exe beside it.
  PingrelGui() {
    setWindowsVersion(L"pingrelgui.exe", WindowsVersion::Xp);
    start(programUnderTest(), L"wMain");
  }
  ~PingrelGui() {
    if (form && IsWindow(form)) closeWindow(form);
    process.waitForExit(10000);
  }
  std::wstring status() const { return statusPartText((*this)[L"stbStatus"], 0); }
  std::vector<std::wstring> column(int index) const {
    std::vector<std::wstring> texts;
    HWND list = (*this)[L"lvwAddressBook"];
    for (int row = 0; row < listViewItemCount(list); ++row) texts.push_back(listViewItemText(list, row, index));
    return texts;
  }
};

// The columns together span the list's client area: no spare header
// section after the last one.
bool columnsFillTheList(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  LRESULT widths = 0;
  for (int column = 0; column < 2; ++column) widths += SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0);
  testing::note("columns " + std::to_string(widths) + " px, list " + std::to_string(client.right) + " px");
  return widths == client.right;
}

// Pixels of one colour on the screen inside a status bar part, its borders
// left out.
int pixelsInPart(HWND bar, int part, COLORREF color) {
  RECT r = statusPartRect(bar, part);
  MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&r), 2);
  HDC screen = GetDC(nullptr);
  int count = 0;
  for (int y = r.top + 3; y < r.bottom - 3; ++y)
    for (int x = r.left + 3; x < r.right - 3; ++x) count += GetPixel(screen, x, y) == color;
  ReleaseDC(nullptr, screen);
  return count;
}

std::wstring bookPath() { return programDir() + L"\\AddressBook.txt"; }

// Answers the input box that opens next: checks its caption and default,
// types the answer over the default and presses OK.
void answerInputBox(PingrelGui& app, const std::wstring& title, const std::wstring& defaultText,
                    const std::wstring& answer) {
  HWND box = waitForMessageBox(app.pid());
  require(box != nullptr, "waiting for the input box " + narrow(title));
  EXPECT_EQ(caption(box), title);
  HWND edit = GetDlgItem(box, kInputEdit);
  require(edit != nullptr, "the input box has no text box");
  EXPECT_EQ(text(edit), defaultText);
  typeText(edit, answer);  // the default is selected: typing replaces it
  EXPECT_EQ(text(edit), answer);
  require(pressBoxButton(box, IDOK), "pressing OK in " + narrow(title));
}

void addEntry(PingrelGui& app, const std::wstring& defaultName, const std::wstring& name,
              const std::wstring& description) {
  click(app[L"cmdAdd"]);
  answerInputBox(app, L"Add Entry: Name", defaultName, name);
  answerInputBox(app, L"Add Entry: Name -> Description", L"New item", description);
  EXPECT_TRUE(waitUntil([&] { return app.status() == kSaved; }));
}

}  // namespace

TEST(PingrelGUI, sorted_book_survives_a_restart_and_a_send_reaches_net) {
  DeleteFileW(bookPath().c_str());
  {
    PingrelGui app;
    EXPECT_EQ(caption(app.form), L"Pingrel GUI v0.1" + std::wstring(42, L' ') + L"- Drabline -");
    EXPECT_EQ(app.status(), kFirstStatus);
    EXPECT_EQ(focusedName(app.form), L"txtMsg");
    // The window opens in front with its title bar drawn active, although
    // start-up puts the focus in txtMsg before the window shows.
    EXPECT_EQ(GetForegroundWindow(), app.form);
    std::optional<bool> captionActive;
    waitUntil([&] { return (captionActive = captionDrawnActive(app.form)) != false; });
    EXPECT_TRUE(captionActive != false) << "the title bar of wMain is drawn inactive";
    if (!captionActive) testing::note("the title bar's colours tell nothing here: not checked");
    // The Caps Lock part always shows "CAPS": greyed while the lock is off.
    const bool capsOn = (GetKeyState(VK_CAPITAL) & 1) != 0;
    const COLORREF capsColor = GetSysColor(capsOn ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    EXPECT_TRUE(waitUntil([&] { return pixelsInPart(app[L"stbStatus"], 1, capsColor) > 0; }))
        << "Caps Lock " << (capsOn ? "on" : "off") << ": no text of colour 0x" << std::hex << capsColor;
    EXPECT_EQ(fileBytes(bookPath()), "<missing>");  // a first start writes nothing

    addEntry(app, L"New User 0", L"zeta", L"Room 2");
    addEntry(app, L"New User 1", L"alpha", L"Room 1");
    EXPECT_EQ(app.column(0), (std::vector<std::wstring>{L"zeta", L"alpha"}));
    EXPECT_TRUE(columnsFillTheList(app[L"lvwAddressBook"]));
    keepScreenshot(app.form, L"pingrelgui-main");

    // Sort by Description: alpha (Room 1) comes first, and the file follows.
    clickListViewColumn(app[L"lvwAddressBook"], 1);
    EXPECT_TRUE(waitUntil([&] { return app.column(0) == std::vector<std::wstring>{L"alpha", L"zeta"}; }));
    EXPECT_EQ(app.column(1), (std::vector<std::wstring>{L"Room 1", L"Room 2"}));
  }
  testing::note("ANSI code page " + std::to_string(GetACP()));
  if (GetACP() == 1252) {
    EXPECT_EQ(fileBytes(bookPath()), "alpha\xACRoom 1\r\nzeta\xACRoom 2\r\n");
  }

  PingrelGui app;
  EXPECT_EQ(app.column(0), (std::vector<std::wstring>{L"alpha", L"zeta"}));
  EXPECT_EQ(app.column(1), (std::vector<std::wstring>{L"Room 1", L"Room 2"}));
  EXPECT_EQ(listViewSelection(app[L"lvwAddressBook"]), 0);

  // The start-up text is selected: typing replaces it. The recording
  // net.exe in the program's own folder is found before the system's.
  clearNetLog(programDir());
  typeText(app[L"txtMsg"], L"Lunch at one");
  click(app[L"cmdSend"]);
  const std::vector<std::string> sent = waitForNetRecords(programDir(), 1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], "net SEND \"alpha\" Lunch at one");
  EXPECT_TRUE(waitUntil([&] { return app.status() == L"Message sent to alpha."; }));

  // A status text too long for the bar is read whole in a box.
  const LPARAM at = MAKELPARAM(5, 5);
  SendNotifyMessageW(app[L"stbStatus"], WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendNotifyMessageW(app[L"stbStatus"], WM_LBUTTONUP, 0, at);
  HWND box = waitForMessageBox(app.pid());
  ASSERT_TRUE(box != nullptr);
  const MessageBoxView view = readMessageBox(box);
  EXPECT_EQ(view.caption, L"Status bar..");
  EXPECT_EQ(view.text, L"Message sent to alpha.");
  EXPECT_EQ(view.icon, BoxIcon::Information);
  EXPECT_TRUE(pressBoxButton(box, IDOK));
}

// What net says of a recipient it could not reach comes back to the status
// bar, and no box opens.
TEST(PingrelGUI, a_message_net_could_not_deliver_is_reported_in_the_status_bar) {
  FILE* book = _wfopen(bookPath().c_str(), L"wb");
  ASSERT_TRUE(book != nullptr);
  fputs("pc9\xACRoom 9\r\n", book);
  fclose(book);
  clearNetLog(programDir());
  NetAliasNotFound netFails(programDir());
  PingrelGui app;
  typeText(app[L"txtMsg"], L"Hi");
  click(app[L"cmdSend"]);
  ASSERT_EQ(waitForNetRecords(programDir(), 1).size(), 1u);
  const std::wstring said = L"Message not sent to pc9: The message alias could not be found on the network.";
  EXPECT_TRUE(waitUntil([&] { return app.status() == said; })) << narrow(app.status());
  keepScreenshot(app.form, L"pingrelgui-not-sent");
  EXPECT_TRUE(noMessageBox(app.pid()));
}

// Real faults of the disk, on small file systems that run-fault-e2e.sh makes
// for the run (--full=<folder>: a file system with no room left;
// --read-only=<folder>: one mounted read-only), each holding a copy of the
// program and a book. A change must leave the book byte for byte, say which
// file and why, and show what the file holds.
TEST(PingrelGUI, a_save_on_a_full_disk_or_in_a_read_only_folder_keeps_the_book) {
  for (const auto& [dir, kind] : faultFolders()) {
    const std::wstring book = dir + L"\\AddressBook.txt";
    const std::string before = fileBytes(book);
    ProgramInFolder app(dir + L"\\pingrelgui.exe", L"wMain");
    HWND list = app[L"lvwAddressBook"];
    ASSERT_EQ(listViewItemCount(list), 1);

    click(app[L"cmdAdd"]);
    for (const wchar_t* answer : {L"new entry", L"new room"}) {
      HWND box = waitForMessageBox(app.pid());
      ASSERT_TRUE(box != nullptr);
      typeText(GetDlgItem(box, kInputEdit), answer);
      ASSERT_TRUE(pressBoxButton(box, IDOK));
    }
    HWND box = waitForMessageBox(app.pid());
    ASSERT_TRUE(box != nullptr);
    const MessageBoxView view = readMessageBox(box);
    testing::note(kind + " said: " + narrow(view.text));
    keepScreenshot(box, kind == "full" ? L"pingrelgui-disk-full" : L"pingrelgui-read-only-folder");
    const std::wstring head = L"There was an error saving the address book: \r\n    ";
    EXPECT_EQ(view.text.substr(0, head.size()), head);
    const std::wstring::size_type at = view.text.find(L"\r\n\r\n" + book + L"\r\n\r\n");
    ASSERT_TRUE(at != std::wstring::npos && at >= head.size());
    EXPECT_TRUE(at > head.size());  // the system's reason stands before the file
    EXPECT_EQ(view.icon, BoxIcon::Warning);
    EXPECT_TRUE(pressBoxButton(box, IDOK));
    EXPECT_EQ(listViewItemCount(list), 1);
    EXPECT_EQ(listViewItemText(list, 0), L"old");
    EXPECT_EQ(fileBytes(book), before);
    EXPECT_TRUE(holdsNoTemporaryFile(dir));  // nothing but the program, the book and what filled the disk
  }
}
