// The saved-list editors, Form4 (messages) and Form7 (machine names), as a user meets them.
#include "velnote_fixture.hpp"

namespace velnote {
namespace {

using forms::MessageButtons;
using forms::MessageIcon;
using forms::MessageResult;

struct ListEditors : VelnoteFixture {
    ListEditor& messageEditor = program.messageEditor;
    ListEditor& machineNameEditor = program.machineNameEditor;

    void SetUp() override { program.start(); }
    void add(ListEditor& editor, const std::string& text) {
        user.type(editor.entryText, text);
        user.click(editor.addButton);
    }
};

TEST_F(ListEditors, EachEditorShowsItsOwnTextsWithTheFocusInTheTextBox) {
    user.clickMenu(main.messagesItem);
    user.clickMenu(main.machineNamesItem);
    ASSERT_TRUE(messageEditor.visible() && machineNameEditor.visible() && main.visible());
    const Strings texts4{messageEditor.caption(), messageEditor.titleLabel.caption(), messageEditor.fieldLabel.caption(),
                         messageEditor.listLabel.caption(), messageEditor.entryText.name(), messageEditor.entryList.name()};
    EXPECT_EQ((Strings{"Velnote - Add Message", "Add Message", "Message", "Existing Messages", "TXTMSG", "lstmsg"}), texts4);
    const Strings texts7{machineNameEditor.caption(), machineNameEditor.titleLabel.caption(), machineNameEditor.fieldLabel.caption(),
                         machineNameEditor.listLabel.caption(), machineNameEditor.entryText.name(), machineNameEditor.entryList.name()};
    EXPECT_EQ((Strings{"Velnote - Add Machine Name", "Add Machine Name", "Machine Name", "Existing Machine Names",
                       "txtmachinename", "lstmname"}),
              texts7);
    for (ListEditor* editor : {&messageEditor, &machineNameEditor}) {
        EXPECT_EQ(&editor->entryText, editor->focused());
        EXPECT_EQ((Strings{"<< Add >>", "Delete", "<< Close Window>>"}),
                  (Strings{editor->addButton.caption(), editor->deleteButton.caption(), editor->closeButton.caption()}));
    }
}

TEST_F(ListEditors, LoadShowsStoredEntriesInStoreOrderOnTheStoredColour) {
    save("Machine Names", "Machine3", "PC3");
    save("Machine Names", "machines", "3");
    save("Machine Names", "Machine1", "PC1");
    save("Machine Names", "Machine2", "");
    save("BackColor", "Background", "1971210");
    user.clickMenu(main.machineNamesItem);
    EXPECT_EQ((Strings{"PC3", "PC1"}), machineNameEditor.entryList.items());
    EXPECT_EQ(1971210u, machineNameEditor.backColor());
    for (forms::Label* label : {&machineNameEditor.titleLabel, &machineNameEditor.fieldLabel, &machineNameEditor.listLabel})
        EXPECT_EQ(1971210u, label->backColor()) << label->name();
    EXPECT_NE(1971210u, machineNameEditor.entryList.backColor());

    store.removeValue("Velnote", "BackColor", "Background");
    user.clickMenu(main.messagesItem);
    EXPECT_EQ(16761024u, messageEditor.titleLabel.backColor());
}

TEST_F(ListEditors, StoredColourThatIsNoNumberEndsTheLoadBeforeTheList) {
    save("Messages", "message1", "Lunch");
    save("BackColor", "Background", "blue");
    user.clickMenu(main.messagesItem);
    EXPECT_TRUE(messageEditor.visible());
    EXPECT_TRUE(messageEditor.entryList.items().empty());
}

TEST_F(ListEditors, AddStoresTheTextAsTypedAndListsItAtTheEnd) {
    user.clickMenu(main.messagesItem);
    add(messageEditor, "Lunch now");
    add(messageEditor, "   ");        // blanks are a text
    add(messageEditor, "Lunch now");  // no check for duplicates
    EXPECT_EQ((Strings{"Lunch now", "   ", "Lunch now"}), messageEditor.entryList.items());
    EXPECT_EQ((Strings{"Lunch now", "   ", "3"}),
              (Strings{stored("Messages", "message1"), stored("Messages", "message2"), stored("Messages", "msgs")}));
    EXPECT_EQ("", messageEditor.entryText.text());
    EXPECT_EQ(&messageEditor.entryText, messageEditor.focused());

    user.clickMenu(main.machineNamesItem);
    add(machineNameEditor, "PC7");
    EXPECT_EQ((Strings{"PC7", "1"}), (Strings{stored("Machine Names", "Machine1"), stored("Machine Names", "machines")}));
    EXPECT_TRUE(user.boxes().empty());
}

TEST_F(ListEditors, AddWithoutTextPromptsAndStoresNothing) {
    user.clickMenu(main.messagesItem);
    user.answer(MessageResult::Ok);
    user.click(messageEditor.addButton);
    expectBox("Enter Message", "Velnote - Add Message", MessageButtons::Ok, MessageIcon::Information);
    EXPECT_EQ(&messageEditor.entryText, messageEditor.focused());
    user.clickMenu(main.machineNamesItem);
    user.answer(MessageResult::Ok);
    user.click(machineNameEditor.addButton);
    expectBox("Enter Machine Name", "Velnote - Add Machine Name", MessageButtons::Ok, MessageIcon::Information);
    EXPECT_TRUE(store.readSection("Velnote", "Messages").empty());
    EXPECT_TRUE(store.readSection("Velnote", "Machine Names").empty());
}

TEST_F(ListEditors, AddToAFullListSaysSoAndChangesNothing) {
    for (int n = 1; n <= kMaxEntryNumber; ++n) save("Machine Names", "Machine" + std::to_string(n), "x");
    user.clickMenu(main.machineNamesItem);
    user.answer(MessageResult::Ok);
    add(machineNameEditor, "PC8");
    expectBox("The list is full: no more entries can be saved.", "Velnote - Add Machine Name", MessageButtons::Ok,
              MessageIcon::Exclamation);
    EXPECT_EQ(kMaxEntryNumber, machineNameEditor.entryList.listCount());
    EXPECT_EQ("PC8", machineNameEditor.entryText.text());
    EXPECT_EQ(static_cast<size_t>(kMaxEntryNumber), store.readSection("Velnote", "Machine Names").size());
}

// A value the store refuses, at the entry or at its count: the store is as
// it was, the box says where and why, the list shows the store, and a typed
// entry stays for another try.
TEST_F(ListEditors, AddAndDeleteThatTheStoreRefusesLeaveTheStoreAndTheListAlike) {
    save("Messages", "message1", "kept");
    save("Messages", "msgs", "1");
    const auto before = store.readSection("Velnote", "Messages");
    user.clickMenu(main.messagesItem);
    const std::string where = "\r\n\r\nHKEY_CURRENT_USER\\Software\\Velnote\\Messages\r\nError 5: Access is denied.";
    for (const char* refusedKey : {"message2", "msgs"}) {
        SCOPED_TRACE(refusedKey);
        store.failWritesTo("Velnote", "Messages", refusedKey);
        user.answer(MessageResult::Ok);
        add(messageEditor, "new one");
        expectBox("The entry could not be saved." + where, "Velnote", MessageButtons::Ok, MessageIcon::Critical);
        EXPECT_EQ(before, store.readSection("Velnote", "Messages"));
        EXPECT_EQ(Strings{"kept"}, messageEditor.entryList.items());
        EXPECT_EQ("new one", messageEditor.entryText.text());
        messageEditor.entryText.setText("");
        store = platform::MemorySettingsStore();
        save("Messages", "message1", "kept");
        save("Messages", "msgs", "1");
    }
    store.failWritesTo("Velnote", "Messages", "message1");
    user.pick(messageEditor.entryList, 0);
    user.answer(MessageResult::Yes);
    user.answer(MessageResult::Ok);
    user.click(messageEditor.deleteButton);
    ASSERT_EQ(2u, user.boxes().size());  // the question, then the refusal
    EXPECT_EQ("The entry could not be deleted." + where, user.boxes()[1].text);
    user.clearBoxes();
    EXPECT_EQ(before, store.readSection("Velnote", "Messages"));
    EXPECT_EQ(Strings{"kept"}, messageEditor.entryList.items());
}

TEST_F(ListEditors, DeleteAsksFirstAndRemovesOnlyTheFirstOfTwoSameTexts) {
    save("Messages", "message1", "same");
    save("Messages", "message2", "other");
    save("Messages", "message3", "same");
    save("Messages", "msgs", "3");
    user.clickMenu(main.messagesItem);
    user.pick(messageEditor.entryList, 2);
    user.answer(MessageResult::Yes);
    user.click(messageEditor.deleteButton);
    expectBox("Are you sure you want to delete the message name same from the list ??", "Velnote - Delete message Name",
              MessageButtons::YesNo, MessageIcon::Information);
    EXPECT_FALSE(store.hasKey("Velnote", "Messages", "message1"));
    EXPECT_EQ("2", stored("Messages", "msgs"));
    EXPECT_EQ((Strings{"other", "same"}), messageEditor.entryList.items());
    EXPECT_EQ(-1, messageEditor.entryList.listIndex());

    user.answer(MessageResult::Ok);
    user.click(messageEditor.deleteButton);
    expectBox("No item selected for deletion...", "Velnote - Error in Deletion", MessageButtons::Ok,
              MessageIcon::Information);
    EXPECT_EQ(2, messageEditor.entryList.listCount());
}

TEST_F(ListEditors, DoubleClickAsksTheSameAndNoChangesNothing) {
    save("Machine Names", "Machine1", "PC1");
    save("Machine Names", "machines", "1");
    user.clickMenu(main.machineNamesItem);
    user.answer(MessageResult::No);
    user.doubleClick(machineNameEditor.entryList, 0);
    expectBox("Are you sure you want to delete the machine name PC1 from the list ??", "Velnote - Delete Machine Name",
              MessageButtons::YesNo, MessageIcon::Information);
    EXPECT_EQ((Strings{"PC1", "1"}), (Strings{stored("Machine Names", "Machine1"), stored("Machine Names", "machines")}));
    EXPECT_EQ(Strings{"PC1"}, machineNameEditor.entryList.items());
}

TEST_F(ListEditors, EntryWithBlanksAroundItIsDeletedAsShownAndNothingElseGoes) {
    save("Machine Names", "Machine1", " PC1 ");
    save("Machine Names", "Machine2", "");
    save("Machine Names", "Machine3", "PC1");
    save("Machine Names", "machines", "many");
    user.clickMenu(main.machineNamesItem);
    user.pick(machineNameEditor.entryList, " PC1 ");
    user.answer(MessageResult::Yes);
    user.click(machineNameEditor.deleteButton);
    EXPECT_FALSE(store.hasKey("Velnote", "Machine Names", "Machine1"));
    EXPECT_TRUE(store.hasKey("Velnote", "Machine Names", "Machine2"));
    EXPECT_EQ("many", stored("Machine Names", "machines"));  // not a number: left as it is
    EXPECT_EQ(Strings{"PC1"}, machineNameEditor.entryList.items());
}

TEST_F(ListEditors, CloseWindowHidesAndRefillsOnlyItsOwnComboWithTheMarkerSelected) {
    save("Machine Names", "Machine1", "PC1");
    const Strings messagesBefore = main.savedMessages.items();
    user.clickMenu(main.machineNamesItem);
    add(machineNameEditor, "PC2");
    user.click(machineNameEditor.closeButton);
    save("Machine Names", "Machine9", "PC9");
    user.clickMenu(main.machineNamesItem);  // shown again as it was, without a new load
    EXPECT_EQ((Strings{"PC1", "PC2"}), machineNameEditor.entryList.items());
    user.click(machineNameEditor.closeButton);  // however often it is closed
    EXPECT_FALSE(machineNameEditor.visible());
    EXPECT_TRUE(machineNameEditor.loaded());
    EXPECT_EQ((Strings{"PC1", "PC2", "PC9", "- Select Machine Name -"}), main.savedMachines.items());
    EXPECT_EQ("- Select Machine Name -", main.savedMachines.text());
    EXPECT_EQ(messagesBefore, main.savedMessages.items());
}

TEST_F(ListEditors, MessageRefillDropsTheSamplesAndItsMarkerRuleAppliesAtOnce) {
    save("Messages", "message1", "Lunch");
    user.pick(main.savedMessages, "Meeting is at ");
    user.type(main.machineName, "PC7");
    user.clickMenu(main.messagesItem);
    user.click(messageEditor.closeButton);
    EXPECT_EQ((Strings{"Lunch", "-Please select-"}), main.savedMessages.items());
    EXPECT_EQ("-Please select-", main.savedMessages.text());
    EXPECT_EQ((Strings{"", "0", ""}), (Strings{main.messageText.text(), main.keyCount.text(), main.machineName.text()}));
    EXPECT_EQ(&main.sendButton, main.focused());
}

TEST_F(ListEditors, CloseBoxUnloadsWithoutRefillAndTheNextShowLoadsAfresh) {
    const Strings machinesBefore = main.savedMachines.items();
    user.clickMenu(main.machineNamesItem);
    add(machineNameEditor, "PC9");
    user.closeBox(machineNameEditor);
    EXPECT_FALSE(machineNameEditor.loaded());
    EXPECT_EQ(machinesBefore, main.savedMachines.items());
    EXPECT_FALSE(app.ended());
    save("Machine Names", "Machine5", "PC5");
    user.clickMenu(main.machineNamesItem);
    EXPECT_EQ((Strings{"PC9", "PC5"}), machineNameEditor.entryList.items());
}

}  // namespace
}  // namespace velnote
