// An MDI frame and its children: lifecycle, the active child, the frame's
// shortcuts reaching the children, and windows going in any order.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "test_driver.hpp"
#include "forms/mdi_frame.hpp"

namespace {

using Trace = std::vector<std::string>;

struct Frame : forms::MdiFrame {
    explicit Frame(forms::App& app) : MdiFrame(app, "MDIPingrel") {}
    forms::MenuItem file{*this, "mnuFile", "&File"};
    forms::MenuItem open{*this, "mnuOpen", "&Open Store", &file};
    forms::MenuItem edit{*this, "mnuEdit", "&Edit"};
    forms::MenuItem copy{*this, "mnuCopy", "Copy", &edit};

protected:
    void design() override {
        setCaption("Pingrel GUI");
        setWindowState(forms::WindowState::Maximized);
        open.setShortcut({forms::shift::Ctrl, 'O'});
        copy.setShortcut({forms::shift::Ctrl, 'C'});
    }
};

struct Child : forms::Window {
    Child(forms::App& app, Frame& frame, std::string name) : Window(app, std::move(name)), frame_(frame) {}
    forms::TextBox text{*this, "txtText"};
    forms::Button ok{*this, "cmdOK"};
    int loads = 0;
    bool closable = true;

protected:
    void design() override {
        ++loads;
        setMdiParent(&frame_);
        setClosable(closable);
        setBounds({0, 0, 9750, 7600});
        text.setBounds({120, 120, 3000, 315});  // placed, so that the Win32 driver can click them
        ok.setBounds({120, 600, 1200, 375});
    }

private:
    Frame& frame_;
};

struct Mdi : ::testing::Test {
    forms::App app{"Test"};
    Frame frame{app};
    Child main{app, frame, "frmMain"};
    Child store{app, frame, "frmStore"};
    Child about{app, frame, "frmAbout"};
    TestDriver driver{app};
};

TEST_F(Mdi, AChildShowsItsFrameFirstAndShowingAnOpenChildBringsItToTheFront) {
    app.startTrace();
    main.show();
    EXPECT_EQ((Trace{"MDIPingrel.Resize", "MDIPingrel.Load", "frmMain.Load", "txtText.GotFocus"}), app.trace());
    EXPECT_TRUE(frame.visible());
    EXPECT_EQ(forms::WindowState::Maximized, frame.windowState());
    EXPECT_EQ(9750, main.bounds().width);
    store.show();
    EXPECT_EQ(&store, frame.activeChild());
    main.show();
    EXPECT_EQ(&main, frame.activeChild());
    EXPECT_EQ(1, main.loads);
    EXPECT_EQ((std::vector<forms::Window*>{&main, &store}), frame.children());
}

TEST_F(Mdi, TheChildActiveBeforeComesBackWhenTheActiveOneLeaves) {
    main.show();
    store.show();
    about.show();
    frame.childActivated(main);  // the user clicks into it
    EXPECT_EQ(&main, frame.activeChild());
    main.hide();
    EXPECT_EQ(&about, frame.activeChild());
    driver.closeBox(about);
    EXPECT_EQ(&store, frame.activeChild());
    store.unload();
    EXPECT_EQ(nullptr, frame.activeChild());
    main.show();
    EXPECT_EQ(&main, frame.activeChild());
    EXPECT_FALSE(app.ended());  // children leaving never end the program while the frame stays
}

TEST_F(Mdi, TheFrameUnloadsItsChildrenFirstAndAChildThatStaysKeepsItOpen) {
    main.show();
    store.show();
    bool keep = true;
    store.onClose = [&](forms::CloseEvent& e) { e.cancel = keep; };
    driver.closeBox(frame);
    EXPECT_TRUE(frame.loaded());
    EXPECT_TRUE(store.loaded());
    keep = false;
    app.startTrace();
    driver.closeBox(frame);
    EXPECT_EQ((Trace{"MDIPingrel.Close", "frmStore.QueryUnload", "frmStore.Unload", "frmMain.QueryUnload",
                     "frmMain.Unload", "MDIPingrel.Unload", "App.end"}),
              app.trace());
    EXPECT_FALSE(main.loaded());
}

// A child the user may not close: Close greyed in its system menu, its close
// box and Ctrl+F4 pass it by (they close any other child), minimising
// works, and it goes with its frame.
TEST_F(Mdi, AChildTheUserMayNotCloseStaysUntilItsFrameGoes) {
    main.closable = false;
    main.show();
    store.show();
    EXPECT_FALSE(driver.closeOffered(main));
    EXPECT_TRUE(driver.closeOffered(store));
    driver.pressShortcut(store, forms::shift::Ctrl, forms::keys::F4);
    EXPECT_FALSE(store.loaded());
    EXPECT_EQ(&main, frame.activeChild());

    int closes = 0;
    main.onClose = [&](forms::CloseEvent&) { ++closes; };
    driver.closeBox(main);
    driver.pressShortcut(main, forms::shift::Ctrl, forms::keys::F4);
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(0, closes);
    driver.minimize(main);
    EXPECT_EQ(forms::WindowState::Minimized, main.windowState());
    driver.restore(main);
    EXPECT_EQ(forms::WindowState::Normal, main.windowState());

    driver.closeBox(frame);
    EXPECT_FALSE(main.loaded());
    EXPECT_EQ(1, closes);  // asked, by code, as its frame unloads it
    EXPECT_TRUE(app.ended());
}

// Copy acts on the focused control of the active child, as the program's
// handler reaches it; the shortcut never reaches that control as a key.
TEST_F(Mdi, FrameShortcutsWorkFromTheActiveChildAndOnlyWhileEnabled) {
    main.show();
    EXPECT_EQ("Ctrl+O", forms::shortcutText(frame.open.shortcut()));
    store.show();
    store.text.setText("from store");
    main.text.setText("from main");
    driver.focus(store.text);
    std::string copied;
    frame.copy.onClick = [&] { copied = frame.activeChild()->focused()->text(); };
    int keys = 0;
    store.text.onKeyDown = [&](forms::KeyEvent&) { ++keys; };
    driver.pressShortcut(frame, forms::shift::Ctrl, 'C');
    EXPECT_EQ("from store", copied);
    EXPECT_EQ(0, keys);
    frame.edit.setEnabled(false);
    copied.clear();
    driver.pressShortcut(store, forms::shift::Ctrl, 'C');
    EXPECT_EQ("", copied);
    EXPECT_EQ(1, keys);
}

// A child unloading itself from its own button, and a frame and children
// destroyed while loaded in every order: nothing reads a dead object (ASan).
TEST_F(Mdi, AChildUnloadsFromItsOwnHandlerAndWindowsGoInAnyOrder) {
    main.show();
    store.show();
    store.ok.onClick = [&] {
        store.unload();
        store.text.setText("after unload");
    };
    driver.click(store.ok);
    EXPECT_FALSE(store.loaded());
    EXPECT_EQ(&main, frame.activeChild());

    int order[] = {0, 1, 2};
    do {
        forms::App own("Orders");
        auto ownFrame = std::make_unique<Frame>(own);
        std::unique_ptr<Child> children[2] = {std::make_unique<Child>(own, *ownFrame, "A"),
                                              std::make_unique<Child>(own, *ownFrame, "B")};
        for (auto& child : children) {
            child->show();
            child->text.setFocus();
        }
        for (int which : order) {
            if (which == 2) {
                ownFrame.reset();  // its children go with it, and so does the program
                EXPECT_TRUE(own.ended());
            } else {
                EXPECT_EQ(ownFrame != nullptr, !own.ended());
                children[which].reset();
            }
            if (ownFrame) {
                EXPECT_FALSE(own.ended());
                EXPECT_TRUE(!ownFrame->activeChild() || ownFrame->activeChild()->loaded());
            }
        }
        EXPECT_TRUE(own.loadedWindows().empty());
    } while (std::next_permutation(std::begin(order), std::end(order)));
}

}  // namespace
