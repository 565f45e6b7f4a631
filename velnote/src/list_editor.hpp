#pragma once
// The editors of the two saved lists: Form4 (messages) and Form7 (machine
// names). One design; a table gives everything in which the two differ.
// Each shows its list, adds a typed text, deletes the selected entry after a
// confirmation, and "<< Close Window>>" hides it and refills the main
// window's combo for that list.
#include "forms/button.hpp"
#include "forms/combo_box.hpp"
#include "forms/label.hpp"
#include "forms/list_box.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"
#include "saved_list.hpp"

namespace velnote {

class MainWindow;
class Program;

struct ListEditorTable {
    const char* windowName;
    const char* caption;
    const char* titleText;          // titleLabel
    const char* fieldCaption;       // fieldLabel
    const char* listCaption;        // listLabel
    const char* textBoxName;        // the text box of a new entry
    const char* listBoxName;        // the list of saved entries
    SavedList list;
    const char* emptyPrompt;        // shown when "<< Add >>" finds no text
    const char* emptyPromptTitle;   // also the title of "the list is full"
    const char* confirmation;       // before the selected item's text
    const char* confirmationTitle;
    forms::ComboBox MainWindow::*mainCombo;  // refilled on "<< Close Window>>"
    const char* marker;                 // added last to that combo and selected
};

extern const ListEditorTable kMessageEditor;
extern const ListEditorTable kMachineNameEditor;

class ListEditor : public forms::Window {
private:
    // First, so that the controls below can take their names from the table.
    Program& program_;
    const ListEditorTable& table_;

public:
    ListEditor(Program& program, const ListEditorTable& table);

    // Controls, in tab order.
    forms::Label titleLabel{*this, "lbltitle"};
    forms::TextBox entryText{*this, table_.textBoxName};  // TXTMSG or txtmachinename
    forms::Label fieldLabel{*this, "lblmname"};
    forms::Button addButton{*this, "cmdadd"};
    forms::ListBox entryList{*this, table_.listBoxName};  // lstmsg or lstmname
    forms::Button deleteButton{*this, "cmddel"};
    forms::Button closeButton{*this, "Command1"};
    forms::Label listLabel{*this, "lblexistingmnames"};

protected:
    void design() override;

private:
    void loadEditor();
    void fillList();
    void add();
    void deleteEntry();
    void closeEditor();
};

}  // namespace velnote
