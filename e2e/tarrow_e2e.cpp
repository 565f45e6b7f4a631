// End-to-end tests of Tarrow: the real tarrow.exe driven through its windows
// under Wine (or Windows) as a user would. Checks what a user or another
// program can see: the controls, the confirmation boxes, the values in
// HKCU\Software\Quillon and the command lines that reached the recording
// net.exe beside the program.
#include <algorithm>

#include "tarrow_e2e_support.hpp"

using namespace e2e;
using namespace tarrow_e2e;

namespace {

const std::wstring kConfirmTitle = L"Comfirm Message send";
const std::wstring kDomainWarning =
    L"Warning! This message will be sent to the entire SALES domain and should be used by administrators only.  "
    L"Are you sure?";
const std::wstring kUsersWarning =
    L"Warning! This message will be sent to all connected users and should be used by administrators only.  "
    L"Are you sure?";

// Clears the message box the way its label offers ("double click to clear")
// and types `message` into it.
void writeMessage(Tarrow& t, const std::wstring& message) {
  doubleClick(t.messageBox());
  EXPECT_EQ(text(t.messageBox()), L"");
  if (!message.empty()) typeText(t.messageBox(), message);
}

// Opens the confirmation box of a broadcast and checks it; returns it.
HWND confirmationBox(Tarrow& t, const std::wstring& warning, const std::wstring& shotName = L"") {
  HWND box = waitForMessageBox(t.pid());
  if (!box) return nullptr;
  const MessageBoxView view = readMessageBox(box);
  EXPECT_EQ(view.caption, kConfirmTitle);
  EXPECT_EQ(view.text, warning);
  EXPECT_EQ(view.icon, BoxIcon::Warning);  // the exclamation icon
  EXPECT_EQ(view.buttonIds(), (std::vector<int>{IDOK, IDCANCEL}));
  if (!shotName.empty()) {
    EXPECT_TRUE(keepScreenshot(box, shotName));
  }
  return box;
}

}  // namespace

// ---- Names ----------------------------------------------------------------

// Every control of the main window is found by the name the program gives it,
// letter case included.
TEST(Tarrow, main_window_controls_read_back_by_name) {
  regDeleteApp(kApp);
  Tarrow t;
  const wchar_t* names[] = {L"recipientlabel",
                            L"Domaincheck",
                            L"usercheck",
                            L"address",
                            L"cboDomain",
                            L"Label3",
                            L"message",
                            L"EditRecipients",
                            L"showDomains",
                            L"EditPresets",
                            L"Send",
                            L"PS1",
                            L"PS2",
                            L"PS3",
                            L"PS4",
                            L"PS5",
                            L"Label1",
                            L"statustext",
                            L"butLastMessage",
                            L"Command1"};
  for (const wchar_t* name : names)
    EXPECT_TRUE(findControl(t.form, name) != nullptr) << "no control named " << narrow(name);
  // The message box is the one control that shows "Type message here.." at start.
  HWND box = t.messageBox();
  EXPECT_EQ(text(box), L"Type message here..");
  EXPECT_EQ(nameOf(box), L"message");
}

// ---- Sending ------------------------------------------------------------

TEST(Tarrow, recipient_send_reaches_net_exe_and_history) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  EXPECT_EQ(caption(t.form), L"Tarrow - by the LAN Messengers team");
  EXPECT_EQ(text(t.messageBox()), L"Type message here..");
  EXPECT_EQ(text(t[L"Send"]), L"Send Message");
  EXPECT_EQ(text(t[L"statustext"]), L"");
  EXPECT_TRUE(keepScreenshot(t.form, L"tarrow-main"));

  typeText(t[L"address"], L"PC7");
  EXPECT_EQ(text(t[L"address"]), L"PC7");
  EXPECT_EQ(text(t[L"Send"]), L"Send To PC7");  // typing renames the send button
  writeMessage(t, L"Hi");

  const SYSTEMTIME before = localNow();
  click(t[L"Send"]);
  const auto sent = waitForNetRecords(programDir(), 1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], "net.exe send PC7 Hi");

  const std::wstring status = waitForChange(t[L"statustext"], L"");
  const SYSTEMTIME after = localNow();
  EXPECT_TRUE(oneOf(status, stampsBetween(before, after, [](const SYSTEMTIME& s) {
                      return L"Message sent to PC7 at:" + shortDate(s) + L", " + longTime(s);
                    })));
  EXPECT_EQ(regRead(kApp, L"History", L"LastMessage"), std::optional<std::wstring>(L"Hi"));
  EXPECT_EQ(regRead(kApp, L"History", L"LastRecipient"), std::optional<std::wstring>(L"PC7"));
  EXPECT_TRUE(noMessageBox(t.pid()));
  EXPECT_TRUE(t.process.running());
  EXPECT_TRUE(keepScreenshot(t.form, L"tarrow-main-sent"));
  // One send starts one command.
  EXPECT_TRUE(waitForNetRecords(programDir(), 2, 500).size() == 1u);
}

