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
    EXPECT_EQ(listSelection(list), index);  // the click selected it
    click(control(editor, L"cmddel"));
  }
  const MessageBoxView box = expectBox(v.pid());
  require(pressBoxButton(box.hwnd, answer), "the confirmation has no button " + std::to_string(answer));
  return box;
}

std::optional<std::wstring> stored(const wchar_t* section, const wchar_t* key) {
  return regRead(kApp, section, key);
}

using Texts = std::vector<std::wstring>;
const std::optional<std::wstring> kAbsent;  // a value that is not in the registry

}  // namespace

TEST(VelnoteWindows, machine_name_editor_adds_deletes_and_refills_the_main_list) {
  freshStore();
  regWrite(kApp, L"Machine Names", L"Machine1", L"PC9");
  regWrite(kApp, L"Machine Names", L"machines", L"1");
  Velnote v;
  HWND editor = openMachineEditor(v);
  ASSERT_TRUE(editor != nullptr);
  EXPECT_EQ(caption(editor), L"Velnote - Add Machine Name");
  EXPECT_EQ(text(control(editor, L"lbltitle")), L"Add Machine Name");
  EXPECT_EQ(text(control(editor, L"lblmname")), L"Machine Name");
  EXPECT_EQ(text(control(editor, L"lblexistingmnames")), L"Existing Machine Names");
  HWND list = control(editor, L"lstmname");
  EXPECT_EQ(listItems(list), (Texts{L"PC9"}));
  EXPECT_TRUE(isVisible(v.form));  // the editor is modeless

  // Add: stored as the next number, shown last, the box emptied and focused.
  addEntry(editor, L"txtmachinename", L"LAB-2");
  EXPECT_EQ(listItems(list), (Texts{L"PC9", L"LAB-2"}));
  EXPECT_EQ(stored(L"Machine Names", L"Machine2"), std::optional<std::wstring>(L"LAB-2"));
  EXPECT_EQ(stored(L"Machine Names", L"machines"), std::optional<std::wstring>(L"2"));
  EXPECT_EQ(text(control(editor, L"txtmachinename")), L"");
  EXPECT_EQ(focusedName(editor), L"txtmachinename");
  EXPECT_TRUE(keepScreenshot(editor, L"velnote-machine-name-editor"));

  // Add with nothing typed: a prompt, nothing stored.
  click(control(editor, L"cmdadd"));
  MessageBoxView box = expectBox(v.pid());
  EXPECT_EQ(box.text, L"Enter Machine Name");
  EXPECT_EQ(box.caption, L"Velnote - Add Machine Name");
  EXPECT_EQ(box.icon, BoxIcon::Information);
  ASSERT_TRUE(pressBoxButton(box.hwnd, IDOK));
  EXPECT_EQ(sorted(regValueNames(kApp, L"Machine Names")), (Texts{L"Machine1", L"Machine2", L"machines"}));

  // Delete with no item selected.
  click(control(editor, L"cmddel"));
  box = expectBox(v.pid());
  EXPECT_EQ(box.text, L"No item selected for deletion...");
  EXPECT_EQ(box.caption, L"Velnote - Error in Deletion");
  EXPECT_EQ(box.icon, BoxIcon::Information);
  ASSERT_TRUE(pressBoxButton(box.hwnd, IDOK));

  // Delete answered No: nothing changes.
  box = deleteEntry(v, editor, L"lstmname", L"PC9", IDNO);
  EXPECT_EQ(box.text, L"Are you sure you want to delete the machine name PC9 from the list ??");
  EXPECT_EQ(box.caption, L"Velnote - Delete Machine Name");
  EXPECT_EQ(box.icon, BoxIcon::Information);
  EXPECT_EQ(box.buttonIds(), (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(listItems(list), (Texts{L"PC9", L"LAB-2"}));
  EXPECT_EQ(stored(L"Machine Names", L"Machine1"), std::optional<std::wstring>(L"PC9"));

  // Delete answered Yes: the entry goes from the store and the list, and the
  // count key drops by one.
  deleteEntry(v, editor, L"lstmname", L"PC9", IDYES);
  EXPECT_TRUE(waitUntil([&] { return listItems(list) == Texts{L"LAB-2"}; }));
  EXPECT_EQ(listItems(list), (Texts{L"LAB-2"}));
  EXPECT_EQ(listSelection(list), -1);
  EXPECT_EQ(stored(L"Machine Names", L"Machine1"), kAbsent);
  EXPECT_EQ(stored(L"Machine Names", L"Machine2"), std::optional<std::wstring>(L"LAB-2"));
  EXPECT_EQ(stored(L"Machine Names", L"machines"), std::optional<std::wstring>(L"1"));

  // A settings key the user may read but not change: the add is refused
  // with the system's reason, the store and the list stay as they were and
  // the typed name stays for another try.
  {
    ReadOnlyRegistryKey locked(kApp, L"Machine Names");
    addEntry(editor, L"txtmachinename", L"LAB-3");
    box = expectBox(v.pid());
    const std::wstring said = L"The entry could not be saved.\r\n\r\n"
                              L"HKEY_CURRENT_USER\\Software\\Velnote\\Machine Names\r\nError 5: ";
    EXPECT_EQ(box.text.substr(0, said.size()), said);
    EXPECT_TRUE(box.text.size() > said.size());  // the system's text for the error follows
    EXPECT_EQ(box.caption, L"Velnote");
    EXPECT_EQ(box.icon, BoxIcon::Error);
    ASSERT_TRUE(pressBoxButton(box.hwnd, IDOK));
    EXPECT_EQ(listItems(list), (Texts{L"LAB-2"}));
    EXPECT_EQ(text(control(editor, L"txtmachinename")), L"LAB-3");
    EXPECT_EQ(sorted(regValueNames(kApp, L"Machine Names")), (Texts{L"Machine2", L"machines"}));
    EXPECT_EQ(stored(L"Machine Names", L"machines"), std::optional<std::wstring>(L"1"));
  }

  // "<< Close Window>>": the editor hides, the main window's machine list
  // holds the stored names and the marker, selected; the messages stay.
  const Texts messagesBefore = comboItems(v[L"combo2"]);
  click(control(editor, L"Command1"));
  EXPECT_TRUE(waitUntil([&] { return !isVisible(editor); }));
  EXPECT_TRUE(isVisible(v.form));
  EXPECT_EQ(comboItems(v[L"Combo3"]), (Texts{L"LAB-2", kSelectMachine}));
  EXPECT_EQ(comboSelection(v[L"Combo3"]), 1);
  EXPECT_EQ(comboItems(v[L"combo2"]), messagesBefore);
  EXPECT_TRUE(findWindow(v.pid(), L"Form7") != nullptr);  // hidden, still loaded

  // Shown again it keeps its list without loading it anew.
  HWND again = openMachineEditor(v);
  EXPECT_EQ(again, editor);
  EXPECT_EQ(listItems(control(again, L"lstmname")), (Texts{L"LAB-2"}));
}

TEST(VelnoteWindows, message_editor_adds_deletes_and_refills_the_main_list) {
  freshStore();
  Velnote v;
  HWND editor = openMessageEditor(v);
  ASSERT_TRUE(editor != nullptr);
  EXPECT_EQ(caption(editor), L"Velnote - Add Message");
  EXPECT_EQ(text(control(editor, L"lbltitle")), L"Add Message");
  EXPECT_EQ(text(control(editor, L"lblmname")), L"Message");
  EXPECT_EQ(text(control(editor, L"lblexistingmnames")), L"Existing Messages");
  EXPECT_EQ(text(control(editor, L"cmdadd")), L"<< Add >>");
  EXPECT_EQ(text(control(editor, L"cmddel")), L"Delete");
  EXPECT_EQ(text(control(editor, L"Command1")), L"<< Close Window>>");
  HWND list = control(editor, L"lstmsg");
  EXPECT_TRUE(listItems(list).empty());

  // The first message of a first run is message1, and "msgs" holds 1.
  addEntry(editor, L"TXTMSG", L"See you at 5");
  addEntry(editor, L"TXTMSG", L"On my way");
  EXPECT_EQ(listItems(list), (Texts{L"See you at 5", L"On my way"}));
  EXPECT_EQ(stored(L"Messages", L"message1"), std::optional<std::wstring>(L"See you at 5"));
  EXPECT_EQ(stored(L"Messages", L"message2"), std::optional<std::wstring>(L"On my way"));
  EXPECT_EQ(stored(L"Messages", L"msgs"), std::optional<std::wstring>(L"2"));
  EXPECT_TRUE(keepScreenshot(editor, L"velnote-message-editor"));

  click(control(editor, L"cmdadd"));
  MessageBoxView box = expectBox(v.pid());
  EXPECT_EQ(box.text, L"Enter Message");
  EXPECT_EQ(box.caption, L"Velnote - Add Message");
  EXPECT_EQ(box.icon, BoxIcon::Information);
  EXPECT_EQ(box.buttonIds(), (std::vector<int>{IDOK}));
  ASSERT_TRUE(pressBoxButton(box.hwnd, IDOK));

  // A double-click on an item asks the same question as "Delete".
  box = deleteEntry(v, editor, L"lstmsg", L"See you at 5", IDYES, /*byDoubleClick=*/true);
  EXPECT_EQ(box.text, L"Are you sure you want to delete the message name See you at 5 from the list ??");
  EXPECT_EQ(box.caption, L"Velnote - Delete message Name");
  EXPECT_EQ(box.icon, BoxIcon::Information);
  EXPECT_EQ(box.buttonIds(), (std::vector<int>{IDYES, IDNO}));
  EXPECT_TRUE(waitUntil([&] { return listItems(list) == Texts{L"On my way"}; }));
  EXPECT_EQ(listItems(list), (Texts{L"On my way"}));
  EXPECT_EQ(stored(L"Messages", L"message1"), kAbsent);
  EXPECT_EQ(stored(L"Messages", L"msgs"), std::optional<std::wstring>(L"1"));

  // "<< Close Window>>": the message list holds the stored messages and
  // "-Please select-", selected (the samples are gone); the machines stay.
  typeText(v[L"Text4"], L"PC7");
  click(control(editor, L"Command1"));
  EXPECT_TRUE(waitUntil([&] { return !isVisible(editor); }));
  EXPECT_TRUE(isVisible(v.form));
  EXPECT_EQ(comboItems(v[L"combo2"]), (Texts{L"On my way", kPleaseSelect}));
  EXPECT_EQ(comboSelection(v[L"combo2"]), 1);
  EXPECT_EQ(comboItems(v[L"Combo3"]), (Texts{kSelectMachine}));
  // The marker selected by the refill counts as a pick of it: the message
  // box and the count are emptied, and so is the typed name.
  EXPECT_EQ(text(v[L"Text1"]), L"");
  EXPECT_EQ(text(v[L"Text3"]), L"0");
  EXPECT_EQ(text(v[L"Text4"]), L"");

  // A message picked from the refilled list is sent.
  pickComboItem(v[L"combo2"], L"On my way");
  EXPECT_EQ(text(v[L"Text1"]), L"On my way");
  typeText(v[L"Text4"], L"PC7");
  click(v[L"Command1"]);
  const auto sent = waitForNetRecords(programDir(), 1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], "net send PC7 On my way");
}

TEST(VelnoteWindows, colour_dialog_applies_and_saves_the_colour) {
  freshStore();
  Velnote v;
  menuKeys(v.form, L"b");  // Alt+B: "&Background-Color"
  HWND dialog = waitForWindow(v.pid(), L"Form3");
  ASSERT_TRUE(dialog != nullptr);
  EXPECT_EQ(caption(dialog), L"Velnote - Select Background Color");
  EXPECT_EQ(text(control(dialog, L"Label1")), L"Red");
  EXPECT_EQ(text(control(dialog, L"Label2")), L"Green");
  EXPECT_EQ(text(control(dialog, L"Label3")), L"Blue");
  HWND apply = control(dialog, L"Command1");
  EXPECT_EQ(text(apply), L"Apply");
  EXPECT_TRUE(!isEnabled(apply));  // until a bar moves

  // Each bar moves by one per Down key, as the user presses it.
  const struct {
    const wchar_t* bar;
    int value;
  } mix[] = {{L"VScroll1", 10}, {L"VScroll2", 20}, {L"VScroll3", 30}};
  for (const auto& m : mix) {
    HWND bar = control(dialog, m.bar);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0);
    setFocus(bar);
    for (int i = 0; i < m.value; ++i) pressKeyInFocus(dialog, VK_DOWN);
    EXPECT_TRUE(sync(bar));
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), m.value);
  }
  EXPECT_TRUE(isEnabled(apply));
  // The preview shows the mixed colour.
  HWND preview = control(dialog, L"Text1");
  RECT previewArea;
  GetClientRect(preview, &previewArea);
  const COLORREF mixed = RGB(10, 20, 30);
  EXPECT_EQ(rgbText(waitForPixel(preview, previewArea.right / 2, previewArea.bottom / 2, mixed)), rgbText(mixed));
  EXPECT_TRUE(keepScreenshot(dialog, L"velnote-colour-dialog"));

  // Apply: the main window takes the colour; Yes keeps it for the next start.
  click(apply);
  const MessageBoxView box = expectBox(v.pid());
  EXPECT_EQ(box.text,
            L"Do you wish to save the background color?\r\nClicking on yes will load this color as background "
            L"color when you start Velnote next time ");
  EXPECT_EQ(box.caption, L"Velnote - Background Color");
  EXPECT_EQ(box.icon, BoxIcon::Information);
  EXPECT_EQ(box.buttonIds(), (std::vector<int>{IDYES, IDNO}));
  ASSERT_TRUE(pressBoxButton(box.hwnd, IDYES));
  // The answer is written once the box has returned to the program.
  EXPECT_TRUE(waitUntil([] { return stored(L"BackColor", L"Background") == std::optional<std::wstring>(L"1971210"); }));
  EXPECT_EQ(stored(L"BackColor", L"Background"), std::optional<std::wstring>(L"1971210"));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
  // The window's own background and the send button, a shade lighter.
  EXPECT_EQ(rgbText(waitForPixel(v.form, 4, 4, mixed)), rgbText(mixed));
  HWND send = v[L"Command1"];
  RECT button;
  GetClientRect(send, &button);
  EXPECT_EQ(rgbText(waitForPixel(send, 3, button.bottom / 2, RGB(13, 23, 33))), rgbText(RGB(13, 23, 33)));
  EXPECT_TRUE(keepScreenshot(v.form, L"velnote-main-coloured"));

  // The next start reads the colour back from the store.
  menuKeys(v.form, L"e");
  ASSERT_TRUE(pressBoxButton(expectBox(v.pid()).hwnd, IDOK));
  ASSERT_TRUE(v.process.waitForExit());
  Velnote next;
  EXPECT_EQ(rgbText(waitForPixel(next.form, 4, 4, mixed)), rgbText(mixed));
}

