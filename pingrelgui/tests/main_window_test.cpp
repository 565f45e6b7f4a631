// PingrelGUI's window as a user meets it: the address book, the send, the About box.
#include <functional>

#include "messenger/command_lines.hpp"
#include "pingrelgui_fixture.hpp"
#include "platform/unicode.hpp"

namespace pingrelgui::testing {
namespace {

using forms::MessageButtons;
using forms::MessageIcon;
using forms::MessageResult;

const std::string kNoBrowser = "Um.. you don't appear to have a web-browser installed...";

#define EXPECT_INPUT(index, prompt_, title_, default_)                     \
    do {                                                                   \
        ASSERT_LT(size_t(index), user.inputBoxes().size());                \
        EXPECT_EQ(prompt_, user.inputBoxes()[index].prompt);               \
        EXPECT_EQ(title_, user.inputBoxes()[index].title);                 \
        EXPECT_EQ(default_, user.inputBoxes()[index].defaultText);         \
    } while (0)

TEST_F(PingrelGui, StartsWithTheInstructionsSelectedAndWritesNoFile) {
    start();
    EXPECT_EQ("Pingrel GUI v0.1" + std::string(42, ' ') + "- Drabline -", form.caption());
    const std::string text = form.message.text();
    EXPECT_EQ(0u, text.find("You need to have at least one entry in the address book to the left"));
    EXPECT_NE(std::string::npos, text.find("when prompted.\r\n\r\nThe Messenger service needs to be running for "
                                           "Pingrel GUI to operate.\r\n\r\n         http://"));
    EXPECT_EQ(text, form.message.selectedText());
    EXPECT_EQ(&form.message, form.focused());
    EXPECT_EQ(kFirstStatus, status());
    EXPECT_EQ(forms::PanelStyle::CapsLock, form.statusBar.panels().at(1).style);
    EXPECT_EQ(0, form.addressBook.listCount());
    EXPECT_FALSE(files.exists(kBook));

    user.type(form.message, "Hi");  // the first key replaces the instructions
    EXPECT_EQ("Hi", form.message.text());
}

TEST_F(PingrelGui, LoadsEveryLineOfTheBook) {
    startWith("pc1" + kNot + "first floor\r\nbare line\r\n" + kNot + "desc\r\nx" + kNot + "a" + kNot + "b\r\n\r\n");
    EXPECT_EQ((Strings{"pc1", "bare line", "", "x"}), names());
    EXPECT_EQ("first floor", form.addressBook.cellText(0, 1));
    EXPECT_EQ("a" + kNot + "b", form.addressBook.cellText(3, 1));
    EXPECT_EQ("", form.addressBook.cellToolTip(0, 0));  // only entries added while running carry tips
    EXPECT_EQ(0, form.addressBook.selectedIndex());
    EXPECT_EQ(kFirstStatus, status());
    EXPECT_EQ(0, files.writes(kBook));

    // The next save writes the bare line back with its separator.
    add("new", "n");
    EXPECT_EQ("pc1" + kNot + "first floor\r\nbare line" + kNot + "\r\n" + kNot + "desc\r\nx" + kNot + "a" + kNot +
                  "b\r\nnew" + kNot + "n\r\n",
              book());
}

TEST_F(PingrelGui, AnEmptyBookSaysSo) {
    startWith("");
    EXPECT_EQ("Begin by adding an entry to your address book..", status());
}

TEST_F(PingrelGui, AnUnreadableBookSaysWhyAndIsNotWritten) {
    files.setContents(kBook, "pc1" + kNot + "x\r\n");
    files.failReadsOf(kBook, {32, "The file is in use."});
    start();
    EXPECT_EQ("The address book could not be read: The file is in use.", status());
    EXPECT_EQ(0, form.addressBook.listCount());
    user.clickColumn(form.addressBook, 0);
    user.click(form.removeButton);
    EXPECT_EQ(0, files.writes(kBook));
}

// Read again before the first write: while the file still cannot be read
// nothing is written and the box says why; then the entry joins what it holds.
TEST_F(PingrelGui, ABookUnreadableAtStartIsReadAgainBeforeTheFirstWrite) {
    files.setContents(kBook, "pc1" + kNot + "x\r\n");
    files.failReadsOf(kBook, {32, "The file is in use."});
    start();
    user.answer(MessageResult::Ok);
    add("pc2", "y");
    expectBox("There was an error saving the address book: \r\n    The file is in use.\r\n\r\n" + kBook +
                  "\r\n\r\nThe address book is left as it was; the change was not saved.",
              "PingrelGUI", MessageButtons::Ok, MessageIcon::Exclamation);
    EXPECT_EQ(0, form.addressBook.listCount());
    EXPECT_EQ(0, files.writes(kBook));

    files.clearFailures();
    add("pc2", "y");
    EXPECT_EQ((Strings{"pc1", "pc2"}), names());
    EXPECT_EQ("pc1" + kNot + "x\r\npc2" + kNot + "y\r\n", book());
    EXPECT_EQ(kSaved, status());
}

// A file missing at start (its network folder gone for a moment) that is
// there by the first write keeps its entries too.
TEST_F(PingrelGui, ABookMissingAtStartThatAppearsIsNotOverwritten) {
    start();
    files.setContents(kBook, "pc1" + kNot + "x\r\n");
    add("pc2", "y");
    EXPECT_EQ((Strings{"pc1", "pc2"}), names());
    EXPECT_EQ("pc1" + kNot + "x\r\npc2" + kNot + "y\r\n", book());
}

TEST_F(PingrelGui, AddAsksForANameAndADescription) {
    start();
    add("a" + kNot + "b", "first " + kNot + "floor");
    EXPECT_INPUT(0, "Please enter the name of this user, group or computer.\r\nThis target name must of course "
                    "exist within your LAN.", "Add Entry: Name", "New User 0");
    EXPECT_INPUT(1, "Now enter an optional description for this new entry.", "Add Entry: Name -> Description",
                 "New item");

    EXPECT_EQ((Strings{"ab"}), names());
    EXPECT_EQ("ab", form.addressBook.cellToolTip(0, 0));
    EXPECT_EQ("first floor", form.addressBook.cellToolTip(0, 1));
    EXPECT_EQ(0, form.addressBook.selectedIndex());
    EXPECT_EQ("ab" + kNot + "first floor\r\n", book());
    EXPECT_EQ(kSaved, status());

    add("PC 2", "second");
    EXPECT_EQ("New User 1", user.inputBoxes()[2].defaultText);
    EXPECT_EQ(0, form.addressBook.selectedIndex());  // the selection stays where it was

    // Cancelling either box, or a name of separators only, adds nothing.
    user.cancelInput();
    user.click(form.addButton);
    user.answerInput("name");
    user.cancelInput();
    user.click(form.addButton);
    user.answerInput(kNot);
    user.click(form.addButton);
    EXPECT_EQ((Strings{"ab", "PC 2"}), names());
    EXPECT_EQ(2, files.writes(kBook));
}

TEST_F(PingrelGui, EditRewritesTheFileOnlyForAChange) {
    startWith("pc1" + kNot + "first floor\r\npc2" + kNot + "second\r\n");
    user.clickItem(form.addressBook, 1);
    EXPECT_EQ("Your message will be sent to pc2 ...", status());

    user.answerInput("pc2");
    user.answerInput("second");
    user.click(form.editButton);
    EXPECT_INPUT(0, "Edit the 'pc2' entry's name.", "Edit Entry: Name", "pc2");
    EXPECT_INPUT(1, "Edit the 'pc2' entry's description.", "Edit Entry: Name -> Description", "second");
    EXPECT_EQ(0, files.writes(kBook));

    // A double-click edits too; only the description changes.
    user.answerInput("pc2");
    user.answerInput("upstairs" + kNot);
    user.doubleClick(form.addressBook, 1);
    EXPECT_EQ("pc1" + kNot + "first floor\r\npc2" + kNot + "upstairs\r\n", book());
    EXPECT_EQ("upstairs", form.addressBook.cellToolTip(1, 1));
    EXPECT_EQ(kSaved, status());

    user.answerInput("renamed");
    user.cancelInput();
    user.click(form.editButton);
    EXPECT_EQ("pc2", form.addressBook.itemText(1));
    EXPECT_EQ(1, files.writes(kBook));
}

TEST_F(PingrelGui, RemoveTakesTheSelectedEntryAndSelectsTheNext) {
    startWith("a" + kNot + "1\r\nb" + kNot + "2\r\nc" + kNot + "3\r\n");
    user.clickItem(form.addressBook, 1);
    user.click(form.removeButton);
    EXPECT_EQ((Strings{"a", "c"}), names());
    EXPECT_EQ(1, form.addressBook.selectedIndex());
    EXPECT_EQ("a" + kNot + "1\r\nc" + kNot + "3\r\n", book());
    user.click(form.removeButton);
    user.click(form.removeButton);
    EXPECT_EQ("", book());
    EXPECT_EQ(3, files.writes(kBook));
    user.click(form.removeButton);  // an empty book: nothing
    user.click(form.editButton);
    user.clickColumn(form.addressBook, 1);
    EXPECT_EQ(3, files.writes(kBook));
}

TEST_F(PingrelGui, ColumnClickSortsOnceAndSavesTheOrder) {
    startWith("b" + kNot + "Zulu\r\nC" + kNot + "alpha\r\na" + kNot + "Mike\r\n");
    user.clickItem(form.addressBook, 0);
    user.clickColumn(form.addressBook, 1);
    EXPECT_EQ((Strings{"C", "a", "b"}), names());
    EXPECT_EQ(2, form.addressBook.selectedIndex());  // the selection follows its entry
    EXPECT_EQ("C" + kNot + "alpha\r\na" + kNot + "Mike\r\nb" + kNot + "Zulu\r\n", book());
    user.clickColumn(form.addressBook, 0);
    EXPECT_EQ((Strings{"a", "b", "C"}), names());
    add("A0", "x");  // later additions go to the end
    EXPECT_EQ((Strings{"a", "b", "C", "A0"}), names());
}

// The selection is an entry: a sort moves it with its row, a click beside
// the rows puts back that same entry, and Send, Edit and Remove act on it.
TEST_F(PingrelGui, TheSelectedEntryStaysSelectedThroughASortAndAClickBesideTheRows) {
    startWith("kilo" + kNot + "gamma\r\nzulu" + kNot + "alpha\r\necho" + kNot + "beta\r\n");
    user.clickItem(form.addressBook, 0);
    user.clickColumn(form.addressBook, 1);
    EXPECT_EQ((Strings{"zulu", "echo", "kilo"}), names());
    user.clickBesideRows(form.addressBook);
    EXPECT_EQ(2, form.addressBook.selectedIndex());

    user.click(form.clearButton);
    user.type(form.message, "Hi");
    user.click(form.sendButton);
    EXPECT_EQ(Strings{"net SEND \"kilo\" Hi"}, sentCommands());
    user.answerInput("kilo2");
    user.answerInput("gamma");
    user.click(form.editButton);
    user.clickBesideRows(form.addressBook);
    user.click(form.removeButton);
    EXPECT_EQ((Strings{"zulu", "echo"}), names());
    EXPECT_EQ(3, files.writes(kBook));  // the sort, the edit, the removal
    EXPECT_EQ("zulu" + kNot + "alpha\r\necho" + kNot + "beta\r\n", book());
}

TEST_F(PingrelGui, FailedSaveShowsTheReasonAndKeepsTheList) {
    startWith("a" + kNot + "1\r\n");
    files.failWritesTo(kBook, {5, "Access is denied."});
    user.answer(MessageResult::Ok);
    add("b", "2");
    expectBox("There was an error saving the address book: \r\n    Access is denied.\r\n\r\n" + kBook +
                  "\r\n\r\nThe address book is left as it was; the change was not saved.",
              "PingrelGUI", MessageButtons::Ok, MessageIcon::Exclamation);
    EXPECT_EQ((Strings{"a"}), names());  // the list matches the file again
    EXPECT_EQ("a" + kNot + "1\r\n", book());
    EXPECT_EQ(kFirstStatus, status());
}

// A name the system's code page lacks is saved like any other: the whole
// book is then written as UTF-8 after the byte order mark, and goes back to
// the code page once no entry needs UTF-8.
TEST_F(PingrelGui, ANameTheCodePageLacksIsSavedAsUtf8) {
    files.setHighestCharacter(0xFF);
    startWith("a" + kNot + "1\r\n");
    add("\xE7\x8C\xAB", "cat");
    EXPECT_EQ("\xEF\xBB\xBF" "a" + kNot + "1\r\n\xE7\x8C\xAB" + kNot + "cat\r\n", book());
    EXPECT_EQ(kSaved, status());
    EXPECT_TRUE(user.boxes().empty());
    user.clickItem(form.addressBook, 1);
    user.click(form.removeButton);
    EXPECT_EQ("a" + kNot + "1\r\n", book());
}

// Every change of the book walked through a failure at each step of the
// file's rewrite and a full disk, for a name the code page lacks too: the
// file keeps its bytes, the box says which file and why, the list shows the file.
TEST_F(PingrelGui, EverySaveThatFailsAtAnyStepKeepsTheFileAndTheListAlike) {
    const std::string old = "b" + kNot + "2\r\na" + kNot + "1\r\n";
    startWith(old);
    struct Fault {
        const char* what;
        std::function<void()> inject;
        std::string reason;
    };
    const platform::FileError crc{23, "Data error (cyclic redundancy check)."};
    std::vector<Fault> faults;
    for (platform::FileStep step : {platform::FileStep::Open, platform::FileStep::Write, platform::FileStep::Flush,
                                    platform::FileStep::Replace})
        faults.push_back({platform::fileStepName(step), [=] { files.failAt(kBook, step, crc); }, crc.text});
    faults.push_back({"full disk", [&] { files.setFreeSpace(3); }, "There is not enough space on the disk."});
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"add", [&] { add("c", "3"); }},
        {"add outside the code page", [&] { add("\xE7\x8C\xAB", "cat"); }},
        {"edit", [&] { user.answerInput("b2"); user.answerInput("2"); user.click(form.editButton); }},
        {"remove", [&] { user.click(form.removeButton); }},
        {"sort", [&] { form.addressBook.userColumnClicked(0); }},
    };
    files.setHighestCharacter(0xFF);
    for (const Fault& fault : faults) {
        for (const auto& change : changes) {
            SCOPED_TRACE(std::string(fault.what) + " / " + change.first);
            fault.inject();
            user.answer(MessageResult::Ok);
            change.second();
            expectBox("There was an error saving the address book: \r\n    " + fault.reason + "\r\n\r\n" + kBook +
                          "\r\n\r\nThe address book is left as it was; the change was not saved.",
                      "PingrelGUI", MessageButtons::Ok, MessageIcon::Exclamation);
            EXPECT_EQ(old, book());
            EXPECT_EQ(Strings{kBook}, files.paths());  // no temporary file left
            EXPECT_EQ((Strings{"b", "a"}), names());
            EXPECT_EQ("2", form.addressBook.cellText(0, 1));
            EXPECT_EQ(0, form.addressBook.selectedIndex());
            files.clearFailures();
            files.setFreeSpace(std::nullopt);
        }
    }
    EXPECT_EQ(0, files.writes(kBook));
}

