// The frame's menu: commands of the main window from any child, the
// clipboard, the About window inside the frame, and Exit.
#include "pingrel_fixture.hpp"

namespace pingrel::testing {
namespace {

TEST_F(Pingrel, MenuCommandsReachTheMainWindowFromAnyChild) {
    startEmpty();
    form.recipients.addItem("PC7");
    user.type(form.message, "Hi");
    user.pressShortcut(frame, forms::shift::Ctrl, 'O');
    user.pressShortcut(frame, forms::shift::Ctrl, 'O');  // brought back, not loaded twice
    EXPECT_EQ(&store, frame.activeChild());
    EXPECT_EQ(2u, frame.children().size());
    user.pressShortcut(frame, forms::shift::Ctrl, 'S');
    EXPECT_EQ((Strings{kSystem32 + "\\net send PC7 Hi"}), commands());

    ok();
    user.clickMenu(frame.setSignatureItem);
    EXPECT_EQ("Hi\r\n", files.contents(kSig));
    user.clearBoxes();

    form.recipientEntry.setText("PC9");
    user.answerInput("desk");
    ok(2);
    user.clickMenu(frame.saveBothItem);
    EXPECT_EQ("PC9\t\tdesk\r\n", files.contents(kNetwork));
    EXPECT_EQ("09/12/2026\tHi\r\n", files.contents(kMessages));
    ASSERT_EQ(2u, user.boxes().size());
    EXPECT_EQ("Recipient added", user.boxes()[0].text);
    EXPECT_EQ("Message added", user.boxes()[1].text);
}

// Main lives until the program ends: its close box and Ctrl+F4 leave it on
// screen (Close greyed in its system menu), minimising still works, and the
// frame's Ctrl+S sends what it shows. Closing the frame ends the program.
TEST_F(Pingrel, MainCannotBeClosedAndGoesOnlyWithTheFrame) {
    startEmpty();
    form.recipients.addItem("PC7");
    user.type(form.message, "Hi");
    user.closeBox(form);
    user.pressShortcut(form, forms::shift::Ctrl, forms::keys::F4);
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(user.closeOffered(form));
    user.minimize(form);
    user.restore(form);
    EXPECT_EQ(forms::WindowState::Normal, form.windowState());
    user.pressShortcut(frame, forms::shift::Ctrl, 'S');
    EXPECT_EQ((Strings{kSystem32 + "\\net send PC7 Hi"}), commands());

    user.closeBox(frame);
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(app.ended());
}

TEST_F(Pingrel, CopyAndPasteWorkOnTheFocusedTextBoxOnly) {
    startEmpty();
    form.recipientEntry.setText("PC7 and more");
    user.select(form.recipientEntry, 0, 3);
    user.pressShortcut(frame, forms::shift::Ctrl, 'C');
    EXPECT_EQ("PC7", user.clipboard());
    user.select(form.recipientEntry, 0, 0);
    user.pressShortcut(frame, forms::shift::Ctrl, 'C');  // nothing selected: an empty text
    EXPECT_EQ("", user.clipboard());

    app.setClipboardText("X");
    form.recipients.addItem("a");
    user.focus(form.recipients);
    user.pressShortcut(frame, forms::shift::Ctrl, 'V');  // a list has no selection to replace
    user.focus(form.message);
    user.clickMenu(frame.pasteItem);
    EXPECT_EQ("X", form.message.text());
    EXPECT_EQ((Strings{"a"}), form.recipients.items());
}

TEST_F(Pingrel, AboutOpensInsideTheFrameAndExitEndsAtOnce) {
    system.version = {1, 2, 3};
    start();
    user.clickMenu(frame.aboutItem);
    about::AboutWindow& about = program.aboutWindow;
    EXPECT_EQ(&frame, about.mdiParent());
    EXPECT_EQ(&about, frame.activeChild());
    EXPECT_EQ("About Pingrel", about.caption());
    EXPECT_EQ("Pingrel", about.titleLabel.caption());
    EXPECT_EQ("Version 1.2.3", about.versionLabel.caption());
    EXPECT_EQ(0u, about.descriptionLabel.caption().find("Pingrel GUI is a interface for the Windows NT/2000"));
    EXPECT_EQ(2u, about.creditLabels.size());

    user.clickMenu(frame.exitItem);
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(user.boxes().empty());
}

}  // namespace
}  // namespace pingrel::testing
