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
    user.pressKey(store.computers, forms::keys::Delete);  // that very line goes, not an equal one before it
    EXPECT_EQ("PC1\t\ta\r\nPC1\r\n", files.contents(kNetwork));
    EXPECT_EQ((Strings{"PC1\t\ta", "PC1"}), store.computers.items());

    files.failWritesTo(kNetwork, {32, "The process cannot access the file."});
    user.pick(store.computers, 1);
    ok();
    user.pressKey(store.computers, forms::keys::Back);
    expectFailureBox("Could not remove the entry from network.txt.\r\nThe process cannot access the file.");
    EXPECT_EQ(2, store.computers.listCount());
    EXPECT_EQ("PC1\t\ta\r\nPC1\r\n", files.contents(kNetwork));
    files.clearFailures();
    files.setContents(kNetwork, "PC0\r\nPC1\t\ta\r\nPC1\r\n");  // a line added before: the equal one goes
    user.pick(store.computers, 1);
    user.pressKey(store.computers, forms::keys::Delete);
    EXPECT_EQ("PC0\r\nPC1\t\ta\r\n", files.contents(kNetwork));

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

// A store file of hundreds of megabytes would not fit a 32-bit program's
// memory: it is refused unread, named like any file that cannot be read, and
// left as it is.
TEST_F(Pingrel, AStoreFileTooLargeToReadIsNamedAndLeftAlone) {
    const std::string huge(platform::kLargestReadableFile + 1, 'x');
    files.setContents(kNetwork, huge);
    startEmpty();
    ok();
    user.click(form.openStoreButton);
    expectFailureBox("Could not read network.txt.\r\nThe file is larger than 64 MB, the most that can be read.");
    EXPECT_EQ(0, store.computers.listCount());
    EXPECT_EQ(0, files.writes(kNetwork));
    EXPECT_EQ(huge.size(), files.contents(kNetwork).size());
}

// Every save and delete, failing at each step of its file or on a full disk:
// the file keeps its old bytes, the box names it and the system's reason,
// and the store window lists what the file holds.
enum class Operation { SaveRecipient, SaveMessage, ClearStore, SetSignature, DeleteRecipient, DeleteMessage };
constexpr int kFullDisk = 6;  // after the six FileSteps

struct StoreFaults : Pingrel, ::testing::WithParamInterface<std::tuple<Operation, int>> {
    void act(Operation operation) {
        switch (operation) {
            case Operation::SaveRecipient: user.answerInput("desk"); ok(); user.click(form.saveRecipientButton); break;
            case Operation::SaveMessage: ok(); user.click(form.saveMessageButton); break;
            case Operation::ClearStore: ok(2); user.click(form.clearStoreButton); break;
            case Operation::SetSignature: ok(); user.click(form.setSignatureButton); break;
            case Operation::DeleteRecipient:
                user.pick(store.computers, 1);
                ok();
                user.pressKey(store.computers, forms::keys::Delete);
                break;
            case Operation::DeleteMessage:
                user.pick(store.messages, 0);
                ok();
                user.pressKey(store.messages, forms::keys::Back);
                break;
        }
    }
    void expectListsShowTheFiles() {
        EXPECT_EQ(platform::splitLines(files.contents(kNetwork)), store.computers.items());
        EXPECT_EQ(platform::splitLines(files.contents(kMessages)), store.messages.items());
    }
};

TEST_P(StoreFaults, KeepTheOldBytesAndSayWhichFileAndWhy) {
    const auto [operation, fault] = GetParam();
    files.setContents(kNetwork, "PC1\t\tAnn\r\nPC2\t\t\r\n");
    files.setContents(kMessages, "08/12/2026\tHi\r\n08/12/2026\tBye\r\n");
    files.setContents(kSig, "Bob\r\n");
    startEmpty();
    form.recipientEntry.setText("PC9");
    form.message.setText("Lunch");
    user.click(form.openStoreButton);

    const bool deletes = operation == Operation::DeleteRecipient || operation == Operation::DeleteMessage;
    const bool reads = operation != Operation::ClearStore && operation != Operation::SetSignature;
    const std::string file = operation == Operation::SetSignature                                   ? kSignatureFile
                             : operation == Operation::SaveMessage || operation == Operation::DeleteMessage ? kMessagesFile
                                                                                                           : kRecipientsFile;
    const std::string path = kFolder + "\\" + file;
    const std::string before = files.contents(path);
    platform::FileError reason{5, "Access is denied."};
    if (fault == kFullDisk) {
        files.setFreeSpace(3);
        reason = {112, "There is not enough space on the disk."};
    } else {
        const auto step = static_cast<platform::FileStep>(fault);
        // A Delete fails only after another step did: the temporary file then stays.
        if (step == platform::FileStep::Delete) files.failAt(path, platform::FileStep::Write);
        files.failAt(path, step);
    }
    act(operation);
    // Only a failed Delete leaves a file beside the stores (never listed);
    // the next read or write of the store removes it.
    const std::size_t leftovers = fault == static_cast<int>(platform::FileStep::Delete) ? 1 : 0;
    EXPECT_EQ(3 + leftovers, files.paths().size());
    files.clearFailures();
    files.setFreeSpace(std::nullopt);

    const bool fails = (fault != static_cast<int>(platform::FileStep::Read) || reads) &&
                       !(fault == kFullDisk && operation == Operation::ClearStore);  // nothing to write
    if (fails) {
        EXPECT_EQ(before, files.contents(path));
        ASSERT_FALSE(user.boxes().empty());
        EXPECT_EQ((deletes ? "Could not remove the entry from " : "Could not write ") + file + ".\r\n" + reason.text,
                  user.boxes().back().text);
        EXPECT_EQ(MessageIcon::Exclamation, user.boxes().back().icon);
    } else {
        EXPECT_NE(before, files.contents(path));
    }
    // A deleting window shows its file as it is now; any other reads it afresh.
    if (!deletes) {
        user.click(store.okButton);
        user.click(form.openStoreButton);
    }
    expectListsShowTheFiles();

    forms::App nextApp{"Pingrel"};
    messenger::Sender nextSender{nextApp, runner, messenger::DeliveryRoute{true, "HERE", {}}};
    Context next{nextApp, files, nextSender, clock, shell, system, kFolder};
    Program again{next};
    again.start();
    EXPECT_EQ(3u, files.paths().size());
}

std::string caseName(const ::testing::TestParamInfo<StoreFaults::ParamType>& info) {
    static const char* const operations[] = {"SaveRecipient", "SaveMessage",     "ClearStore",
                                             "SetSignature",  "DeleteRecipient", "DeleteMessage"};
    const int fault = std::get<1>(info.param);
    return std::string(operations[static_cast<int>(std::get<0>(info.param))]) + "_" +
           (fault == kFullDisk ? "FullDisk" : platform::fileStepName(static_cast<platform::FileStep>(fault)));
}

INSTANTIATE_TEST_SUITE_P(EverySaveAndDelete, StoreFaults,
                         ::testing::Combine(::testing::Values(Operation::SaveRecipient, Operation::SaveMessage,
                                                              Operation::ClearStore, Operation::SetSignature,
                                                              Operation::DeleteRecipient, Operation::DeleteMessage),
                                            ::testing::Range(0, kFullDisk + 1)),
                         caseName);

}  // namespace
}  // namespace pingrel::testing
