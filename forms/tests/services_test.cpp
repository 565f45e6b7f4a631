// Modal boxes and windows, the busy cursor, the clipboard and a text box's
// selection: what a program's handler sees of each.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>

#ifdef FORMS_TESTS_ON_WIN32
#include <windows.h>
#endif

#include "test_driver.hpp"
#include "test_window.hpp"

using forms::Origin;

namespace {

class Services : public ::testing::Test {
protected:
    forms::App app{"Test"};
    TestWindow window{app};
    TestDriver driver{app};

    void SetUp() override { window.show(); }
};

TEST_F(Services, InputBoxesAreAnsweredInOrderRecordedAndCancelGivesEmptyText) {
    driver.answerInput("PC7");
    driver.cancelInput();
    EXPECT_EQ("PC7", app.inputBox("Name?\r\nOne line", "Add", "PC1"));
    EXPECT_EQ("", app.inputBox("Again?", "Add", "PC1"));
    ASSERT_EQ(2u, driver.inputBoxes().size());
    EXPECT_EQ("Name?\r\nOne line", driver.inputBoxes()[0].prompt);
    EXPECT_EQ("Add", driver.inputBoxes()[0].title);
    EXPECT_EQ("PC1", driver.inputBoxes()[0].defaultText);
    // One nobody expected fails the user's action that showed it.
    window.ok.onClick = [&] { app.inputBox("Unasked", "Nobody"); };
    try {
        driver.click(window.ok);
        FAIL() << "an input box nobody expected went unnoticed";
    } catch (const std::logic_error& error) {
        EXPECT_NE(std::string::npos, std::string(error.what()).find("\"Unasked\" titled \"Nobody\""));
    }
}

TEST_F(Services, ShowModalRunsTheQueuedActionsUntilTheWindowClosesThenReturns) {
    TestWindow dialog{app, "Dialog"};
    std::vector<std::string> seen;
    window.ok.onClick = [&] {
        dialog.showModal();
        seen.push_back("returned with " + dialog.single.text());
    };
    driver.whileModal(dialog, [&] {
        driver.type(dialog.single, "ab");
        seen.push_back(dialog.modal() ? "modal" : "not");
    });
    driver.whileModal(dialog, [&] { dialog.hide(); });
    driver.whileModal(dialog, [&] { driver.closeBox(dialog); });  // for the second showing
    driver.click(window.ok);
    EXPECT_EQ((std::vector<std::string>{"modal", "returned with ab"}), seen);
    EXPECT_FALSE(dialog.visible());
    EXPECT_FALSE(dialog.modal());
    driver.click(window.ok);  // shown again: closed by its close box this time
    EXPECT_FALSE(dialog.loaded());
    EXPECT_THROW(driver.click(window.ok), std::logic_error);  // nothing queued closes it
    EXPECT_TRUE(dialog.visible());
    EXPECT_FALSE(dialog.modal());
    EXPECT_THROW(dialog.showModal(), std::logic_error);  // shown already
}

TEST_F(Services, BusyCursorHoldsForTheScopeNestsAndIsCounted) {
    std::vector<bool> during;
    window.ok.onClick = [&] {
        forms::BusyCursor busy(window);
        {
            forms::BusyCursor inner(window);
            during.push_back(window.busy());
        }
        during.push_back(window.busy());
    };
    driver.click(window.ok);
    EXPECT_EQ((std::vector<bool>{true, true}), during);
    EXPECT_FALSE(window.busy());
    EXPECT_EQ(1, driver.timesBusy(window));
    TestWindow other{app, "Other"};
    other.show();  // keeps the program running while the window unloads
    window.setBusy(true);
    window.unload();
    window.show();
    EXPECT_FALSE(window.busy());
}

TEST_F(Services, ClipboardKeepsTextUnlessItCannotBeOpened) {
    EXPECT_TRUE(app.setClipboardText("a\r\nb"));
    EXPECT_EQ("a\r\nb", app.clipboardText());
    driver.refuseClipboard(true);
    EXPECT_FALSE(app.setClipboardText("lost"));
    EXPECT_EQ("", app.clipboardText());
    driver.refuseClipboard(false);
    EXPECT_EQ("a\r\nb", app.clipboardText());
}

// Positions count what the user sees: "é" one, a CR LF line break one.
TEST_F(Services, SelectionCountsCharactersAsSeenAndTypingReplacesIt) {
    window.multi.setText("h\xC3\xA9llo\r\nw\xF0\x9F\x98\x80rld");
    EXPECT_EQ(11, window.multi.selStart());  // code leaves the caret after the text
    window.multi.select(1, 6);
    EXPECT_EQ("\xC3\xA9llo\r\nw", window.multi.selectedText());
    window.multi.select(8, 99);
    EXPECT_EQ(3, window.multi.selLength());
    driver.select(window.multi, 4, 3);  // "o", the break, "w"
    driver.type(window.multi, "O");
    EXPECT_EQ("h\xC3\xA9llO\xF0\x9F\x98\x80rld", window.multi.text());
    EXPECT_EQ(5, window.multi.selStart());
    driver.pressKey(window.multi, forms::keys::Back);
    driver.pressKey(window.multi, forms::keys::Back);
    EXPECT_EQ("h\xC3\xA9l\xF0\x9F\x98\x80rld", window.multi.text());
    window.single.setText("12345");
    driver.select(window.single, 1, 2);
    driver.type(window.single, "xyz");  // maxLength 5: only one fits in place of two
    EXPECT_EQ("1xy45", window.single.text());
}

TEST_F(Services, ReplaceSelectionIsTheUsersEditAndSelectAllAtStartUpMeetsTheFirstKey) {
    std::vector<std::pair<Origin, std::string>> seen;
    window.multi.onChange = [&](const forms::ChangeEvent& e) { seen.emplace_back(e.origin, window.multi.text()); };
    window.multi.setText("one two");
    window.multi.select(4, 3);
    window.multi.replaceSelection("2\r\n3");
    window.multi.replaceSelection("");  // nothing selected, nothing put: no change
    EXPECT_EQ(7, window.multi.selStart());
    EXPECT_EQ((std::vector<std::pair<Origin, std::string>>{{Origin::Code, "one two"}, {Origin::User, "one 2\r\n3"}}),
              seen);

    TestWindow start{app, "Start"};
    start.onLoad = [&] {
        start.multi.setText("Type here");
        start.multi.selectAll();
        start.multi.setFocus();
    };
    start.show();
    driver.type(start.multi, "H");
    EXPECT_EQ("H", start.multi.text());
}

// What a system service takes as the owner of its dialog: the real window
// while there is one; none before the load, after the unload, and headless.
TEST_F(Services, ANativeHandleIsTheRealWindowWhileItIsLoaded) {
    TestWindow dialog{app, "Dialog"};
    EXPECT_FALSE(dialog.nativeHandle());
    dialog.load();
    dialog.setCaption("Owner");
#ifdef FORMS_TESTS_ON_WIN32
    wchar_t caption[16] = {};
    GetWindowTextW(reinterpret_cast<HWND>(dialog.nativeHandle().value), caption, 16);
    EXPECT_EQ(std::wstring(L"Owner"), caption);
    EXPECT_TRUE(window.nativeHandle() != dialog.nativeHandle());
#else
    EXPECT_FALSE(dialog.nativeHandle());
#endif
    dialog.unload();
    EXPECT_FALSE(dialog.nativeHandle());
}

TEST(TextUnits, PositionsMapToUtf16UnitsOfPlainAndRichEditsAndBack) {
    const std::string text =
        "a\r\n\xF0\x9F\x98\x80"
        "b";  // a, break, a surrogate pair, b
    EXPECT_EQ(4, forms::characterCount(text));
    EXPECT_EQ(5, forms::unitOffset(text, 3, 2));
    EXPECT_EQ(4, forms::unitOffset(text, 3, 1));
    EXPECT_EQ(6, forms::unitOffset(text, 9, 2));
    EXPECT_EQ(3, forms::positionAtUnit(text, 5, 2));
    EXPECT_EQ(1, forms::positionAtUnit(text, 2, 2));  // between CR and LF
    EXPECT_EQ(2, forms::positionAtUnit(text, 4, 2));  // inside the pair
    EXPECT_EQ(4, forms::positionAtUnit(text, 99, 1));
}

}  // namespace

