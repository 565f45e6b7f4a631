// Tarrow's main window: start-up, the switches, the send button's caption,
// presets, "Last Message", Enter, and the windows it opens.
#include "tarrow_fixture.hpp"

namespace tarrow::testing {
namespace {

namespace keys = forms::keys;

TEST_F(Tarrow, StartsWithItsTextsAndOnlyTheRecipientUsable) {
    start();
    EXPECT_TRUE(form.visible());
    EXPECT_EQ("Tarrow", form.caption().substr(0, 6));
    const std::pair<forms::Control*, const char*> texts[] = {
        {&form.recipientlabel, "Select Recipient"}, {&form.Domaincheck, "/DOMAIN"},
        {&form.usercheck, "/USERS"},                {&form.Label3, "Message (double click to clear)"},
        {&form.message, "Type message here.."},     {&form.EditRecipients, "Edit Recipients"},
        {&form.showDomains, "Edit Domains"},        {&form.EditPresets, "Presets"},
        {&form.Send, "Send Message"},               {&form.PS1, "PS1"},
        {&form.PS5, "PS5"},                         {&form.Label1, "Status: "},
        {&form.statustext, ""},                     {&form.butLastMessage, "Last Message"},
        {&form.Command1, "About Tarrow"},           {&form.address, ""}};
    for (const auto& [control, text] : texts) EXPECT_EQ(text, control->text()) << control->name();
    EXPECT_EQ("{Optional} See Help for Details", form.cboDomain.toolTip());
    EXPECT_EQ("Enter Message text here!", form.message.toolTip());
    EXPECT_EQ(&form.Send, form.defaultButton());
    EXPECT_FALSE(form.Domaincheck.checked() || form.usercheck.checked());
    EXPECT_TRUE(form.address.enabled() && form.recipientlabel.enabled());
    EXPECT_FALSE(form.cboDomain.enabled());
}

TEST_F(Tarrow, ListsComeFromTheStoreSplitAtCommas) {
    save("Settings", "AddressList", "pc1,pc2,");
    save("Settings", "Domains", "sales , hq");
    start();
    EXPECT_EQ((Strings{"pc1", "pc2", ""}), form.address.items());
    EXPECT_EQ((Strings{"SALES", "HQ"}), form.cboDomain.items());
}

TEST_F(Tarrow, WithNothingStoredEachListHoldsOneEmptyEntry) {
    start();
    EXPECT_EQ(Strings{""}, form.address.items());
    EXPECT_EQ(Strings{""}, form.cboDomain.items());
}

struct Switches : Tarrow {
    void SetUp() override { start(); }
    // Enabled state of the recipient box, its label and the domain box.
    std::string usable() {
        return std::string(form.address.enabled() ? "R" : "-") + (form.recipientlabel.enabled() ? "L" : "-") +
               (form.cboDomain.enabled() ? "D" : "-");
    }
};

TEST_F(Switches, EachDecidesWhichBoxesAreUsable) {
    user.toggle(form.Domaincheck);
    EXPECT_EQ("--D", usable());
    user.toggle(form.Domaincheck);
    EXPECT_EQ("RL-", usable());
    user.toggle(form.usercheck);
    EXPECT_EQ("---", usable());
    user.toggle(form.usercheck);
    EXPECT_EQ("RL-", usable());
}

TEST_F(Switches, TickingOneUnticksTheOtherAndKeepsItsOwnState) {
    user.toggle(form.Domaincheck);
    user.toggle(form.usercheck);
    EXPECT_FALSE(form.Domaincheck.checked());
    EXPECT_EQ("---", usable());
    user.toggle(form.Domaincheck);
    EXPECT_FALSE(form.usercheck.checked());
    EXPECT_EQ("--D", usable());
    EXPECT_THROW(user.type(form.address, "x"), std::logic_error);  // out of the user's reach
}

TEST_F(Tarrow, SendButtonNamesTheTypedRecipient) {
    save("Settings", "AddressList", "pc2");
    save("History", "LastRecipient", "   ");
    start();
    user.type(form.address, " pc1  ");
    EXPECT_EQ("Send To  pc1", form.Send.caption());
    user.pick(form.address, "pc2");  // a pick is no change
    EXPECT_EQ("pc2", form.address.text());
    EXPECT_EQ("Send To  pc1", form.Send.caption());
    user.click(form.butLastMessage);  // blanks only, set by the window
    EXPECT_EQ("Send Message", form.Send.caption());
}

TEST_F(Tarrow, DoubleClickEmptiesTheMessage) {
    start();
    user.doubleClick(form.message);
    EXPECT_EQ("", form.message.text());
    user.type(form.message, "Hi");
    user.doubleClick(form.message);
    EXPECT_EQ("", form.message.text());
}

TEST_F(Tarrow, PresetButtonsFetchTheirOwnPreset) {
    for (int n : {1, 2, 3, 5}) save("Presets", "Preset" + std::to_string(n), "text " + std::to_string(n));
    start();
    forms::Button* buttons[] = {&form.PS1, &form.PS2, &form.PS3, &form.PS4, &form.PS5};
    const char* expected[] = {"text 1", "text 2", "text 3", "", "text 5"};
    for (int i : {4, 0, 2, 1, 3}) {
        user.click(*buttons[i]);
        EXPECT_EQ(expected[i], form.message.text()) << "PS" << i + 1;
    }
}

TEST_F(Tarrow, LastMessageBringsBackTheLastRecipientSend) {
    start();
    user.type(form.address, "PC7");
    user.click(form.butLastMessage);  // no history yet: both boxes empty
    EXPECT_EQ("", form.message.text());
    EXPECT_EQ("", form.address.text());

    user.type(form.address, "PC7");
    user.type(form.message, "Lunch?");
    user.click(form.Send);
    user.click(form.EditRecipients);  // the main window comes back loaded afresh
    user.click(program.addressEditor.Cancel);
    user.click(form.butLastMessage);
    EXPECT_EQ("Lunch?", form.message.text());
    EXPECT_EQ("PC7", form.address.text());
    EXPECT_EQ("Send To PC7", form.Send.caption());
}

TEST_F(Tarrow, EnterAnywhereSendsAndCtrlEnterBreaksTheLine) {
    start();
    user.type(form.address, "PC7");
    form.message.setText("Hi");
    user.pressKey(form.message, keys::Return, forms::shift::Ctrl);
    EXPECT_EQ("Hi\r\n", form.message.text());
    EXPECT_TRUE(runner.starts().empty());
    user.pressKey(form.message, keys::Return);
    user.pressKey(form.address, keys::Return);
    EXPECT_EQ((Strings{"net.exe send PC7 Hi\r\n", "net.exe send PC7 Hi\r\n"}), startedCommands());
}

TEST_F(Tarrow, AboutOpensBesideTheMainWindowAndOnlyOnce) {
    start();
    user.click(form.Command1);
    user.click(form.Command1);
    EXPECT_TRUE(program.aboutWindow.visible());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(2u, app.loadedWindows().size());
    user.closeBox(form);  // the program goes on while the About window is open
    EXPECT_FALSE(app.ended());
    user.closeBox(program.aboutWindow);
    EXPECT_TRUE(app.ended());
}

}  // namespace
}  // namespace tarrow::testing
