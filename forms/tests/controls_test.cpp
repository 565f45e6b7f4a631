// Event rules of the list box, check box, scroll bar, editable combo, tray
// icon, and the window's default and cancel buttons.
#include <gtest/gtest.h>

#include <stdexcept>

#include "test_driver.hpp"
#include "forms/picture.hpp"
#include "test_window.hpp"

using forms::Origin;

namespace {

struct DialogWindow : forms::Window {
    explicit DialogWindow(forms::App& app) : Window(app, "Dialog") {}
    forms::ComboBox recipient{*this, "cboRecipient"};
    forms::TextBox body{*this, "txtBody"};
    forms::CheckBox broadcast{*this, "chkBroadcast"};
    forms::ListBox entries{*this, "lstEntries"};
    forms::ScrollBar red{*this, "VScroll1"};
    forms::Button send{*this, "cmdSend"};
    forms::Button cancel{*this, "cmdCancel"};
    forms::TrayIcon tray{*this, "trayIcon"};

protected:
    void design() override {
        recipient.setStyle(forms::ComboStyle::DropDown);
        recipient.addItem("pc1");
        recipient.addItem("pc2");
        body.setMultiLine(true);
        entries.addItem("a");
        entries.addItem("b");
        red.setRange(0, 255);
        red.setChanges(1, 16);
        setDefaultButton(&send);
        setCancelButton(&cancel);
        recipient.setBounds({120, 120, 2400, 315});
        body.setBounds({120, 540, 3600, 1200});
        broadcast.setBounds({120, 1860, 2000, 255});
        entries.setBounds({120, 2220, 2000, 900});
        red.setBounds({4320, 120, 255, 3000});
        send.setBounds({2400, 2220, 1200, 375});
        cancel.setBounds({2400, 2700, 1200, 375});
    }
};

struct Controls : ::testing::Test {
    forms::App app{"Test"};
    DialogWindow window{app};
    TestDriver user{app};
    int sends = 0, cancels = 0;
    void SetUp() override {
        window.send.onClick = [this] { ++sends; };
        window.cancel.onClick = [this] { ++cancels; };
        window.show();
    }
};

TEST_F(Controls, EditableComboTellsTypingFromPicking) {
    std::vector<std::string> events;
    window.recipient.onChange = [&](const forms::ChangeEvent& e) {
        events.push_back(std::string(e.byUser() ? "typed " : "set ") + window.recipient.text());
    };
    window.recipient.onSelect = [&](const forms::ChangeEvent&) { events.push_back("picked " + window.recipient.text()); };
    user.type(window.recipient, "x");
    user.pick(window.recipient, "pc2");
    window.recipient.setText("pc9");
    EXPECT_EQ((std::vector<std::string>{"typed x", "picked pc2", "set pc9"}), events);
    user.type(window.recipient, "!");
    EXPECT_EQ(-1, window.recipient.listIndex());  // typing leaves no item selected
    EXPECT_EQ("pc9!", window.recipient.text());
}

// Automation and accessibility tools set a control's text from another
// program: what the control shows is what the program reads, for every kind
// of text box and an editable combo, with one change that is not the user's.
TEST_F(Controls, TextSetByAnotherProgramReachesTheModelWithOneChangeFromOutside) {
    std::vector<std::string> changes;
    auto record = [&](forms::Control& control) {
        return [&changes, &control](const forms::ChangeEvent& e) {
            changes.push_back(forms::originName(e.origin) + " " + control.text());
        };
    };
    window.body.onChange = record(window.body);
    window.recipient.onChange = record(window.recipient);
    user.setTextFromOutside(window.body, "multi\r\nline");
    window.body.setRich(true);
    user.setTextFromOutside(window.body, "rich\r\nline");
    window.body.setRich(false);
    window.body.setMultiLine(false);
    user.setTextFromOutside(window.body, "single");
    user.setTextFromOutside(window.body, "single");  // the same text: no change
    user.pick(window.recipient, "pc2");
    user.setTextFromOutside(window.recipient, "pc5");
    EXPECT_EQ((std::vector<std::string>{"outside multi\r\nline", "outside rich\r\nline", "outside single",
                                        "outside pc5"}),
              changes);
    EXPECT_EQ(-1, window.recipient.listIndex());
    window.recipient.clear();  // the list goes, the text stays
    user.type(window.recipient, "!");
    EXPECT_EQ("pc5!", window.recipient.text());
}

TEST_F(Controls, DropDownListIgnoresTextFromCode) {
    forms::ComboBox& list = window.recipient;
    list.setStyle(forms::ComboStyle::DropDownList);
    list.setText("free text");
    EXPECT_EQ("", list.text());
}

TEST_F(Controls, CheckBoxClickFlipsAndCodeRaisesClickOnlyOnChange) {
    std::vector<bool> seen;
    window.broadcast.onClick = [&] { seen.push_back(window.broadcast.checked()); };
    user.toggle(window.broadcast);
    window.broadcast.setChecked(true);
    window.broadcast.setChecked(false);
    user.toggle(window.broadcast);
    EXPECT_EQ((std::vector<bool>{true, false, true}), seen);
    window.broadcast.setEnabled(false);
    window.broadcast.userToggled();
    EXPECT_TRUE(window.broadcast.checked());
}

TEST_F(Controls, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
    user.type(window.body, "line");
    user.pressKey(window.body, forms::keys::Return);
    EXPECT_EQ(1, sends);
    EXPECT_EQ("line", window.body.text());  // Enter went to the button, not into the text
    user.pressKey(window.body, forms::keys::Return, forms::shift::Ctrl);
    EXPECT_EQ("line\r\n", window.body.text());
    user.pressKey(window.recipient, forms::keys::Escape);
    EXPECT_EQ(1, cancels);
    user.pressKey(window.cancel, forms::keys::Return);  // a focused button keeps Enter for itself
    EXPECT_EQ(1, sends);
}

TEST_F(Controls, ScrollBarStaysInRangeAndTellsUserMovesFromCode) {
    std::vector<std::pair<Origin, int>> seen;
    window.red.onChange = [&](const forms::ChangeEvent& e) { seen.emplace_back(e.origin, window.red.value()); };
    user.scroll(window.red, 300);
    window.red.setValue(-5);
    window.red.setValue(0);
    user.scroll(window.red, 0);
    EXPECT_EQ((std::vector<std::pair<Origin, int>>{{Origin::User, 255}, {Origin::Code, 0}}), seen);
}

TEST_F(Controls, ListBoxDoubleClickComesAfterThePickOfThatItem) {
    std::vector<std::string> events;
    window.entries.onSelect = [&](const forms::ChangeEvent&) { events.push_back("select " + window.entries.text()); };
    window.entries.onDoubleClick = [&] { events.push_back("double " + window.entries.text()); };
    user.doubleClick(window.entries, 1);
    EXPECT_EQ((std::vector<std::string>{"select b", "double b"}), events);
}

TEST_F(Controls, TrayIconIsShownUnlessRefusedAndReportsNotificationsWhileActive) {
    std::vector<int> seen;
    window.tray.onNotify = [&](int message) { seen.push_back(message); };
    window.tray.setActive(true);
    EXPECT_TRUE(window.tray.shown());
    user.trayNotify(window.tray, forms::mouse::LeftButtonUp);
    window.tray.setActive(false);
    user.trayNotify(window.tray, forms::mouse::RightButtonUp);
    EXPECT_EQ(std::vector<int>{forms::mouse::LeftButtonUp}, seen);
    EXPECT_FALSE(window.tray.shown());

    user.refuseTrayIcons(true);
    window.tray.setActive(true);
    EXPECT_FALSE(window.tray.shown());
}

#ifndef FORMS_TESTS_ON_WIN32
// The shell's fields hold 63 and 255 UTF-16 units: a longer text is cut
// there, never inside a character. No icon in the notification area, no balloon.
TEST_F(Controls, TrayBalloonIsCutToTheShellsFieldsAndNeedsTheIconShown) {
    const std::string smile = "\xF0\x9F\x98\x80";  // two UTF-16 units
    EXPECT_FALSE(window.tray.showBalloon("T", "not yet", forms::BalloonIcon::Warning));
    window.tray.setActive(true);
    ASSERT_TRUE(window.tray.showBalloon(std::string(62, 't') + smile, std::string(254, 'x') + smile + "y",
                                        forms::BalloonIcon::Warning));
    ASSERT_EQ(1u, user.balloons().size());
    EXPECT_EQ(std::string(62, 't'), user.balloons()[0].title);
    EXPECT_EQ(std::string(254, 'x'), user.balloons()[0].text);
    EXPECT_EQ(forms::BalloonIcon::Warning, user.balloons()[0].icon);
    window.tray.showBalloon(std::string(61, 't') + smile, std::string(253, 'x') + smile, forms::BalloonIcon::Error);
    EXPECT_EQ(std::string(61, 't') + smile, user.balloons()[1].title);
    EXPECT_EQ(std::string(253, 'x') + smile, user.balloons()[1].text);

    window.tray.setActive(false);
    user.refuseTrayIcons(true);
    window.tray.setActive(true);
    EXPECT_FALSE(window.tray.showBalloon("T", "refused", forms::BalloonIcon::Warning));
    EXPECT_EQ(2u, user.balloons().size());
}
#endif

TEST_F(Controls, StylesTakenAtCreationChangeAfterLoadKeepingContentsAndFocus) {
    window.body.setText("line 1\r\nline 2");
    window.body.setFocus();
    window.body.setMultiLine(false);
    window.body.setScrollBars(forms::ScrollBars::Vertical);
    EXPECT_FALSE(window.body.multiLine());
    EXPECT_EQ("line 1\r\nline 2", window.body.text());
    EXPECT_EQ(&window.body, window.focused());
    ASSERT_NE(nullptr, window.body.peer());
}

TEST_F(Controls, ABoxNoTestExpectedFailsNamingItsTextAndTitle) {
    window.send.onClick = [this] { app.messageBox("Really?", "Asking", forms::MessageButtons::YesNo, forms::MessageIcon::Question); };
    try {
        user.click(window.send);
        FAIL() << "the unexpected box passed silently";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ("unexpected message box \"Really?\" titled \"Asking\"", error.what());
    }
    user.answer(forms::MessageResult::No);
    user.click(window.send);
    EXPECT_EQ(2u, user.boxes().size());
}

}  // namespace
