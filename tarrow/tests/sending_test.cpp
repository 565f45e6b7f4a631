// The three ways of sending, as the user meets them through "Send Message".
#include "messenger/command_lines.hpp"
#include "tarrow_fixture.hpp"

namespace tarrow::testing {
namespace {

using forms::MessageButtons;
using forms::MessageIcon;
using forms::MessageResult;

const std::string kDomainWarningEnd = " domain and should be used by administrators only.  Are you sure?";
const std::string kUsersWarning =
    "Warning! This message will be sent to all connected users and should be used by administrators only.  "
    "Are you sure?";

struct Sending : Tarrow {
    using Tarrow::Tarrow;
    void SetUp() override { start(); erase(form.message); }
    void expectConfirmation(const std::string& text) {
        expectBox(text, "Comfirm Message send", MessageButtons::OkCancel, MessageIcon::Exclamation);
    }
};

TEST_F(Sending, ToARecipientStartsTheCommandRecordsHistoryAndSaysWhen) {
    user.type(form.recipient, "PC7");
    user.type(form.message, "Hi");
    user.click(form.sendButton);
    EXPECT_EQ("", form.statusText.caption());  // nothing said sent before the outcome is in
    EXPECT_EQ(Strings{"net.exe send PC7 Hi"}, startedCommands());
    EXPECT_EQ(messenger::WindowStyle::MinimizedWithFocus, runner.starts()[0].style);
    EXPECT_TRUE(runner.starts()[0].watched);
    EXPECT_TRUE(user.boxes().empty());
    EXPECT_EQ("Message sent to PC7 at:08/12/2026, 17:39:09", form.statusText.caption());
    EXPECT_EQ("Hi", stored("History", "LastMessage"));
    EXPECT_EQ("PC7", stored("History", "LastRecipient"));

    // A later send says its own time; the message goes as typed, line breaks and all.
    clock.set({2026, 12, 9, 8, 5, 0});
    user.pressKey(form.message, forms::keys::Return, forms::shift::Ctrl);
    user.type(form.message, "second line");
    form.recipient.setText(" PC7 ");  // blanks around the name stay
    user.click(form.sendButton);
    EXPECT_EQ("net.exe send  PC7  Hi\r\nsecond line", startedCommands().back());
    EXPECT_EQ("Message sent to  PC7  at:09/12/2026, 08:05:00", form.statusText.caption());
}

// net send takes the first word after "send" as the recipient: blanks only
// would make the message's first word the recipient, a quote cannot be passed,
// and a name with a blank inside goes quoted. The same holds for a domain.
TEST_F(Sending, RecipientsAndDomainsThatWouldMisrouteAreRefused) {
    user.type(form.message, "Hi there");
    for (const char* blanks : {"   ", "\t"}) {
        form.recipient.setText(blanks);
        user.answer(MessageResult::Ok);
        user.click(form.sendButton);
        expectBox("Please Enter to whom the message is to be sent", "Error on form", MessageButtons::Ok,
                  MessageIcon::Exclamation);
    }
    form.recipient.setText("PC\"7");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("The recipient may not contain a double quote (\")", "Error on form", MessageButtons::Ok,
              MessageIcon::Exclamation);
    EXPECT_TRUE(runner.starts().empty());
    EXPECT_FALSE(has("History", "LastRecipient"));

    form.recipient.setText("Front Desk");
    user.click(form.sendButton);
    EXPECT_EQ(Strings{"net.exe send \"Front Desk\" Hi there"}, startedCommands());

    user.toggle(form.domainCheck);
    form.domain.setText("SALES\"");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);  // refused before the confirmation
    expectBox("The domain may not contain a double quote (\")", "Error on form", MessageButtons::Ok,
              MessageIcon::Exclamation);
    form.domain.setText("  EAST WING ");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectConfirmation("Warning! This message will be sent to the entire EAST WING" + kDomainWarningEnd);
    EXPECT_EQ("net.exe send/DOMAIN:\"EAST WING\" Hi there", startedCommands().back());
    form.domain.setText("   ");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectConfirmation("Warning! This message will be sent to the entire " + kDomainWarningEnd);
    EXPECT_EQ("net.exe send/DOMAIN Hi there", startedCommands().back());
    EXPECT_EQ("Message sent to this domain at: 17:39:09", form.statusText.caption());
}

// Long, shell-like and non-ASCII messages go unchanged in every form; past the
// command-line limit each form refuses the message before asking or storing.
TEST_F(Sending, LongAndUnusualMessagesGoUnchangedOrAreRefusedWhole) {
    const std::string unusual = "& | < > ^ % \" ' ` $( ) %PATH% caf\xC3\xA9 \xE7\x8C\xAB \xF0\x9F\x98\x80 ";
    const std::string longMessage = unusual + std::string(32000 - unusual.size(), 'x');
    form.recipient.setText("PC7");
    form.message.setText(longMessage);
    user.click(form.sendButton);
    EXPECT_EQ(Strings{"net.exe send PC7 " + longMessage}, startedCommands());
    EXPECT_EQ(longMessage, stored("History", "LastMessage"));

    const std::string tooLong(messenger::kMaxCommandLine - 16, 'y');  // "net.exe send PC7 " is 17
    form.message.setText(tooLong);
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("The message is too long: a command line holds at most 32766 characters. "
              "Please shorten it by 1 character.",
              "Error on form", MessageButtons::Ok, MessageIcon::Exclamation);
    EXPECT_EQ(longMessage, stored("History", "LastMessage"));
    EXPECT_EQ(tooLong, form.message.text());

    user.toggle(form.allUsersCheck);
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);  // no confirmation first
    EXPECT_EQ("Error on form", user.boxes().at(0).title);
    user.clearBoxes();
    EXPECT_EQ(1u, runner.starts().size());
}

