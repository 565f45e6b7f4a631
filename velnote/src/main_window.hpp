#pragma once
// Velnote's main window: write or pick a message, type or pick one machine,
// and "Send Now !!!" hands the message over to be sent without waiting; a
// message that does not arrive is told from the icon afterwards.
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

class Program;

class MainWindow : public forms::Window {
public:
    explicit MainWindow(Program& program);

    // Controls, top left to bottom.
    forms::Label messageLabel{*this, "Label3"};
    forms::TextBox messageText{*this, "Text1"};
    forms::Label machineLabel{*this, "Label2"};
    forms::TextBox machineName{*this, "Text4"};
    forms::Label orLabel{*this, "Label1"};
    forms::ComboBox savedMachines{*this, "Combo3"};
    forms::Label savedMessagesLabel{*this, "Label5"};
    forms::ComboBox savedMessages{*this, "combo2"};
    forms::Button sendButton{*this, "Command1"};
    forms::TextBox keyCount{*this, "Text3"};
    forms::StatusBar statusBar{*this, "StatusBar1"};
    // The notification-area icon, from start-up until the window unloads.
    forms::TrayIcon trayIcon{*this, "trayIconData"};

    // Menu bar.
    forms::MenuItem backgroundColourMenu{*this, "bcolor", "&Background-Color"};
    forms::MenuItem customizeMenu{*this, "cust", "&Customize"};
    forms::MenuItem machineNamesItem{*this, "addmname", "&Add/Remove Machine Name", &customizeMenu};
    forms::MenuItem messagesItem{*this, "addmsg", "&Add Message", &customizeMenu};
    forms::MenuItem aboutMenu{*this, "About", "&About"};
    forms::MenuItem helpMenu{*this, "help", "&Help"};
    forms::MenuItem exitMenu{*this, "Exit", "&Exit"};
    forms::MenuItem trayMenu{*this, "mnurclick", "&rclick"};  // kept for use as a pop-up menu
    forms::MenuItem traySendItem{*this, "sendmsg", "&Send Message", &trayMenu};
    forms::MenuItem trayAboutItem{*this, "mnuabt", "&About Velnote " VELNOTE_VERSION_TEXT, &trayMenu};
    forms::MenuItem trayExitItem{*this, "mnuexit", "&Exit Velnote " VELNOTE_VERSION_TEXT, &trayMenu};

    // The running count of keys and picks shown in keyCount.
    int messageCount() const { return messageCount_; }

    // The farewell and the end of the program.
    void endProgram();
    // Applies a background colour to the window, its labels and the send button.
    void applyBackColor(forms::Color color);

protected:
    void design() override;

private:
    void startUp();
    void pickMessage();
    void pickMachine();
    void resetMachineList();
    void messageKeyDown(forms::KeyEvent& key);
    void sendMessage();
    void reportFailure(const messenger::SendOutcome& outcome);
    void closeBox(forms::CloseEvent& closing);
    void setCount(int count);
    void showFarewell();
    void showHelp();
    // Notification area.
    void hideWhenMinimised();
    void trayNotification(int mouseMessage);
    void sendMessageItem();

    Program& program_;
    Context& context_;
    int messageCount_ = 0;
};

}  // namespace velnote