TEST_F(PingrelGui, SendChecksTheBookThenTheMessage) {
    start();
    user.click(form.clearButton);
    user.click(form.sendButton);
    EXPECT_EQ("You need to have at least one entry in your address book!", status());
    add("PC 7", "x");
    user.click(form.sendButton);
    EXPECT_EQ("Enter a message to send first!", status());
    EXPECT_TRUE(sentCommands().empty());
}

// The command goes watched, hidden, and the status bar says "sent" only
// once it is known to be.
TEST_F(PingrelGui, SendQuotesTheNameAndPassesTheMessageAsTyped) {
    startWith("PC 7" + kNot + "x\r\n");
    user.type(form.message, "Lunch at 1");
    user.click(form.sendButton);
    EXPECT_EQ("Sending message to PC 7 ...", status());
    EXPECT_EQ(Strings{"net SEND \"PC 7\" Lunch at 1"}, sentCommands());
    EXPECT_EQ(messenger::WindowStyle::Hidden, runner.starts()[0].style);
    EXPECT_TRUE(runner.starts()[0].watched);
    EXPECT_EQ("Message sent to PC 7.", status());
    EXPECT_TRUE(user.boxes().empty());
}

// net's own words, or the system's for a net that could not start; no box.
TEST_F(PingrelGui, FailedSendSaysWhyInTheStatusBar) {
    startWith("pc1" + kNot + "x\r\n");
    user.type(form.message, "Hi");
    runner.queueWatched(messenger::exited(2, "The message alias could not be found on the network.\n\n"
                                             "More help is available by typing NET HELPMSG 2273."));
    user.click(form.sendButton);
    user.finishBackgroundWork();
    EXPECT_EQ("Message not sent to pc1: The message alias could not be found on the network.", status());

    runner.setFailure(true, 2, "The system cannot find the file specified.");
    user.click(form.sendButton);
    user.finishBackgroundWork();
    EXPECT_EQ("Message not sent to pc1: The system cannot find the file specified.", status());
    EXPECT_TRUE(user.boxes().empty());
}

