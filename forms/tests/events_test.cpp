// Which action raises which event, in which order: the rules every window relies on.
#include <gtest/gtest.h>

#include "test_driver.hpp"
#include "test_window.hpp"

using forms::Origin;
using Trace = std::vector<std::string>;

namespace {

std::string joined(const Trace& trace) {
    std::string out;
    for (const auto& entry : trace) out += entry + "\n";
    return out;
}

#define EXPECT_TRACE(app, ...) \
    EXPECT_EQ(Trace({__VA_ARGS__}), (app).trace()) << "whole trace:\n" << joined((app).trace())

class Events : public ::testing::Test {
protected:
    forms::App app{"Test"};
    TestWindow window{app};
    TestDriver driver{app};

    void SetUp() override { window.show(); }
};

TEST_F(Events, TextSetByCodeRaisesChangeFromCodeOnlyWhenItDiffers) {
    std::vector<Origin> seen;
    window.single.onChange = [&](const forms::ChangeEvent& e) { seen.push_back(e.origin); };
    window.single.setText("abc");
    window.single.setText("abc");
    window.single.setText("");
    EXPECT_EQ((std::vector<Origin>{Origin::Code, Origin::Code}), seen);
}

TEST_F(Events, TypingRaisesKeyEventsAndUserChangesKeyByKey) {
    window.single.setFocus();
    app.startTrace();
    driver.type(window.single, "ab");
    EXPECT_TRACE(app, "txtSingle.KeyDown", "txtSingle.KeyPress", "txtSingle.Change(user)", "txtSingle.KeyUp",
                 "txtSingle.KeyDown", "txtSingle.KeyPress", "txtSingle.Change(user)", "txtSingle.KeyUp");
    EXPECT_EQ("ab", window.single.text());
}

TEST_F(Events, MaxLengthStopsTheUserButNotTheCode) {
    driver.type(window.single, "123456789");
    EXPECT_EQ("12345", window.single.text());
    window.single.setText("123456789");
    EXPECT_EQ("123456789", window.single.text());
}

TEST_F(Events, SwallowedKeysChangeNothing) {
    window.single.onKeyPress = [](forms::KeyPressEvent& e) { if (e.keyAscii == 'x') e.keyAscii = 0; };
    window.multi.onKeyDown = [](forms::KeyEvent& e) { if (e.keyCode == forms::keys::Return) e.keyCode = 0; };
    driver.type(window.single, "axb");
    driver.type(window.multi, "a\r\nb");
    EXPECT_EQ("ab", window.single.text());
    EXPECT_EQ("ab", window.multi.text());
}

// Alt with a letter comes as a system key; it reaches the handlers like any other.
TEST_F(Events, KeysHeldWithAltRaiseKeyDownAndKeyUpWithTheirShiftState) {
    std::vector<int> downs;
    window.single.onKeyDown = [&](forms::KeyEvent& e) { downs.push_back(e.keyCode * 8 + e.shift); };
    app.startTrace();
    driver.pressKey(window.single, 'X', forms::shift::Alt);
    EXPECT_EQ(std::vector<int>{'X' * 8 + forms::shift::Alt}, downs);
    EXPECT_TRACE(app, "txtSingle.KeyDown", "txtSingle.KeyUp");
    EXPECT_EQ("", window.single.text());
}

TEST_F(Events, EnterMakesCrLfOnlyInMultiLineBoxesAndBackspaceTakesItBack) {
    driver.type(window.multi, "a\nb");
    driver.type(window.single, "a\nb");
    EXPECT_EQ("a\r\nb", window.multi.text());
    EXPECT_EQ("ab", window.single.text());
    driver.pressKey(window.multi, forms::keys::Back);
    driver.pressKey(window.multi, forms::keys::Back);
    EXPECT_EQ("a", window.multi.text());
}

TEST_F(Events, ListSelectionRaisesSelectFromCodeAndFromUser) {
    std::vector<std::pair<Origin, std::string>> seen;
    window.list.onSelect = [&](const forms::ChangeEvent& e) { seen.emplace_back(e.origin, window.list.text()); };
    window.list.setListIndex(1);
    driver.pick(window.list, "one");
    driver.pick(window.list, "one");   // picking the selected item again still counts
    window.list.setListIndex(-1);
    window.list.setListIndex(-1);      // nothing to nothing: no event
    ASSERT_EQ(4u, seen.size());
    EXPECT_EQ(std::make_pair(Origin::Code, std::string("two")), seen[0]);
    EXPECT_EQ(std::make_pair(Origin::User, std::string("one")), seen[1]);
    EXPECT_EQ(std::make_pair(Origin::User, std::string("one")), seen[2]);
    EXPECT_EQ(std::make_pair(Origin::Code, std::string()), seen[3]);
}

TEST_F(Events, ListEditsKeepTheSelectedItemAndRaiseNothing) {
    int selects = 0;
    window.list.onSelect = [&](const forms::ChangeEvent&) { ++selects; };
    window.list.setListIndex(1);
    window.list.addItem("zero", 0);
    EXPECT_EQ("two", window.list.text());
    window.list.removeItem(0);
    EXPECT_EQ("two", window.list.text());
    window.list.removeItem(1);
    EXPECT_EQ(-1, window.list.listIndex());
    EXPECT_EQ("", window.list.text());
    EXPECT_EQ(1, selects);
}

TEST_F(Events, FocusMovesRaiseLostFocusThenGotFocus) {
    window.single.setFocus();
    app.startTrace();
    driver.click(window.ok);
    window.multi.setFocus();
    window.multi.setFocus();
    EXPECT_TRACE(app, "txtSingle.LostFocus", "cmdOk.GotFocus", "cmdOk.Click", "cmdOk.LostFocus", "txtMulti.GotFocus");
}

TEST_F(Events, TabFollowsTabOrderSkippingWhatCannotTakeTheFocus) {
    window.setTabOrder({&window.ok, &window.multi, &window.list, &window.single});
    window.list.setVisible(false);
    window.ok.setFocus();
    driver.pressKey(window.ok, forms::keys::Tab);
    EXPECT_EQ(&window.multi, window.focused());
    driver.pressKey(window.multi, forms::keys::Tab);
    EXPECT_EQ(&window.single, window.focused());
    driver.pressKey(window.single, forms::keys::Tab);
    EXPECT_EQ(&window.ok, window.focused());  // wraps round; labels and the status bar never get it
    driver.pressKey(window.ok, forms::keys::Tab, forms::shift::Shift);
    EXPECT_EQ(&window.single, window.focused());
}

TEST_F(Events, DisabledControlsIgnoreClicksFromCode) {
    int clicks = 0;
    window.ok.onClick = [&] { ++clicks; };
    window.ok.click();
    window.ok.setEnabled(false);
    window.ok.click();
    EXPECT_EQ(1, clicks);
}

TEST_F(Events, HandlerThatUnloadsItsWindowStopsTheRestOfTheKey) {
    forms::Window other(app, "Other");
    other.show();
    window.single.onKeyDown = [&](forms::KeyEvent&) { window.unload(); };
    int presses = 0;
    window.single.onKeyPress = [&](forms::KeyPressEvent&) { ++presses; };
    driver.type(window.single, "abc");
    EXPECT_FALSE(window.loaded());
    EXPECT_EQ(0, presses);
    EXPECT_EQ("", window.single.text());
}

}  // namespace
