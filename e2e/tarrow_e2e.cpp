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
  CHECK_EQ(text(t.messageBox()), L"");
  if (!message.empty()) typeText(t.messageBox(), message);
}

// Opens the confirmation box of a broadcast and checks it; returns it.
HWND confirmationBox(Tarrow& t, const std::wstring& warning, const std::wstring& shotName = L"") {
  HWND box = waitForMessageBox(t.pid());
  if (!box) return nullptr;
  const MessageBoxView view = readMessageBox(box);
  CHECK_EQ(view.caption, kConfirmTitle);
  CHECK_EQ(view.text, warning);
  CHECK_EQ(view.icon, BoxIcon::Warning);  // the exclamation icon
  CHECK_EQ(view.buttonIds(), (std::vector<int>{IDOK, IDCANCEL}));
  if (!shotName.empty()) CHECK(keepScreenshot(box, shotName));
  return box;
}

}  // namespace

// ---- Names ----------------------------------------------------------------

// Every control of the main window is found by the name the program gives it,
// letter case included.
TEST(main_window_controls_read_back_by_name) {
  regDeleteApp(kApp);
  Tarrow t;
  const wchar_t* names[] = {L"recipientlabel", L"Domaincheck", L"usercheck", L"address", L"cboDomain",
                            L"Label3", L"message", L"EditRecipients", L"showDomains", L"EditPresets",
                            L"Send", L"PS1", L"PS2", L"PS3", L"PS4", L"PS5", L"Label1", L"statustext",
                            L"butLastMessage", L"Command1"};
  for (const wchar_t* name : names)
    if (!CHECK(findControl(t.form, name) != nullptr)) check::note("no control named " + narrow(name));
  // The message box is the one control that shows "Type message here.." at start.
  HWND box = t.messageBox();
  CHECK_EQ(text(box), L"Type message here..");
  CHECK_EQ(nameOf(box), L"message");
}

// ---- Sending ------------------------------------------------------------

TEST(recipient_send_reaches_net_exe_and_history) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  CHECK_EQ(caption(t.form), L"Tarrow - by the LAN Messengers team");
  CHECK_EQ(text(t.messageBox()), L"Type message here..");
  CHECK_EQ(text(t[L"Send"]), L"Send Message");
  CHECK_EQ(text(t[L"statustext"]), L"");
  CHECK(keepScreenshot(t.form, L"tarrow-main"));

  typeText(t[L"address"], L"PC7");
  CHECK_EQ(text(t[L"address"]), L"PC7");
  CHECK_EQ(text(t[L"Send"]), L"Send To PC7");  // typing renames the send button
  writeMessage(t, L"Hi");

  const SYSTEMTIME before = localNow();
  click(t[L"Send"]);
  const auto sent = waitForNetRecords(programDir(), 1);
  REQUIRE_EQ(sent.size(), 1u);
  CHECK_EQ(sent[0], "net.exe send PC7 Hi");

  const std::wstring status = waitForChange(t[L"statustext"], L"");
  const SYSTEMTIME after = localNow();
  CHECK(oneOf(status, stampsBetween(before, after, [](const SYSTEMTIME& s) {
                return L"Message sent to PC7 at:" + shortDate(s) + L", " + longTime(s);
              })));
  CHECK_EQ(regRead(kApp, L"History", L"LastMessage"), std::optional<std::wstring>(L"Hi"));
  CHECK_EQ(regRead(kApp, L"History", L"LastRecipient"), std::optional<std::wstring>(L"PC7"));
  CHECK(noMessageBox(t.pid()));
  CHECK(t.process.running());
  CHECK(keepScreenshot(t.form, L"tarrow-main-sent"));
  // One send starts one command.
  CHECK(waitForNetRecords(programDir(), 2, 500).size() == 1u);
}