TEST_F(PingrelGui, SendStartsNothingForABlankName) {
    startWith("  " + kNot + "blank\r\n");
    user.type(form.message, "Hi");
    user.click(form.sendButton);
    EXPECT_TRUE(sentCommands().empty());
    EXPECT_EQ("The selected entry has no name to send to: edit it first.", status());
}

// No user, group or computer name holds a double quote and net send could
// not be given one: Add and Edit ask again with the answer, Send refuses one
// that came from the file.
TEST_F(PingrelGui, NamesWithADoubleQuoteAreRefusedAtAddEditAndSend) {
    startWith("pc\"1" + kNot + "from the file\r\n");
    user.type(form.message, "Hi");
    user.click(form.sendButton);
    EXPECT_TRUE(sentCommands().empty());
    EXPECT_EQ("The name pc\"1 holds a double quote, which net send cannot take: edit it first.", status());

    const std::string refusal = "A name cannot hold a double quote (\"): no user, group or computer name has one."
                                "\r\nPlease enter the name again.";
    user.answerInput("Front \"Desk\"");
    user.answer(MessageResult::Ok);
    user.answerInput("Front Desk");
    user.answerInput("hall");
    user.click(form.addButton);
    expectBox(refusal, "PingrelGUI", MessageButtons::Ok, MessageIcon::Exclamation);
    EXPECT_EQ("Front \"Desk\"", user.inputBoxes()[1].defaultText);  // asked again with the answer
    user.answerInput("pc\"2");
    user.answer(MessageResult::Ok);
    user.cancelInput();
    user.click(form.editButton);  // the first entry is selected
    expectBox(refusal, "PingrelGUI", MessageButtons::Ok, MessageIcon::Exclamation);
    EXPECT_EQ((Strings{"pc\"1", "Front Desk"}), names());
    EXPECT_EQ("pc\"1" + kNot + "from the file\r\nFront Desk" + kNot + "hall\r\n", book());

    form.addressBook.setSelectedIndex(1);
    user.click(form.sendButton);
    EXPECT_EQ(Strings{"net SEND \"Front Desk\" Hi"}, sentCommands());
}

