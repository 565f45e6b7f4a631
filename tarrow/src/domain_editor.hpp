#pragma once
// The domain-list editor: the stored list of domains in a multi-line box,
// saved exactly as typed (line breaks included). Esc presses "Cancel".
#include "context.hpp"
#include "forms/button.hpp"
#include "forms/label.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace tarrow {

struct Program;

class DomainEditor : public forms::Window {
public:
    DomainEditor(Context& context, Program& program);

    forms::Label promptLabel{*this, "Label1"};
    forms::TextBox domainList{*this, "Domainlist"};
    forms::Button saveButton{*this, "savedomains"};
    forms::Button cancelButton{*this, "CANCEL"};

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