// net's own words for a recipient it could not reach come back to the
// status line, and nothing else changes: the history is written, no box.
TEST(Tarrow, a_message_net_could_not_deliver_is_reported_on_the_status_line) {
  regDeleteApp(kApp);
  freshNetLog();
  NetAliasNotFound netFails(programDir());
  Tarrow t;
  typeText(t[L"address"], L"PC9");
  writeMessage(t, L"Hi");
  click(t[L"Send"]);
  ASSERT_EQ(waitForNetRecords(programDir(), 1).size(), 1u);
  const std::wstring said = L"not delivered to PC9: The message alias could not be found on the network.";
  EXPECT_EQ(waitForText(t[L"statustext"], said), said);
  EXPECT_EQ(regRead(kApp, L"History", L"LastRecipient"), std::optional<std::wstring>(L"PC9"));
  EXPECT_TRUE(noMessageBox(t.pid()));
  EXPECT_TRUE(keepScreenshot(t.form, L"tarrow-main-not-delivered"));
}

TEST(Tarrow, enter_in_message_box_presses_send) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  typeText(t[L"address"], L"PC7");
  writeMessage(t, L"Hi");
  typeText(t.messageBox(), L"\n");  // Enter in the multi-line box: the default button
  const auto sent = waitForNetRecords(programDir(), 1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], "net.exe send PC7 Hi");
  EXPECT_EQ(text(t.messageBox()), L"Hi");  // Enter pressed Send and put no line break in
  EXPECT_EQ(regRead(kApp, L"History", L"LastRecipient"), std::optional<std::wstring>(L"PC7"));
  EXPECT_TRUE(waitForChange(t[L"statustext"], L"").rfind(L"Message sent to PC7 at:", 0) == 0);
}

TEST(Tarrow, recipient_send_refuses_missing_recipient_then_blank_message) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  writeMessage(t, L"");
  click(t[L"Send"]);  // neither recipient nor message: only the recipient is reported
  HWND box = waitForMessageBox(t.pid());
  ASSERT_TRUE(box != nullptr);
  MessageBoxView view = readMessageBox(box);
  EXPECT_EQ(view.caption, L"Error on form");
  EXPECT_EQ(view.text, L"Please Enter to whom the message is to be sent");
  EXPECT_EQ(view.icon, BoxIcon::Warning);
  EXPECT_EQ(view.buttonIds(), std::vector<int>{IDOK});
  ASSERT_TRUE(pressBoxButton(box, IDOK));

  typeText(t[L"address"], L"PC7");
  click(t[L"Send"]);
  box = waitForMessageBox(t.pid());
  ASSERT_TRUE(box != nullptr);
  view = readMessageBox(box);
  EXPECT_EQ(view.caption, L"Error on form");
  EXPECT_EQ(view.text, L"The message is blank");
  EXPECT_EQ(view.icon, BoxIcon::Warning);
  ASSERT_TRUE(pressBoxButton(box, IDOK));

  EXPECT_TRUE(nothingStartedWithin(1500));
  EXPECT_TRUE(regValueNames(kApp, L"History").empty());
  EXPECT_EQ(text(t[L"statustext"]), L"");
}

