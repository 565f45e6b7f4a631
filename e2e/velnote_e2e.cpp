// Velnote under Wine, its main window: start-up with lists from the
// registry, sending through the recording net.exe, the checks before a send,
// the farewell on "&Exit" and on the close box, the notification-area
// icon (driven through the shell) with its menu, and the balloon from it
// that tells a message net could not deliver.
// The editors, the colour dialog and the About and Help windows are driven
// in velnote_windows_e2e.cpp.
#include "velnote_e2e.hpp"

using namespace velnote_e2e;

namespace {

// Stores two machine names and two messages as an earlier run would have.
void storeTwoOfEach() {
  freshStore();
  regWrite(kApp, L"Machine Names", L"Machine1", L"PC9");
  regWrite(kApp, L"Machine Names", L"Machine2", L"LAB-2");
  regWrite(kApp, L"Machine Names", L"machines", L"2");
  regWrite(kApp, L"Messages", L"message1", L"Lunch at one");
  regWrite(kApp, L"Messages", L"message2", L"Call me back");
  regWrite(kApp, L"Messages", L"msgs", L"2");
}

// Sends from a visible main window and waits until it has gone to the
// notification area (minimised, then hidden).
void sendAndWaitHidden(Velnote& v) {
  click(v[L"Command1"]);
  EXPECT_TRUE(waitUntil([&] { return !isVisible(v.form); }));
}

// A left click on the icon: the main window comes back, not minimised.
void restoreFromIcon(Velnote& v) {
  clickTrayIcon(v.icon);
  require(waitUntil([&] { return isVisible(v.form); }), "waiting for Form1 to show again");
  EXPECT_TRUE(waitUntil([&] { return sync(v.form) && !IsIconic(v.form); }));
}

}  // namespace

TEST(Velnote, start_up_shows_caption_and_stored_lists) {
  storeTwoOfEach();
  Velnote v;
  EXPECT_EQ(caption(v.form), L"Velnote ");
  EXPECT_EQ(text(v[L"StatusBar1"]), L"Ready");
  EXPECT_EQ(text(v[L"Text1"]), L"");
  EXPECT_EQ(text(v[L"Text4"]), L"");
  EXPECT_EQ(text(v[L"Text3"]), L"0");
  EXPECT_EQ(text(v[L"Command1"]), L"Send Now !!!");
  EXPECT_EQ(trayIconTip(v.icon), kTrayTip);

  // Machines: the stored names, then the marker, selected.
  const auto machines = comboItems(v[L"Combo3"]);
  ASSERT_EQ(machines.size(), 3u);
  EXPECT_EQ(sorted({machines[0], machines[1]}), (std::vector<std::wstring>{L"LAB-2", L"PC9"}));
  EXPECT_EQ(machines[2], kSelectMachine);
  EXPECT_EQ(comboSelection(v[L"Combo3"]), 2);
  EXPECT_TRUE(isVisible(v[L"Combo3"]));
  EXPECT_EQ(text(v[L"Label1"]), L"       or");
  EXPECT_TRUE(isVisible(v[L"Label1"]));

  // Messages: the six samples, "-Please select-", the stored messages, then
  // "- Select Message -", selected.
  const auto messages = comboItems(v[L"combo2"]);
  ASSERT_EQ(messages.size(), 10u);
  EXPECT_EQ(std::vector<std::wstring>(messages.begin(), messages.begin() + 6), kSampleMessages);
  EXPECT_EQ(messages[6], kPleaseSelect);
  EXPECT_EQ(sorted({messages[7], messages[8]}), (std::vector<std::wstring>{L"Call me back", L"Lunch at one"}));
  EXPECT_EQ(messages[9], kSelectMessage);
  EXPECT_EQ(comboSelection(v[L"combo2"]), 9);
  // Selecting the last marker at start-up moved the focus to the send button.
  EXPECT_EQ(focusedName(v.form), L"Command1");
  EXPECT_TRUE(keepScreenshot(v.form, L"velnote-main"));
}

