// Self-test of the driver library against fixture_app.exe: every helper is
// used on a real window under Wine (or Windows), so that a fault in the
// harness shows here and not as a puzzling failure of a program's test.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "automation.hpp"
#include "gtest/gtest.h"
#include "messenger/win32_process_runner.hpp"
#include "program_fixture.hpp"

using namespace e2e;

namespace {

// The fixture, staged once per driver run into a folder of its own.
const std::wstring& fixtureExe() { return programUnderTest(driverDir() + L"\\fixture\\fixture_app.exe"); }

// One running fixture and its main window.
struct Fixture : RunningProgram {
  Fixture() { start(fixtureExe(), L"FixtureForm"); }
};

}  // namespace

TEST(Automation, finds_window_and_reads_controls) {
  Fixture f;
  EXPECT_EQ(caption(f.form), L"Fixture app");
  EXPECT_EQ(nameOf(f.form), L"FixtureForm");
  EXPECT_EQ(findWindow(f.process.id(), L"FixtureForm"), f.form);
  EXPECT_TRUE(findWindow(f.process.id(), L"NoSuchForm") == nullptr);
  EXPECT_TRUE(findControl(f.form, L"NoSuchControl") == nullptr);
  EXPECT_EQ(text(f[L"Label1"]), L"idle");
  EXPECT_EQ(text(f[L"StatusBar1"]), L"Ready");
  EXPECT_EQ(text(f[L"ButtonBoxes"]), L"Boxes");
  EXPECT_TRUE(isVisible(f[L"Edit1"]));
  EXPECT_TRUE(!isVisible(f[L"Hidden1"]));
  EXPECT_TRUE(isEnabled(f[L"ButtonRun"]));
  EXPECT_TRUE(!isEnabled(f[L"ButtonOff"]));
  EXPECT_EQ(focusedName(f.form), L"Edit1");
  EXPECT_EQ(waitForWindowByCaption(f.process.id(), L"Fixture app"), f.form);
  EXPECT_TRUE(waitForWindowByCaption(f.process.id(), L"No such caption", 100) == nullptr);

  const std::wstring shot = screenshotPath(L"fixture-main");
  ASSERT_TRUE(saveScreenshot(f.form, shot));
  RECT r;
  GetWindowRect(f.form, &r);
  WIN32_FILE_ATTRIBUTE_DATA file{};
  ASSERT_TRUE(GetFileAttributesExW(shot.c_str(), GetFileExInfoStandard, &file));
  const DWORD rowBytes = ((r.right - r.left) * 3 + 3) & ~3;
  EXPECT_EQ(file.nFileSizeLow, 54 + rowBytes * (r.bottom - r.top));
  // A picture of the drawn window, not of an empty area: not all one colour.
  std::ifstream bmp(shot.c_str(), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(bmp)), std::istreambuf_iterator<char>());
  bool varied = false;
  for (LONG y = 0; y < r.bottom - r.top && !varied && bytes.size() >= 57; ++y)
    for (LONG x = 0; x < r.right - r.left && !varied; ++x)
      varied = bytes.compare(54 + y * rowBytes + x * 3, 3, bytes, 54, 3) != 0;
  EXPECT_TRUE(varied);
  testing::note("saved " + narrow(shot.substr(shot.find_last_of(L'\\') + 1)));
}

TEST(Automation, combo_items_and_pick) {
  Fixture f;
  HWND combo = f[L"Combo1"];
  EXPECT_EQ(comboCount(combo), 3);
  EXPECT_EQ(comboItems(combo), (std::vector<std::wstring>{L"alpha", L"beta", L"gamma"}));
  EXPECT_EQ(comboSelection(combo), -1);
  EXPECT_EQ(comboSelectedText(combo), L"");
  pickComboItem(combo, L"beta");
  EXPECT_EQ(comboSelection(combo), 1);
  EXPECT_EQ(comboSelectedText(combo), L"beta");
  EXPECT_EQ(text(f[L"Label1"]), L"picked beta");  // the handler ran before this read
  pickComboItem(combo, 2);
  EXPECT_EQ(text(f[L"Label1"]), L"picked gamma");
}

