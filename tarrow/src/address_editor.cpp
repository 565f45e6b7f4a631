#include "address_editor.hpp"

#include "program.hpp"
#include "store.hpp"

namespace tarrow {

AddressEditor::AddressEditor(Context& context, Program& program)
    : Window(context.app, "recipients"), context_(context), program_(program) {
    onLoad = [this] { addressList.setText(readSetting(context_.settings, kSettings, kAddressList)); };
    onClose = [this](forms::CloseEvent& closing) { closeBox(closing); };
    saveButton.onClick = [this] { saveList(); };
    cancelButton.onClick = [this] { cancel(); };
}

void AddressEditor::design() {
    setCaption("Edit Address List");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 6000, 1440});

    promptLabel.setCaption("Enter your list of contacts, each separated by a comma");
    promptLabel.setBounds({120, 120, 5760, 255});
    addressList.setBounds({120, 420, 5760, 315});
    saveButton.setCaption("Save");
    saveButton.setBounds({3000, 900, 1320, 375});
    cancelButton.setCaption("Cancel");
    cancelButton.setBounds({4560, 900, 1320, 375});
    setDefaultButton(&cancelButton);
    setCancelButton(&cancelButton);
}

// A list the store would not take is reported, and the editor stays open
// with its text so that the user can try again or cancel.
void AddressEditor::saveList() {
    if (!writeSetting(context_.settings, kSettings, kAddressList, addressList.text())) {
        showWriteError(context_.app, context_.settings.lastError(), kSettings, kAddressList);
        return;
    }
    program_.mainWindow.show();
    program_.mainWindow.statusText.setCaption("Address List updated Successfully");
    unload();
}

void AddressEditor::cancel() {
    program_.mainWindow.show();
    unload();
}

// Closed by its close box, the editor brings the main window back as "Cancel" does.
void AddressEditor::closeBox(forms::CloseEvent& closing) {
    if (closing.reason == forms::CloseReason::CloseBox) program_.mainWindow.show();
}

}  // namespace tarrow
