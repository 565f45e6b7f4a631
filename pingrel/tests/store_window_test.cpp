// The store window: its lists read afresh at each load, copying an entry
// back into the main window, and deleting exactly the selected line.
#include "pingrel_fixture.hpp"

namespace pingrel::testing {
namespace {

TEST_F(Pingrel, TheStoreWindowListsEveryLineAndCopiesEntriesBack) {
    files.setContents(kNetwork, "PC7\t\tAnn, desk 4\r\n\r\n\"PC8\"\t\t\r\n");  // lines whole, blank ones too
    files.setContents(kMessages, "09/12/2026\tHi, all\r\nsecond line\r\n");
    startEmpty();
    user.click(form.openStoreButton);
    EXPECT_EQ(&store, frame.activeChild());
    EXPECT_EQ("Pingrel Store", store.caption());
    EXPECT_EQ(10000, store.bounds().width);
    EXPECT_EQ(8500, store.bounds().height);
    EXPECT_EQ((Strings{"PC7\t\tAnn, desk 4", "", "\"PC8\"\t\t"}), store.computers.items());
    EXPECT_EQ((Strings{"09/12/2026\tHi, all", "second line"}), store.messages.items());

    ok();
    user.doubleClick(store.computers, 0);
    expectBox("Recipient added", "Pingrel", MessageButtons::Ok, MessageIcon::Information);
    EXPECT_EQ((Strings{"PC7"}), form.recipients.items());

    user.answer(MessageResult::No);
    user.doubleClick(store.messages, 0);
    expectBox("This is the complete message you have selected:\r\n09/12/2026\tHi, all\r\n"
              "Do you want to replace the existing message with this?",
              "Confirm new message", MessageButtons::YesNo, MessageIcon::Question);
    EXPECT_EQ("", form.message.text());
    user.answer(MessageResult::Yes);
    ok();
    user.doubleClick(store.messages, 1);  // no TAB: the whole entry
    EXPECT_EQ("second line", form.message.text());
    EXPECT_EQ("Message changed", user.boxes().back().text);
    user.clearBoxes();

    // Cleared while open: the lists stay; opened again: read afresh.
    user.answer(MessageResult::Ok);
    user.click(form.clearStoreButton);
    EXPECT_EQ(3, store.computers.listCount());
    user.click(store.okButton);
    EXPECT_FALSE(store.loaded());
    user.click(form.openStoreButton);
    EXPECT_EQ(0, store.computers.listCount());
    EXPECT_EQ(0, store.messages.listCount());
}

TEST_F(Pingrel, DeleteRemovesTheSelectedLineOrSaysWhyItCannot) {
    files.setContents(kNetwork, "PC1\t\ta\r\nPC1\r\nPC1\t\ta\r\n");
    files.setContents(kMessages, "d\tx, \"y\"\r\n");
    startEmpty();
    user.click(form.openStoreButton);
    user.pick(store.computers, 2);
    user.pressKey(store.computers, forms::keys::Delete);  // the first equal line goes, the others stay
    EXPECT_EQ("PC1\r\nPC1\t\ta\r\n", files.contents(kNetwork));
    EXPECT_EQ((Strings{"PC1\t\ta", "PC1"}), store.computers.items());

    files.failWritesTo(kNetwork, {32, "The process cannot access the file."});
    user.pick(store.computers, 1);
    ok();
    user.pressKey(store.computers, forms::keys::Back);
    expectFailureBox("Could not remove the entry from network.txt.\r\nThe process cannot access the file.");
    EXPECT_EQ(2, store.computers.listCount());
    EXPECT_EQ("PC1\r\nPC1\t\ta\r\n", files.contents(kNetwork));

    // Changed behind the window's back: the entry leaves the list, the file is left alone.
    files.setContents(kMessages, "");
    user.pick(store.messages, 0);
    user.pressKey(store.messages, forms::keys::Delete);
    EXPECT_EQ(0, store.messages.listCount());
    EXPECT_EQ(0, files.writes(kMessages));
}

TEST_F(Pingrel, AStoreFileThatCannotBeReadIsNamed) {
    files.setContents(kNetwork, "PC1\r\n");
    files.setContents(kMessages, "d\tHi\r\n");
    files.failReadsOf(kNetwork, {32, "The file is in use."});
    startEmpty();
    ok();
    user.click(form.openStoreButton);
    expectFailureBox("Could not read network.txt.\r\nThe file is in use.");
    EXPECT_EQ(0, store.computers.listCount());
    EXPECT_EQ((Strings{"d\tHi"}), store.messages.items());
}

}  // namespace
}  // namespace pingrel::testing