// Shell-like and non-ASCII text goes unchanged; past what a command line
// holds the message is refused with a box and kept.
TEST_F(PingrelGui, LongAndUnusualMessagesGoUnchangedOrAreRefusedWhole) {
    startWith("pc1" + kNot + "x\r\n");
    const std::string unusual = "& | < > ^ % \" ' ` $( ) %PATH% caf\xC3\xA9 \xE7\x8C\xAB \xF0\x9F\x98\x80 ";
    // net SEND "pc1" is 15 characters.
    const std::string fits = unusual + std::string(messenger::kMaxCommandLine - 15 - platform::utf16Length(unusual), 'x');
    form.message.setText(fits);
    user.click(form.sendButton);
    EXPECT_EQ(Strings{"net SEND \"pc1\" " + fits}, sentCommands());

    form.message.setText(fits + "y");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("The message is too long to send: a command line holds at most 32766 characters.\r\n\r\n"
              "Please shorten it by 1 character.",
              "PingrelGUI", MessageButtons::Ok, MessageIcon::Exclamation);
    EXPECT_EQ(1u, sentCommands().size());
    EXPECT_EQ(fits + "y", form.message.text());
}

TEST_F(PingrelGui, EnterInTheMessageSendsItWithTheLineBreak) {
    startWith("pc1" + kNot + "x\r\n");
    user.type(form.message, "Hi");
    user.pressKey(form.message, forms::keys::Return);
    EXPECT_EQ(Strings{"net SEND \"pc1\" Hi\r\n"}, sentCommands());
    EXPECT_EQ(&form.sendButton, form.focused());
}

