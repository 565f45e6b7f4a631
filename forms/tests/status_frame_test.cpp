// Status bar panels, the group frame, the graphical button, and the focus
// leaving an editable combo.
#include <gtest/gtest.h>

#include "forms/frame.hpp"
#include "test_driver.hpp"
#include "forms/status_bar.hpp"

using forms::PanelStyle;
using forms::StatusPanel;
using Trace = std::vector<std::string>;

namespace {

struct SearchWindow : forms::Window {
    explicit SearchWindow(forms::App& app) : Window(app, "Search") {}
    forms::Frame options{*this, "fraOptions"};
    forms::CheckBox exact{*this, "chkExact"};
    forms::ComboBox machine{*this, "cboMachine"};
    forms::ListBox found{*this, "lstFound"};
    forms::Button search{*this, "cmdSearch"};
    forms::StatusBar status{*this, "stbStatus"};

protected:
    void design() override {
        options.setCaption("Options");
        // Placed as on a real form: the Win32 driver clicks only what has a size.
        options.setBounds({120, 120, 3000, 900});
        exact.setBounds({240, 360, 2400, 315});
        machine.setBounds({120, 1200, 2400, 315});
        found.setBounds({120, 1680, 2400, 900});
        search.setBounds({3240, 1200, 1200, 375});
        machine.setStyle(forms::ComboStyle::DropDown);
        machine.addItem("pc1");
        found.addItem("pc7");
        status.setPanels({{"msg", PanelStyle::Text, "Ready", 3000, "Last message"},
                          {"time", PanelStyle::Time, "12:00", 1200, "Time"},
                          {"caps", PanelStyle::CapsLock, "", 0, ""}});
    }
};

struct StatusFrame : ::testing::Test {
    forms::App app{"Test"};
    SearchWindow window{app};
    TestDriver user{app};
    void SetUp() override { window.show(); }
};

TEST_F(StatusFrame, PanelsKeepTheirStylesAndTipsAndOnlyTextPanelsTakeText) {
    const auto& panels = window.status.panels();
    ASSERT_EQ(3u, panels.size());
    EXPECT_EQ(PanelStyle::Time, panels[1].style);
    EXPECT_EQ(PanelStyle::CapsLock, panels[2].style);
    EXPECT_EQ("Time", panels[1].toolTip);
    EXPECT_EQ("", panels[1].text);  // the backend shows the time itself
    window.status.setPanelText("msg", "Sent");
    window.status.setPanelText("time", "13:00");
    window.status.setPanelText("nokey", "lost");
    EXPECT_EQ("Sent", window.status.text());
    EXPECT_EQ("", panels[1].text);
}

TEST_F(StatusFrame, DoubleClickOnTheBarLeavesTheFocusWhereItWas) {
    std::string shown;
    window.status.onDoubleClick = [&] { shown = window.status.panels()[0].text; };
    window.search.setFocus();
    user.doubleClick(window.status);
    EXPECT_EQ("Ready", shown);
    EXPECT_EQ(&window.search, window.focused());
}

TEST_F(StatusFrame, FrameNeverTakesTheFocus) {
    window.setTabOrder({&window.exact, &window.options, &window.search});
    window.exact.setFocus();
    user.pressKey(window.exact, forms::keys::Tab);
    EXPECT_EQ(&window.search, window.focused());
    user.click(window.options);
    window.options.setFocus();
    EXPECT_EQ(&window.search, window.focused());
}

TEST_F(StatusFrame, PictureSetAfterLoadRemakesTheButtonKeepingFocusAndGoesAtReload) {
    int clicks = 0;
    window.search.onClick = [&] { ++clicks; };
    window.search.setFocus();
    window.search.setPicture(101);
    EXPECT_EQ(&window.search, window.focused());
    user.click(window.search);
    EXPECT_EQ(1, clicks);
    forms::Window other(app, "Other");  // keeps the program running
    other.show();
    window.unload();
    window.show();
    EXPECT_EQ(0, window.search.picture());
}

TEST_F(StatusFrame, EditableComboLosesTheFocusOnceByTabAndByClickElsewhere) {
    window.setTabOrder({&window.machine, &window.found});
    user.type(window.machine, "pc");
    app.startTrace();
    user.pressKey(window.machine, forms::keys::Tab);
    user.type(window.machine, "7");
    user.pick(window.found, 0);
    user.click(window.found);
    Trace focus;
    for (const std::string& entry : app.trace())
        if (entry.find("Focus") != std::string::npos) focus.push_back(entry);
    EXPECT_EQ(Trace({"cboMachine.LostFocus", "lstFound.GotFocus", "lstFound.LostFocus", "cboMachine.GotFocus",
                     "cboMachine.LostFocus", "lstFound.GotFocus"}),
              focus);
}

}  // namespace
