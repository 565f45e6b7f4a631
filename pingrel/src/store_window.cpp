#include "store_window.hpp"

#include "program.hpp"

namespace pingrel {

namespace {
constexpr const char* kCrLf = "\r\n";

// An entry's text before its first TAB, and after it (the whole entry when it has none).
std::string beforeTab(const std::string& entry) { return entry.substr(0, entry.find('\t')); }
std::string afterTab(const std::string& entry) {
    const std::string::size_type tab = entry.find('\t');
    return tab == std::string::npos ? entry : entry.substr(tab + 1);
}
}  // namespace

StoreWindow::StoreWindow(Context& context, Program& program)
    : Window(context.app, "frmStore"),
      context_(context),
      program_(program),
      store_(context.files, context.programFolder) {
    onLoad = [this] { loadStore(); };
    computers.onDoubleClick = [this] { copyRecipient(); };
    messages.onDoubleClick = [this] { copyMessage(); };
    computers.onKeyDown = [this](forms::KeyEvent& key) {
        if (key.keyCode == forms::keys::Delete || key.keyCode == forms::keys::Back)
            removeSelected(computers, kRecipientsFile);
    };
    messages.onKeyDown = [this](forms::KeyEvent& key) {
        if (key.keyCode == forms::keys::Delete || key.keyCode == forms::keys::Back)
            removeSelected(messages, kMessagesFile);
    };
    okButton.onClick = [this] { unload(); };
}

void StoreWindow::design() {
    setMdiParent(&program_.frame);
    setCaption("Pingrel Store");
    setOuterSize(true);
    // Not on top of Main: the frame puts it at its next cascaded place.
    setStartPosition(forms::StartPosition::WindowsDefault);
    setBounds({0, 0, 10000, 8500});

    computersLabel.setCaption("Double click to add to recipient list. Hit Delete to remove an entry.");
    computersLabel.setBounds({120, 120, 9480, 255});
    computers.setToolTip("Double Click to copy recipient computer");
    computers.setBounds({120, 420, 9480, 3000});
    messagesLabel.setCaption("Double click to view/use message. Hit Delete to remove an entry.");
    messagesLabel.setBounds({120, 3600, 9480, 255});
    messages.setToolTip("Double Click to copy message");
    messages.setBounds({120, 3900, 9480, 3000});
    okButton.setCaption("OK");
    okButton.setBounds({8280, 7080, 1320, 405});
}

void StoreWindow::loadStore() {
    fill(computers, kRecipientsFile);
    fill(messages, kMessagesFile);
}

// Every line of the file, in file order; a file not written yet is an empty
// list, one that cannot be read is said so.
void StoreWindow::fill(forms::ListBox& list, const char* file) {
    const StoreRead stored = store_.read(file);
    if (!stored.failure.empty()) program_.mainWindow.reportFailure(stored.failure);
    for (const std::string& line : stored.lines) list.addItem(line);
}

// The name before the TAB joins the main window's list (no question about equals).
void StoreWindow::copyRecipient() {
    if (computers.listIndex() < 0) return;
    program_.mainWindow.recipients.addItem(beforeTab(computers.text()));
    context_.app.messageBox("Recipient added", forms::MessageButtons::Ok, forms::MessageIcon::Information);
}

void StoreWindow::copyMessage() {
    if (messages.listIndex() < 0) return;
    const std::string entry = messages.text();
    if (context_.app.messageBox("This is the complete message you have selected:" + std::string(kCrLf) + entry +
                                    kCrLf + "Do you want to replace the existing message with this?",
                                "Confirm new message", forms::MessageButtons::YesNo,
                                forms::MessageIcon::Question) != forms::MessageResult::Yes)
        return;
    program_.mainWindow.message.setText(afterTab(entry));
    context_.app.messageBox("Message changed", forms::MessageButtons::Ok, forms::MessageIcon::Information);
}

// The entry leaves the list once its line is out of the file (or was no
// longer there); when the file cannot be rewritten both stay as they were.
// The list holds the file's lines in order, so the line at the entry's place
// goes, not an equal one before it.
void StoreWindow::removeSelected(forms::ListBox& list, const char* file) {
    const int selected = list.listIndex();
    if (list.listCount() == 0 || selected < 0) return;
    if (store_.removeLine(file, list.item(selected), static_cast<std::size_t>(selected)) ==
        Store::Removal::Failed) {
        program_.mainWindow.reportFailure(store_.failure());
        return;
    }
    list.removeItem(selected);
}

}  // namespace pingrel