TEST(Automation, typing_and_keys) {
  Fixture f;
  HWND edit = f[L"Edit1"];
  typeText(edit, L"Gr\u00fc\u00dfe \u2713 abc");
  EXPECT_EQ(text(edit), L"Gr\u00fc\u00dfe \u2713 abc");
  // One key press per character; the driver's own marker key never arrives.
  EXPECT_EQ(text(f[L"KeyCount"]), L"11");
  pressKey(edit, VK_BACK);
  EXPECT_EQ(text(edit), L"Gr\u00fc\u00dfe \u2713 ab");
  pressKey(edit, VK_ESCAPE);  // the fixture empties Edit1 on Esc
  EXPECT_EQ(text(edit), L"");
  pressKey(edit, VK_TAB);  // the next tab stop is Combo1
  EXPECT_EQ(focusedName(f.form), L"Combo1");
  EXPECT_EQ(text(f[L"KeyCount"]), L"14");

  HWND rich = f[L"Rich1"];
  typeText(rich, L"line one\nline two");
  EXPECT_EQ(text(rich), L"line one\r\nline two");
  pressKeyInFocus(f.form, VK_RETURN);
  EXPECT_EQ(focusedName(f.form), L"Rich1");
  EXPECT_EQ(text(rich), L"line one\r\nline two\r\n");

  click(f[L"ButtonRun"]);  // a click moves the focus to the button
  EXPECT_EQ(focusedName(f.form), L"ButtonRun");
}

TEST(Automation, message_boxes_icons_and_answers) {
  Fixture f;
  click(f[L"ButtonBoxes"]);
  const struct {
    const wchar_t* caption;
    const wchar_t* text;
    BoxIcon icon;
    std::vector<int> buttons;
    int press;
  } expected[] = {{L"Fixture error", L"Something failed", BoxIcon::Error, {IDOK}, IDOK},
                  {L"Fixture info", L"All went well", BoxIcon::Information, {IDOK}, IDOK},
                  {L"Fixture question", L"Go on?", BoxIcon::Question, {IDYES, IDNO}, IDNO},
                  {L"Fixture warning", L"Careful\r\nnow", BoxIcon::Warning, {IDOK, IDCANCEL}, IDCANCEL},
                  {L"Fixture plain", L"Plain", BoxIcon::None, {IDOK}, IDOK}};
  for (const auto& e : expected) {
    HWND box = waitForMessageBox(f.process.id());
    ASSERT_TRUE(box != nullptr);
    const MessageBoxView view = readMessageBox(box);
    EXPECT_EQ(view.caption, e.caption);
    EXPECT_EQ(view.text, e.text);
    EXPECT_EQ(view.icon, e.icon);
    EXPECT_EQ(view.buttonIds(), e.buttons);
    if (e.icon == BoxIcon::Error) {
      EXPECT_TRUE(keepScreenshot(box, L"fixture-error-box"));
    }
    ASSERT_TRUE(pressBoxButton(box, e.press));
  }
  EXPECT_TRUE(waitUntil([&] { return text(f[L"Label1"]) == L"answers 1 1 7 2 1"; }));
  EXPECT_EQ(text(f[L"Label1"]), L"answers 1 1 7 2 1");
  EXPECT_TRUE(noMessageBox(f.process.id()));
}

TEST(Automation, net_recorder_keeps_command_lines_exactly) {
  const std::wstring dir = folderOf(fixtureExe());
  installNetRecorder(dir);
  EXPECT_TRUE(readNetLog(dir).empty());
  Fixture f;
  click(f[L"ButtonRun"]);
  EXPECT_EQ(text(f[L"Label1"]), L"started 2");
  // The first start of a program in a fresh prefix can take a second or more.
  const auto records = waitForNetRecords(dir, 2, 15000);
  ASSERT_EQ(records.size(), 2u);
  // The two starts run side by side: either may write first.
  std::vector<std::string> got = records;
  std::sort(got.begin(), got.end());
  std::vector<std::string> want = {"net send PC7 first line\r\nsecond line",
                                   "net.exe send * \"Gr\xC3\xBC\xC3\x9F" "e\""};
  std::sort(want.begin(), want.end());
  EXPECT_EQ(got, want);
}