TEST_F(Sending, ToARecipientChecksRecipientThenMessage) {
    user.type(form.recipient, "PC7");
    user.type(form.message, "Hi");
    user.click(form.sendButton);
    const std::string status = form.statusText.caption();
    runner.clear();
    store.removeValue("Quillon", "History", "LastMessage");

    form.recipient.setText("");
    erase(form.message);
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);  // both empty: only the recipient is reported
    expectBox("Please Enter to whom the message is to be sent", "Error on form", MessageButtons::Ok,
              MessageIcon::Exclamation);
    user.type(form.recipient, "PC7");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("The message is blank", "Error on form", MessageButtons::Ok, MessageIcon::Exclamation);
    EXPECT_TRUE(runner.starts().empty());
    EXPECT_FALSE(has("History", "LastMessage"));
    EXPECT_EQ(status, form.statusText.caption());
}

// Each way names its recipient as its success text does; the history of a
// recipient send stays written.
TEST_F(Sending, WhatWasNotDeliveredIsSaidOnTheStatusLine) {
    runner.queueWatched(messenger::exited(2, "The message alias could not be found on the network.\n\n"
                                             "More help is available by typing NET HELPMSG 2273."));
    form.recipient.setText(" PC7 ");
    user.type(form.message, "Hi");
    user.click(form.sendButton);
    user.finishBackgroundWork();
    EXPECT_EQ("not delivered to  PC7 : The message alias could not be found on the network.",
              form.statusText.caption());
    EXPECT_EQ(" PC7 ", stored("History", "LastRecipient"));
    EXPECT_TRUE(user.boxes().empty());

    runner.setFailure(true, 2, "The system cannot find the file specified.");
    user.toggle(form.domainCheck);
    for (auto [typed, shown] : {std::pair{"SALES", "SALES"}, std::pair{"", "this domain"}}) {
        form.domain.setText(typed);
        user.answer(MessageResult::Ok);
        user.click(form.sendButton);
        user.clearBoxes();
        user.finishBackgroundWork();
        EXPECT_EQ(std::string("not delivered to ") + shown + ": The system cannot find the file specified.",
                  form.statusText.caption());
    }
    runner.setFailure(false);
    runner.queueWatched(messenger::stillRunning());
    user.toggle(form.allUsersCheck);
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    user.clearBoxes();
    user.finishBackgroundWork();
    EXPECT_EQ("not delivered to all users connected to this server: no answer from net within 60 s",
              form.statusText.caption());
}

// A failure that comes back while an editor stands in for the main window
// is shown when the window comes back.
TEST_F(Sending, AFailureThatComesWhileTheWindowIsUnloadedIsShownOnItsReturn) {
    runner.queueWatched(messenger::exited(2, "The message alias could not be found on the network."));
    user.type(form.recipient, "PC7");
    user.type(form.message, "Hi");
    user.click(form.sendButton);
    user.click(form.editRecipientsButton);
    user.finishBackgroundWork();
    user.click(program.addressEditor.cancelButton);
    EXPECT_EQ("not delivered to PC7: The message alias could not be found on the network.",
              form.statusText.caption());
}

TEST_F(Sending, HistoryThatCannotBeWrittenStopsTheSend) {
    save("History", "LastMessage", "old message");
    save("History", "LastRecipient", "PC1");
    store.failWritesTo("Quillon", "History", "LastRecipient");
    user.type(form.recipient, "PC7");
    user.type(form.message, "Hi");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("Error 5, Access is denied.\r\nHKEY_CURRENT_USER\\Software\\Quillon\\History\\LastRecipient",
              "Tarrow");
    // Message and recipient stay a pair: "Last Message" brings back the old one whole.
    EXPECT_EQ("old message", stored("History", "LastMessage"));
    EXPECT_EQ("PC1", stored("History", "LastRecipient"));
    EXPECT_TRUE(runner.starts().empty());
    EXPECT_EQ("", form.statusText.caption());
}