TEST(Velnote, first_run_lists_hold_only_their_markers) {
  freshStore();
  Velnote v;
  EXPECT_EQ(comboItems(v[L"Combo3"]), (std::vector<std::wstring>{kSelectMachine}));
  EXPECT_EQ(comboSelection(v[L"Combo3"]), 0);
  std::vector<std::wstring> expected = kSampleMessages;
  expected.push_back(kPleaseSelect);
  expected.push_back(kSelectMessage);
  EXPECT_EQ(comboItems(v[L"combo2"]), expected);
  EXPECT_EQ(comboSelectedText(v[L"combo2"]), kSelectMessage);
}

TEST(Velnote, sends_typed_message_then_hides_and_icon_brings_it_back) {
  freshStore();
  Velnote v;
  typeText(v[L"Text4"], L"PC7");
  typeText(v[L"Text1"], L"Hi");
  EXPECT_EQ(text(v[L"Text3"]), L"2");  // one per key
  sendAndWaitHidden(v);
  const auto sent = waitForNetRecords(programDir(), 1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], "net send PC7 Hi");
  EXPECT_EQ(text(v[L"Text1"]), L"");
  EXPECT_EQ(text(v[L"Text3"]), L"0");
  EXPECT_TRUE(noMessageBox(v.pid()));

  // The mouse over the icon, its middle button and the buttons going down
  // leave the window where it is (the shell relays each to the program).
  trayMouse(v.icon, {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_MBUTTONUP});
  EXPECT_TRUE(sync(v.form));
  EXPECT_TRUE(!isVisible(v.form));
  EXPECT_TRUE(noMessageBox(v.pid()));

  restoreFromIcon(v);
  // The typed name stays for the next message; the message is gone.
  EXPECT_EQ(text(v[L"Text4"]), L"PC7");
  EXPECT_EQ(text(v[L"Text1"]), L"");
  EXPECT_TRUE(keepScreenshot(v.form, L"velnote-main-restored"));

  // A second message to the same machine, then nothing else was started.
  typeText(v[L"Text1"], L"Bye now");
  sendAndWaitHidden(v);
  const auto both = waitForNetRecords(programDir(), 2);
  EXPECT_EQ(both, (std::vector<std::string>{"net send PC7 Hi", "net send PC7 Bye now"}));
}

TEST(Velnote, sends_to_picked_machine_and_typing_a_name_returns_the_list_to_its_marker) {
  storeTwoOfEach();
  Velnote v;
  HWND machines = v[L"Combo3"];
  pickComboItem(machines, L"PC9");
  typeText(v[L"Text1"], L"Lunch now");
  sendAndWaitHidden(v);
  auto sent = waitForNetRecords(programDir(), 1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], "net send PC9 Lunch now");

  restoreFromIcon(v);
  EXPECT_EQ(comboSelectedText(machines), L"PC9");  // the pick stays after a send
  // Typing a name while a machine is picked puts the list back on its
  // marker: a user cannot have both at once, so the send goes to the name.
  typeText(v[L"Text4"], L"PC7");
  EXPECT_EQ(comboSelectedText(machines), kSelectMachine);
  typeText(v[L"Text1"], L"Hi");
  sendAndWaitHidden(v);
  sent = waitForNetRecords(programDir(), 2);
  EXPECT_EQ(sent, (std::vector<std::string>{"net send PC9 Lunch now", "net send PC7 Hi"}));
  EXPECT_TRUE(noMessageBox(v.pid()));

  // Picking a machine empties the typed name.
  restoreFromIcon(v);
  pickComboItem(machines, L"LAB-2");
  EXPECT_EQ(text(v[L"Text4"]), L"");
}

