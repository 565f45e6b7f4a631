#pragma once
// Velnote's main window: write or pick a message, type or pick one machine,
// and "Send Now !!!" starts one net send command without waiting for it.
// Between sends it lives in the notification area: minimising hides it, and
// its icon brings it back or opens a small menu.
#include <string>

#include "context.hpp"
#include "forms/button.hpp"
#include "forms/combo_box.hpp"
#include "forms/label.hpp"
#include "forms/menu.hpp"
#include "forms/status_bar.hpp"
#include "forms/text_box.hpp"
#include "forms/tray_icon.hpp"
#include "forms/window.hpp"
#include "velnote_version.h"

namespace velnote {

// List items that mean "nothing chosen"; they are never sent.
constexpr const char* kSelectMachine = "- Select Machine Name -";
constexpr const char* kPleaseSelect = "-Please select-";
constexpr const char* kSelectMessage = "- Select Message -";

class Velnote;

class Form1 : public forms::Window {
public:
    explicit Form1(Velnote& program);

    // Controls, top left to bottom.
    forms::Label Label3{*this, "Label3"};
    forms::TextBox Text1{*this, "Text1"};
    forms::Label Label2{*this, "Label2"};
    forms::TextBox Text4{*this, "Text4"};
    forms::Label Label1{*this, "Label1"};
    forms::ComboBox Combo3{*this, "Combo3"};
    forms::Label Label5{*this, "Label5"};
    forms::ComboBox combo2{*this, "combo2"};
    forms::Button Command1{*this, "Command1"};
    forms::TextBox Text3{*this, "Text3"};
    forms::StatusBar StatusBar1{*this, "StatusBar1"};
    // The notification-area icon, from start-up until the window unloads.
    forms::TrayIcon trayIconData{*this, "trayIconData"};

    // Menu bar.
    forms::MenuItem bcolor{*this, "bcolor", "&Background-Color"};
    forms::MenuItem cust{*this, "cust", "&Customize"};
    forms::MenuItem addmname{*this, "addmname", "&Add/Remove Machine Name", &cust};
    forms::MenuItem addmsg{*this, "addmsg", "&Add Message", &cust};
    forms::MenuItem About{*this, "About", "&About"};
    forms::MenuItem help{*this, "help", "&Help"};
    forms::MenuItem Exit{*this, "Exit", "&Exit"};
    forms::MenuItem mnurclick{*this, "mnurclick", "&rclick"};  // kept for use as a pop-up menu
    forms::MenuItem sendmsg{*this, "sendmsg", "&Send Message", &mnurclick};
    forms::MenuItem mnuabt{*this, "mnuabt", "&About Velnote " VELNOTE_VERSION_TEXT, &mnurclick};
    forms::MenuItem mnuexit{*this, "mnuexit", "&Exit Velnote " VELNOTE_VERSION_TEXT, &mnurclick};

    // The running count of keys and picks shown in Text3.
    int messageCount() const { return messageCount_; }

    // The farewell and the end of the program.
    void endprog();
    // Applies a background colour to the window, its labels and the send button.
    void applyBackColor(forms::Color color);

protected:
    void design() override;

private:
    void startUp();
    void messagePick();
    void machinePick();
    void resetMachineList();
    void messageKeyDown(forms::KeyEvent& key);
    void sendRoutine();
    void closeBox(forms::CloseEvent& closing);
    void setCount(int count);
    void showFarewell();
    void showHelp();
    // Notification area.
    void hideWhenMinimised();
    void trayNotification(int mouseMessage);
    void sendMessageItem();

    Velnote& program_;
    Context& context_;
    int messageCount_ = 0;
};

}  // namespace velnote