TEST(enter_in_message_box_presses_send) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  typeText(t[L"address"], L"PC7");
  writeMessage(t, L"Hi");
  typeText(t.messageBox(), L"\n");  // Enter in the multi-line box: the default button
  const auto sent = waitForNetRecords(programDir(), 1);
  REQUIRE_EQ(sent.size(), 1u);
  CHECK_EQ(sent[0], "net.exe send PC7 Hi");
  CHECK_EQ(text(t.messageBox()), L"Hi");  // Enter pressed Send and put no line break in
  CHECK_EQ(regRead(kApp, L"History", L"LastRecipient"), std::optional<std::wstring>(L"PC7"));
  CHECK(waitForChange(t[L"statustext"], L"").rfind(L"Message sent to PC7 at:", 0) == 0);
}

TEST(recipient_send_refuses_missing_recipient_then_blank_message) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  writeMessage(t, L"");
  click(t[L"Send"]);  // neither recipient nor message: only the recipient is reported
  HWND box = waitForMessageBox(t.pid());
  REQUIRE(box != nullptr);
  MessageBoxView view = readMessageBox(box);
  CHECK_EQ(view.caption, L"Error on form");
  CHECK_EQ(view.text, L"Please Enter to whom the message is to be sent");
  CHECK_EQ(view.icon, BoxIcon::Warning);
  CHECK_EQ(view.buttonIds(), std::vector<int>{IDOK});
  REQUIRE(pressBoxButton(box, IDOK));

  typeText(t[L"address"], L"PC7");
  click(t[L"Send"]);
  box = waitForMessageBox(t.pid());
  REQUIRE(box != nullptr);
  view = readMessageBox(box);
  CHECK_EQ(view.caption, L"Error on form");
  CHECK_EQ(view.text, L"The message is blank");
  CHECK_EQ(view.icon, BoxIcon::Warning);
  REQUIRE(pressBoxButton(box, IDOK));

  CHECK(nothingStartedWithin(1500));
  CHECK(regValueNames(kApp, L"History").empty());
  CHECK_EQ(text(t[L"statustext"]), L"");
}

TEST(domain_send_confirmed_with_ok) {
  regDeleteApp(kApp);
  // The stored list gives the entries trimmed and in upper case.
  regWrite(kApp, L"Settings", L"Domains", L"sales, hq");
  freshNetLog();
  Tarrow t;
  CHECK_EQ(comboItems(t[L"cboDomain"]), (std::vector<std::wstring>{L"SALES", L"HQ"}));
  CHECK(!isEnabled(t[L"cboDomain"]));

  click(t[L"Domaincheck"]);
  CHECK_EQ(sendBounded(t[L"Domaincheck"], BM_GETCHECK, 0, 0), BST_CHECKED);
  CHECK(isEnabled(t[L"cboDomain"]));
  CHECK(!isEnabled(t[L"address"]));
  CHECK(!isEnabled(t[L"recipientlabel"]));

  pickComboItem(t[L"cboDomain"], L"SALES");
  CHECK_EQ(text(t[L"cboDomain"]), L"SALES");
  writeMessage(t, L"Hi");
  click(t[L"Send"]);
  HWND box = confirmationBox(t, kDomainWarning, L"tarrow-confirm-box");
  REQUIRE(box != nullptr);
  // Nothing starts while the box asks.
  CHECK(readNetLog(programDir()).empty());
  const SYSTEMTIME before = localNow();
  REQUIRE(pressBoxButton(box, IDOK));

  const auto sent = waitForNetRecords(programDir(), 1);
  REQUIRE_EQ(sent.size(), 1u);
  CHECK_EQ(sent[0], "net.exe send/DOMAIN:SALES Hi");
  const std::wstring status = waitForChange(t[L"statustext"], L"");
  const SYSTEMTIME after = localNow();
  CHECK(oneOf(status, stampsBetween(before, after,
                                    [](const SYSTEMTIME& s) { return L"Message sent to SALES at: " + longTime(s); })));
  CHECK(regValueNames(kApp, L"History").empty());  // broadcasts keep no history
  CHECK(noMessageBox(t.pid()));
}