TEST(Tarrow, domain_send_confirmed_with_ok) {
  regDeleteApp(kApp);
  // The stored list gives the entries trimmed and in upper case.
  regWrite(kApp, L"Settings", L"Domains", L"sales, hq");
  freshNetLog();
  Tarrow t;
  EXPECT_EQ(comboItems(t[L"cboDomain"]), (std::vector<std::wstring>{L"SALES", L"HQ"}));
  EXPECT_TRUE(!isEnabled(t[L"cboDomain"]));

  click(t[L"Domaincheck"]);
  EXPECT_EQ(sendBounded(t[L"Domaincheck"], BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(isEnabled(t[L"cboDomain"]));
  EXPECT_TRUE(!isEnabled(t[L"address"]));
  EXPECT_TRUE(!isEnabled(t[L"recipientlabel"]));

  pickComboItem(t[L"cboDomain"], L"SALES");
  EXPECT_EQ(text(t[L"cboDomain"]), L"SALES");
  writeMessage(t, L"Hi");
  click(t[L"Send"]);
  HWND box = confirmationBox(t, kDomainWarning, L"tarrow-confirm-box");
  ASSERT_TRUE(box != nullptr);
  // Nothing starts while the box asks.
  EXPECT_TRUE(readNetLog(programDir()).empty());
  const SYSTEMTIME before = localNow();
  ASSERT_TRUE(pressBoxButton(box, IDOK));

  const auto sent = waitForNetRecords(programDir(), 1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], "net.exe send/DOMAIN:SALES Hi");
  const std::wstring status = waitForChange(t[L"statustext"], L"");
  const SYSTEMTIME after = localNow();
  const auto sentAt = [](const SYSTEMTIME& s) { return L"Message sent to SALES at: " + longTime(s); };
  EXPECT_TRUE(oneOf(status, stampsBetween(before, after, sentAt)));
  EXPECT_TRUE(regValueNames(kApp, L"History").empty());  // broadcasts keep no history
  EXPECT_TRUE(noMessageBox(t.pid()));
}

TEST(Tarrow, domain_send_cancelled_starts_nothing) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  click(t[L"Domaincheck"]);
  EXPECT_TRUE(isEnabled(t[L"cboDomain"]));
  typeText(t[L"cboDomain"], L"SALES");
  EXPECT_EQ(text(t[L"cboDomain"]), L"SALES");
  writeMessage(t, L"Hi");
  click(t[L"Send"]);
  HWND box = confirmationBox(t, kDomainWarning);
  ASSERT_TRUE(box != nullptr);
  ASSERT_TRUE(pressBoxButton(box, IDCANCEL));
  EXPECT_EQ(waitForText(t[L"statustext"], L"Domain Message Cancelled"), L"Domain Message Cancelled");
  EXPECT_TRUE(nothingStartedWithin(2000));
  EXPECT_TRUE(regValueNames(kApp, L"History").empty());
  EXPECT_TRUE(noMessageBox(t.pid()));
}

TEST(Tarrow, users_send_confirmed_with_ok) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  typeText(t[L"address"], L"PC7");  // ignored once "/USERS" is ticked
  click(t[L"usercheck"]);
  EXPECT_EQ(sendBounded(t[L"usercheck"], BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(!isEnabled(t[L"address"]));
  EXPECT_TRUE(!isEnabled(t[L"recipientlabel"]));
  EXPECT_TRUE(!isEnabled(t[L"cboDomain"]));
  writeMessage(t, L"Hi");
  click(t[L"Send"]);
  HWND box = confirmationBox(t, kUsersWarning);
  ASSERT_TRUE(box != nullptr);
  ASSERT_TRUE(pressBoxButton(box, IDOK));
  const auto sent = waitForNetRecords(programDir(), 1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], "net.exe send/USERS Hi");
  EXPECT_EQ(waitForText(t[L"statustext"], L"Message sent to all users connected to this server"),
            L"Message sent to all users connected to this server");
  EXPECT_TRUE(regValueNames(kApp, L"History").empty());
}

