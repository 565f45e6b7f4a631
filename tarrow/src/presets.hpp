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

class presets : public forms::Window {
public:
    presets(Context& context, Program& program);

    forms::Label Label1{*this, "Label1"};
    forms::TextBox preset1{*this, "preset1"};
    forms::Label Label2{*this, "Label2"};
    forms::TextBox preset2{*this, "preset2"};
    forms::Label Label3{*this, "Label3"};
    forms::TextBox preset3{*this, "preset3"};
    forms::Label Label4{*this, "Label4"};
    forms::TextBox preset4{*this, "preset4"};
    forms::Label Label5{*this, "Label5"};
    forms::TextBox preset5{*this, "preset5"};
    forms::Button Preset_OK{*this, "Preset_OK"};
    forms::Button Preset_Cancel{*this, "Preset_Cancel"};

protected:
    void design() override;

private:
    void startUp();
    void savePresets();
    void cancel();
    void closeBox(forms::CloseEvent& closing);

    Context& context_;
    Program& program_;
    forms::Label* labels_[5] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    forms::TextBox* boxes_[5] = {&preset1, &preset2, &preset3, &preset4, &preset5};
};

}  // namespace tarrow
