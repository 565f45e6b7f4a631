// Velnote under Wine, the windows the main window opens: the two list
// editors (menu "&Customize"), the background colour dialog, the About
// window and the help page.
#include "velnote_e2e.hpp"

using namespace velnote_e2e;

namespace {

// Opens an item of the "&Customize" menu by keyboard (Alt+C, then Down to
// the item, then Enter) and waits for the window it shows. Both items carry
// the mnemonic A, so the arrow keys pick between them.
HWND openFromCustomize(Velnote& v, int position, const wchar_t* windowName) {
  menuKeys(v.form, L"c");
  for (int i = 0; i < position; ++i) pressKeyInFocus(v.form, VK_DOWN);
  pressKeyInFocus(v.form, VK_RETURN);
  return waitForWindow(v.pid(), windowName);
}

HWND openMachineEditor(Velnote& v) { return openFromCustomize(v, 0, L"Form7"); }
HWND openMessageEditor(Velnote& v) { return openFromCustomize(v, 1, L"Form4"); }

// Adds a text through an editor's text box and "<< Add >>".
void addEntry(HWND editor, const wchar_t* textBox, const std::wstring& entry) {
  typeText(control(editor, textBox), entry);
  click(control(editor, L"cmdadd"));
}

// Selects an entry, presses "Delete" (or double-clicks it) and answers the
// confirmation; returns what the confirmation said.
MessageBoxView deleteEntry(Velnote& v, HWND editor, const wchar_t* listName, const std::wstring& entry, int answer,
                           bool byDoubleClick = false) {
  HWND list = control(editor, listName);
  const auto items = listItems(list);
  const int index = static_cast<int>(std::find(items.begin(), items.end(), entry) - items.begin());
  clickListItem(list, entry, byDoubleClick);
  if (!byDoubleClick) {
    CHECK_EQ(listSelection(list), index);  // the click selected it
    click(control(editor, L"cmddel"));
  }
  const MessageBoxView box = expectBox(v.pid());
  if (!pressBoxButton(box.hwnd, answer)) {
    check::fail(__FILE__, __LINE__, "the confirmation has no button " + std::to_string(answer));
    throw check::Abort{};
  }
  return box;
}

std::optional<std::wstring> stored(const wchar_t* section, const wchar_t* key) {
  return regRead(kApp, section, key);
}

using Texts = std::vector<std::wstring>;
const std::optional<std::wstring> kAbsent;  // a value that is not in the registry

}  // namespace