TEST(domain_send_cancelled_starts_nothing) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  click(t[L"Domaincheck"]);
  CHECK(isEnabled(t[L"cboDomain"]));
  typeText(t[L"cboDomain"], L"SALES");
  CHECK_EQ(text(t[L"cboDomain"]), L"SALES");
  writeMessage(t, L"Hi");
  click(t[L"Send"]);
  HWND box = confirmationBox(t, kDomainWarning);
  REQUIRE(box != nullptr);
  REQUIRE(pressBoxButton(box, IDCANCEL));
  CHECK_EQ(waitForText(t[L"statustext"], L"Domain Message Cancelled"), L"Domain Message Cancelled");
  CHECK(nothingStartedWithin(2000));
  CHECK(regValueNames(kApp, L"History").empty());
  CHECK(noMessageBox(t.pid()));
}

TEST(users_send_confirmed_with_ok) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  typeText(t[L"address"], L"PC7");  // ignored once "/USERS" is ticked
  click(t[L"usercheck"]);
  CHECK_EQ(sendBounded(t[L"usercheck"], BM_GETCHECK, 0, 0), BST_CHECKED);
  CHECK(!isEnabled(t[L"address"]));
  CHECK(!isEnabled(t[L"recipientlabel"]));
  CHECK(!isEnabled(t[L"cboDomain"]));
  writeMessage(t, L"Hi");
  click(t[L"Send"]);
  HWND box = confirmationBox(t, kUsersWarning);
  REQUIRE(box != nullptr);
  REQUIRE(pressBoxButton(box, IDOK));
  const auto sent = waitForNetRecords(programDir(), 1);
  REQUIRE_EQ(sent.size(), 1u);
  CHECK_EQ(sent[0], "net.exe send/USERS Hi");
  CHECK_EQ(waitForText(t[L"statustext"], L"Message sent to all users connected to this server"),
           L"Message sent to all users connected to this server");
  CHECK(regValueNames(kApp, L"History").empty());
}

TEST(last_message_recalls_history_in_this_run_and_the_next) {
  regDeleteApp(kApp);
  freshNetLog();
  {
    Tarrow t;
    // With no history both boxes are emptied.
    typeText(t[L"address"], L"XY");
    click(t[L"butLastMessage"]);
    CHECK_EQ(text(t.messageBox()), L"");
    CHECK_EQ(text(t[L"address"]), L"");
    CHECK_EQ(text(t[L"Send"]), L"Send Message");

    typeText(t[L"address"], L"PC7");
    writeMessage(t, L"Hi there");
    click(t[L"Send"]);
    REQUIRE_EQ(waitForNetRecords(programDir(), 1).size(), 1u);
    CHECK_EQ(readNetLog(programDir())[0], "net.exe send PC7 Hi there");

    writeMessage(t, L"something else");
    typeText(t[L"address"], L"X");
    CHECK_EQ(text(t[L"address"]), L"PC7X");
    click(t[L"butLastMessage"]);
    CHECK_EQ(text(t.messageBox()), L"Hi there");
    CHECK_EQ(text(t[L"address"]), L"PC7");
    CHECK_EQ(text(t[L"Send"]), L"Send To PC7");  // a text set by the window renames the button too

    closeWindow(t.form);
    CHECK(t.process.waitForExit());
  }
  Tarrow next;
  CHECK_EQ(text(next.messageBox()), L"Type message here..");
  CHECK_EQ(text(next[L"address"]), L"");
  click(next[L"butLastMessage"]);
  CHECK_EQ(text(next.messageBox()), L"Hi there");
  CHECK_EQ(text(next[L"address"]), L"PC7");
}

// ---- Editors --------------------------------------------------------------

