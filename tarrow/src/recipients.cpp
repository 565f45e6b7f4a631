#include "recipients.hpp"

#include "program.hpp"
#include "store.hpp"

namespace tarrow {

recipients::recipients(Context& context, Program& program)
    : Window(context.app, "recipients"), context_(context), program_(program) {
    onLoad = [this] { AddressList.setText(readSetting(context_.settings, kSettings, kAddressList)); };
    onClose = [this](forms::CloseEvent& closing) { closeBox(closing); };
    Save.onClick = [this] { saveList(); };
    Cancel.onClick = [this] { cancel(); };
}

void recipients::design() {
    setCaption("Edit Address List");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 6000, 1440});

    Label1.setCaption("Enter your list of contacts, each separated by a comma");
    Label1.setBounds({120, 120, 5760, 255});
    AddressList.setBounds({120, 420, 5760, 315});
    Save.setCaption("Save");
    Save.setBounds({3000, 900, 1320, 375});
    Cancel.setCaption("Cancel");
    Cancel.setBounds({4560, 900, 1320, 375});
    setDefaultButton(&Cancel);
    setCancelButton(&Cancel);
}

// A list the store would not take is reported, and the editor stays open
// with its text so that the user can try again or cancel.
void recipients::saveList() {
    if (!writeSetting(context_.settings, kSettings, kAddressList, AddressList.text())) {
        showWriteError(context_.app);
        return;
    }
    program_.mainWindow.show();
    program_.mainWindow.statustext.setCaption("Address List updated Successfully");
    unload();
}

void recipients::cancel() {
    program_.mainWindow.show();
    unload();
}

// Closed by its close box, the editor brings the main window back as "Cancel" does.
void recipients::closeBox(forms::CloseEvent& closing) {
    if (closing.reason == forms::CloseReason::CloseBox) program_.mainWindow.show();
}

}  // namespace tarrow
