// Velnote's main window as a user meets it: start-up, picks, keys, checks and sends.
#include <gtest/gtest.h>

#include "messenger/command_lines.hpp"
#include "velnote_fixture.hpp"

namespace velnote {
namespace {

using forms::MessageButtons;
using forms::MessageIcon;
using forms::MessageResult;
using Strings = std::vector<std::string>;
namespace keys = forms::keys;

const Strings kSamples{"Please come here", "Meeting is at ", "What are you doing ??",
                       "I am leaving...Bye", "When r u leaving ??", "please mail me the ...!"};

struct MainWindow : VelnoteFixture {
    velnote::MainWindow& form = main;

    void start() { program.start(); }
    // The commands the sends started (once their work has run).
    Strings startedCommands() {
        user.finishBackgroundWork();
        Strings commands;
        for (const auto& start : runner.starts()) commands.push_back(start.commandLine);
        return commands;
    }
    // The main window's boxes all have an OK button only.
    void expectBox(const std::string& text, const std::string& title, MessageIcon icon) {
        VelnoteFixture::expectBox(text, title, MessageButtons::Ok, icon);
    }
};

TEST_F(MainWindow, FirstRunShowsSamplesAndMarkersOnly) {
    start();
    Strings messages = kSamples;
    messages.insert(messages.end(), {"-Please select-", "- Select Message -"});
    EXPECT_EQ(messages, form.savedMessages.items());
    EXPECT_EQ("- Select Message -", form.savedMessages.text());
    EXPECT_EQ(Strings{"- Select Machine Name -"}, form.savedMachines.items());
    EXPECT_EQ("- Select Machine Name -", form.savedMachines.text());
    EXPECT_TRUE(form.savedMachines.visible());
    EXPECT_TRUE(form.orLabel.visible());
    EXPECT_EQ("", form.messageText.text());
    EXPECT_EQ("", form.machineName.text());
    EXPECT_EQ("0", form.keyCount.text());
    EXPECT_EQ(&form.sendButton, form.focused());
    EXPECT_EQ("Velnote ", form.caption());
    EXPECT_EQ("Ready", form.statusBar.text());
    EXPECT_EQ(16761024u, form.backColor());
    EXPECT_EQ(16744576u, form.sendButton.backColor());
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(form.trayMenu.visible());  // kept only for use as a pop-up menu
}

TEST_F(MainWindow, StartUpFillsListsInStoreOrderAndAppliesTheStoredColour) {
    save("Machine Names", "Machine2", "PC2");
    save("Machine Names", "machines", "2");
    save("Machine Names", "Machine1", "PC1");
    save("Machine Names", "Machine3", "");
    save("Messages", "message1", "Lunch now");
    save("BackColor", "Background", "1971210");
    start();
    EXPECT_EQ((Strings{"PC2", "PC1", "- Select Machine Name -"}), form.savedMachines.items());
    EXPECT_EQ("Lunch now", form.savedMessages.item(form.savedMessages.listCount() - 2));
    EXPECT_EQ("- Select Message -", form.savedMessages.text());
    for (forms::Control* control : {static_cast<forms::Control*>(&form.orLabel), static_cast<forms::Control*>(&form.machineLabel),
                                    static_cast<forms::Control*>(&form.messageLabel), static_cast<forms::Control*>(&form.savedMessagesLabel),
                                    static_cast<forms::Control*>(&form.sendButton)})
        EXPECT_EQ(1971210u, control->backColor()) << control->name();
    EXPECT_EQ(1971210u, form.backColor());
}

TEST_F(MainWindow, StoredColourThatIsNoWholeNumberInRangeIsIgnored) {
    for (const char* bad : {"", "blue", "-1", "16777216", "12.5", "0x10", "99999999999999999999"}) {
        forms::App app2{"Velnote"};
        messenger::Sender sender2{app2, runner, messenger::DeliveryRoute{true, "HERE", {}}};
        Context context2{app2, store, sender2};
        Program program2{context2};
        save("BackColor", "Background", bad);
        program2.start();
        EXPECT_EQ(16761024u, program2.mainWindow.backColor()) << '"' << bad << '"';
        EXPECT_EQ(16744576u, program2.mainWindow.sendButton.backColor()) << '"' << bad << '"';
    }
}

TEST_F(MainWindow, TypedNameAndMessageAreSentAsOneCommandAndTheWindowGoesDown) {
    start();
    user.type(form.machineName, "PC7");
    user.type(form.messageText, "Hi");
    EXPECT_EQ("2", form.keyCount.text());
    user.click(form.sendButton);
    EXPECT_EQ(Strings{"net send PC7 Hi"}, startedCommands());
    EXPECT_EQ(messenger::WindowStyle::MinimizedWithFocus, runner.starts()[0].style);
    EXPECT_TRUE(user.boxes().empty());
    EXPECT_EQ("", form.messageText.text());
    EXPECT_EQ("0", form.keyCount.text());
    EXPECT_EQ("PC7", form.machineName.text());  // the next message goes to the same machine
    EXPECT_EQ(forms::WindowState::Minimized, form.windowState());
}

TEST_F(MainWindow, PickedMachineAndMultiLineMessageAreSentUnchanged) {
    save("Machine Names", "Machine1", "PC9");
    start();
    user.type(form.machineName, "X");
    user.pick(form.savedMachines, "PC9");
    EXPECT_EQ("", form.machineName.text());
    user.type(form.messageText, "a \"quoted\" & 50%\nsecond line ");
    user.click(form.sendButton);
    EXPECT_EQ(Strings{"net send PC9 a \"quoted\" & 50%\r\nsecond line "}, startedCommands());
}

TEST_F(MainWindow, ChecksComeInOrderAndStopTheSend) {
    start();
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("Please enter machine name", "Velnote - Machine Name Error ", MessageIcon::Critical);
    EXPECT_EQ(&form.machineName, form.focused());

    user.type(form.machineName, "PC7");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("Please enter some message", "Velnote-Message Error ", MessageIcon::Critical);
    EXPECT_EQ(&form.messageText, form.focused());
    EXPECT_TRUE(startedCommands().empty());

    user.type(form.messageText, "   ");  // blanks are a message
    user.click(form.sendButton);
    EXPECT_EQ(Strings{"net send PC7    "}, startedCommands());
}

// net send takes the first word after "send" as the recipient: a blank name
// would hand the message's first word that role, a quote cannot be passed.
TEST_F(MainWindow, MachineNamesThatWouldMisrouteAreRefusedAndOthersGoAsOneWord) {
    save("Machine Names", "Machine1", "  ");
    save("Machine Names", "Machine2", "Front Desk");
    start();
    form.messageText.setText("Lunch now");
    for (const char* blank : {"  ", "\t"}) {
        form.machineName.setText(blank);
        user.answer(MessageResult::Ok);
        user.click(form.sendButton);
        expectBox("Please enter machine name", "Velnote - Machine Name Error ", MessageIcon::Critical);
    }
    form.machineName.setText("");
    user.pick(form.savedMachines, "  ");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("Please enter machine name", "Velnote - Machine Name Error ", MessageIcon::Critical);

    form.machineName.setText("PC\"7");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("Please enter machine name without \" (double quote)", "Velnote - Machine Name Error ",
              MessageIcon::Critical);
    EXPECT_TRUE(startedCommands().empty());
    EXPECT_EQ("Lunch now", form.messageText.text());  // nothing is lost

    form.machineName.setText("");
    user.pick(form.savedMachines, "Front Desk");
    user.click(form.sendButton);
    EXPECT_EQ(Strings{"net send \"Front Desk\" Lunch now"}, startedCommands());
}

// Long, shell-like and non-ASCII messages go unchanged; past the system's
// limit for a command line the message is refused, kept, never cut.
TEST_F(MainWindow, LongAndUnusualMessagesGoUnchangedOrAreRefusedWhole) {
    start();
    user.type(form.machineName, "PC7");
    const std::string unusual = "& | < > ^ % \" ' ` $( ) %PATH% caf\xC3\xA9 \xE7\x8C\xAB \xF0\x9F\x98\x80 ";
    const std::string longMessage = unusual + std::string(32000 - unusual.size(), 'x');
    form.messageText.setText(longMessage);
    user.click(form.sendButton);
    EXPECT_EQ(Strings{"net send PC7 " + longMessage}, startedCommands());

    const std::string tooLong(messenger::kMaxCommandLine - 12, 'y');  // "net send PC7 " is 13
    form.messageText.setText(tooLong);
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("The message is too long to send: a command line holds at most 32766 characters.\r\n\r\n"
              "Please shorten it by 1 character.",
              "Velnote-Message Error ", MessageIcon::Critical);
    EXPECT_EQ(1u, startedCommands().size());
    EXPECT_EQ(tooLong, form.messageText.text());
}

TEST_F(MainWindow, PickedAndTypedMachineTogetherAreRefused) {
    save("Machine Names", "Machine1", "PC9");
    start();
    user.pick(form.savedMachines, "PC9");
    form.machineName.setText("PC7");  // both sources at once
    form.messageText.setText("Hi");
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("Please select only one machine name", "Velnote", MessageIcon::Information);
    EXPECT_EQ("", form.machineName.text());
    EXPECT_EQ("- Select Machine Name -", form.savedMachines.text());
    EXPECT_TRUE(startedCommands().empty());
}

TEST_F(MainWindow, TypingOrFocusingTheNameBoxPutsTheMachineListBackOnItsMarker) {
    save("Machine Names", "Machine1", "PC9");
    start();
    user.pick(form.savedMachines, "PC9");
    user.focus(form.machineName);
    EXPECT_EQ("- Select Machine Name -", form.savedMachines.text());
    user.pick(form.savedMachines, "PC9");
    form.machineName.setFocus();
    user.type(form.machineName, "Z");
    EXPECT_EQ("- Select Machine Name -", form.savedMachines.text());
    EXPECT_EQ("Z", form.machineName.text());
    // A name a screen reader or automation tool puts there is the user's too.
    user.pick(form.savedMachines, "PC9");
    user.setTextFromOutside(form.machineName, "PC4");
    EXPECT_EQ("- Select Machine Name -", form.savedMachines.text());
}

TEST_F(MainWindow, MessagePicksFillTheMessageAndClearTheTypedName) {
    start();
    user.type(form.machineName, "PC7");
    user.pick(form.savedMessages, "Meeting is at ");
    EXPECT_EQ("Meeting is at ", form.messageText.text());
    EXPECT_EQ("14", form.keyCount.text());
    EXPECT_EQ("", form.machineName.text());
    EXPECT_EQ(&form.sendButton, form.focused());

    user.type(form.machineName, "PC7");
    user.pick(form.savedMessages, "- Select Message -");
    EXPECT_EQ("", form.messageText.text());
    EXPECT_EQ("0", form.keyCount.text());
    EXPECT_EQ("PC7", form.machineName.text());  // only this marker keeps the typed name

    user.pick(form.savedMessages, "-Please select-");
    EXPECT_EQ("", form.machineName.text());
    user.answer(MessageResult::Ok);
    user.click(form.sendButton);
    expectBox("Please enter machine name", "Velnote - Machine Name Error ", MessageIcon::Critical);
}

TEST_F(MainWindow, CountFollowsTheKeyRules) {
    start();
    auto count = [&] { return form.keyCount.text(); };
    user.pressKey(form.messageText, keys::Back);
    EXPECT_EQ("0", count());
    user.type(form.messageText, "abc");
    EXPECT_EQ("3", count());
    for (int key : {keys::Left, keys::Up, keys::Right, keys::Down, keys::Shift, keys::Control, keys::PageUp,
                    keys::PageDown, keys::End, keys::Home, keys::Insert, keys::F1, keys::Delete})
        user.pressKey(form.messageText, key);
    EXPECT_EQ("3", count());
    user.pressKey(form.messageText, keys::Back);
    EXPECT_EQ("2", count());
    user.pressKey(form.messageText, keys::Return);
    EXPECT_EQ("3", count());
    EXPECT_EQ("ab\r\n", form.messageText.text());
    user.pressKey(form.messageText, keys::Escape);
    EXPECT_EQ("", form.messageText.text());
    EXPECT_EQ("0", count());
    user.type(form.messageText, "x");
    form.messageText.setText("");
    user.pressKey(form.messageText, keys::Delete);  // Delete in an empty box resets the count
    EXPECT_EQ("0", count());
}

TEST_F(MainWindow, CountStopsAtItsLargestValue) {
    save("Messages", "message1", std::string(40000, 'x'));
    start();
    user.pick(form.savedMessages, std::string(40000, 'x'));
    EXPECT_EQ("32767", form.keyCount.text());
    user.type(form.messageText, "y");
    EXPECT_EQ("32767", form.keyCount.text());
    EXPECT_EQ(32767, form.messageCount());
}

TEST_F(MainWindow, EnterInTheNameBoxOrMessageListGoesToTheSendButton) {
    start();
    user.pressKey(form.machineName, keys::Return);
    EXPECT_EQ(&form.sendButton, form.focused());
    user.pressKey(form.savedMessages, keys::Return);
    EXPECT_EQ(&form.sendButton, form.focused());
    EXPECT_TRUE(startedCommands().empty());
}

TEST_F(MainWindow, ExitSaysFarewellAndEndsTheProgram) {
    start();
    user.answer(MessageResult::Ok);
    user.clickMenu(form.exitMenu);
    expectBox("Thank you for using Velnote !!!\r\nHave a nice day !!", "Velnote - Exit", MessageIcon::Information);
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(app.ended());
}

// The farewell must come while the program still runs: a box shown after
// the end of the event loop closes before the user sees it.
TEST_F(MainWindow, CloseBoxSaysFarewellOnceBeforeTheProgramEnds) {
    start();
    app.startTrace();
    user.answer(MessageResult::Ok);
    user.closeBox(form);
    const auto& trace = app.trace();
    auto boxAt = std::find(trace.begin(), trace.end(), "MsgBox(Velnote - Exit)");
    auto endAt = std::find(trace.begin(), trace.end(), "App.end");
    ASSERT_NE(trace.end(), boxAt);
    ASSERT_NE(trace.end(), endAt);
    EXPECT_LT(boxAt, endAt) << ::testing::PrintToString(trace);
    EXPECT_NE(trace.end(), std::find(trace.begin(), trace.end(), "Form1.Unload"));
    expectBox("Thank you for using Velnote !!!\r\nHave a nice day !!", "Velnote - Exit", MessageIcon::Information);
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(app.ended());
}

}  // namespace
}  // namespace velnote