// Work that blocks until the user acts again: it can end only if it runs off
// the window thread while the window goes on handling the user's input.
TEST_F(Services, BackgroundWorkRunsOffTheWindowThreadAndItsResultComesBackAsAnEvent) {
    auto userActedAgain = std::make_shared<std::atomic<bool>>(false);
    std::vector<std::string> seen;
    window.ok.onClick = [&] {
        app.runInBackground<std::string>(
            [userActedAgain] {
                const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
                while (!*userActedAgain && std::chrono::steady_clock::now() < giveUp) {
                }
                return std::string(*userActedAgain ? "after the user" : "blocked the window");
            },
            [&](std::string result) { seen.push_back("done: " + result + (window.visible() ? "" : " (gone)")); });
        seen.push_back("handler returned");
    };
    window.single.onChange = [&](const forms::ChangeEvent&) { *userActedAgain = true; };
    driver.click(window.ok);
    driver.type(window.single, "x");
    driver.finishBackgroundWork();
    EXPECT_EQ((std::vector<std::string>{"handler returned", "done: after the user"}), seen);
    EXPECT_EQ(0u, driver.backgroundWorkWaiting());

    // A program that ends first sees nothing of its work.
    *userActedAgain = false;
    driver.click(window.ok);
    app.end();
    *userActedAgain = true;
    driver.finishBackgroundWork();
    EXPECT_EQ(3u, seen.size());
}
