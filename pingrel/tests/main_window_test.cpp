// The main window as a user meets it: the recipient list, the 255-character
// message, the send, the store buttons and the signature.
#include "pingrel_fixture.hpp"

namespace pingrel::testing {
namespace {

const std::string kTruncating = "Can only accept 255 characters";

TEST_F(Pingrel, OpensTheMaximisedFrameWithMainInsideSizedByItsOuterEdge) {
    start();
    EXPECT_EQ(forms::WindowState::Maximized, frame.windowState());
    EXPECT_EQ(&form, frame.activeChild());
    EXPECT_TRUE(form.outerSize());
    EXPECT_EQ((forms::Rect{0, 0, 9750, 7600}), form.bounds());
    EXPECT_EQ("Type Message here", form.message.text());
    EXPECT_FALSE(form.signatureCheck.checked());
}

TEST_F(Pingrel, AddAsksForEachEqualEntryAndAnyNoRefuses) {
    startEmpty();
    form.recipients.addItem("PC7");
    form.recipients.addItem("pc7");
    form.recipientEntry.setText("PC7");
    user.answer(MessageResult::No);
    user.click(form.addButton);  // asked once: the comparison is case-sensitive
    expectBox("Recipient already in list.\r\nAre you sure you want to send it more than once?",
              "Confirm Multiple Send", MessageButtons::YesNo, MessageIcon::Question);
    EXPECT_EQ((Strings{"PC7", "pc7"}), form.recipients.items());

    user.answer(MessageResult::Yes);
    user.click(form.addButton);
    user.answer(MessageResult::No);  // the list now holds PC7 twice: a later Yes does not undo a No
    user.answer(MessageResult::Yes);
    user.click(form.addButton);
    EXPECT_EQ(3u, user.boxes().size());
    EXPECT_EQ((Strings{"PC7", "pc7", "PC7"}), form.recipients.items());
}

TEST_F(Pingrel, TheListEditsByKeysAndDoubleClickAndThePickerFillsTheEntry) {
    startEmpty();
    for (const char* name : {"a", "b", "c"}) form.recipients.addItem(name);
    user.pressKey(form.recipients, forms::keys::Delete);  // no selection: nothing
    user.pick(form.recipients, 1);
    user.pressKey(form.recipients, forms::keys::Delete);
    user.pick(form.recipients, 1);
    user.pressKey(form.recipients, forms::keys::Back);
    EXPECT_EQ((Strings{"a"}), form.recipients.items());
    user.doubleClick(form.recipients, 0);
    EXPECT_EQ("a", form.recipientEntry.text());

    shell.pickerAnswers.push_back("PC9");
    user.click(form.browseButton);
    EXPECT_EQ("PC9", form.recipientEntry.text());
    user.click(form.browseButton);  // cancelled
    EXPECT_EQ("", form.recipientEntry.text());
}

TEST_F(Pingrel, TheMessageIsCutTo255CharactersWhereverTheTextCameIn) {
    startEmpty();
    ok();
    user.type(form.message, std::string(254, 'a') + "\r");  // CR LF counts two
    expectBox(kTruncating, "Truncating", MessageButtons::Ok, MessageIcon::None);
    EXPECT_EQ(std::string(254, 'a'), form.message.text());  // the line break is not split

    form.message.setText(std::string(10, 'b'));
    user.select(form.message, 5, 0);
    app.setClipboardText(std::string(1000, 'x'));
    ok();
    user.pressShortcut(frame, forms::shift::Ctrl, 'V');
    expectBox(kTruncating, "Truncating", MessageButtons::Ok, MessageIcon::None);
    EXPECT_EQ("bbbbb" + std::string(250, 'x'), form.message.text());
}

TEST_F(Pingrel, SendStartsOneHiddenNetSendPerRecipientFromTheSystemFolder) {
    startEmpty();
    form.recipientEntry.setText("PC7");
    user.type(form.message, "Hi");
    user.click(form.sendButton);  // an empty list takes the entry, which stays
    EXPECT_EQ((Strings{"PC7"}), form.recipients.items());

    form.recipients.addItem("PC 8");
    files.setContents(kSig, "Ann, desk 4\r\n\"ext\" 12\r\n");
    user.toggle(form.signatureCheck);
    user.click(form.sendButton);
    const std::string signed_ = "Hi\r\nAnn, desk 4\r\n\"ext\" 12\r\n";
    EXPECT_EQ((Strings{kSystem32 + "\\net send PC7 Hi", kSystem32 + "\\net send PC7 " + signed_,
                       kSystem32 + "\\net send \"PC 8\" " + signed_}),  // a name with a blank is one word
              commands());
    EXPECT_EQ("Hi", form.message.text());
    EXPECT_TRUE(form.signatureCheck.checked());
    EXPECT_TRUE(user.boxes().empty());  // every one delivered: nothing to say

    // No signature file: the message goes out unchanged; no system folder: the bare prefix.
    runner.clear();
    files = platform::MemoryTextFiles();
    shell.folders.clear();
    form.recipients.clear();
    form.recipients.addItem("PC7");
    user.click(form.sendButton);
    EXPECT_EQ((Strings{"\\net send PC7 Hi"}), commands());

    // Blanks around a name stay outside its quotes; whatever a shell or net
    // might read in the message, and text outside any code page, go as typed.
    runner.clear();
    form.recipients.clear();
    form.recipients.addItem(" Front Desk ");
    const std::string odd = "& | < > ^ % \" ' ` $( ) %PATH% caf\xC3\xA9 \xE7\x8C\xAB \xF0\x9F\x98\x80";
    form.message.setText(odd);
    user.click(form.sendButton);
    EXPECT_EQ((Strings{"\\net send  \"Front Desk\"  " + odd}), commands());
    EXPECT_TRUE(user.boxes().empty());
}

TEST_F(Pingrel, SendSkipsBlankRecipientsGoesOnPastFailuresAndSaysSoOnce) {
    startEmpty();
    user.type(form.message, "Hi");
    // A name with a double quote would end early in net's reading: nothing goes.
    for (const char* name : {"", "PC1", "PC\"2", "  ", "\"PC3\""}) form.recipients.addItem(name);
    ok();
    user.click(form.sendButton);
    expectFailureBox("The message was not sent: a recipient cannot hold a double quote.\r\nPC\"2\r\n\"PC3\"");
    EXPECT_TRUE(runner.starts().empty());

    form.recipients.clear();
    for (const char* name : {"", "PC1", "  ", "PC2"}) form.recipients.addItem(name);
    runner.setFailure(true, 2, "The system cannot find the file specified.");
    ok();
    user.click(form.sendButton);
    EXPECT_TRUE(user.boxes().empty());  // not before the outcomes are in
    user.finishBackgroundWork();
    EXPECT_EQ(2u, runner.starts().size());
    expectFailureBox(
        "The message was not sent to an empty recipient.\r\nThe message could not be sent to:\r\n"
        "PC1: The system cannot find the file specified.\r\nPC2: The system cannot find the file specified.");
}

// Each Send waits for all of its outcomes, then one box names the
// recipients not reached; a Send made while another is out reports apart.
TEST_F(Pingrel, EachSendReportsOnceItsOutcomesAreInNamingOnlyThoseNotReached) {
    startEmpty();
    user.type(form.message, "Hi");
    for (const char* name : {"PC1", "PC2", "PC3"}) form.recipients.addItem(name);
    runner.queueWatched(messenger::exited(0));
    runner.queueWatched(messenger::exited(
        2, "The message alias could not be found on the network.\r\n\r\nMore help is available by typing NET HELPMSG 2273."));
    runner.queueWatched(messenger::stillRunning());
    user.click(form.sendButton);
    form.recipients.clear();
    form.recipients.addItem("PC4");
    runner.queueWatched(messenger::exited(1));
    user.click(form.sendButton);
    ok(2);
    user.finishBackgroundWork();
    ASSERT_EQ(2u, user.boxes().size());
    EXPECT_EQ("The message could not be sent to:\r\nPC2: The message alias could not be found on the network.\r\n"
              "PC3: no answer from net within 60 s",
              user.boxes()[0].text);
    EXPECT_EQ("The message could not be sent to:\r\nPC4: net ended with status 1", user.boxes()[1].text);
    EXPECT_EQ(MessageIcon::Exclamation, user.boxes()[1].icon);
}

TEST_F(Pingrel, SavesAppendLinesAndOnlyASaveThatWroteSaysSo) {
    startEmpty();
    form.recipientEntry.setText("PC7");
    user.type(form.message, "Hi, there\r");
    user.answerInput("Ann, desk 4");
    ok();
    user.click(form.saveRecipientButton);
    EXPECT_EQ("Enter Description for PC7", user.inputBoxes().at(0).prompt);
    EXPECT_EQ("Computer Description", user.inputBoxes().at(0).title);
    expectBox("Recipient added", "Succesful", MessageButtons::Ok, MessageIcon::None);
    user.cancelInput();  // saved all the same, with no description
    ok(2);
    user.click(form.saveRecipientButton);
    user.click(form.saveMessageButton);
    EXPECT_EQ("PC7\t\tAnn, desk 4\r\nPC7\t\t\r\n", files.contents(kNetwork));
    EXPECT_EQ("09/12/2026\tHi, there\r\n\r\n", files.contents(kMessages));
    EXPECT_EQ("Message added", user.boxes().back().text);
    user.clearBoxes();

    files.failWritesTo(kNetwork, {112, "There is not enough space on the disk."});
    files.failWritesTo(kMessages, {32, "The process cannot access the file."});
    user.answerInput("x");
    ok(2);
    user.click(form.saveRecipientButton);
    expectFailureBox("Could not write network.txt.\r\nThere is not enough space on the disk.");
    user.click(form.saveMessageButton);
    expectFailureBox("Could not write messages.txt.\r\nThe process cannot access the file.");
    EXPECT_EQ("PC7\t\tAnn, desk 4\r\nPC7\t\t\r\n", files.contents(kNetwork));
}

TEST_F(Pingrel, ClearStoreEmptiesBothStoresAfterOkAndKeepsTheSignature) {
    files.setContents(kNetwork, "PC7\t\t\r\n");
    files.setContents(kMessages, "09/12/2026\tHi\r\n");
    files.setContents(kSig, "Ann\r\n");
    startEmpty();
    user.answer(MessageResult::Cancel);
    user.click(form.clearStoreButton);
    expectBox("This will erase all recipients and messages from the store.\r\nAre you sure you want to continue?",
              "Confirmation", MessageButtons::OkCancel, MessageIcon::Question);
    EXPECT_EQ("PC7\t\t\r\n", files.contents(kNetwork));
    user.answer(MessageResult::Ok);
    user.click(form.clearStoreButton);
    EXPECT_EQ(1u, user.boxes().size());
    EXPECT_TRUE(files.exists(kNetwork));
    EXPECT_EQ("", files.contents(kNetwork));
    EXPECT_EQ("", files.contents(kMessages));
    EXPECT_EQ("Ann\r\n", files.contents(kSig));
}

TEST_F(Pingrel, TheSignatureIsReplacedInOneStepAndAppendedLineByLine) {
    startEmpty();
    user.type(form.message, "Ann, desk 4");
    ok(3);
    user.click(form.setSignatureButton);
    expectBox("Signature replaced", "Success", MessageButtons::Ok, MessageIcon::Information);
    form.message.setText("Bob");
    user.click(form.setSignatureButton);
    EXPECT_EQ("Bob\r\n", files.contents(kSig));
    user.clearBoxes();

    files.failWritesTo(kSig);
    form.message.setText("Carl");
    user.click(form.setSignatureButton);
    expectFailureBox("Could not write sig.txt.\r\nAccess is denied.");
    EXPECT_EQ("Bob\r\n", files.contents(kSig));

    files.setContents(kSig, "Ann, desk 4\r\n\"ext\" 12\r\n");
    user.toggle(form.signatureCheck);
    user.click(form.addSignatureButton);
    EXPECT_EQ("Carl\r\nAnn, desk 4\r\n\"ext\" 12\r\n", form.message.text());
    EXPECT_FALSE(form.signatureCheck.checked());

    // Each append is held to the limit.
    form.message.setText(std::string(250, 'a'));
    ok(2);
    user.click(form.addSignatureButton);
    EXPECT_EQ(2u, user.boxes().size());
    EXPECT_EQ(std::string(250, 'a') + "\r\nAnn", form.message.text());
    user.clearBoxes();

    files = platform::MemoryTextFiles();
    form.message.setText("Hi");
    ok();
    user.toggle(form.signatureCheck);
    user.click(form.addSignatureButton);
    expectBox("Signature not found.\r\nPlease create one by typing a message and pressing the 'Set Signature' button",
              "No signature file found", MessageButtons::Ok, MessageIcon::Critical);
    EXPECT_EQ("Hi\r\n", form.message.text());
    EXPECT_FALSE(form.signatureCheck.checked());
}

TEST_F(Pingrel, TheEntryAndItsTwoButtonsMakeOneRow) {
    startEmpty();
    for (forms::Button* button : {&form.browseButton, &form.addButton}) {
        EXPECT_EQ(form.recipientEntry.bounds().top, button->bounds().top) << button->name();
        EXPECT_EQ(form.recipientEntry.bounds().height, button->bounds().height) << button->name();
    }
}

// Tab goes through the window as it reads: the recipient group, the store
// group beside it, then the message and the row below it.
TEST_F(Pingrel, TabFollowsReadingOrder) {
    startEmpty();
    form.recipientEntry.setFocus();
    Strings visited;
    for (int i = 0; i < 13; ++i) {
        forms::Control* focused = form.focused();
        ASSERT_NE(nullptr, focused);
        visited.push_back(focused->name());
        user.pressKey(*focused, forms::keys::Tab);
    }
    EXPECT_EQ((Strings{"txtRecipient", "cmdBrowse", "cmdAdd", "lstRecipients", "cmdSaveC", "cmdSaveM", "cmdOpenStore",
                       "cmdClear", "rtfMessage", "chkSig", "cmdSignature", "cmdViewSig", "cmdSend"}),
              visited);
    EXPECT_EQ(&form.recipientEntry, form.focused());  // round again
}

}  // namespace
}  // namespace pingrel::testing