TEST(Tarrow, last_message_recalls_history_in_this_run_and_the_next) {
  regDeleteApp(kApp);
  freshNetLog();
  {
    Tarrow t;
    // With no history both boxes are emptied.
    typeText(t[L"address"], L"XY");
    click(t[L"butLastMessage"]);
    EXPECT_EQ(text(t.messageBox()), L"");
    EXPECT_EQ(text(t[L"address"]), L"");
    EXPECT_EQ(text(t[L"Send"]), L"Send Message");

    typeText(t[L"address"], L"PC7");
    writeMessage(t, L"Hi there");
    click(t[L"Send"]);
    ASSERT_EQ(waitForNetRecords(programDir(), 1).size(), 1u);
    EXPECT_EQ(readNetLog(programDir())[0], "net.exe send PC7 Hi there");

    writeMessage(t, L"something else");
    typeText(t[L"address"], L"X");
    EXPECT_EQ(text(t[L"address"]), L"PC7X");
    click(t[L"butLastMessage"]);
    EXPECT_EQ(text(t.messageBox()), L"Hi there");
    EXPECT_EQ(text(t[L"address"]), L"PC7");
    EXPECT_EQ(text(t[L"Send"]), L"Send To PC7");  // a text set by the window renames the button too

    closeWindow(t.form);
    EXPECT_TRUE(t.process.waitForExit());
  }
  Tarrow next;
  EXPECT_EQ(text(next.messageBox()), L"Type message here..");
  EXPECT_EQ(text(next[L"address"]), L"");
  click(next[L"butLastMessage"]);
  EXPECT_EQ(text(next.messageBox()), L"Hi there");
  EXPECT_EQ(text(next[L"address"]), L"PC7");
}

// ---- Editors --------------------------------------------------------------

TEST(Tarrow, address_list_editor_saves_as_typed_and_main_window_reloads) {
  regDeleteApp(kApp);
  regWrite(kApp, L"Settings", L"AddressList", L"old1,old2");
  freshNetLog();
  Tarrow t;
  EXPECT_EQ(comboItems(t[L"address"]), (std::vector<std::wstring>{L"old1", L"old2"}));
  writeMessage(t, L"draft");  // lost: the editor unloads the main window

  click(t[L"EditRecipients"]);
  HWND editor = waitForWindow(t.pid(), L"recipients");
  ASSERT_TRUE(editor != nullptr);
  EXPECT_EQ(caption(editor), L"Edit Address List");
  EXPECT_TRUE(waitUntil([&] { return visibleWindow(t.pid(), L"justsend") == nullptr; }));
  EXPECT_EQ(text(control(editor, L"Label1")), L"Enter your list of contacts, each separated by a comma");
  EXPECT_EQ(text(control(editor, L"AddressList")), L"old1,old2");
  EXPECT_EQ(text(control(editor, L"Save")), L"Save");
  EXPECT_EQ(text(control(editor, L"Cancel")), L"Cancel");
  EXPECT_TRUE(keepScreenshot(editor, L"tarrow-address-editor"));

  const std::wstring typed = L" pc1 ,pc2 ,, PC 3 ";
  retype(control(editor, L"AddressList"), typed);
  EXPECT_EQ(text(control(editor, L"AddressList")), typed);
  click(control(editor, L"Save"));

  ASSERT_TRUE(t.waitForMain() != nullptr);
  EXPECT_TRUE(waitUntil([&] { return visibleWindow(t.pid(), L"recipients") == nullptr; }));
  EXPECT_EQ(regRead(kApp, L"Settings", L"AddressList"), std::optional<std::wstring>(typed));
  EXPECT_EQ(text(t[L"statustext"]), L"Address List updated Successfully");
  EXPECT_EQ(comboItems(t[L"address"]), (std::vector<std::wstring>{L"pc1", L"pc2", L"", L"PC 3"}));
  EXPECT_EQ(text(t.messageBox()), L"Type message here..");
  EXPECT_TRUE(keepScreenshot(t.form, L"tarrow-main-reloaded"));

  // A reloaded entry is a recipient like a typed one; picking it does not rename the button.
  pickComboItem(t[L"address"], L"pc2");
  EXPECT_EQ(text(t[L"address"]), L"pc2");
  EXPECT_EQ(text(t[L"Send"]), L"Send Message");
  writeMessage(t, L"Hi");
  click(t[L"Send"]);
  const auto sent = waitForNetRecords(programDir(), 1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], "net.exe send pc2 Hi");
}

