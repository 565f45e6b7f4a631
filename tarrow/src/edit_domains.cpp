#include "edit_domains.hpp"

#include "program.hpp"
#include "store.hpp"

namespace tarrow {

EditDomains::EditDomains(Context& context, Program& program)
    : Window(context.app, "EditDomains"), context_(context), program_(program) {
    onLoad = [this] { Domainlist.setText(readSetting(context_.settings, kSettings, kDomains)); };
    onClose = [this](forms::CloseEvent& closing) { closeBox(closing); };
    savedomains.onClick = [this] { saveList(); };
    CANCEL.onClick = [this] { cancel(); };
}

void EditDomains::design() {
    setCaption("Edit Domains");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 4800, 2520});

    Label1.setCaption("Enter the list of  domains, separated by a comma");
    Label1.setBounds({120, 120, 4560, 255});
    Domainlist.setMultiLine(true);
    Domainlist.setScrollBars(forms::ScrollBars::Vertical);
    Domainlist.setBounds({120, 420, 4560, 1500});
    savedomains.setCaption("Save");
    savedomains.setBounds({1800, 2040, 1320, 375});
    CANCEL.setCaption("Cancel");
    CANCEL.setBounds({3360, 2040, 1320, 375});
    setCancelButton(&CANCEL);
}

// A list the store would not take is reported, and the editor stays open
// with its text so that the user can try again or cancel.
void EditDomains::saveList() {
    if (!writeSetting(context_.settings, kSettings, kDomains, Domainlist.text())) {
        showWriteError(context_.app);
        return;
    }
    program_.mainWindow.show();
    program_.mainWindow.statustext.setCaption("Domain List updated successfully");
    unload();
}

// The main window comes back before the editor goes, so that the program
// never stands without a window (which would end it).
void EditDomains::cancel() {
    program_.mainWindow.show();
    unload();
}

// Closed by its close box, the editor brings the main window back as "Cancel" does.
void EditDomains::closeBox(forms::CloseEvent& closing) {
    if (closing.reason == forms::CloseReason::CloseBox) program_.mainWindow.show();
}

}  // namespace tarrow
