#pragma once
// The editors of the two stored lists: `recipients` (the address list, one
// line) and `EditDomains` (the domain list, several lines). One design; a
// table gives everything in which the two differ. Each shows its stored list
// as one text, saves it exactly as typed (line breaks included), and goes
// back to the main window, which loads afresh. Esc presses "Cancel".
#include "context.hpp"
#include "forms/button.hpp"
#include "forms/label.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace tarrow {

struct Program;

struct ListEditorTable {
    const char* windowName;
    const char* caption;
    const char* prompt;            // promptLabel
    const char* listBoxName;       // the text box of the list
    const char* saveButtonName;
    const char* cancelButtonName;
    const char* key;               // of section "Settings"
    const char* savedStatus;       // the main window's status after "Save"
    bool multiLine;                // the box takes several lines, with a scroll bar
    bool enterCancels;             // "Cancel" is the default button too
    int width, height;             // of the window; the controls span its width
    int boxHeight, buttonTop;
};

extern const ListEditorTable kAddressListEditor;
extern const ListEditorTable kDomainListEditor;

class ListEditor : public forms::Window {
private:
    // First, so that the controls below can take their names from the table.
    Context& context_;
    Program& program_;
    const ListEditorTable& table_;

public:
    ListEditor(Context& context, Program& program, const ListEditorTable& table);

    forms::Label promptLabel{*this, "Label1"};
    forms::TextBox listText{*this, table_.listBoxName};         // AddressList or Domainlist
    forms::Button saveButton{*this, table_.saveButtonName};     // Save or savedomains
    forms::Button cancelButton{*this, table_.cancelButtonName}; // Cancel or CANCEL

protected:
    void design() override;

private:
    void saveList();
    void cancel();
    void closeBox(forms::CloseEvent& closing);
};

}  // namespace tarrow
