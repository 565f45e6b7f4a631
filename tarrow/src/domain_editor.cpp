#include "domain_editor.hpp"

#include "program.hpp"
#include "store.hpp"

namespace tarrow {

DomainEditor::DomainEditor(Context& context, Program& program)
    : Window(context.app, "EditDomains"), context_(context), program_(program) {
    onLoad = [this] { domainList.setText(readSetting(context_.settings, kSettings, kDomains)); };
    onClose = [this](forms::CloseEvent& closing) { closeBox(closing); };
    saveButton.onClick = [this] { saveList(); };
    cancelButton.onClick = [this] { cancel(); };
}

void DomainEditor::design() {
    setCaption("Edit Domains");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 4800, 2520});

    promptLabel.setCaption("Enter the list of  domains, separated by a comma");
    promptLabel.setBounds({120, 120, 4560, 255});
    domainList.setMultiLine(true);
    domainList.setScrollBars(forms::ScrollBars::Vertical);
    domainList.setBounds({120, 420, 4560, 1500});
    saveButton.setCaption("Save");
    saveButton.setBounds({1800, 2040, 1320, 375});
    cancelButton.setCaption("Cancel");
    cancelButton.setBounds({3360, 2040, 1320, 375});
    setCancelButton(&cancelButton);
}

// A list the store would not take is reported, and the editor stays open
// with its text so that the user can try again or cancel.
void DomainEditor::saveList() {
    if (!writeSetting(context_.settings, kSettings, kDomains, domainList.text())) {
        showWriteError(context_.app, context_.settings.lastError(), kSettings, kDomains);
        return;
    }
    program_.mainWindow.show();
    program_.mainWindow.statusText.setCaption("Domain List updated successfully");
    unload();
}

// The main window comes back before the editor goes, so that the program
// never stands without a window (which would end it).
void DomainEditor::cancel() {
    program_.mainWindow.show();
    unload();
}

// Closed by its close box, the editor brings the main window back as "Cancel" does.
void DomainEditor::closeBox(forms::CloseEvent& closing) {
    if (closing.reason == forms::CloseReason::CloseBox) program_.mainWindow.show();
}

}  // namespace tarrow
