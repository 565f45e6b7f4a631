#pragma once
// Velnote's main window: write or pick a message, type or pick one machine,
// and "Send Now !!!" starts one net send command without waiting for it.
#include <string>

#include "context.hpp"
#include "forms/button.hpp"
#include "forms/combo_box.hpp"
#include "forms/label.hpp"
#include "forms/menu.hpp"
#include "forms/status_bar.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace velnote {

// List items that mean "nothing chosen"; they are never sent.
constexpr const char* kSelectMachine = "- Select Machine Name -";
constexpr const char* kPleaseSelect = "-Please select-";
constexpr const char* kSelectMessage = "- Select Message -";

class Form1 : public forms::Window {
public:
    explicit Form1(Context& context);

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

    // Menu bar.
    forms::MenuItem bcolor{*this, "bcolor", "&Background-Color"};
    forms::MenuItem cust{*this, "cust", "&Customize"};
    forms::MenuItem addmname{*this, "addmname", "&Add/Remove Machine Name", &cust};
    forms::MenuItem addmsg{*this, "addmsg", "&Add Message", &cust};
    forms::MenuItem About{*this, "About", "&About"};
    forms::MenuItem help{*this, "help", "&Help"};
    forms::MenuItem Exit{*this, "Exit", "&Exit"};
    forms::MenuItem mnurclick{*this, "mnurclick", "&rclick"};  // kept for use as a pop-up menu

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

    Context& context_;
    int messageCount_ = 0;
};

}  // namespace velnote