TEST(Velnote, picked_message_fills_the_message_box_and_count) {
  storeTwoOfEach();
  Velnote v;
  typeText(v[L"Text4"], L"PC7");
  pickComboItem(v[L"combo2"], L"Meeting is at ");
  EXPECT_EQ(text(v[L"Text1"]), L"Meeting is at ");
  EXPECT_EQ(text(v[L"Text3"]), L"14");
  EXPECT_EQ(text(v[L"Text4"]), L"");  // a picked message empties the typed name
  EXPECT_EQ(focusedName(v.form), L"Command1");
  pickComboItem(v[L"combo2"], kPleaseSelect);
  EXPECT_EQ(text(v[L"Text1"]), L"");
  EXPECT_EQ(text(v[L"Text3"]), L"0");
}

// The third check before a send, "Please select only one machine name",
// needs a machine picked in the list and a typed name at once. Through the
// windows a user cannot get there: typing into the name box (or giving it the
// focus) puts the list back on its marker, and picking a machine empties the
// name box; the test above drives exactly that. The box itself is checked by
// the native test MainWindow.PickedAndTypedMachineTogetherAreRefused, which
// sets both by code.
TEST(Velnote, validation_boxes_before_a_send) {
  freshStore();
  Velnote v;
  // Nothing typed or picked: the machine check comes first.
  click(v[L"Command1"]);
  MessageBoxView box = expectBox(v.pid());
  EXPECT_EQ(box.text, L"Please enter machine name");
  EXPECT_EQ(box.caption, L"Velnote - Machine Name Error ");
  EXPECT_EQ(box.icon, BoxIcon::Error);
  EXPECT_EQ(box.buttonIds(), (std::vector<int>{IDOK}));
  EXPECT_TRUE(keepScreenshot(box.hwnd, L"velnote-box-machine-name"));
  ASSERT_TRUE(pressBoxButton(box.hwnd, IDOK));
  EXPECT_TRUE(waitUntil([&] { return focusedName(v.form) == L"Text4"; }));
  EXPECT_EQ(focusedName(v.form), L"Text4");

  // A machine but no message.
  typeText(v[L"Text4"], L"PC7");
  click(v[L"Command1"]);
  box = expectBox(v.pid());
  EXPECT_EQ(box.text, L"Please enter some message");
  EXPECT_EQ(box.caption, L"Velnote-Message Error ");
  EXPECT_EQ(box.icon, BoxIcon::Error);
  EXPECT_EQ(box.buttonIds(), (std::vector<int>{IDOK}));
  ASSERT_TRUE(pressBoxButton(box.hwnd, IDOK));
  EXPECT_TRUE(waitUntil([&] { return focusedName(v.form) == L"Text1"; }));
  EXPECT_EQ(focusedName(v.form), L"Text1");

  EXPECT_TRUE(isVisible(v.form));
  EXPECT_TRUE(noMessageBox(v.pid()));
  // Nothing was started: a recorder started by mistake has a second to write.
  EXPECT_TRUE(waitForNetRecords(programDir(), 1, 1000).empty());
}

TEST(Velnote, exit_menu_says_farewell_and_ends) {
  freshStore();
  Velnote v;
  menuKeys(v.form, L"e");  // Alt+E: "&Exit"
  const MessageBoxView box = expectBox(v.pid());
  EXPECT_EQ(box.text, kFarewellText);
  EXPECT_EQ(box.caption, kFarewellTitle);
  EXPECT_EQ(box.icon, BoxIcon::Information);
  EXPECT_EQ(box.buttonIds(), (std::vector<int>{IDOK}));
  EXPECT_TRUE(keepScreenshot(box.hwnd, L"velnote-box-farewell"));
  EXPECT_TRUE(v.process.running());    // the program ends only after the box
  EXPECT_TRUE(trayIconShown(v.icon));  // and its icon goes only with it
  ASSERT_TRUE(pressBoxButton(box.hwnd, IDOK));
  ASSERT_TRUE(v.process.waitForExit());
  EXPECT_EQ(v.process.exitCode(), std::optional<DWORD>(0));
  EXPECT_TRUE(waitForTrayIconGone(v.icon));
}