// A settings key the user may read but not change: the box gives the
// system's reason and the value's place, the old list stays stored and the
// editor stays open with what was typed. Enter then cancels.
TEST(Tarrow, address_list_editor_keeps_the_list_on_a_refused_save_and_enter_cancels) {
  regDeleteApp(kApp);
  regWrite(kApp, L"Settings", L"AddressList", L"keep");
  Tarrow t;
  click(t[L"EditRecipients"]);
  HWND editor = waitForWindow(t.pid(), L"recipients");
  ASSERT_TRUE(editor != nullptr);
  {
    ReadOnlyRegistryKey locked(kApp, L"Settings");
    retype(control(editor, L"AddressList"), L"pc1,pc2");
    click(control(editor, L"Save"));
    HWND shown = waitForMessageBox(t.pid());
    ASSERT_TRUE(shown != nullptr);
    const MessageBoxView box = readMessageBox(shown);
    const std::wstring said = L"Error 5 : ", place = L"\r\nHKEY_CURRENT_USER\\Software\\Quillon\\Settings\\AddressList";
    ASSERT_TRUE(box.text.size() > said.size() + place.size());  // the system's text for the error between
    EXPECT_EQ(box.text.substr(0, said.size()), said);
    EXPECT_EQ(box.text.substr(box.text.size() - place.size()), place);
    EXPECT_EQ(box.caption, L"Error");
    ASSERT_TRUE(pressBoxButton(box.hwnd, IDOK));
    EXPECT_TRUE(isVisible(editor));
    EXPECT_EQ(text(control(editor, L"AddressList")), L"pc1,pc2");
    EXPECT_EQ(regRead(kApp, L"Settings", L"AddressList"), std::optional<std::wstring>(L"keep"));
  }
  retype(control(editor, L"AddressList"), L"changed\n");  // Enter: "Cancel" is the default button
  ASSERT_TRUE(t.waitForMain() != nullptr);
  EXPECT_TRUE(waitUntil([&] { return visibleWindow(t.pid(), L"recipients") == nullptr; }));
  EXPECT_EQ(regRead(kApp, L"Settings", L"AddressList"), std::optional<std::wstring>(L"keep"));
  EXPECT_EQ(comboItems(t[L"address"]), std::vector<std::wstring>{L"keep"});
  EXPECT_EQ(text(t[L"statustext"]), L"");
}

TEST(Tarrow, domain_list_editor_saves_and_main_window_reloads) {
  regDeleteApp(kApp);
  regWrite(kApp, L"Settings", L"Domains", L"old");
  Tarrow t;
  EXPECT_EQ(comboItems(t[L"cboDomain"]), std::vector<std::wstring>{L"OLD"});
  click(t[L"showDomains"]);
  HWND editor = waitForWindow(t.pid(), L"EditDomains");
  ASSERT_TRUE(editor != nullptr);
  EXPECT_EQ(caption(editor), L"Edit Domains");
  EXPECT_TRUE(waitUntil([&] { return visibleWindow(t.pid(), L"justsend") == nullptr; }));
  EXPECT_EQ(text(control(editor, L"Label1")), L"Enter the list of  domains, separated by a comma");
  EXPECT_EQ(text(control(editor, L"Domainlist")), L"old");
  EXPECT_EQ(text(control(editor, L"CANCEL")), L"Cancel");
  EXPECT_TRUE(keepScreenshot(editor, L"tarrow-domain-editor"));

  retype(control(editor, L"Domainlist"), L"sales, hq");
  click(control(editor, L"savedomains"));
  ASSERT_TRUE(t.waitForMain() != nullptr);
  EXPECT_EQ(regRead(kApp, L"Settings", L"Domains"), std::optional<std::wstring>(L"sales, hq"));
  EXPECT_EQ(text(t[L"statustext"]), L"Domain List updated successfully");
  EXPECT_EQ(comboItems(t[L"cboDomain"]), (std::vector<std::wstring>{L"SALES", L"HQ"}));
}

