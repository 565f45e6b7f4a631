#pragma once
// The preset editor: five preset messages, each in its own box. While it is
// open the main window is hidden (and keeps what was typed into it).
#include "context.hpp"
#include "forms/button.hpp"
#include "forms/label.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace tarrow {

struct Program;

class PresetEditor : public forms::Window {
public:
    PresetEditor(Context& context, Program& program);

    forms::Label preset1Label{*this, "Label1"};
    forms::TextBox preset1{*this, "preset1"};
    forms::Label preset2Label{*this, "Label2"};
    forms::TextBox preset2{*this, "preset2"};
    forms::Label preset3Label{*this, "Label3"};
    forms::TextBox preset3{*this, "preset3"};
    forms::Label preset4Label{*this, "Label4"};
    forms::TextBox preset4{*this, "preset4"};
    forms::Label preset5Label{*this, "Label5"};
    forms::TextBox preset5{*this, "preset5"};
    forms::Button okButton{*this, "Preset_OK"};
    forms::Button cancelButton{*this, "Preset_Cancel"};

protected:
    void design() override;

private:
    void startUp();
    void savePresets();
    void cancel();
    void closeBox(forms::CloseEvent& closing);

    Context& context_;
    Program& program_;
    forms::Label* labels_[5] = {&preset1Label, &preset2Label, &preset3Label, &preset4Label, &preset5Label};
    forms::TextBox* boxes_[5] = {&preset1, &preset2, &preset3, &preset4, &preset5};
};

}  // namespace tarrow