// The close box hides the window and removes the icon before the farewell;
// the shell drops the icon while the program still runs, so the program
// removed it itself (the shell also drops the icons of a window that is gone).
TEST(Velnote, close_box_removes_the_icon_before_the_farewell) {
  freshStore();
  Velnote v;
  closeWindow(v.form);
  const MessageBoxView box = expectBox(v.pid());
  EXPECT_EQ(box.text, kFarewellText);
  EXPECT_TRUE(!isVisible(v.form));
  EXPECT_TRUE(waitForTrayIconGone(v.icon));
  EXPECT_TRUE(v.process.running());
  ASSERT_TRUE(pressBoxButton(box.hwnd, IDOK));
  ASSERT_TRUE(v.process.waitForExit());
  EXPECT_EQ(v.process.exitCode(), std::optional<DWORD>(0));
}

TEST(Velnote, icon_menu_restores_and_exits) {
  freshStore();
  Velnote v;
  typeText(v[L"Text4"], L"PC7");
  typeText(v[L"Text1"], L"Hi");
  sendAndWaitHidden(v);

  // Right click: the icon's menu; its first item, "&Send Message", brings
  // the hidden window back.
  rightClickTrayIcon(v.icon);
  HWND menu = waitForPopupMenu(v.pid());
  ASSERT_TRUE(menu != nullptr);
  EXPECT_TRUE(!isVisible(v.form));  // the menu opens over the hidden window
  ASSERT_TRUE(pickPopupItem(menu, 0));
  EXPECT_TRUE(waitUntil([&] { return isVisible(v.form); }));
  EXPECT_TRUE(waitUntil([&] { return sync(v.form) && !IsIconic(v.form); }));

  // Back in the notification area after another send, the menu's third
  // item, "&Exit Velnote 1.1.5": the farewell, then the end.
  typeText(v[L"Text1"], L"Again");
  sendAndWaitHidden(v);
  EXPECT_EQ(waitForNetRecords(programDir(), 2), (std::vector<std::string>{"net send PC7 Hi", "net send PC7 Again"}));
  rightClickTrayIcon(v.icon);
  menu = waitForPopupMenu(v.pid());
  ASSERT_TRUE(menu != nullptr);
  ASSERT_TRUE(pickPopupItem(menu, 2));
  const MessageBoxView box = expectBox(v.pid());
  EXPECT_EQ(box.text, kFarewellText);
  EXPECT_EQ(box.caption, kFarewellTitle);
  EXPECT_EQ(box.icon, BoxIcon::Information);
  EXPECT_EQ(box.buttonIds(), (std::vector<int>{IDOK}));
  ASSERT_TRUE(pressBoxButton(box.hwnd, IDOK));
  ASSERT_TRUE(v.process.waitForExit());
  EXPECT_EQ(v.process.exitCode(), std::optional<DWORD>(0));
  EXPECT_TRUE(waitForTrayIconGone(v.icon));
}

// net fails as XP's does for a name nobody answers to: once the window has
// gone to the notification area, the shell shows Velnote's warning balloon.
TEST(Velnote, failed_send_is_told_in_a_balloon_from_the_icon) {
  freshStore();
  NetAliasNotFound netFails(programDir());
  Velnote v;
  typeText(v[L"Text4"], L"NOBODY");
  typeText(v[L"Text1"], L"Hi");
  sendAndWaitHidden(v);
  EXPECT_EQ(waitForNetRecords(programDir(), 1), (std::vector<std::string>{"net send NOBODY Hi"}));
  // The shell tells only the balloon's text; its title and warning icon
  // are held by the native tests (Tray.FailedSendIsToldInAWarningBalloonFromTheIcon).
  EXPECT_EQ(
      waitForTrayBalloon(v.icon),
      std::optional<std::wstring>(L"Not delivered to NOBODY: The message alias could not be found on the network."));
  EXPECT_TRUE(noMessageBox(v.pid()));
  EXPECT_TRUE(!isVisible(v.form));
}