TEST(address_list_editor_saves_as_typed_and_main_window_reloads) {
  regDeleteApp(kApp);
  regWrite(kApp, L"Settings", L"AddressList", L"old1,old2");
  freshNetLog();
  Tarrow t;
  CHECK_EQ(comboItems(t[L"address"]), (std::vector<std::wstring>{L"old1", L"old2"}));
  writeMessage(t, L"draft");  // lost: the editor unloads the main window

  click(t[L"EditRecipients"]);
  HWND editor = waitForWindow(t.pid(), L"recipients");
  REQUIRE(editor != nullptr);
  CHECK_EQ(caption(editor), L"Edit Address List");
  CHECK(waitUntil([&] { return visibleWindow(t.pid(), L"justsend") == nullptr; }));
  CHECK_EQ(text(control(editor, L"Label1")), L"Enter your list of contacts, each separated by a comma");
  CHECK_EQ(text(control(editor, L"AddressList")), L"old1,old2");
  CHECK_EQ(text(control(editor, L"Save")), L"Save");
  CHECK_EQ(text(control(editor, L"Cancel")), L"Cancel");
  CHECK(keepScreenshot(editor, L"tarrow-address-editor"));

  const std::wstring typed = L" pc1 ,pc2 ,, PC 3 ";
  retype(control(editor, L"AddressList"), typed);
  CHECK_EQ(text(control(editor, L"AddressList")), typed);
  click(control(editor, L"Save"));

  REQUIRE(t.waitForMain() != nullptr);
  CHECK(waitUntil([&] { return visibleWindow(t.pid(), L"recipients") == nullptr; }));
  CHECK_EQ(regRead(kApp, L"Settings", L"AddressList"), std::optional<std::wstring>(typed));
  CHECK_EQ(text(t[L"statustext"]), L"Address List updated Successfully");
  CHECK_EQ(comboItems(t[L"address"]), (std::vector<std::wstring>{L"pc1", L"pc2", L"", L"PC 3"}));
  CHECK_EQ(text(t.messageBox()), L"Type message here..");
  CHECK(keepScreenshot(t.form, L"tarrow-main-reloaded"));

  // A reloaded entry is a recipient like a typed one; picking it does not rename the button.
  pickComboItem(t[L"address"], L"pc2");
  CHECK_EQ(text(t[L"address"]), L"pc2");
  CHECK_EQ(text(t[L"Send"]), L"Send Message");
  writeMessage(t, L"Hi");
  click(t[L"Send"]);
  const auto sent = waitForNetRecords(programDir(), 1);
  REQUIRE_EQ(sent.size(), 1u);
  CHECK_EQ(sent[0], "net.exe send pc2 Hi");
}

// A settings key the user may read but not change: the box gives the
// system's reason and the value's place, the old list stays stored and the
// editor stays open with what was typed. Enter then cancels.
TEST(address_list_editor_keeps_the_list_on_a_refused_save_and_enter_cancels) {
  regDeleteApp(kApp);
  regWrite(kApp, L"Settings", L"AddressList", L"keep");
  Tarrow t;
  click(t[L"EditRecipients"]);
  HWND editor = waitForWindow(t.pid(), L"recipients");
  REQUIRE(editor != nullptr);
  {
    ReadOnlyRegistryKey locked(kApp, L"Settings");
    retype(control(editor, L"AddressList"), L"pc1,pc2");
    click(control(editor, L"Save"));
    HWND shown = waitForMessageBox(t.pid());
    REQUIRE(shown != nullptr);
    const MessageBoxView box = readMessageBox(shown);
    const std::wstring said = L"Error 5 : ", place = L"\r\nHKEY_CURRENT_USER\\Software\\Quillon\\Settings\\AddressList";
    REQUIRE(box.text.size() > said.size() + place.size());  // the system's text for the error between
    CHECK_EQ(box.text.substr(0, said.size()), said);
    CHECK_EQ(box.text.substr(box.text.size() - place.size()), place);
    CHECK_EQ(box.caption, L"Error");
    REQUIRE(pressBoxButton(box.hwnd, IDOK));
    CHECK(isVisible(editor));
    CHECK_EQ(text(control(editor, L"AddressList")), L"pc1,pc2");
    CHECK_EQ(regRead(kApp, L"Settings", L"AddressList"), std::optional<std::wstring>(L"keep"));
  }
  retype(control(editor, L"AddressList"), L"changed\n");  // Enter: "Cancel" is the default button
  REQUIRE(t.waitForMain() != nullptr);
  CHECK(waitUntil([&] { return visibleWindow(t.pid(), L"recipients") == nullptr; }));
  CHECK_EQ(regRead(kApp, L"Settings", L"AddressList"), std::optional<std::wstring>(L"keep"));
  CHECK_EQ(comboItems(t[L"address"]), std::vector<std::wstring>{L"keep"});
  CHECK_EQ(text(t[L"statustext"]), L"");
}