TEST(VelnoteWindows, about_window_shows_version_in_the_stored_colour) {
  freshStore();
  regWrite(kApp, L"BackColor", L"Background", L"1971210");  // red 10, green 20, blue 30
  Velnote v;
  menuKeys(v.form, L"a");  // Alt+A: "&About"
  HWND about = waitForWindow(v.pid(), L"Form2");
  ASSERT_TRUE(about != nullptr);
  EXPECT_EQ(caption(about), L"About Velnote");
  EXPECT_EQ(text(control(about, L"Label01")), L"Velnote ");
  EXPECT_EQ(text(control(about, L"Label02")), L"Version 1.1.5");
  EXPECT_EQ(text(control(about, L"Label03")), L"                   Developed By : ");
  EXPECT_EQ(text(control(about, L"Label06")).rfind(L"Mail your suggestions and bugs at ", 0), 0u);
  EXPECT_EQ(rgbText(waitForPixel(about, 3, 3, RGB(10, 20, 30))), rgbText(RGB(10, 20, 30)));
  EXPECT_TRUE(keepScreenshot(about, L"velnote-about"));
  click(control(about, L"Command1"));  // OK
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }));
  EXPECT_TRUE(isVisible(v.form));
}

TEST(VelnoteWindows, about_from_the_icon_menu_while_the_window_is_hidden) {
  freshStore();
  Velnote v;
  typeText(v[L"Text4"], L"PC7");
  typeText(v[L"Text1"], L"Hi");
  click(v[L"Command1"]);
  ASSERT_TRUE(waitUntil([&] { return !isVisible(v.form); }));
  rightClickTrayIcon(v.icon);
  HWND menu = waitForPopupMenu(v.pid());
  ASSERT_TRUE(menu != nullptr);
  ASSERT_TRUE(pickPopupItem(menu, 1));  // "&About Velnote 1.1.5"
  HWND about = waitForWindow(v.pid(), L"Form2");
  ASSERT_TRUE(about != nullptr);
  EXPECT_EQ(caption(about), L"About Velnote");
  EXPECT_TRUE(!isVisible(v.form));
}