// With an answer beside it the recorder logs as ever, then writes the
// answer and exits with its status, as XP's net does for a missing
// recipient; a watched start reads both.
TEST(Automation, net_recorder_answers_as_told) {
  const std::wstring dir = folderOf(fixtureExe());
  installNetRecorder(dir);
  const std::string command = "\"" + narrow(dir) + "\\net.exe\" send PC7 Hi";
  auto runner = messenger::makeWin32ProcessRunner();
  messenger::WatchedRun run = runner->runWatched(command, messenger::WindowStyle::Hidden, 15000);
  EXPECT_TRUE(run.finished && run.exitStatus == 0 && run.output.empty());
  setNetAnswer(dir, 2, "The message alias could not be found on the network.\r\n\r\n");
  run = runner->runWatched(command, messenger::WindowStyle::Hidden, 15000);
  setNetAnswer(dir, 0, "");
  EXPECT_TRUE(run.finished && run.exitStatus == 2);
  EXPECT_EQ(run.output, "The message alias could not be found on the network.");
  EXPECT_EQ(readNetLog(dir), std::vector<std::string>(2, command));
}

TEST(Automation, registry_prepared_and_checked) {
  regDeleteApp(L"FixtureApp");
  EXPECT_TRUE(!regRead(L"FixtureApp", L"Settings", L"Greeting"));
  regWrite(L"FixtureApp", L"Settings", L"Greeting", L"Hello there ");
  EXPECT_EQ(regRead(L"FixtureApp", L"Settings", L"Greeting"), std::optional<std::wstring>(L"Hello there "));
  Fixture f;
  click(f[L"ButtonRegistry"]);
  EXPECT_EQ(text(f[L"Label1"]), L"greeting: Hello there ");
  EXPECT_EQ(regRead(L"FixtureApp", L"Settings", L"Seen"), std::optional<std::wstring>(L"yes"));
  EXPECT_EQ(regValueNames(L"FixtureApp", L"Settings"), (std::vector<std::wstring>{L"Greeting", L"Seen"}));
  regDeleteValue(L"FixtureApp", L"Settings", L"Greeting");
  EXPECT_TRUE(!regRead(L"FixtureApp", L"Settings", L"Greeting"));
  regDeleteApp(L"FixtureApp");
  EXPECT_TRUE(regValueNames(L"FixtureApp", L"Settings").empty());
}

TEST(Automation, list_view_and_status_bar) {
  Fixture f;
  HWND list = f[L"List1"];
  EXPECT_EQ(listViewColumnCount(list), 2);
  EXPECT_EQ(listViewColumnText(list, 0), L"Name");
  EXPECT_EQ(listViewColumnText(list, 1), L"Size");
  ASSERT_EQ(listViewItemCount(list), 3);
  std::vector<std::vector<std::wstring>> rows;
  for (int i = 0; i < 3; ++i) rows.push_back({listViewItemText(list, i), listViewItemText(list, i, 1)});
  const std::vector<std::vector<std::wstring>> want = {
      {L"alpha.txt", L"12"}, {L"beta.doc", L""}, {L"Gr\u00fc\u00dfe.txt", L"long:" + std::wstring(295, L'7')}};
  EXPECT_EQ(rows, want);
  EXPECT_EQ(listViewSelection(list), 1);

  HWND bar = f[L"StatusBar1"];
  ASSERT_EQ(statusPartCount(bar), 3);
  EXPECT_EQ(statusPartText(bar, 0), L"Ready");
  EXPECT_EQ(statusPartText(bar, 1), L"3 entries");
  EXPECT_EQ(statusPartText(bar, 2), L"");
  // The fixture writes the clicked column into the last part.
  clickListViewColumn(list, 1);
  EXPECT_EQ(statusPartText(bar, 2), L"sorted by column 1");
  clickListViewColumn(list, 0);
  EXPECT_EQ(statusPartText(bar, 2), L"sorted by column 0");
}

TEST(Automation, menu_by_keyboard_ends_program) {
  Fixture f;
  menuKeys(f.form, L"e");
  HWND box = waitForMessageBox(f.process.id());
  ASSERT_TRUE(box != nullptr);
  const MessageBoxView view = readMessageBox(box);
  EXPECT_EQ(view.caption, L"Fixture");
  EXPECT_EQ(view.text, L"Bye");
  EXPECT_EQ(view.icon, BoxIcon::Information);
  EXPECT_TRUE(f.process.running());
  ASSERT_TRUE(pressBoxButton(box, IDOK));
  ASSERT_TRUE(f.process.waitForExit());
  EXPECT_EQ(f.process.exitCode(), std::optional<DWORD>(3));
}