TEST(machine_name_editor_adds_deletes_and_refills_the_main_list) {
  freshStore();
  regWrite(kApp, L"Machine Names", L"Machine1", L"PC9");
  regWrite(kApp, L"Machine Names", L"machines", L"1");
  Velnote v;
  HWND editor = openMachineEditor(v);
  REQUIRE(editor != nullptr);
  CHECK_EQ(caption(editor), L"Velnote - Add Machine Name");
  CHECK_EQ(text(control(editor, L"lbltitle")), L"Add Machine Name");
  CHECK_EQ(text(control(editor, L"lblmname")), L"Machine Name");
  CHECK_EQ(text(control(editor, L"lblexistingmnames")), L"Existing Machine Names");
  HWND list = control(editor, L"lstmname");
  CHECK_EQ(listItems(list), (Texts{L"PC9"}));
  CHECK(isVisible(v.form));  // the editor is modeless

  // Add: stored as the next number, shown last, the box emptied and focused.
  addEntry(editor, L"txtmachinename", L"LAB-2");
  CHECK_EQ(listItems(list), (Texts{L"PC9", L"LAB-2"}));
  CHECK_EQ(stored(L"Machine Names", L"Machine2"), std::optional<std::wstring>(L"LAB-2"));
  CHECK_EQ(stored(L"Machine Names", L"machines"), std::optional<std::wstring>(L"2"));
  CHECK_EQ(text(control(editor, L"txtmachinename")), L"");
  CHECK_EQ(focusedName(editor), L"txtmachinename");
  CHECK(keepScreenshot(editor, L"velnote-machine-name-editor"));

  // Add with nothing typed: a prompt, nothing stored.
  click(control(editor, L"cmdadd"));
  MessageBoxView box = expectBox(v.pid());
  CHECK_EQ(box.text, L"Enter Machine Name");
  CHECK_EQ(box.caption, L"Velnote - Add Machine Name");
  CHECK_EQ(box.icon, BoxIcon::Information);
  REQUIRE(pressBoxButton(box.hwnd, IDOK));
  CHECK_EQ(sorted(regValueNames(kApp, L"Machine Names")), (Texts{L"Machine1", L"Machine2", L"machines"}));

  // Delete with no item selected.
  click(control(editor, L"cmddel"));
  box = expectBox(v.pid());
  CHECK_EQ(box.text, L"No item selected for deletion...");
  CHECK_EQ(box.caption, L"Velnote - Error in Deletion");
  CHECK_EQ(box.icon, BoxIcon::Information);
  REQUIRE(pressBoxButton(box.hwnd, IDOK));

  // Delete answered No: nothing changes.
  box = deleteEntry(v, editor, L"lstmname", L"PC9", IDNO);
  CHECK_EQ(box.text, L"Are you sure you want to delete the machine name PC9 from the list ??");
  CHECK_EQ(box.caption, L"Velnote - Delete Machine Name");
  CHECK_EQ(box.icon, BoxIcon::Information);
  CHECK_EQ(box.buttonIds(), (std::vector<int>{IDYES, IDNO}));
  CHECK_EQ(listItems(list), (Texts{L"PC9", L"LAB-2"}));
  CHECK_EQ(stored(L"Machine Names", L"Machine1"), std::optional<std::wstring>(L"PC9"));

  // Delete answered Yes: the entry goes from the store and the list, and the
  // count key drops by one.
  deleteEntry(v, editor, L"lstmname", L"PC9", IDYES);
  CHECK(waitUntil([&] { return listItems(list) == Texts{L"LAB-2"}; }));
  CHECK_EQ(listItems(list), (Texts{L"LAB-2"}));
  CHECK_EQ(listSelection(list), -1);
  CHECK_EQ(stored(L"Machine Names", L"Machine1"), kAbsent);
  CHECK_EQ(stored(L"Machine Names", L"Machine2"), std::optional<std::wstring>(L"LAB-2"));
  CHECK_EQ(stored(L"Machine Names", L"machines"), std::optional<std::wstring>(L"1"));

  // A settings key the user may read but not change: the add is refused
  // with the system's reason, the store and the list stay as they were and
  // the typed name stays for another try.
  {
    ReadOnlyRegistryKey locked(kApp, L"Machine Names");
    addEntry(editor, L"txtmachinename", L"LAB-3");
    box = expectBox(v.pid());
    const std::wstring said = L"The entry could not be saved.\r\n\r\n"
                              L"HKEY_CURRENT_USER\\Software\\Velnote\\Machine Names\r\nError 5: ";
    CHECK_EQ(box.text.substr(0, said.size()), said);
    CHECK(box.text.size() > said.size());  // the system's text for the error follows
    CHECK_EQ(box.caption, L"Velnote");
    CHECK_EQ(box.icon, BoxIcon::Error);
    REQUIRE(pressBoxButton(box.hwnd, IDOK));
    CHECK_EQ(listItems(list), (Texts{L"LAB-2"}));
    CHECK_EQ(text(control(editor, L"txtmachinename")), L"LAB-3");
    CHECK_EQ(sorted(regValueNames(kApp, L"Machine Names")), (Texts{L"Machine2", L"machines"}));
    CHECK_EQ(stored(L"Machine Names", L"machines"), std::optional<std::wstring>(L"1"));
  }

  // "<< Close Window>>": the editor hides, the main window's machine list
  // holds the stored names and the marker, selected; the messages stay.
  const Texts messagesBefore = comboItems(v[L"combo2"]);
  click(control(editor, L"Command1"));
  CHECK(waitUntil([&] { return !isVisible(editor); }));
  CHECK(isVisible(v.form));
  CHECK_EQ(comboItems(v[L"Combo3"]), (Texts{L"LAB-2", kSelectMachine}));
  CHECK_EQ(comboSelection(v[L"Combo3"]), 1);
  CHECK_EQ(comboItems(v[L"combo2"]), messagesBefore);
  CHECK(findWindow(v.pid(), L"Form7") != nullptr);  // hidden, still loaded

  // Shown again it keeps its list without loading it anew.
  HWND again = openMachineEditor(v);
  CHECK_EQ(again, editor);
  CHECK_EQ(listItems(control(again, L"lstmname")), (Texts{L"LAB-2"}));
}

