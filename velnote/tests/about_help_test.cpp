// The About window Form2 and the help page Form5, and the ways to open them.
#include "velnote_fixture.hpp"

namespace velnote {
namespace {

namespace keys = forms::keys;

struct AboutAndHelp : VelnoteFixture {
    Form2& form2 = program.form2;
    Form5& form5 = program.form5;
    void SetUp() override { program.start(); }
};

TEST_F(AboutAndHelp, AboutShowsNameVersionAndCreditsOnTheStoredColour) {
    save("BackColor", "Background", "1971210");
    user.clickMenu(main.About);
    ASSERT_TRUE(form2.visible());
    EXPECT_EQ("About Velnote", form2.caption());
    EXPECT_EQ("Velnote ", form2.Label01.caption());
    EXPECT_EQ("Version 1.1.5", form2.Label02.caption());
    EXPECT_EQ("                   Developed By : ", form2.Label03.caption());
    EXPECT_EQ(0u, form2.Label06.caption().rfind("Mail your suggestions and bugs at ", 0));
    EXPECT_EQ("OK", form2.Command1.caption());
    EXPECT_EQ(1, form2.Picture1.iconResource());
    EXPECT_EQ(1971210u, form2.backColor());
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &form2.Label01, &form2.Label02, &form2.Label03, &form2.Label04, &form2.Label05, &form2.Label06,
             &form2.Picture1})
        EXPECT_EQ(1971210u, control->backColor()) << control->name();
}

TEST_F(AboutAndHelp, AboutWithoutAReadableColourUsesTheDefault) {
    for (const char* value : {"", "12 34"}) {
        save("BackColor", "Background", value);
        user.clickMenu(main.About);
        EXPECT_EQ(16761024u, form2.backColor()) << '"' << value << '"';
        EXPECT_EQ(16761024u, form2.Picture1.backColor()) << '"' << value << '"';
        user.click(form2.Command1);
    }
}

TEST_F(AboutAndHelp, OkClosesAboutAndTheNextOpeningReadsTheColourAgain) {
    user.clickMenu(main.About);
    save("BackColor", "Background", "255");
    user.clickMenu(main.mnuabt);  // already open: the same window comes to the front
    EXPECT_EQ(16761024u, form2.backColor());
    user.click(form2.Command1);
    EXPECT_FALSE(form2.loaded());
    EXPECT_FALSE(app.ended());
    user.clickMenu(main.About);
    EXPECT_EQ(255u, form2.backColor());
}

TEST_F(AboutAndHelp, HelpPageShowsItsTextsOnItsOwnColour) {
    save("BackColor", "Background", "255");
    user.clickMenu(main.help);
    ASSERT_TRUE(form5.visible());
    EXPECT_EQ("Velnote - Help", form5.caption());
    EXPECT_EQ(forms::rgb(255, 255, 255), form5.backColor());
    const std::pair<forms::Label*, const char*> page[] = {
        {&form5.Label1, "Velnote Help"},
        {&form5.Label19, "Velnote"},
        {&form5.Label2, "Sends messages to other users, computers, or messaging names on the network. The Messenger "
                        "service must be running to receive messages."},
        {&form5.Label3, "Machine Name"},
        {&form5.Label4, "Specifies the user name, computer name, or messaging name to send the message to. If the name "
                        "is a computer name that contains blank characters, enclose the alias in quotation marks "
                        "(\" \"). "},
        {&form5.Label5, "*"},
        {&form5.Label6, "Sends the message to all the names in your group. "},
        {&form5.Label9, "/domain[:name]"},
        {&form5.Label10, "Sends the message to all the names"},
        {&form5.Label11, "in the computer's domain. If name is specified, the message is sent to all the names in the "
                         "specified domain or workgroup. "},
        {&form5.Label12, "/users"},
        {&form5.Label13, "Sends the message to all users connected to the server. "},
        {&form5.Label14, "the server."},
        {&form5.Label7, "Message"},
        {&form5.Label8, "Is text to be sent as a message. "},
        {&form5.Label21, "Note"},
        {&form5.Label18, "You can send a message only to a name that is active on the network. If the message is sent "
                         "to a user name, that user must be logged on and running the Messenger service to receive the "
                         "message."},
        {&form5.Label15, "Sending messages to multiple users"},
        {&form5.Label22, "Sending Message to Multiple Users"},
        {&form5.Label17, "You can broadcast a message to all the names in your computer's domain (use * or /domain), or "
                         "a different domain (/domain:domainname). Broadcast messages can have as many as 128 "
                         "characters."},
        {&form5.Label20, "For more information about Net Send see Windows Help on Net Send topic"},
    };
    int previousTop = -1;
    for (const auto& [label, text] : page) {
        EXPECT_EQ(text, label->caption()) << label->name();
        EXPECT_EQ(forms::rgb(255, 255, 255), label->backColor()) << label->name();
        EXPECT_GE(label->bounds().top, previousTop) << label->name() << " is read after the label above it";
        previousTop = label->bounds().top;
    }
}

TEST_F(AboutAndHelp, F1InEveryInputControlOfTheMainWindowOpensHelp) {
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &main.Text1, &main.Text3, &main.Text4, &main.combo2, &main.Combo3, &main.Command1}) {
        user.pressKey(*control, keys::F1);
        EXPECT_TRUE(form5.visible()) << control->name();
        user.closeBox(form5);
    }
    EXPECT_FALSE(app.ended());
}

TEST_F(AboutAndHelp, F1WithHelpOpenAddsNoWindowAndChangesNoCount) {
    user.type(main.Text1, "ab");
    user.clickMenu(main.help);
    const size_t windows = app.loadedWindows().size();
    user.pressKey(main.Text1, keys::F1);
    EXPECT_EQ(windows, app.loadedWindows().size());
    EXPECT_TRUE(form5.visible());
    EXPECT_EQ("2", main.Text3.text());
}

}  // namespace
}  // namespace velnote
