// The background colour dialog Form3: mix, preview, apply, keep or not, default.
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
    Form3& form3 = program.form3;

    void startAndOpen() {
        program.start();
        user.clickMenu(main.bcolor);
    }
    void mix(int red, int green, int blue) {
        user.scroll(form3.VScroll1, red);
        user.scroll(form3.VScroll2, green);
        user.scroll(form3.VScroll3, blue);
    }
    // The main window's recoloured set: the window, four labels, the send button.
    void expectMainColours(forms::Color window, forms::Color button) {
        EXPECT_EQ(window, main.backColor());
        for (forms::Label* label : {&main.Label1, &main.Label2, &main.Label3, &main.Label5})
            EXPECT_EQ(window, label->backColor()) << label->name();
        EXPECT_EQ(button, main.Command1.backColor());
    }
};

TEST_F(ColourDialog, EveryLoadShowsTheStoredColourAndBarsAtZero) {
    save("BackColor", "Background", "1971210");
    startAndOpen();
    ASSERT_TRUE(form3.visible());
    EXPECT_EQ("Velnote - Select Background Color", form3.caption());
    EXPECT_FALSE(form3.showInTaskbar());
    EXPECT_EQ(1971210u, form3.backColor());
    for (forms::Label* label : {&form3.Label1, &form3.Label2, &form3.Label3}) EXPECT_EQ(1971210u, label->backColor());
    for (forms::ScrollBar* bar : {&form3.VScroll1, &form3.VScroll2, &form3.VScroll3}) {
        EXPECT_EQ(0, bar->value());
        EXPECT_EQ(0, bar->min());
        EXPECT_EQ(255, bar->max());
    }
    EXPECT_EQ(forms::colors::WindowText, form3.Text1.backColor());
    EXPECT_TRUE(form3.Text1.readOnly());
    EXPECT_FALSE(form3.Command1.enabled());

    user.closeBox(form3);
    save("BackColor", "Background", "light blue");  // no colour: the default
    user.clickMenu(main.bcolor);
    EXPECT_EQ(16761024u, form3.backColor());
    EXPECT_EQ(16761024u, form3.Label2.backColor());
}

TEST_F(ColourDialog, BarsDrivePreviewAndApplyStaysOffUntilOneMoves) {
    startAndOpen();
    mix(10, 20, 30);
    EXPECT_TRUE(form3.Command1.enabled());
    EXPECT_EQ(1971210u, form3.Text1.backColor());
    expectMainColours(16761024u, 16744576u);  // nothing outside the dialog yet
}

TEST_F(ColourDialog, AppliedAndSavedColourIsStoredAndTheButtonIsLighter) {
    startAndOpen();
    mix(10, 20, 30);
    user.minimize(main);  // the main window went to the notification area meanwhile
    user.answer(MessageResult::Yes);
    user.click(form3.Command1);
    expectBox(kSaveQuestion, "Velnote - Background Color", MessageButtons::YesNo, MessageIcon::Information);
    EXPECT_EQ("1971210", stored("BackColor", "Background"));
    expectMainColours(1971210u, forms::rgb(13, 23, 33));
    EXPECT_FALSE(form3.loaded());
    EXPECT_TRUE(main.visible());
}

TEST_F(ColourDialog, WhiteStaysWhiteOnTheButton) {
    startAndOpen();
    mix(255, 255, 255);
    user.answer(MessageResult::Yes);
    user.click(form3.Command1);
    expectMainColours(16777215u, 16777215u);
}

TEST_F(ColourDialog, BarMovedAwayAndBackAppliesBlack) {
    startAndOpen();
    user.scroll(form3.VScroll2, 40);
    user.scroll(form3.VScroll2, 0);
    ASSERT_TRUE(form3.Command1.enabled());
    user.answer(MessageResult::Yes);
    user.click(form3.Command1);
    expectMainColours(0u, forms::rgb(3, 3, 3));
    EXPECT_EQ("0", stored("BackColor", "Background"));
}

TEST_F(ColourDialog, AnsweringNoGivesTheOldColourBackAndWritesNothing) {
    save("BackColor", "Background", "255");
    startAndOpen();
    mix(10, 20, 30);
    user.answer(MessageResult::No);
    user.click(form3.Command1);
    expectMainColours(255u, 255u);
    EXPECT_EQ("255", stored("BackColor", "Background"));
    EXPECT_FALSE(form3.loaded());

    user.clickMenu(main.bcolor);
    mix(10, 20, 30);
    user.answer(MessageResult::Yes);
    user.click(form3.Command1);  // the button is now lighter than the window
    user.clickMenu(main.bcolor);
    mix(0, 128, 255);
    user.answer(MessageResult::No);
    user.click(form3.Command1);
    expectMainColours(1971210u, 1971210u);  // the send button takes the old window colour
    EXPECT_EQ("1971210", stored("BackColor", "Background"));

    user.clickMenu(main.bcolor);  // a fresh load
    EXPECT_EQ(0, form3.VScroll2.value());
    EXPECT_FALSE(form3.Command1.enabled());
    EXPECT_EQ(forms::colors::WindowText, form3.Text1.backColor());
}

TEST_F(ColourDialog, CancelAndCloseBoxChangeNothing) {
    save("BackColor", "Background", "1971210");
    startAndOpen();
    mix(1, 2, 3);
    user.click(form3.Command2);
    EXPECT_FALSE(form3.loaded());
    user.clickMenu(main.bcolor);
    mix(4, 5, 6);
    user.closeBox(form3);
    EXPECT_FALSE(form3.loaded());
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
    user.click(form3.Command3);
    expectBox(kDefaultQuestion, "Velnote - Background Color", MessageButtons::YesNo, MessageIcon::Information);
    expectMainColours(16761024u, 16761024u);
    EXPECT_EQ("1971210", stored("BackColor", "Background"));
    EXPECT_TRUE(form3.loaded());
    EXPECT_FALSE(form3.visible());

    user.clickMenu(main.bcolor);
    EXPECT_EQ(8, form3.VScroll2.value());
    EXPECT_TRUE(form3.Command1.enabled());
    EXPECT_EQ(forms::rgb(7, 8, 9), form3.Text1.backColor());
}

TEST_F(ColourDialog, DefaultAnsweredYesStoresTheDefault) {
    save("BackColor", "Background", "1971210");
    startAndOpen();
    user.answer(MessageResult::Yes);
    user.click(form3.Command3);
    EXPECT_EQ("16761024", stored("BackColor", "Background"));
}

TEST_F(ColourDialog, OnlyTheMainWindowIsRecoloured) {
    startAndOpen();
    user.clickMenu(main.addmsg);
    user.clickMenu(main.About);
    mix(10, 20, 30);
    user.answer(MessageResult::Yes);
    user.click(form3.Command1);
    EXPECT_EQ(16761024u, program.form4.backColor());
    EXPECT_EQ(16761024u, program.form2.backColor());
    EXPECT_EQ(16761024u, program.form2.Label01.backColor());
}

}  // namespace
}  // namespace velnote
