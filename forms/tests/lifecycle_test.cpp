// Load, show, hide, unload and end: what runs, and what state survives.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "test_driver.hpp"
#include "test_window.hpp"

namespace {

struct Lifecycle : ::testing::Test {
    forms::App app{"Test"};
    TestWindow window{app};
    TestDriver driver{app};
};

TEST_F(Lifecycle, ShowLoadsOnceAndKeepsStateWhileHidden) {
    int loads = 0;
    window.onLoad = [&] { ++loads; };
    window.show();
    window.single.setText("kept");
    window.hide();
    window.show();
    window.show();
    EXPECT_EQ(1, loads);
    EXPECT_TRUE(window.visible());
    EXPECT_EQ("kept", window.single.text());
}

TEST_F(Lifecycle, ShowAfterUnloadStartsAfreshFromTheDesign) {
    forms::Window other(app, "Other");
    other.show();
    window.show();
    window.single.setText("gone");
    window.list.addItem("three");
    window.caption.setVisible(false);
    window.unload();
    window.show();
    EXPECT_EQ(2, window.designs);
    EXPECT_EQ("", window.single.text());
    EXPECT_EQ(2, window.list.listCount());
    EXPECT_TRUE(window.caption.visible());
    EXPECT_TRUE(window.list.tabStop());
}

TEST_F(Lifecycle, CloseBoxCanBeCancelledAndOtherwiseUnloads) {
    forms::Window other(app, "Other");
    other.show();
    window.show();
    bool keep = true;
    std::vector<forms::CloseReason> reasons;
    window.onClose = [&](forms::CloseEvent& e) {
        reasons.push_back(e.reason);
        e.cancel = keep;
    };
    driver.closeBox(window);
    EXPECT_TRUE(window.loaded());
    keep = false;
    driver.closeBox(window);
    EXPECT_FALSE(window.loaded());
    EXPECT_EQ((std::vector<forms::CloseReason>{forms::CloseReason::CloseBox, forms::CloseReason::CloseBox}), reasons);
}

TEST_F(Lifecycle, LastWindowUnloadedEndsTheProgram) {
    forms::Window other(app, "Other");
    other.show();
    window.show();
    window.unload();
    EXPECT_FALSE(app.ended());
    driver.closeBox(other);
    EXPECT_TRUE(app.ended());
}

TEST_F(Lifecycle, EndUnloadsEveryWindowWithoutItsEvents) {
    forms::Window other(app, "Other");
    other.show();
    window.show();
    int unloads = 0;
    window.onUnload = [&] { ++unloads; };
    other.onUnload = [&] { ++unloads; };
    window.ok.onClick = [&] { app.end(); };
    driver.click(window.ok);
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(window.loaded());
    EXPECT_FALSE(other.loaded());
    EXPECT_EQ(0, unloads);
    window.show();  // nothing comes back once the program has ended
    EXPECT_FALSE(window.loaded());
}

TEST_F(Lifecycle, CloseHandlerMayUnloadAndEndItself) {
    forms::Window other(app, "Other");
    other.show();
    window.show();
    std::vector<std::string> steps;
    window.onUnload = [&] { steps.push_back("unload"); };
    window.onClose = [&](forms::CloseEvent& e) {
        if (e.reason != forms::CloseReason::CloseBox) return;
        e.cancel = true;
        window.unload();
        steps.push_back(window.loaded() ? "still loaded" : "unloaded");
        app.end();
    };
    driver.closeBox(window);
    EXPECT_EQ((std::vector<std::string>{"unload", "unloaded"}), steps);
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(other.loaded());
}

TEST_F(Lifecycle, FocusSetInLoadIsKeptAndControlsOfUnloadedWindowsIgnoreIt) {
    window.onLoad = [&] { window.multi.setFocus(); };
    window.show();
    EXPECT_EQ(&window.multi, window.focused());
    forms::Window other(app, "Other");
    other.show();
    window.unload();
    window.single.setFocus();
    EXPECT_FALSE(window.single.hasFocus());
}

TEST_F(Lifecycle, MinimiseAndRestoreRaiseResize) {
    window.show();
    int resizes = 0;
    window.onResize = [&] { ++resizes; };
    driver.minimize(window);
    EXPECT_EQ(forms::WindowState::Minimized, window.windowState());
    window.setWindowState(forms::WindowState::Normal);
    window.setWindowState(forms::WindowState::Normal);
    EXPECT_EQ(2, resizes);
}

// Windows and controls destroyed while loaded, in every order, from their own
// handlers or not: nothing reads a dead object (run under ASan and UBSan).
TEST_F(Lifecycle, WindowsDestroyedInEveryOrderLeaveTheProgramSound) {
    int order[] = {0, 1, 2};
    do {
        forms::App own("Orders");
        std::unique_ptr<TestWindow> windows[3];
        for (int i = 0; i < 3; ++i) {
            windows[i] = std::make_unique<TestWindow>(own, "W" + std::to_string(i));
            windows[i]->show();
            windows[i]->multi.setFocus();
        }
        for (int step = 0; step < 3; ++step) {
            EXPECT_FALSE(own.ended());
            windows[order[step]].reset();
            EXPECT_EQ(static_cast<size_t>(2 - step), own.loadedWindows().size());
        }
        EXPECT_TRUE(own.ended());
    } while (std::next_permutation(std::begin(order), std::end(order)));
}

TEST_F(Lifecycle, AWindowEndsItsOwnLifeFromItsHandlerAfterTheHandlerReturns) {
    window.show();
    auto child = std::make_unique<TestWindow>(app, "Child");
    child->show();
    TestWindow* alive = child.get();
    bool ranToTheEnd = false;
    alive->ok.onClick = [&] {
        alive->unload();
        app.destroyLater(std::move(child));
        ranToTheEnd = alive->name() == "Child";  // still there while its handler runs
    };
    driver.click(alive->ok);
    EXPECT_TRUE(ranToTheEnd);
    EXPECT_EQ(nullptr, child);
    EXPECT_EQ(std::vector<forms::Window*>{&window}, app.loadedWindows());
    EXPECT_FALSE(app.ended());
}

TEST_F(Lifecycle, AControlDestroyedLeavesItsWindowAndTheFocus) {
    window.show();
    auto extra = std::make_unique<forms::Button>(window, "cmdExtra");
    window.setDefaultButton(extra.get());
    extra->setFocus();
    ASSERT_EQ(extra.get(), window.focused());
    extra.reset();
    EXPECT_EQ(nullptr, window.findControl("cmdExtra"));
    EXPECT_EQ(nullptr, window.focused());
    EXPECT_EQ(nullptr, window.defaultButton());
    driver.pressKey(window.single, forms::keys::Return);  // no default button to press
    driver.pressKey(window.single, forms::keys::Tab);
    EXPECT_EQ(&window.multi, window.focused());
}

}  // namespace