TEST(message_editor_adds_deletes_and_refills_the_main_list) {
  freshStore();
  Velnote v;
  HWND editor = openMessageEditor(v);
  REQUIRE(editor != nullptr);
  CHECK_EQ(caption(editor), L"Velnote - Add Message");
  CHECK_EQ(text(control(editor, L"lbltitle")), L"Add Message");
  CHECK_EQ(text(control(editor, L"lblmname")), L"Message");
  CHECK_EQ(text(control(editor, L"lblexistingmnames")), L"Existing Messages");
  CHECK_EQ(text(control(editor, L"cmdadd")), L"<< Add >>");
  CHECK_EQ(text(control(editor, L"cmddel")), L"Delete");
  CHECK_EQ(text(control(editor, L"Command1")), L"<< Close Window>>");
  HWND list = control(editor, L"lstmsg");
  CHECK(listItems(list).empty());

  // The first message of a first run is message1, and "msgs" holds 1.
  addEntry(editor, L"TXTMSG", L"See you at 5");
  addEntry(editor, L"TXTMSG", L"On my way");
  CHECK_EQ(listItems(list), (Texts{L"See you at 5", L"On my way"}));
  CHECK_EQ(stored(L"Messages", L"message1"), std::optional<std::wstring>(L"See you at 5"));
  CHECK_EQ(stored(L"Messages", L"message2"), std::optional<std::wstring>(L"On my way"));
  CHECK_EQ(stored(L"Messages", L"msgs"), std::optional<std::wstring>(L"2"));
  CHECK(keepScreenshot(editor, L"velnote-message-editor"));

  click(control(editor, L"cmdadd"));
  MessageBoxView box = expectBox(v.pid());
  CHECK_EQ(box.text, L"Enter Message");
  CHECK_EQ(box.caption, L"Velnote - Add Message");
  CHECK_EQ(box.icon, BoxIcon::Information);
  CHECK_EQ(box.buttonIds(), (std::vector<int>{IDOK}));
  REQUIRE(pressBoxButton(box.hwnd, IDOK));

  // A double-click on an item asks the same question as "Delete".
  box = deleteEntry(v, editor, L"lstmsg", L"See you at 5", IDYES, /*byDoubleClick=*/true);
  CHECK_EQ(box.text, L"Are you sure you want to delete the message name See you at 5 from the list ??");
  CHECK_EQ(box.caption, L"Velnote - Delete message Name");
  CHECK_EQ(box.icon, BoxIcon::Information);
  CHECK_EQ(box.buttonIds(), (std::vector<int>{IDYES, IDNO}));
  CHECK(waitUntil([&] { return listItems(list) == Texts{L"On my way"}; }));
  CHECK_EQ(listItems(list), (Texts{L"On my way"}));
  CHECK_EQ(stored(L"Messages", L"message1"), kAbsent);
  CHECK_EQ(stored(L"Messages", L"msgs"), std::optional<std::wstring>(L"1"));

  // "<< Close Window>>": the message list holds the stored messages and
  // "-Please select-", selected (the samples are gone); the machines stay.
  typeText(v[L"Text4"], L"PC7");
  click(control(editor, L"Command1"));
  CHECK(waitUntil([&] { return !isVisible(editor); }));
  CHECK(isVisible(v.form));
  CHECK_EQ(comboItems(v[L"combo2"]), (Texts{L"On my way", kPleaseSelect}));
  CHECK_EQ(comboSelection(v[L"combo2"]), 1);
  CHECK_EQ(comboItems(v[L"Combo3"]), (Texts{kSelectMachine}));
  // The marker selected by the refill counts as a pick of it: the message
  // box and the count are emptied, and so is the typed name.
  CHECK_EQ(text(v[L"Text1"]), L"");
  CHECK_EQ(text(v[L"Text3"]), L"0");
  CHECK_EQ(text(v[L"Text4"]), L"");

  // A message picked from the refilled list is sent.
  pickComboItem(v[L"combo2"], L"On my way");
  CHECK_EQ(text(v[L"Text1"]), L"On my way");
  typeText(v[L"Text4"], L"PC7");
  click(v[L"Command1"]);
  const auto sent = waitForNetRecords(programDir(), 1);
  REQUIRE_EQ(sent.size(), 1u);
  CHECK_EQ(sent[0], "net send PC7 On my way");
}