TEST(domain_list_editor_saves_and_main_window_reloads) {
  regDeleteApp(kApp);
  regWrite(kApp, L"Settings", L"Domains", L"old");
  Tarrow t;
  CHECK_EQ(comboItems(t[L"cboDomain"]), std::vector<std::wstring>{L"OLD"});
  click(t[L"showDomains"]);
  HWND editor = waitForWindow(t.pid(), L"EditDomains");
  REQUIRE(editor != nullptr);
  CHECK_EQ(caption(editor), L"Edit Domains");
  CHECK(waitUntil([&] { return visibleWindow(t.pid(), L"justsend") == nullptr; }));
  CHECK_EQ(text(control(editor, L"Label1")), L"Enter the list of  domains, separated by a comma");
  CHECK_EQ(text(control(editor, L"Domainlist")), L"old");
  CHECK_EQ(text(control(editor, L"CANCEL")), L"Cancel");
  CHECK(keepScreenshot(editor, L"tarrow-domain-editor"));

  retype(control(editor, L"Domainlist"), L"sales, hq");
  click(control(editor, L"savedomains"));
  REQUIRE(t.waitForMain() != nullptr);
  CHECK_EQ(regRead(kApp, L"Settings", L"Domains"), std::optional<std::wstring>(L"sales, hq"));
  CHECK_EQ(text(t[L"statustext"]), L"Domain List updated successfully");
  CHECK_EQ(comboItems(t[L"cboDomain"]), (std::vector<std::wstring>{L"SALES", L"HQ"}));
}

TEST(presets_saved_and_fetched_by_ps1_to_ps5) {
  regDeleteApp(kApp);
  freshNetLog();
  Tarrow t;
  writeMessage(t, L"kept");  // the preset editor only hides the main window

  click(t[L"EditPresets"]);
  HWND editor = waitForWindow(t.pid(), L"presets");
  REQUIRE(editor != nullptr);
  CHECK_EQ(caption(editor), L"Preset Messages");
  CHECK(!isVisible(t.form));
  const wchar_t* boxes[] = {L"preset1", L"preset2", L"preset3", L"preset4", L"preset5"};
  for (int i = 0; i < 5; ++i) {
    CHECK_EQ(text(control(editor, boxes[i])), L"");
    CHECK_EQ(text(control(editor, (L"Label" + std::to_wstring(i + 1)).c_str())),
             L"Preset Message " + std::to_wstring(i + 1));
  }
  CHECK_EQ(text(control(editor, L"Preset_OK")), L"Save");
  CHECK_EQ(text(control(editor, L"Preset_Cancel")), L"CANCEL");

  // Enter in a preset box is a line break: this window has no default button.
  const std::wstring typed[] = {L"Lunch?", L"Meeting at 10", L"line one\nline two", L"Back soon", L"Bye all"};
  const std::wstring stored[] = {L"Lunch?", L"Meeting at 10", L"line one\r\nline two", L"Back soon", L"Bye all"};
  for (int i = 0; i < 5; ++i) typeText(control(editor, boxes[i]), typed[i]);
  CHECK_EQ(text(control(editor, L"preset3")), stored[2]);
  CHECK(keepScreenshot(editor, L"tarrow-preset-editor"));
  click(control(editor, L"Preset_OK"));

  CHECK(waitUntil([&] { return isVisible(t.form); }));
  CHECK(waitUntil([&] { return visibleWindow(t.pid(), L"presets") == nullptr; }));
  CHECK_EQ(text(t[L"statustext"]), L"Preset Messages saved successfully");
  CHECK_EQ(text(t.messageBox()), L"kept");
  std::vector<std::wstring> names = regValueNames(kApp, L"Presets");
  std::sort(names.begin(), names.end());
  CHECK_EQ(names, (std::vector<std::wstring>{L"Preset1", L"Preset2", L"Preset3", L"Preset4", L"Preset5"}));
  for (int i = 0; i < 5; ++i)
    CHECK_EQ(regRead(kApp, L"Presets", L"Preset" + std::to_wstring(i + 1)), std::optional<std::wstring>(stored[i]));

  // Each button fetches its own preset, in any order.
  for (int i : {4, 2, 0, 3, 1}) {
    click(t[(L"PS" + std::to_wstring(i + 1)).c_str()]);
    CHECK_EQ(text(t.messageBox()), stored[i]);
  }
  CHECK(noMessageBox(t.pid()));
  CHECK(readNetLog(programDir()).empty());  // fetching sends nothing
}

