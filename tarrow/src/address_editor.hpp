#pragma once
// The address-list editor: the stored list of AddressEditor as one line of
// text, saved exactly as typed. Enter and Esc both press "Cancel".
#include "context.hpp"
#include "forms/button.hpp"
#include "forms/label.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace tarrow {

struct Program;

class AddressEditor : public forms::Window {
public:
    AddressEditor(Context& context, Program& program);

    forms::Label promptLabel{*this, "Label1"};
    forms::TextBox addressList{*this, "AddressList"};
    forms::Button saveButton{*this, "Save"};
    forms::Button cancelButton{*this, "Cancel"};

protected:
    void design() override;

private:
    void saveList();
    void cancel();
    void closeBox(forms::CloseEvent& closing);

    Context& context_;
    Program& program_;
};

}  // namespace tarrow