TEST(colour_dialog_applies_and_saves_the_colour) {
  freshStore();
  Velnote v;
  menuKeys(v.form, L"b");  // Alt+B: "&Background-Color"
  HWND dialog = waitForWindow(v.pid(), L"Form3");
  REQUIRE(dialog != nullptr);
  CHECK_EQ(caption(dialog), L"Velnote - Select Background Color");
  CHECK_EQ(text(control(dialog, L"Label1")), L"Red");
  CHECK_EQ(text(control(dialog, L"Label2")), L"Green");
  CHECK_EQ(text(control(dialog, L"Label3")), L"Blue");
  HWND apply = control(dialog, L"Command1");
  CHECK_EQ(text(apply), L"Apply");
  CHECK(!isEnabled(apply));  // until a bar moves

  // Each bar moves by one per Down key, as the user presses it.
  const struct {
    const wchar_t* bar;
    int value;
  } mix[] = {{L"VScroll1", 10}, {L"VScroll2", 20}, {L"VScroll3", 30}};
  for (const auto& m : mix) {
    HWND bar = control(dialog, m.bar);
    CHECK_EQ(GetScrollPos(bar, SB_CTL), 0);
    setFocus(bar);
    for (int i = 0; i < m.value; ++i) pressKeyInFocus(dialog, VK_DOWN);
    CHECK(sync(bar));
    CHECK_EQ(GetScrollPos(bar, SB_CTL), m.value);
  }
  CHECK(isEnabled(apply));
  // The preview shows the mixed colour.
  HWND preview = control(dialog, L"Text1");
  RECT previewArea;
  GetClientRect(preview, &previewArea);
  const COLORREF mixed = RGB(10, 20, 30);
  CHECK_EQ(rgbText(waitForPixel(preview, previewArea.right / 2, previewArea.bottom / 2, mixed)), rgbText(mixed));
  CHECK(keepScreenshot(dialog, L"velnote-colour-dialog"));

  // Apply: the main window takes the colour; Yes keeps it for the next start.
  click(apply);
  const MessageBoxView box = expectBox(v.pid());
  CHECK_EQ(box.text,
           L"Do you wish to save the background color?\r\nClicking on yes will load this color as background "
           L"color when you start Velnote next time ");
  CHECK_EQ(box.caption, L"Velnote - Background Color");
  CHECK_EQ(box.icon, BoxIcon::Information);
  CHECK_EQ(box.buttonIds(), (std::vector<int>{IDYES, IDNO}));
  REQUIRE(pressBoxButton(box.hwnd, IDYES));
  // The answer is written once the box has returned to the program.
  CHECK(waitUntil([] { return stored(L"BackColor", L"Background") == std::optional<std::wstring>(L"1971210"); }));
  CHECK_EQ(stored(L"BackColor", L"Background"), std::optional<std::wstring>(L"1971210"));
  CHECK(waitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
  // The window's own background and the send button, a shade lighter.
  CHECK_EQ(rgbText(waitForPixel(v.form, 4, 4, mixed)), rgbText(mixed));
  HWND send = v[L"Command1"];
  RECT button;
  GetClientRect(send, &button);
  CHECK_EQ(rgbText(waitForPixel(send, 3, button.bottom / 2, RGB(13, 23, 33))), rgbText(RGB(13, 23, 33)));
  CHECK(keepScreenshot(v.form, L"velnote-main-coloured"));

  // The next start reads the colour back from the store.
  menuKeys(v.form, L"e");
  REQUIRE(pressBoxButton(expectBox(v.pid()).hwnd, IDOK));
  REQUIRE(v.process.waitForExit());
  Velnote next;
  CHECK_EQ(rgbText(waitForPixel(next.form, 4, 4, mixed)), rgbText(mixed));
}

TEST(about_window_shows_version_in_the_stored_colour) {
  freshStore();
  regWrite(kApp, L"BackColor", L"Background", L"1971210");  // red 10, green 20, blue 30
  Velnote v;
  menuKeys(v.form, L"a");  // Alt+A: "&About"
  HWND about = waitForWindow(v.pid(), L"Form2");
  REQUIRE(about != nullptr);
  CHECK_EQ(caption(about), L"About Velnote");
  CHECK_EQ(text(control(about, L"Label01")), L"Velnote ");
  CHECK_EQ(text(control(about, L"Label02")), L"Version 1.1.5");
  CHECK_EQ(text(control(about, L"Label03")), L"                   Developed By : ");
  CHECK_EQ(text(control(about, L"Label06")).rfind(L"Mail your suggestions and bugs at ", 0), 0u);
  CHECK_EQ(rgbText(waitForPixel(about, 3, 3, RGB(10, 20, 30))), rgbText(RGB(10, 20, 30)));
  CHECK(keepScreenshot(about, L"velnote-about"));
  click(control(about, L"Command1"));  // OK
  CHECK(waitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }));
  CHECK(isVisible(v.form));
}

