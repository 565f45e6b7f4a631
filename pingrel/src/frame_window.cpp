#include "frame_window.hpp"

#include "program.hpp"

namespace pingrel {

FrameWindow::FrameWindow(Context& context, Program& program)
    : MdiFrame(context.app, "MDIPingrel"), context_(context), program_(program) {
    openStoreItem.onClick = [this] { program_.storeWindow.show(); };
    saveRecipientItem.onClick = [this] { program_.mainWindow.saveRecipient(); };
    saveMessageItem.onClick = [this] { program_.mainWindow.saveMessage(); };
    saveBothItem.onClick = [this] {
        program_.mainWindow.saveRecipient();
        program_.mainWindow.saveMessage();
    };
    exitItem.onClick = [this] { context_.app.end(); };
    copyItem.onClick = [this] { copy(); };
    pasteItem.onClick = [this] { paste(); };
    setSignatureItem.onClick = [this] { program_.mainWindow.setSignature(); };
    sendItem.onClick = [this] { program_.mainWindow.sendMessage(); };
    aboutItem.onClick = [this] { program_.aboutWindow.show(); };
}

void FrameWindow::design() {
    setCaption("Pingrel GUI");
    setWindowState(forms::WindowState::Maximized);
    openStoreItem.setShortcut({forms::shift::Ctrl, 'O'});
    copyItem.setShortcut({forms::shift::Ctrl, 'C'});
    pasteItem.setShortcut({forms::shift::Ctrl, 'V'});
    sendItem.setShortcut({forms::shift::Ctrl, 'S'});
}

// The frame cannot show a child while it is still loading: it shows itself, then the main window.
void FrameWindow::start() {
    show();
    program_.mainWindow.show();
}

forms::TextBox* FrameWindow::focusedTextBox() const {
    forms::Window* child = activeChild();
    return child ? dynamic_cast<forms::TextBox*>(child->focused()) : nullptr;
}

// A list or a button has no text selection: nothing happens there.
void FrameWindow::copy() {
    if (forms::TextBox* box = focusedTextBox()) context_.app.setClipboardText(box->selectedText());
}

void FrameWindow::paste() {
    if (forms::TextBox* box = focusedTextBox()) box->replaceSelection(context_.app.clipboardText());
}

}  // namespace pingrel
