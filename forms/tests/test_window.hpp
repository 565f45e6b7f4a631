#pragma once
// A small window with one control of each kind, for the model's own tests.
#include "forms/app.hpp"
#include "forms/button.hpp"
#include "forms/combo_box.hpp"
#include "forms/label.hpp"
#include "forms/menu.hpp"
#include "forms/status_bar.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

struct TestWindow : forms::Window {
    explicit TestWindow(forms::App& app, std::string name = "Main") : Window(app, std::move(name)) {}

    forms::Label caption{*this, "lblCaption"};
    forms::TextBox single{*this, "txtSingle"};
    forms::TextBox multi{*this, "txtMulti"};
    forms::ComboBox list{*this, "cboList"};
    forms::Button ok{*this, "cmdOk"};
    forms::StatusBar status{*this, "stbStatus"};
    forms::MenuItem file{*this, "mnuFile", "&File"};
    forms::MenuItem quit{*this, "mnuQuit", "&Quit", &file};

    int designs = 0;

protected:
    void design() override {
        ++designs;
        setCaption("Test");
        multi.setMultiLine(true);
        single.setMaxLength(5);
        list.addItem("one");
        list.addItem("two");
        caption.setCaption("Name");
        // Placed as on a real form: a user (and the Win32 driver) clicks only what has a size.
        caption.setBounds({120, 120, 1200, 255});
        single.setBounds({1440, 120, 3000, 315});
        multi.setBounds({120, 540, 4320, 1200});
        list.setBounds({120, 1860, 2400, 315});
        ok.setBounds({3240, 1860, 1200, 375});
    }
};
