// Tarrow's main window: start-up, the switches, the send button's caption,
// PresetEditor, "Last Message", Enter, and the windows it opens.
#include "tarrow_fixture.hpp"

namespace tarrow::testing {
namespace {

namespace keys = forms::keys;

TEST_F(Tarrow, StartsWithItsTextsAndOnlyTheRecipientUsable) {
    start();
    EXPECT_TRUE(form.visible());
    EXPECT_EQ("Tarrow", form.caption().substr(0, 6));
    const std::pair<forms::Control*, const char*> texts[] = {
        {&form.recipientLabel, "Select Recipient"}, {&form.domainCheck, "/DOMAIN"},
        {&form.allUsersCheck, "/USERS"},                {&form.messageLabel, "Message (double click to clear)"},
        {&form.message, "Type message here.."},     {&form.editRecipientsButton, "Edit Recipients"},
        {&form.editDomainsButton, "Edit Domains"},        {&form.editPresetsButton, "Presets"},
        {&form.sendButton, "Send Message"},               {&form.preset1Button, "PS1"},
        {&form.preset5Button, "PS5"},                         {&form.statusLabel, "Status: "},
        {&form.statusText, ""},                     {&form.lastMessageButton, "Last Message"},
        {&form.aboutButton, "About Tarrow"},           {&form.recipient, ""}};
    for (const auto& [control, text] : texts) EXPECT_EQ(text, control->text()) << control->name();
    EXPECT_EQ("{Optional} See Help for Details", form.domain.toolTip());
    EXPECT_EQ("Enter Message text here!", form.message.toolTip());
    EXPECT_EQ(&form.sendButton, form.defaultButton());
    EXPECT_FALSE(form.domainCheck.checked() || form.allUsersCheck.checked());
    EXPECT_TRUE(form.recipient.enabled() && form.recipientLabel.enabled());
    EXPECT_FALSE(form.domain.enabled());
}

TEST_F(Tarrow, ListsComeFromTheStoreSplitAtCommas) {
    save("Settings", "AddressList", "pc1,pc2,");
    save("Settings", "Domains", "sales , hq");
    start();
    EXPECT_EQ((Strings{"pc1", "pc2", ""}), form.recipient.items());
    EXPECT_EQ((Strings{"SALES", "HQ"}), form.domain.items());
}

TEST_F(Tarrow, WithNothingStoredEachListHoldsOneEmptyEntry) {
    start();
    EXPECT_EQ(Strings{""}, form.recipient.items());
    EXPECT_EQ(Strings{""}, form.domain.items());
}

struct Switches : Tarrow {
    void SetUp() override { start(); }
    // Enabled state of the recipient box, its label and the domain box.
    std::string usable() {
        return std::string(form.recipient.enabled() ? "R" : "-") + (form.recipientLabel.enabled() ? "L" : "-") +
               (form.domain.enabled() ? "D" : "-");
    }
};

TEST_F(Switches, EachDecidesWhichBoxesAreUsable) {
    user.toggle(form.domainCheck);
    EXPECT_EQ("--D", usable());
    user.toggle(form.domainCheck);
    EXPECT_EQ("RL-", usable());
    user.toggle(form.allUsersCheck);
    EXPECT_EQ("---", usable());
    user.toggle(form.allUsersCheck);
    EXPECT_EQ("RL-", usable());
}

TEST_F(Switches, TickingOneUnticksTheOtherAndKeepsItsOwnState) {
    user.toggle(form.domainCheck);
    user.toggle(form.allUsersCheck);
    EXPECT_FALSE(form.domainCheck.checked());
    EXPECT_EQ("---", usable());
    user.toggle(form.domainCheck);
    EXPECT_FALSE(form.allUsersCheck.checked());
    EXPECT_EQ("--D", usable());
    EXPECT_THROW(user.type(form.recipient, "x"), std::logic_error);  // out of the user's reach
}

TEST_F(Tarrow, SendButtonNamesTheTypedRecipient) {
    save("Settings", "AddressList", "pc2");
    save("History", "LastRecipient", "   ");
    start();
    user.type(form.recipient, " pc1  ");
    EXPECT_EQ("Send To  pc1", form.sendButton.caption());
    user.pick(form.recipient, "pc2");  // a pick is no change
    EXPECT_EQ("pc2", form.recipient.text());
    EXPECT_EQ("Send To  pc1", form.sendButton.caption());
    user.click(form.lastMessageButton);  // blanks only, set by the window
    EXPECT_EQ("Send Message", form.sendButton.caption());
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
    forms::Button* buttons[] = {&form.preset1Button, &form.preset2Button, &form.preset3Button, &form.preset4Button,
                                &form.preset5Button};
    const char* expected[] = {"text 1", "text 2", "text 3", "", "text 5"};
    for (int i : {4, 0, 2, 1, 3}) {
        user.click(*buttons[i]);
        EXPECT_EQ(expected[i], form.message.text()) << "PS" << i + 1;
    }
}

TEST_F(Tarrow, LastMessageBringsBackTheLastRecipientSend) {
    start();
    user.type(form.recipient, "PC7");
    user.click(form.lastMessageButton);  // no history yet: both boxes empty
    EXPECT_EQ("", form.message.text());
    EXPECT_EQ("", form.recipient.text());

    user.type(form.recipient, "PC7");
    user.type(form.message, "Lunch?");
    user.click(form.sendButton);
    user.click(form.editRecipientsButton);  // the main window comes back loaded afresh
    user.click(program.addressEditor.cancelButton);
    user.click(form.lastMessageButton);
    EXPECT_EQ("Lunch?", form.message.text());
    EXPECT_EQ("PC7", form.recipient.text());
    EXPECT_EQ("Send To PC7", form.sendButton.caption());
}

TEST_F(Tarrow, EnterAnywhereSendsAndCtrlEnterBreaksTheLine) {
    start();
    user.type(form.recipient, "PC7");
    form.message.setText("Hi");
    user.pressKey(form.message, keys::Return, forms::shift::Ctrl);
    EXPECT_EQ("Hi\r\n", form.message.text());
    EXPECT_TRUE(runner.starts().empty());
    user.pressKey(form.message, keys::Return);
    user.pressKey(form.recipient, keys::Return);
    EXPECT_EQ((Strings{"net.exe send PC7 Hi\r\n", "net.exe send PC7 Hi\r\n"}), startedCommands());
}

TEST_F(Tarrow, AboutOpensBesideTheMainWindowAndOnlyOnce) {
    start();
    user.click(form.aboutButton);
    user.click(form.aboutButton);
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
