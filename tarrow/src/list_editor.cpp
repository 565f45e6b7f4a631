#include "list_editor.hpp"

#include "program.hpp"
#include "store.hpp"

namespace tarrow {

const ListEditorTable kAddressListEditor{
    "recipients",
    "Edit Address List",
    "Enter your list of contacts, each separated by a comma",
    "AddressList",
    "Save",
    "Cancel",
    kAddressList,
    "Address List updated Successfully",
    false,  // one line
    true,   // Enter cancels
    6000, 1440, 315, 900,
};

const ListEditorTable kDomainListEditor{
    "EditDomains",
    "Edit Domains",
    "Enter the list of  domains, separated by a comma",
    "Domainlist",
    "savedomains",
    "CANCEL",
    kDomains,
    "Domain List updated successfully",
    true,   // several lines
    false,  // Enter breaks the line
    4800, 2520, 1500, 2040,
};

ListEditor::ListEditor(Context& context, Program& program, const ListEditorTable& table)
    : Window(context.app, table.windowName), context_(context), program_(program), table_(table) {
    onLoad = [this] { listText.setText(readSetting(context_.settings, kSettings, table_.key)); };
    onClose = [this](forms::CloseEvent& closing) { closeBox(closing); };
    saveButton.onClick = [this] { saveList(); };
    cancelButton.onClick = [this] { cancel(); };
}

void ListEditor::design() {
    setCaption(table_.caption);
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, table_.width, table_.height});

    const int inner = table_.width - 240;
    promptLabel.setCaption(table_.prompt);
    promptLabel.setBounds({120, 120, inner, 255});
    if (table_.multiLine) {
        listText.setMultiLine(true);
        listText.setScrollBars(forms::ScrollBars::Vertical);
    }
    listText.setBounds({120, 420, inner, table_.boxHeight});
    // The two buttons stand at the right, under the box's right edge.
    saveButton.setCaption("Save");
    saveButton.setBounds({table_.width - 3000, table_.buttonTop, 1320, 375});
    cancelButton.setCaption("Cancel");
    cancelButton.setBounds({table_.width - 1440, table_.buttonTop, 1320, 375});
    if (table_.enterCancels) setDefaultButton(&cancelButton);
    setCancelButton(&cancelButton);
}

// A list the store would not take is reported, and the editor stays open
// with its text so that the user can try again or cancel.
void ListEditor::saveList() {
    if (!writeSetting(context_.settings, kSettings, table_.key, listText.text())) {
        showWriteError(context_.app, context_.settings.lastError(), kSettings, table_.key);
        return;
    }
    program_.mainWindow.show();
    program_.mainWindow.statusText.setCaption(table_.savedStatus);
    unload();
}

// The main window comes back before the editor goes, so that the program
// never stands without a window (which would end it).
void ListEditor::cancel() {
    program_.mainWindow.show();
    unload();
}

// Closed by its close box, the editor brings the main window back as "Cancel" does.
void ListEditor::closeBox(forms::CloseEvent& closing) {
    if (closing.reason == forms::CloseReason::CloseBox) program_.mainWindow.show();
}

}  // namespace tarrow