TEST(VelnoteWindows, help_page_from_menu_and_f1) {
  freshStore();
  regWrite(kApp, L"BackColor", L"Background", L"1971210");
  Velnote v;
  menuKeys(v.form, L"h");  // Alt+H: "&Help"
  HWND help = waitForWindow(v.pid(), L"Form5");
  ASSERT_TRUE(help != nullptr);
  EXPECT_EQ(caption(help), L"Velnote - Help");
  EXPECT_EQ(text(control(help, L"Label1")), L"Velnote Help");
  EXPECT_EQ(text(control(help, L"Label12")), L"/users");
  EXPECT_EQ(text(control(help, L"Label20")),
            L"For more information about Net Send see Windows Help on Net Send topic");
  // A white page, whatever colour the other windows have.
  const COLORREF page = RGB(255, 255, 255);
  EXPECT_EQ(rgbText(waitForPixel(help, 3, 3, page)), rgbText(page));
  EXPECT_TRUE(keepScreenshot(help, L"velnote-help"));
  closeWindow(help);
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(help) || !IsWindowVisible(help); }));

  // F1 in the message box opens it again and leaves the count alone.
  typeText(v[L"Text1"], L"Hi");
  pressKey(v[L"Text1"], VK_F1);
  help = waitForWindow(v.pid(), L"Form5");
  ASSERT_TRUE(help != nullptr);
  EXPECT_EQ(text(v[L"Text3"]), L"2");
  // F1 in the typed-name box with the page open: still one page.
  pressKey(v[L"Text4"], VK_F1);
  EXPECT_TRUE(waitUntil([&] { return isVisible(help); }));
  int pages = 0;
  for (HWND w : topLevelWindows(v.pid()))
    if (nameOf(w) == L"Form5") ++pages;
  EXPECT_EQ(pages, 1);
}

