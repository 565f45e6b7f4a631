// Velnote in the notification area: hide on minimise, the icon's clicks and
// menu, and how the program ends.
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

}  // namespace
}  // namespace velnote
