// Velnote in the notification area: hide on minimise, the icon's clicks and
// menu, the balloon that tells a failed send, and how the program ends.
#include "velnote_fixture.hpp"

namespace velnote {
namespace {

using forms::MessageButtons;
using forms::MessageIcon;
using forms::MessageResult;
using forms::WindowState;
namespace mouse = forms::mouse;

const char* const kFarewell = "Thank you for using Velnote !!!\r\nHave a nice day !!";

struct Tray : VelnoteFixture {
    void sendHiToPC7() {
        user.type(main.machineName, "PC7");
        user.type(main.messageText, "Hi");
        user.click(main.sendButton);
    }
    // From the window brought back after a send: the name stays.
    void sendAgain() {
        user.trayNotify(main.trayIcon, mouse::LeftButtonUp);
        user.type(main.messageText, "Hi");
        user.click(main.sendButton);
    }
};

TEST_F(Tray, StartUpAddsTheIconWithItsTip) {
    program.start();
    EXPECT_TRUE(main.trayIcon.active());
    EXPECT_TRUE(main.trayIcon.shown());
    EXPECT_EQ("Velnote 1.1.5", main.trayIcon.tip());
}

TEST_F(Tray, AfterASendOnlyTheIconRemainsAndALeftClickBringsTheWindowBack) {
    save("Machine Names", "Machine1", "PC1");
    program.start();
    user.pick(main.savedMachines, "PC1");
    user.type(main.messageText, "Hi");
    user.click(main.sendButton);
    user.finishBackgroundWork();
    ASSERT_EQ(1u, runner.starts().size());
    EXPECT_FALSE(main.visible());
    EXPECT_TRUE(main.loaded());
    EXPECT_TRUE(main.trayIcon.active());

    user.trayNotify(main.trayIcon, mouse::LeftButtonUp);
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(WindowState::Normal, main.windowState());
    EXPECT_EQ("PC1", main.savedMachines.text());
    EXPECT_EQ("", main.messageText.text());
}

TEST_F(Tray, DoubleClickRestoresAndOtherMouseMessagesDoNothing) {
    program.start();
    user.minimize(main);
    ASSERT_FALSE(main.visible());  // the minimise button hides it as a send does
    for (int other : {512, 513, 516, 518, 519, 520}) {
        user.trayNotify(main.trayIcon, other);
        EXPECT_FALSE(main.visible()) << other;
    }
    user.trayNotify(main.trayIcon, mouse::LeftDoubleClick);
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(WindowState::Normal, main.windowState());
}

TEST_F(Tray, RefusedIconLeavesTheMinimisedWindowOnTheTaskbar) {
    user.refuseTrayIcons(true);
    program.start();
    EXPECT_FALSE(main.trayIcon.shown());
    sendHiToPC7();
    EXPECT_EQ(WindowState::Minimized, main.windowState());
    EXPECT_TRUE(main.visible());
    user.restore(main);
    user.minimize(main);
    EXPECT_TRUE(main.visible());
}

TEST_F(Tray, MenuHasItsThreeItemsAndSendMessageBringsTheWindowBack) {
    program.start();
    ASSERT_EQ(3u, main.trayMenu.children().size());
    EXPECT_EQ("&Send Message", main.trayMenu.children()[0]->caption());
    EXPECT_EQ("&About Velnote 1.1.5", main.trayMenu.children()[1]->caption());
    EXPECT_EQ("&Exit Velnote 1.1.5", main.trayMenu.children()[2]->caption());

    sendHiToPC7();
    ASSERT_FALSE(main.visible());
    user.clickMenu(main.traySendItem);
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(WindowState::Normal, main.windowState());
    EXPECT_EQ("PC7", main.machineName.text());
}

TEST_F(Tray, AboutFromTheMenuOpensWhileTheMainWindowStaysHidden) {
    program.start();
    sendHiToPC7();
    user.clickMenu(main.trayAboutItem);
    EXPECT_TRUE(program.aboutWindow.visible());
    EXPECT_FALSE(main.visible());
}

TEST_F(Tray, ExitFromTheMenuSaysFarewellAndTheIconGoes) {
    program.start();
    sendHiToPC7();
    user.answer(MessageResult::Ok);
    user.clickMenu(main.trayExitItem);
    expectBox(kFarewell, "Velnote - Exit", MessageButtons::Ok, MessageIcon::Information);
    EXPECT_FALSE(main.loaded());
    EXPECT_FALSE(main.trayIcon.active());
    EXPECT_TRUE(app.ended());
}

TEST_F(Tray, CloseBoxEndsWithOneFarewellAndClosesEveryOtherWindow) {
    program.start();
    user.clickMenu(main.messagesItem);
    user.click(program.messageEditor.closeButton);  // hidden, still loaded
    user.clickMenu(main.machineNamesItem);
    user.clickMenu(main.backgroundColourMenu);
    user.clickMenu(main.aboutMenu);
    user.clickMenu(main.helpMenu);
    user.answer(MessageResult::Ok);
    user.closeBox(main);
    expectBox(kFarewell, "Velnote - Exit", MessageButtons::Ok, MessageIcon::Information);
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(app.loadedWindows().empty());
    EXPECT_FALSE(main.trayIcon.active());
}

// What came of a send is heard only when it failed, after the window went
// down: a warning balloon from the icon, in net's own words or the system's.
TEST_F(Tray, FailedSendIsToldInAWarningBalloonFromTheIcon) {
    program.start();
    runner.queueWatched(messenger::exited(2,
                                          "The message alias could not be found on the network.\r\n\r\n"
                                          "More help is available by typing NET HELPMSG 2273.\r\n"));
    sendHiToPC7();
    EXPECT_FALSE(main.visible());
    EXPECT_EQ("", main.messageText.text());
    EXPECT_TRUE(user.balloons().empty());
    user.finishBackgroundWork();
    ASSERT_EQ(1u, user.balloons().size());
    EXPECT_EQ("Velnote", user.balloons()[0].title);
    EXPECT_EQ("Not delivered to PC7: The message alias could not be found on the network.", user.balloons()[0].text);
    EXPECT_EQ(forms::BalloonIcon::Warning, user.balloons()[0].icon);

    runner.setFailure(true, 2, "The system cannot find the file specified.");
    sendAgain();
    EXPECT_FALSE(main.visible());  // net missing: the message was handed over all the same
    user.finishBackgroundWork();
    ASSERT_EQ(2u, user.balloons().size());
    EXPECT_EQ("Not delivered to PC7: The system cannot find the file specified.", user.balloons()[1].text);

    runner.setFailure(false);
    sendAgain();
    user.finishBackgroundWork();
    EXPECT_EQ(2u, user.balloons().size());  // delivered: nothing to tell
    EXPECT_TRUE(user.boxes().empty());
}

TEST_F(Tray, WithoutTheIconAFailedSendIsToldInABox) {
    user.refuseTrayIcons(true);
    program.start();
    runner.queueWatched(messenger::exited(2, "The message alias could not be found on the network.\r\n"));
    sendHiToPC7();
    user.answer(MessageResult::Ok);
    user.finishBackgroundWork();
    expectBox("Not delivered to PC7: The message alias could not be found on the network.", "Velnote",
              MessageButtons::Ok, MessageIcon::Exclamation);
    EXPECT_TRUE(user.balloons().empty());
}

// A transport that answers as scripted and records what it was given.
struct ScriptedTransport : messenger::Transport {
    messenger::TransportResult answer;
    Strings calls;
    messenger::TransportResult deliver(const std::string& computer, const std::string& sender,
                                       const std::string& text) override {
        calls.push_back(computer + "|" + sender + "|" + text);
        return answer;
    }
};

// Where the system has no Messenger service, the message itself goes to the
// machine, as the user wrote it; net is never started.
TEST(TrayWithoutMessengerService, TheMessageItselfIsDeliveredAndARefusalIsTold) {
    auto transport = std::make_shared<ScriptedTransport>();
    transport->answer = {messenger::TransportResult::Kind::Refused, "the message is too long"};
    platform::MemorySettingsStore store;
    messenger::RecordingRunner runner;
    forms::App app{"Velnote"};
    messenger::Sender sender{app, runner, messenger::DeliveryRoute{false, "HERE", {transport}}};
    Context context{app, store, sender};
    Program program{context};
    forms::headless::Driver user{app};
    program.start();
    user.type(program.mainWindow.machineName, "PC7");
    user.type(program.mainWindow.messageText, "Hi\nthere");
    user.click(program.mainWindow.sendButton);
    user.finishBackgroundWork();
    EXPECT_EQ(Strings{"PC7|HERE|Hi\r\nthere"}, transport->calls);
    EXPECT_TRUE(runner.starts().empty());
    ASSERT_EQ(1u, user.balloons().size());
    EXPECT_EQ("Not delivered to PC7: the message is too long", user.balloons()[0].text);
}

}  // namespace
}  // namespace velnote
