// The saved-list editors, Form4 (messages) and Form7 (machine names), as a user meets them.
#include "velnote_fixture.hpp"

namespace velnote {
namespace {

using forms::MessageButtons;
using forms::MessageIcon;
using forms::MessageResult;

struct ListEditors : VelnoteFixture {
    ListEditor& form4 = program.form4;
    ListEditor& form7 = program.form7;

    void SetUp() override { program.start(); }
    void add(ListEditor& editor, const std::string& text) {
        user.type(editor.entryText, text);
        user.click(editor.cmdadd);
    }
};

TEST_F(ListEditors, EachEditorShowsItsOwnTextsWithTheFocusInTheTextBox) {
    user.clickMenu(main.addmsg);
    user.clickMenu(main.addmname);
    ASSERT_TRUE(form4.visible() && form7.visible() && main.visible());
    const Strings texts4{form4.caption(), form4.lbltitle.caption(), form4.lblmname.caption(),
                         form4.lblexistingmnames.caption(), form4.entryText.name(), form4.entryList.name()};
    EXPECT_EQ((Strings{"Velnote - Add Message", "Add Message", "Message", "Existing Messages", "TXTMSG", "lstmsg"}), texts4);
    const Strings texts7{form7.caption(), form7.lbltitle.caption(), form7.lblmname.caption(),
                         form7.lblexistingmnames.caption(), form7.entryText.name(), form7.entryList.name()};
    EXPECT_EQ((Strings{"Velnote - Add Machine Name", "Add Machine Name", "Machine Name", "Existing Machine Names",
                       "txtmachinename", "lstmname"}),
              texts7);
    for (ListEditor* editor : {&form4, &form7}) {
        EXPECT_EQ(&editor->entryText, editor->focused());
        EXPECT_EQ((Strings{"<< Add >>", "Delete", "<< Close Window>>"}),
                  (Strings{editor->cmdadd.caption(), editor->cmddel.caption(), editor->Command1.caption()}));
    }
}

TEST_F(ListEditors, LoadShowsStoredEntriesInStoreOrderOnTheStoredColour) {
    save("Machine Names", "Machine3", "PC3");
    save("Machine Names", "machines", "3");
    save("Machine Names", "Machine1", "PC1");
    save("Machine Names", "Machine2", "");
    save("BackColor", "Background", "1971210");
    user.clickMenu(main.addmname);
    EXPECT_EQ((Strings{"PC3", "PC1"}), form7.entryList.items());
    EXPECT_EQ(1971210u, form7.backColor());
    for (forms::Label* label : {&form7.lbltitle, &form7.lblmname, &form7.lblexistingmnames})
        EXPECT_EQ(1971210u, label->backColor()) << label->name();
    EXPECT_NE(1971210u, form7.entryList.backColor());

    store.removeValue("Velnote", "BackColor", "Background");
    user.clickMenu(main.addmsg);
    EXPECT_EQ(16761024u, form4.lbltitle.backColor());
}

TEST_F(ListEditors, StoredColourThatIsNoNumberEndsTheLoadBeforeTheList) {
    save("Messages", "message1", "Lunch");
    save("BackColor", "Background", "blue");
    user.clickMenu(main.addmsg);
    EXPECT_TRUE(form4.visible());
    EXPECT_TRUE(form4.entryList.items().empty());
}

TEST_F(ListEditors, AddStoresTheTextAsTypedAndListsItAtTheEnd) {
    user.clickMenu(main.addmsg);
    add(form4, "Lunch now");
    add(form4, "   ");        // blanks are a text
    add(form4, "Lunch now");  // no check for duplicates
    EXPECT_EQ((Strings{"Lunch now", "   ", "Lunch now"}), form4.entryList.items());
    EXPECT_EQ((Strings{"Lunch now", "   ", "3"}),
              (Strings{stored("Messages", "message1"), stored("Messages", "message2"), stored("Messages", "msgs")}));
    EXPECT_EQ("", form4.entryText.text());
    EXPECT_EQ(&form4.entryText, form4.focused());

    user.clickMenu(main.addmname);
    add(form7, "PC7");
    EXPECT_EQ((Strings{"PC7", "1"}), (Strings{stored("Machine Names", "Machine1"), stored("Machine Names", "machines")}));
    EXPECT_TRUE(user.boxes().empty());
}

TEST_F(ListEditors, AddWithoutTextPromptsAndStoresNothing) {
    user.clickMenu(main.addmsg);
    user.answer(MessageResult::Ok);
    user.click(form4.cmdadd);
    expectBox("Enter Message", "Velnote - Add Message", MessageButtons::Ok, MessageIcon::Information);
    EXPECT_EQ(&form4.entryText, form4.focused());
    user.clickMenu(main.addmname);
    user.answer(MessageResult::Ok);
    user.click(form7.cmdadd);
    expectBox("Enter Machine Name", "Velnote - Add Machine Name", MessageButtons::Ok, MessageIcon::Information);
    EXPECT_TRUE(store.readSection("Velnote", "Messages").empty());
    EXPECT_TRUE(store.readSection("Velnote", "Machine Names").empty());
}

TEST_F(ListEditors, AddToAFullListSaysSoAndChangesNothing) {
    for (int n = 1; n <= kMaxEntryNumber; ++n) save("Machine Names", "Machine" + std::to_string(n), "x");
    user.clickMenu(main.addmname);
    user.answer(MessageResult::Ok);
    add(form7, "PC8");
    expectBox("The list is full: no more entries can be saved.", "Velnote - Add Machine Name", MessageButtons::Ok,
              MessageIcon::Exclamation);
    EXPECT_EQ(kMaxEntryNumber, form7.entryList.listCount());
    EXPECT_EQ("PC8", form7.entryText.text());
    EXPECT_EQ(static_cast<size_t>(kMaxEntryNumber), store.readSection("Velnote", "Machine Names").size());
}

TEST_F(ListEditors, DeleteAsksFirstAndRemovesOnlyTheFirstOfTwoSameTexts) {
    save("Messages", "message1", "same");
    save("Messages", "message2", "other");
    save("Messages", "message3", "same");
    save("Messages", "msgs", "3");
    user.clickMenu(main.addmsg);
    user.pick(form4.entryList, 2);
    user.answer(MessageResult::Yes);
    user.click(form4.cmddel);
    expectBox("Are you sure you want to delete the message name same from the list ??", "Velnote - Delete message Name",
              MessageButtons::YesNo, MessageIcon::Information);
    EXPECT_FALSE(store.hasKey("Velnote", "Messages", "message1"));
    EXPECT_EQ("2", stored("Messages", "msgs"));
    EXPECT_EQ((Strings{"other", "same"}), form4.entryList.items());
    EXPECT_EQ(-1, form4.entryList.listIndex());

    user.answer(MessageResult::Ok);
    user.click(form4.cmddel);
    expectBox("No item selected for deletion...", "Velnote - Error in Deletion", MessageButtons::Ok,
              MessageIcon::Information);
    EXPECT_EQ(2, form4.entryList.listCount());
}

TEST_F(ListEditors, DoubleClickAsksTheSameAndNoChangesNothing) {
    save("Machine Names", "Machine1", "PC1");
    save("Machine Names", "machines", "1");
    user.clickMenu(main.addmname);
    user.answer(MessageResult::No);
    user.doubleClick(form7.entryList, 0);
    expectBox("Are you sure you want to delete the machine name PC1 from the list ??", "Velnote - Delete Machine Name",
              MessageButtons::YesNo, MessageIcon::Information);
    EXPECT_EQ((Strings{"PC1", "1"}), (Strings{stored("Machine Names", "Machine1"), stored("Machine Names", "machines")}));
    EXPECT_EQ(Strings{"PC1"}, form7.entryList.items());
}

TEST_F(ListEditors, EntryWithBlanksAroundItIsDeletedAsShownAndNothingElseGoes) {
    save("Machine Names", "Machine1", " PC1 ");
    save("Machine Names", "Machine2", "");
    save("Machine Names", "Machine3", "PC1");
    save("Machine Names", "machines", "many");
    user.clickMenu(main.addmname);
    user.pick(form7.entryList, " PC1 ");
    user.answer(MessageResult::Yes);
    user.click(form7.cmddel);
    EXPECT_FALSE(store.hasKey("Velnote", "Machine Names", "Machine1"));
    EXPECT_TRUE(store.hasKey("Velnote", "Machine Names", "Machine2"));
    EXPECT_EQ("many", stored("Machine Names", "machines"));  // not a number: left as it is
    EXPECT_EQ(Strings{"PC1"}, form7.entryList.items());
}

TEST_F(ListEditors, CloseWindowHidesAndRefillsOnlyItsOwnComboWithTheMarkerSelected) {
    save("Machine Names", "Machine1", "PC1");
    const Strings messagesBefore = main.combo2.items();
    user.clickMenu(main.addmname);
    add(form7, "PC2");
    user.click(form7.Command1);
    save("Machine Names", "Machine9", "PC9");
    user.clickMenu(main.addmname);  // shown again as it was, without a new load
    EXPECT_EQ((Strings{"PC1", "PC2"}), form7.entryList.items());
    user.click(form7.Command1);  // however often it is closed
    EXPECT_FALSE(form7.visible());
    EXPECT_TRUE(form7.loaded());
    EXPECT_EQ((Strings{"PC1", "PC2", "PC9", "- Select Machine Name -"}), main.Combo3.items());
    EXPECT_EQ("- Select Machine Name -", main.Combo3.text());
    EXPECT_EQ(messagesBefore, main.combo2.items());
}

TEST_F(ListEditors, MessageRefillDropsTheSamplesAndItsMarkerRuleAppliesAtOnce) {
    save("Messages", "message1", "Lunch");
    user.pick(main.combo2, "Meeting is at ");
    user.type(main.Text4, "PC7");
    user.clickMenu(main.addmsg);
    user.click(form4.Command1);
    EXPECT_EQ((Strings{"Lunch", "-Please select-"}), main.combo2.items());
    EXPECT_EQ("-Please select-", main.combo2.text());
    EXPECT_EQ((Strings{"", "0", ""}), (Strings{main.Text1.text(), main.Text3.text(), main.Text4.text()}));
    EXPECT_EQ(&main.Command1, main.focused());
}

TEST_F(ListEditors, CloseBoxUnloadsWithoutRefillAndTheNextShowLoadsAfresh) {
    const Strings machinesBefore = main.Combo3.items();
    user.clickMenu(main.addmname);
    add(form7, "PC9");
    user.closeBox(form7);
    EXPECT_FALSE(form7.loaded());
    EXPECT_EQ(machinesBefore, main.Combo3.items());
    EXPECT_FALSE(app.ended());
    save("Machine Names", "Machine5", "PC5");
    user.clickMenu(main.addmname);
    EXPECT_EQ((Strings{"PC9", "PC5"}), form7.entryList.items());
}

}  // namespace
}  // namespace velnote
