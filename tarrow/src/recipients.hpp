#pragma once
// The address-list editor: the stored list of recipients as one line of
// text, saved exactly as typed. Enter and Esc both press "Cancel".
#include "context.hpp"
#include "forms/button.hpp"
#include "forms/label.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace tarrow {

struct Program;

class recipients : public forms::Window {
public:
    recipients(Context& context, Program& program);

    forms::Label Label1{*this, "Label1"};
    forms::TextBox AddressList{*this, "AddressList"};
    forms::Button Save{*this, "Save"};
    forms::Button Cancel{*this, "Cancel"};

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