TEST(preset_editor_close_box_brings_main_window_back) {
  regDeleteApp(kApp);
  regWrite(kApp, L"Presets", L"Preset2", L"stored");
  Tarrow t;
  click(t[L"EditPresets"]);
  HWND editor = waitForWindow(t.pid(), L"presets");
  REQUIRE(editor != nullptr);
  CHECK_EQ(text(control(editor, L"preset2")), L"stored");
  typeText(control(editor, L"preset2"), L" changed");
  closeWindow(editor);
  CHECK(waitUntil([&] { return isVisible(t.form); }));
  CHECK(waitUntil([&] { return visibleWindow(t.pid(), L"presets") == nullptr; }));
  CHECK_EQ(regRead(kApp, L"Presets", L"Preset2"), std::optional<std::wstring>(L"stored"));
  CHECK(t.process.running());
}

// ---- About ------------------------------------------------------------------

TEST(about_window_opens_beside_main_window) {
  regDeleteApp(kApp);
  Tarrow t;
  CHECK_EQ(text(t[L"Command1"]), L"About Tarrow");
  click(t[L"Command1"]);
  HWND about = waitForWindow(t.pid(), L"frmAbout");
  REQUIRE(about != nullptr);
  CHECK_EQ(caption(about), L"The Dreaded About box!");
  CHECK_EQ(text(control(about, L"Label6")), L" If you like this software, please visit the following links:");
  CHECK_EQ(text(control(about, L"lblEMail")), L"tarrow@example.com");
  CHECK(!text(control(about, L"Label1")).empty());
  CHECK(!text(control(about, L"Label2")).empty());
  CHECK(keepScreenshot(about, L"tarrow-about"));
  // Not modal: the main window stays usable, and a second click brings up the same window.
  CHECK(isVisible(t.form));
  CHECK(isEnabled(t.form));
  click(t[L"Command1"]);
  CHECK(sync(about));
  int abouts = 0;
  for (HWND w : topLevelWindows(t.pid()))
    if (IsWindowVisible(w) && nameOf(w) == L"frmAbout") ++abouts;
  CHECK_EQ(abouts, 1);
  CHECK(IsWindow(about));
  closeWindow(about);
  CHECK(waitUntil([&] { return visibleWindow(t.pid(), L"frmAbout") == nullptr; }));
  CHECK(isVisible(t.form));
  CHECK(t.process.running());
}

int main(int argc, char** argv) { return check::main(argc, argv); }
