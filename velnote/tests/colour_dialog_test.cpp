// The background colour dialog: mix, preview, apply, keep or not, default.
#include "velnote_fixture.hpp"

namespace velnote {
namespace {

using forms::MessageButtons;
using forms::MessageIcon;
using forms::MessageResult;

const char* const kSaveQuestion =
    "Do you wish to save the background color?\r\n"
    "Clicking on yes will load this color as background color when you start Velnote next time ";
const char* const kDefaultQuestion =
    "Do you wish to use the default color as new background color?\r\n"
    "Clicking on yes will load this color as background color when you start Velnote next time ";

struct ColourDialog : VelnoteFixture {
    velnote::ColourDialog& dialog = program.colourDialog;

    void startAndOpen() {
        program.start();
        user.clickMenu(main.backgroundColourMenu);
    }
    void mix(int red, int green, int blue) {
        user.scroll(dialog.redBar, red);
        user.scroll(dialog.greenBar, green);
        user.scroll(dialog.blueBar, blue);
    }
    // The main window's recoloured set: the window, four labels, the send button.
    void expectMainColours(forms::Color window, forms::Color button) {
        EXPECT_EQ(window, main.backColor());
        for (forms::Label* label : {&main.orLabel, &main.machineLabel, &main.messageLabel, &main.savedMessagesLabel})
            EXPECT_EQ(window, label->backColor()) << label->name();
        EXPECT_EQ(button, main.sendButton.backColor());
    }
};

TEST_F(ColourDialog, EveryLoadShowsTheStoredColourAndBarsAtZero) {
    save("BackColor", "Background", "1971210");
    startAndOpen();
    ASSERT_TRUE(dialog.visible());
    EXPECT_EQ("Velnote - Select Background Color", dialog.caption());
    EXPECT_FALSE(dialog.showInTaskbar());
    EXPECT_EQ(1971210u, dialog.backColor());
    for (forms::Label* label : {&dialog.redLabel, &dialog.greenLabel, &dialog.blueLabel}) EXPECT_EQ(1971210u, label->backColor());
    for (forms::ScrollBar* bar : {&dialog.redBar, &dialog.greenBar, &dialog.blueBar}) {
        EXPECT_EQ(0, bar->value());
        EXPECT_EQ(0, bar->min());
        EXPECT_EQ(255, bar->max());
    }
    EXPECT_EQ(forms::colors::WindowText, dialog.previewBox.backColor());
    EXPECT_TRUE(dialog.previewBox.readOnly());
    EXPECT_FALSE(dialog.applyButton.enabled());

    user.closeBox(dialog);
    save("BackColor", "Background", "light blue");  // no colour: the default
    user.clickMenu(main.backgroundColourMenu);
    EXPECT_EQ(16761024u, dialog.backColor());
    EXPECT_EQ(16761024u, dialog.greenLabel.backColor());
}

TEST_F(ColourDialog, BarsDrivePreviewAndApplyStaysOffUntilOneMoves) {
    startAndOpen();
    mix(10, 20, 30);
    EXPECT_TRUE(dialog.applyButton.enabled());
    EXPECT_EQ(1971210u, dialog.previewBox.backColor());
    expectMainColours(16761024u, 16744576u);  // nothing outside the dialog yet
}

TEST_F(ColourDialog, AppliedAndSavedColourIsStoredAndTheButtonIsLighter) {
    startAndOpen();
    mix(10, 20, 30);
    user.minimize(main);  // the main window went to the notification area meanwhile
    user.answer(MessageResult::Yes);
    user.click(dialog.applyButton);
    expectBox(kSaveQuestion, "Velnote - Background Color", MessageButtons::YesNo, MessageIcon::Information);
    EXPECT_EQ("1971210", stored("BackColor", "Background"));
    expectMainColours(1971210u, forms::rgb(13, 23, 33));
    EXPECT_FALSE(dialog.loaded());
    EXPECT_TRUE(main.visible());
}

TEST_F(ColourDialog, AColourTheStoreRefusesIsShownButTheUserLearnsItIsNotKept) {
    save("BackColor", "Background", "255");
    store.failWritesTo("Velnote", "BackColor", "Background", {1013, "The configuration registry key could not be written."});
    startAndOpen();
    mix(10, 20, 30);
    user.answer(MessageResult::Yes);
    user.answer(MessageResult::Ok);
    user.click(dialog.applyButton);
    ASSERT_EQ(2u, user.boxes().size());
    EXPECT_EQ("The background color could not be saved for the next start.\r\n\r\n"
              "HKEY_CURRENT_USER\\Software\\Velnote\\BackColor\r\n"
              "Error 1013: The configuration registry key could not be written.",
              user.boxes()[1].text);
    EXPECT_EQ(MessageIcon::Critical, user.boxes()[1].icon);
    EXPECT_EQ("255", stored("BackColor", "Background"));
    EXPECT_EQ(1971210u, main.backColor());
}

TEST_F(ColourDialog, WhiteStaysWhiteOnTheButton) {
    startAndOpen();
    mix(255, 255, 255);
    user.answer(MessageResult::Yes);
    user.click(dialog.applyButton);
    expectMainColours(16777215u, 16777215u);
}

TEST_F(ColourDialog, BarMovedAwayAndBackAppliesBlack) {
    startAndOpen();
    user.scroll(dialog.greenBar, 40);
    user.scroll(dialog.greenBar, 0);
    ASSERT_TRUE(dialog.applyButton.enabled());
    user.answer(MessageResult::Yes);
    user.click(dialog.applyButton);
    expectMainColours(0u, forms::rgb(3, 3, 3));
    EXPECT_EQ("0", stored("BackColor", "Background"));
}

TEST_F(ColourDialog, AnsweringNoGivesTheOldColourBackAndWritesNothing) {
    save("BackColor", "Background", "255");
    startAndOpen();
    mix(10, 20, 30);
    user.answer(MessageResult::No);
    user.click(dialog.applyButton);
    expectMainColours(255u, 255u);
    EXPECT_EQ("255", stored("BackColor", "Background"));
    EXPECT_FALSE(dialog.loaded());

    user.clickMenu(main.backgroundColourMenu);
    mix(10, 20, 30);
    user.answer(MessageResult::Yes);
    user.click(dialog.applyButton);  // the button is now lighter than the window
    user.clickMenu(main.backgroundColourMenu);
    mix(0, 128, 255);
    user.answer(MessageResult::No);
    user.click(dialog.applyButton);
    expectMainColours(1971210u, 1971210u);  // the send button takes the old window colour
    EXPECT_EQ("1971210", stored("BackColor", "Background"));

    user.clickMenu(main.backgroundColourMenu);  // a fresh load
    EXPECT_EQ(0, dialog.greenBar.value());
    EXPECT_FALSE(dialog.applyButton.enabled());
    EXPECT_EQ(forms::colors::WindowText, dialog.previewBox.backColor());
}

TEST_F(ColourDialog, CancelAndCloseBoxChangeNothing) {
    save("BackColor", "Background", "1971210");
    startAndOpen();
    mix(1, 2, 3);
    user.click(dialog.cancelButton);
    EXPECT_FALSE(dialog.loaded());
    user.clickMenu(main.backgroundColourMenu);
    mix(4, 5, 6);
    user.closeBox(dialog);
    EXPECT_FALSE(dialog.loaded());
    expectMainColours(1971210u, 1971210u);
    EXPECT_EQ("1971210", stored("BackColor", "Background"));
    EXPECT_TRUE(user.boxes().empty());
    EXPECT_FALSE(app.ended());
}

TEST_F(ColourDialog, DefaultAnsweredNoKeepsTheStoreAndHidesTheDialogAsItWas) {
    save("BackColor", "Background", "1971210");
    startAndOpen();
    mix(7, 8, 9);
    user.answer(MessageResult::No);
    user.click(dialog.defaultColourButton);
    expectBox(kDefaultQuestion, "Velnote - Background Color", MessageButtons::YesNo, MessageIcon::Information);
    expectMainColours(16761024u, 16761024u);
    EXPECT_EQ("1971210", stored("BackColor", "Background"));
    EXPECT_TRUE(dialog.loaded());
    EXPECT_FALSE(dialog.visible());

    user.clickMenu(main.backgroundColourMenu);
    EXPECT_EQ(8, dialog.greenBar.value());
    EXPECT_TRUE(dialog.applyButton.enabled());
    EXPECT_EQ(forms::rgb(7, 8, 9), dialog.previewBox.backColor());
}

TEST_F(ColourDialog, DefaultAnsweredYesStoresTheDefault) {
    save("BackColor", "Background", "1971210");
    startAndOpen();
    user.answer(MessageResult::Yes);
    user.click(dialog.defaultColourButton);
    EXPECT_EQ("16761024", stored("BackColor", "Background"));
}

TEST_F(ColourDialog, OnlyTheMainWindowIsRecoloured) {
    startAndOpen();
    user.clickMenu(main.messagesItem);
    user.clickMenu(main.aboutMenu);
    mix(10, 20, 30);
    user.answer(MessageResult::Yes);
    user.click(dialog.applyButton);
    EXPECT_EQ(16761024u, program.messageEditor.backColor());
    EXPECT_EQ(16761024u, program.aboutWindow.backColor());
    EXPECT_EQ(16761024u, program.aboutWindow.productLabel.backColor());
}

}  // namespace
}  // namespace velnote