TEST(about_from_the_icon_menu_while_the_window_is_hidden) {
  freshStore();
  Velnote v;
  typeText(v[L"Text4"], L"PC7");
  typeText(v[L"Text1"], L"Hi");
  click(v[L"Command1"]);
  REQUIRE(waitUntil([&] { return !isVisible(v.form); }));
  rightClickTrayIcon(v.icon);
  HWND menu = waitForPopupMenu(v.pid());
  REQUIRE(menu != nullptr);
  REQUIRE(pickPopupItem(menu, 1));  // "&About Velnote 1.1.5"
  HWND about = waitForWindow(v.pid(), L"Form2");
  REQUIRE(about != nullptr);
  CHECK_EQ(caption(about), L"About Velnote");
  CHECK(!isVisible(v.form));
}

TEST(help_page_from_menu_and_f1) {
  freshStore();
  regWrite(kApp, L"BackColor", L"Background", L"1971210");
  Velnote v;
  menuKeys(v.form, L"h");  // Alt+H: "&Help"
  HWND help = waitForWindow(v.pid(), L"Form5");
  REQUIRE(help != nullptr);
  CHECK_EQ(caption(help), L"Velnote - Help");
  CHECK_EQ(text(control(help, L"Label1")), L"Velnote Help");
  CHECK_EQ(text(control(help, L"Label12")), L"/users");
  CHECK_EQ(text(control(help, L"Label20")),
           L"For more information about Net Send see Windows Help on Net Send topic");
  // A white page, whatever colour the other windows have.
  const COLORREF page = RGB(255, 255, 255);
  CHECK_EQ(rgbText(waitForPixel(help, 3, 3, page)), rgbText(page));
  CHECK(keepScreenshot(help, L"velnote-help"));
  closeWindow(help);
  CHECK(waitUntil([&] { return !IsWindow(help) || !IsWindowVisible(help); }));

  // F1 in the message box opens it again and leaves the count alone.
  typeText(v[L"Text1"], L"Hi");
  pressKey(v[L"Text1"], VK_F1);
  help = waitForWindow(v.pid(), L"Form5");
  REQUIRE(help != nullptr);
  CHECK_EQ(text(v[L"Text3"]), L"2");
  // F1 in the typed-name box with the page open: still one page.
  pressKey(v[L"Text4"], VK_F1);
  CHECK(waitUntil([&] { return isVisible(help); }));
  int pages = 0;
  for (HWND w : topLevelWindows(v.pid()))
    if (nameOf(w) == L"Form5") ++pages;
  CHECK_EQ(pages, 1);
}