TEST_F(PingrelGui, ClearDoubleClickAndTheStatusBox) {
    start();
    user.doubleClick(form.message);
    EXPECT_EQ("", form.message.text());
    user.type(form.message, "Hi");
    user.click(form.clearButton);
    EXPECT_EQ("", form.message.text());
    EXPECT_EQ(&form.message, form.focused());

    user.answer(MessageResult::Ok);
    user.doubleClick(form.statusBar);
    expectBox(kFirstStatus, "Status bar..", MessageButtons::Ok, MessageIcon::Information);
}

TEST_F(PingrelGui, AboutOffersTheHomePage) {
    start();
    user.answer(MessageResult::No);
    user.click(form.aboutButton);
    expectBox(std::string(6, ' ') + "PingrelGUI by the LAN Messengers team\r\n  " + kHomePage +
                  "\r\n\r\n       Wanna go there, hmm?",
              "PingrelGUI", MessageButtons::YesNo, MessageIcon::Information);
    EXPECT_TRUE(launches().empty());
    EXPECT_EQ(kFirstStatus, status());

    user.answer(MessageResult::Yes);
    user.click(form.aboutButton);
    user.clearBoxes();
    ASSERT_EQ(1u, launches().size());
    EXPECT_EQ(kHomePage, launches()[0].file);
    EXPECT_EQ("", launches()[0].parameters);
    EXPECT_TRUE(launches()[0].shellReportsFailure);

    runner.setFailure(true, 1155, "No application is associated with the specified file for this operation.");
    user.answer(MessageResult::Yes);
    user.answer(MessageResult::Ok);
    user.click(form.aboutButton);
    ASSERT_EQ(2u, user.boxes().size());
    EXPECT_EQ(kNoBrowser, user.boxes()[1].text);
    EXPECT_EQ(kFirstStatus, status());
}

TEST_F(PingrelGui, ActionsWithoutASelectionActOnNothing) {
    startWith("a" + kNot + "1\r\n");
    // The user clearing the selection gets it back at once.
    form.addressBook.userSelected(-1);
    EXPECT_EQ(0, form.addressBook.selectedIndex());

    form.addressBook.onSelect = nullptr;  // should it get lost all the same
    form.addressBook.setSelectedIndex(-1);
    user.type(form.message, "Hi");
    user.click(form.sendButton);
    user.click(form.editButton);
    user.click(form.removeButton);
    EXPECT_EQ("No entry of the address book is selected.", status());
    EXPECT_TRUE(sentCommands().empty());
    EXPECT_EQ((Strings{"a"}), names());
    EXPECT_EQ(0, files.writes(kBook));
}

}  // namespace
}  // namespace pingrelgui::testing
