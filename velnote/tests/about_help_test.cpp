// The About window and the help page, and the ways to open them.
#include "velnote_fixture.hpp"

namespace velnote {
namespace {

namespace keys = forms::keys;

struct AboutAndHelp : VelnoteFixture {
    velnote::AboutWindow& about = program.aboutWindow;
    velnote::HelpPage& help = program.helpPage;
    void SetUp() override { program.start(); }
};

TEST_F(AboutAndHelp, AboutShowsNameVersionAndCreditsOnTheStoredColour) {
    save("BackColor", "Background", "1971210");
    user.clickMenu(main.aboutMenu);
    ASSERT_TRUE(about.visible());
    EXPECT_EQ("About Velnote", about.caption());
    EXPECT_EQ("Velnote ", about.productLabel.caption());
    EXPECT_EQ("Version 1.1.5", about.versionLabel.caption());
    EXPECT_EQ("                   Developed By : ", about.developedByLabel.caption());
    EXPECT_EQ(0u, about.contactLabel.caption().rfind("Mail your suggestions and bugs at ", 0));
    EXPECT_EQ("OK", about.okButton.caption());
    EXPECT_EQ(1, about.picture.iconResource());
    EXPECT_EQ(1971210u, about.backColor());
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &about.productLabel, &about.versionLabel, &about.developedByLabel, &about.creditLabel, &about.teamLabel, &about.contactLabel,
             &about.picture})
        EXPECT_EQ(1971210u, control->backColor()) << control->name();
}

TEST_F(AboutAndHelp, AboutWithoutAReadableColourUsesTheDefault) {
    for (const char* value : {"", "12 34"}) {
        save("BackColor", "Background", value);
        user.clickMenu(main.aboutMenu);
        EXPECT_EQ(16761024u, about.backColor()) << '"' << value << '"';
        EXPECT_EQ(16761024u, about.picture.backColor()) << '"' << value << '"';
        user.click(about.okButton);
    }
}

TEST_F(AboutAndHelp, OkClosesAboutAndTheNextOpeningReadsTheColourAgain) {
    user.clickMenu(main.aboutMenu);
    save("BackColor", "Background", "255");
    user.clickMenu(main.trayAboutItem);  // already open: the same window comes to the front
    EXPECT_EQ(16761024u, about.backColor());
    user.click(about.okButton);
    EXPECT_FALSE(about.loaded());
    EXPECT_FALSE(app.ended());
    user.clickMenu(main.aboutMenu);
    EXPECT_EQ(255u, about.backColor());
}

TEST_F(AboutAndHelp, HelpPageShowsItsTextsOnItsOwnColour) {
    save("BackColor", "Background", "255");
    user.clickMenu(main.helpMenu);
    ASSERT_TRUE(help.visible());
    EXPECT_EQ("Velnote - Help", help.caption());
    EXPECT_EQ(forms::rgb(255, 255, 255), help.backColor());
    const std::pair<forms::Label*, const char*> page[] = {
        {&help.titleLabel, "Velnote Help"},
        {&help.nameHeading, "Velnote"},
        {&help.nameText, "Sends messages to other users, computers, or messaging names on the network. The Messenger "
                        "service must be running to receive messages."},
        {&help.machineHeading, "Machine Name"},
        {&help.machineText, "Specifies the user name, computer name, or messaging name to send the message to. If the name "
                        "is a computer name that contains blank characters, enclose the alias in quotation marks "
                        "(\" \"). "},
        {&help.starLabel, "*"},
        {&help.starText, "Sends the message to all the names in your group. "},
        {&help.domainLabel, "/domain[:name]"},
        {&help.domainText, "Sends the message to all the names"},
        {&help.domainTextMore, "in the computer's domain. If name is specified, the message is sent to all the names in the "
                         "specified domain or workgroup. "},
        {&help.usersLabel, "/users"},
        {&help.usersText, "Sends the message to all users connected to the server. "},
        {&help.usersTextMore, "the server."},
        {&help.messageHeading, "Message"},
        {&help.messageText, "Is text to be sent as a message. "},
        {&help.noteHeading, "Note"},
        {&help.noteText, "You can send a message only to a name that is active on the network. If the message is sent "
                         "to a user name, that user must be logged on and running the Messenger service to receive the "
                         "message."},
        {&help.multipleHeading, "Sending messages to multiple users"},
        {&help.multipleHeadingAgain, "Sending Message to Multiple Users"},
        {&help.multipleText, "You can broadcast a message to all the names in your computer's domain (use * or /domain), or "
                         "a different domain (/domain:domainname). Broadcast messages can have as many as 128 "
                         "characters."},
        {&help.moreInfoLabel, "For more information about Net Send see Windows Help on Net Send topic"},
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
             &main.messageText, &main.keyCount, &main.machineName, &main.savedMessages, &main.savedMachines, &main.sendButton}) {
        user.pressKey(*control, keys::F1);
        EXPECT_TRUE(help.visible()) << control->name();
        user.closeBox(help);
    }
    EXPECT_FALSE(app.ended());
}

TEST_F(AboutAndHelp, F1WithHelpOpenAddsNoWindowAndChangesNoCount) {
    user.type(main.messageText, "ab");
    user.clickMenu(main.helpMenu);
    const size_t windows = app.loadedWindows().size();
    user.pressKey(main.messageText, keys::F1);
    EXPECT_EQ(windows, app.loadedWindows().size());
    EXPECT_TRUE(help.visible());
    EXPECT_EQ("2", main.keyCount.text());
}

}  // namespace
}  // namespace velnote