TEST(Tarrow, presets_saved_and_fetched_by_ps1_to_ps5) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  writeMessage(t, L"kept");  // the preset editor only hides the main window

  click(t[L"EditPresets"]);
  HWND editor = waitForWindow(t.pid(), L"presets");
  ASSERT_TRUE(editor != nullptr);
  EXPECT_EQ(caption(editor), L"Preset Messages");
  EXPECT_TRUE(!isVisible(t.form));
  const wchar_t* boxes[] = {L"preset1", L"preset2", L"preset3", L"preset4", L"preset5"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(text(control(editor, boxes[i])), L"");
    EXPECT_EQ(text(control(editor, (L"Label" + std::to_wstring(i + 1)).c_str())),
              L"Preset Message " + std::to_wstring(i + 1));
  }
  EXPECT_EQ(text(control(editor, L"Preset_OK")), L"Save");
  EXPECT_EQ(text(control(editor, L"Preset_Cancel")), L"CANCEL");

  // Enter in a preset box is a line break: this window has no default button.
  const std::wstring typed[] = {L"Lunch?", L"Meeting at 10", L"line one\nline two", L"Back soon", L"Bye all"};
  const std::wstring stored[] = {L"Lunch?", L"Meeting at 10", L"line one\r\nline two", L"Back soon", L"Bye all"};
  for (int i = 0; i < 5; ++i) typeText(control(editor, boxes[i]), typed[i]);
  EXPECT_EQ(text(control(editor, L"preset3")), stored[2]);
  EXPECT_TRUE(keepScreenshot(editor, L"tarrow-preset-editor"));
  click(control(editor, L"Preset_OK"));

  EXPECT_TRUE(waitUntil([&] { return isVisible(t.form); }));
  EXPECT_TRUE(waitUntil([&] { return visibleWindow(t.pid(), L"presets") == nullptr; }));
  EXPECT_EQ(text(t[L"statustext"]), L"Preset Messages saved successfully");
  EXPECT_EQ(text(t.messageBox()), L"kept");
  std::vector<std::wstring> names = regValueNames(kApp, L"Presets");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Preset1", L"Preset2", L"Preset3", L"Preset4", L"Preset5"}));
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(regRead(kApp, L"Presets", L"Preset" + std::to_wstring(i + 1)), std::optional<std::wstring>(stored[i]));

  // Each button fetches its own preset, in any order.
  for (int i : {4, 2, 0, 3, 1}) {
    click(t[(L"PS" + std::to_wstring(i + 1)).c_str()]);
    EXPECT_EQ(text(t.messageBox()), stored[i]);
  }
  EXPECT_TRUE(noMessageBox(t.pid()));
  EXPECT_TRUE(readNetLog(programDir()).empty());  // fetching sends nothing
}

TEST(Tarrow, preset_editor_close_box_brings_main_window_back) {
  regDeleteApp(kApp);
  regWrite(kApp, L"Presets", L"Preset2", L"stored");
  Tarrow t;
  click(t[L"EditPresets"]);
  HWND editor = waitForWindow(t.pid(), L"presets");
  ASSERT_TRUE(editor != nullptr);
  EXPECT_EQ(text(control(editor, L"preset2")), L"stored");
  typeText(control(editor, L"preset2"), L" changed");
  closeWindow(editor);
  EXPECT_TRUE(waitUntil([&] { return isVisible(t.form); }));
  EXPECT_TRUE(waitUntil([&] { return visibleWindow(t.pid(), L"presets") == nullptr; }));
  EXPECT_EQ(regRead(kApp, L"Presets", L"Preset2"), std::optional<std::wstring>(L"stored"));
  EXPECT_TRUE(t.process.running());
}

// ---- About ------------------------------------------------------------------

TEST(Tarrow, about_window_opens_beside_main_window) {
  regDeleteApp(kApp);
  Tarrow t;
  EXPECT_EQ(text(t[L"Command1"]), L"About Tarrow");
  click(t[L"Command1"]);
  HWND about = waitForWindow(t.pid(), L"frmAbout");
  ASSERT_TRUE(about != nullptr);
  EXPECT_EQ(caption(about), L"The Dreaded About box!");
  EXPECT_EQ(text(control(about, L"Label6")), L" If you like this software, please visit the following links:");
  EXPECT_EQ(text(control(about, L"lblEMail")), L"tarrow@example.com");
  EXPECT_TRUE(!text(control(about, L"Label1")).empty());
  EXPECT_TRUE(!text(control(about, L"Label2")).empty());
  EXPECT_TRUE(keepScreenshot(about, L"tarrow-about"));
  // Not modal: the main window stays usable, and a second click brings up the same window.
  EXPECT_TRUE(isVisible(t.form));
  EXPECT_TRUE(isEnabled(t.form));
  click(t[L"Command1"]);
  EXPECT_TRUE(sync(about));
  int abouts = 0;
  for (HWND w : topLevelWindows(t.pid()))
    if (IsWindowVisible(w) && nameOf(w) == L"frmAbout") ++abouts;
  EXPECT_EQ(abouts, 1);
  EXPECT_TRUE(IsWindow(about));
  closeWindow(about);
  EXPECT_TRUE(waitUntil([&] { return visibleWindow(t.pid(), L"frmAbout") == nullptr; }));
  EXPECT_TRUE(isVisible(t.form));
  EXPECT_TRUE(t.process.running());
}