TEST_F(Sending, ToADomainAsksFirstAndWritesNoHistory) {
    user.toggle(form.domainCheck);
    user.type(form.domain, "SALES");
    user.type(form.message, "Hi");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectConfirmation("Warning! This message will be sent to the entire SALES" + kDomainWarningEnd);
    EXPECT_EQ(Strings{"net.exe send/DOMAIN:SALES Hi"}, startedCommands());
    EXPECT_EQ(messenger::WindowStyle::MinimizedWithFocus, runner.starts()[0].style);
    EXPECT_EQ("Message sent to SALES at: 17:39:09", form.statusText.caption());
    EXPECT_FALSE(has("History", "LastMessage"));

    user.answer(MessageResult::Cancel);
    user.click(form.sendButton);
    expectConfirmation("Warning! This message will be sent to the entire SALES" + kDomainWarningEnd);
    EXPECT_EQ("Domain Message Cancelled", form.statusText.caption());
    EXPECT_EQ(1u, runner.starts().size());
}

TEST_F(Sending, ToNoNamedDomainMeansThisDomainEvenWithAnEmptyMessage) {
    user.toggle(form.domainCheck);
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectConfirmation("Warning! This message will be sent to the entire " + kDomainWarningEnd);
    EXPECT_EQ(Strings{"net.exe send/DOMAIN "}, startedCommands());
    EXPECT_EQ("Message sent to this domain at: 17:39:09", form.statusText.caption());
}

TEST_F(Sending, ToAllUsersAsksFirst) {
    user.toggle(form.allUsersCheck);
    user.type(form.message, "Hi");
    user.answer(MessageResult::Cancel);
    user.click(form.sendButton);
    expectConfirmation(kUsersWarning);
    EXPECT_EQ("Users Message Cancelled", form.statusText.caption());
    EXPECT_TRUE(runner.starts().empty());

    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectConfirmation(kUsersWarning);
    EXPECT_EQ(Strings{"net.exe send/USERS Hi"}, startedCommands());
    EXPECT_EQ("Message sent to all users connected to this server", form.statusText.caption());
    erase(form.message);
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    user.clearBoxes();
    EXPECT_EQ("net.exe send/USERS ", startedCommands().back());
}

TEST_F(Sending, WithBothSwitchesTickedTheDomainWins) {
    // The window never lets both stay ticked; with their handlers out of the way they can be.
    form.domainCheck.onClick = nullptr;
    form.allUsersCheck.onClick = nullptr;
    form.domainCheck.setChecked(true);
    form.allUsersCheck.setChecked(true);
    form.domain.setText("HQ");
    form.message.setText("Hi");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectConfirmation("Warning! This message will be sent to the entire HQ" + kDomainWarningEnd);
    EXPECT_EQ(Strings{"net.exe send/DOMAIN:HQ Hi"}, startedCommands());
}

// Without the Messenger service a recipient's message is delivered here, to
// the name net send would have taken; a domain or all users cannot be reached.
struct WithoutMessengerService : Sending {
    WithoutMessengerService() : Sending(false) {}
};

TEST_F(WithoutMessengerService, ARecipientIsReachedDirectlyAndBroadcastsAreRefused) {
    form.recipient.setText(" PC7 ");
    user.type(form.message, "Hi");
    user.click(form.sendButton);
    EXPECT_TRUE(startedCommands().empty());
    EXPECT_EQ(Strings{"PC7|Hi"}, transport->delivered);
    EXPECT_EQ("Message sent to  PC7  at:08/12/2026, 17:39:09", form.statusText.caption());

    for (forms::CheckBox* broadcast : {&form.domainCheck, &form.allUsersCheck}) {
        user.toggle(*broadcast);
        user.answer(MessageResult::Ok);
        user.click(form.sendButton);  // no confirmation first
        expectBox("Sending to a domain or to all users needs the Messenger service, which this system does not have.",
                  "Error on form", MessageButtons::Ok, MessageIcon::Exclamation);
    }
    EXPECT_TRUE(startedCommands().empty());
    EXPECT_EQ(1u, transport->delivered.size());
    EXPECT_EQ("Message sent to  PC7  at:08/12/2026, 17:39:09", form.statusText.caption());
}

}  // namespace
}  // namespace tarrow::testing
