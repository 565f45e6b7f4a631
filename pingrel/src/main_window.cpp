#include "main_window.hpp"

#include <algorithm>

#include "messenger/command_lines.hpp"
#include "program.hpp"
#include "send_report.hpp"
#include "resource_ids.h"
#include "platform/unicode.hpp"

namespace pingrel {

namespace {

constexpr const char* kCrLf = "\r\n";

// A recipient of nothing but blanks: `net send` would take the first word
// of the message for the recipient.
bool blank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The text cut to its first `limit` UTF-16 units, as the system counts
// characters (CR LF two); a line break or a character that would be split
// in two is left out whole.
std::string firstUnits(const std::string& text, int limit) {
    std::size_t at = platform::firstUtf16Units(text, static_cast<std::size_t>(limit)).size();
    if (at > 0 && at < text.size() && text[at - 1] == '\r' && text[at] == '\n') --at;
    return text.substr(0, at);
}

}  // namespace

MainWindow::MainWindow(Context& context, Program& program)
    : Window(context.app, "frmMain"),
      context_(context),
      program_(program),
      store_(context.files, context.programFolder) {
    // A replace of a store file cut short by a crash may have left its
    // temporary file beside it: the next start removes it.
    onLoad = [this] { store_.removeLeftovers(); };
    addButton.onClick = [this] { addRecipient(); };
    browseButton.onClick = [this] { pickComputer(); };
    recipients.onDoubleClick = [this] {
        if (recipients.listIndex() >= 0) recipientEntry.setText(recipients.text());
    };
    recipients.onKeyDown = [this](forms::KeyEvent& key) {
        if (key.keyCode == forms::keys::Delete || key.keyCode == forms::keys::Back) removeSelectedRecipient();
    };
    message.onChange = [this](const forms::ChangeEvent&) { limitMessage(); };
    setSignatureButton.onClick = [this] { setSignature(); };
    addSignatureButton.onClick = [this] { addSignature(); };
    sendButton.onClick = [this] { sendMessage(); };
    saveRecipientButton.onClick = [this] { saveRecipient(); };
    saveMessageButton.onClick = [this] { saveMessage(); };
    openStoreButton.onClick = [this] { program_.storeWindow.show(); };
    clearStoreButton.onClick = [this] { clearStore(); };
}

void MainWindow::design() {
    setMdiParent(&program_.frame);
    setCaption("Main");
    // It lives until the program ends: the frame's menu and the store window
    // act on it, and nothing could show it again.
    setClosable(false);
    setOuterSize(true);
    setBounds({0, 0, 9750, 7600});

    recipientFrame.setCaption("Recipient(s)");
    recipientFrame.setBounds({120, 60, 4560, 3120});
    recipientEntry.setText("Server");
    recipientEntry.setBounds({240, 360, 3120, 315});
    browseButton.setCaption("...");
    browseButton.setBounds({3420, 360, 420, 315});
    addButton.setPicture(IDI_ADD_RECIPIENT);
    addButton.setBounds({3900, 360, 660, 315});
    recipients.setToolTip("Hit 'Delete' to remove entry, double-click to replace text entry");
    recipients.setBounds({240, 840, 4320, 2220});

    storeFrame.setCaption("Store Options");
    storeFrame.setBounds({4800, 60, 4680, 3120});
    // One column of buttons, centred, spread over the height of the group
    // that matches the recipient group beside it.
    saveRecipientButton.setCaption("Save Recipient");
    saveRecipientButton.setBounds({5700, 420, 2880, 405});
    saveMessageButton.setCaption("Save Message");
    saveMessageButton.setBounds({5700, 1080, 2880, 405});
    openStoreButton.setCaption("&Open Store...");
    openStoreButton.setBounds({5700, 1740, 2880, 405});
    clearStoreButton.setCaption("Clear Store");
    clearStoreButton.setBounds({5700, 2400, 2880, 405});

    messageLabel.setCaption("Message to send");
    messageLabel.setBounds({120, 3300, 3000, 255});
    message.setRich(true);
    message.setMultiLine(true);
    message.setScrollBars(forms::ScrollBars::Vertical);
    message.setFont({"MS Sans Serif", 8.5, false});
    message.setText("Type Message here");
    message.setBounds({120, 3570, 9360, 2760});
    signatureCheck.setCaption("Add signature to messages");
    signatureCheck.setBounds({120, 6480, 2760, 315});
    setSignatureButton.setCaption("Set as Signature");
    setSignatureButton.setBounds({3000, 6450, 1800, 405});
    addSignatureButton.setCaption("Add Signature");
    addSignatureButton.setBounds({4920, 6450, 1800, 405});
    sendButton.setCaption("&Send");
    sendButton.setBounds({7680, 6450, 1800, 405});

    // Reading order: the recipient group, the store group beside it, then the message and the row below it.
    setTabOrder({&recipientEntry, &browseButton, &addButton, &recipients, &saveRecipientButton, &saveMessageButton,
                 &openStoreButton, &clearStoreButton, &message, &signatureCheck, &setSignatureButton,
                 &addSignatureButton, &sendButton});
}

void MainWindow::reportFailure(const std::string& text) {
    context_.app.messageBox(text, forms::MessageButtons::Ok, forms::MessageIcon::Exclamation);
}

// The entered name joins the list unless the user refuses any of its equals
// already there (asked once for each, the scan going on after a No).
void MainWindow::addRecipient() {
    const std::string name = recipientEntry.text();
    const std::vector<std::string> listed = recipients.items();
    bool refused = false;
    for (const std::string& entry : listed) {
        if (entry != name) continue;
        if (context_.app.messageBox(std::string("Recipient already in list.") + kCrLf +
                                        "Are you sure you want to send it more than once?",
                                    "Confirm Multiple Send", forms::MessageButtons::YesNo,
                                    forms::MessageIcon::Question) != forms::MessageResult::Yes)
            refused = true;
    }
    if (!refused) recipients.addItem(name);
}

void MainWindow::removeSelectedRecipient() {
    if (recipients.listCount() > 0 && recipients.listIndex() >= 0) recipients.removeItem(recipients.listIndex());
}

// A cancelled picker gives the empty text, which replaces the entry too.
void MainWindow::pickComputer() {
    recipientEntry.setText(context_.shell.pickNetworkComputer(program_.frame.nativeHandle()));
}

// Typed, pasted or appended: past the limit the box says so and the text is
// cut (which raises this again, then within the limit).
void MainWindow::limitMessage() {
    const std::string text = message.text();
    if (platform::utf16Length(text) <= static_cast<std::size_t>(kMessageLimit)) return;
    context_.app.messageBox("Can only accept 255 characters", "Truncating", forms::MessageButtons::Ok,
                            forms::MessageIcon::None);
    message.setText(firstUnits(text, kMessageLimit));
}

void MainWindow::appendToMessage(const std::string& text) { message.setText(message.text() + text); }

// No computer, user or group name holds a double quote, and `net send`
// would read one as the end of a quoted name and take the rest for the
// message: a list with such a recipient sends nothing, so that the user
// mends the list and sends to all of it at once. The box names each of them.
bool MainWindow::refuseQuotedRecipients() {
    std::string named;
    for (const std::string& recipient : recipients.items())
        if (messenger::recipientProblem(recipient) == messenger::RecipientProblem::HoldsQuote)
            named += kCrLf + recipient;
    if (named.empty()) return false;
    reportFailure("The message was not sent: a recipient cannot hold a double quote." + named);
    return true;
}

// One hidden `net send` per recipient from the system folder, each sent
// through the sender, which watches it (or, on a system without the
// Messenger service, delivers the message itself). Blank recipients are
// skipped and a failure does not stop the others; once every outcome is in,
// one box says what did not arrive. A recipient with a blank inside goes in
// double quotes, as one word.
void MainWindow::sendMessage() {
    std::string text = message.text();
    if (signatureCheck.checked()) {
        const StoreRead signature = store_.read(kSignatureFile);
        if (!signature.failure.empty()) {
            reportFailure(signature.failure);
            return;
        }
        if (signature.exists) {
            text += kCrLf;
            for (const std::string& line : signature.lines) text += line + kCrLf;
        }
    }
    const std::string systemFolder = context_.shell.specialFolder(platform::kSystemFolder);
    if (recipients.listCount() == 0) recipients.addItem(recipientEntry.text());
    if (refuseQuotedRecipients()) return;

    const auto report = SendReport::begin([this](const std::string& failures) { reportFailure(failures); });
    bool skippedBlank = false;
    const int count = recipients.listCount();
    for (int i = 0; i < count; ++i) {
        const std::string recipient = recipients.item(i);
        if (blank(recipient)) {
            skippedBlank = true;
            continue;
        }
        context_.sender.send({recipient, text, messenger::pingrelCommand(systemFolder, recipient, text),
                              messenger::WindowStyle::Hidden},
                             report->expect());
    }
    report->allStarted(skippedBlank);
}

void MainWindow::saveRecipient() {
    const std::string recipient = recipientEntry.text();
    const std::string description =
        context_.app.inputBox("Enter Description for " + recipient, "Computer Description", "");
    if (!store_.append(kRecipientsFile, recipient + "\t\t" + description)) {
        reportFailure(store_.failure());
        return;
    }
    context_.app.messageBox("Recipient added", "Succesful", forms::MessageButtons::Ok, forms::MessageIcon::None);
}

void MainWindow::saveMessage() {
    const std::string date = context_.clock.shortDate(context_.clock.now());
    if (!store_.append(kMessagesFile, date + "\t" + message.text())) {
        reportFailure(store_.failure());
        return;
    }
    context_.app.messageBox("Message added", "Succesful", forms::MessageButtons::Ok, forms::MessageIcon::None);
}

// Both stores are emptied (the signature stays); an open store window keeps its lists.
void MainWindow::clearStore() {
    if (context_.app.messageBox(std::string("This will erase all recipients and messages from the store.") + kCrLf +
                                    "Are you sure you want to continue?",
                                "Confirmation", forms::MessageButtons::OkCancel,
                                forms::MessageIcon::Question) != forms::MessageResult::Ok)
        return;
    for (const char* file : {kRecipientsFile, kMessagesFile})
        if (!store_.replace(file, {})) reportFailure(store_.failure());
}

// The message replaces the signature in one step: a failure keeps the old one.
void MainWindow::setSignature() {
    if (!store_.replace(kSignatureFile, {message.text()})) {
        reportFailure(store_.failure());
        return;
    }
    context_.app.messageBox("Signature replaced", "Success", forms::MessageButtons::Ok,
                            forms::MessageIcon::Information);
}

// A line break, then each line of the signature with its own (each append
// under the length limit); the check box goes off so that a send does not
// add the signature a second time.
void MainWindow::addSignature() {
    appendToMessage(kCrLf);
    const StoreRead signature = store_.read(kSignatureFile);
    if (!signature.failure.empty()) {
        reportFailure(signature.failure);
    } else if (!signature.exists) {
        context_.app.messageBox(std::string("Signature not found.") + kCrLf +
                                    "Please create one by typing a message and pressing the 'Set Signature' button",
                                "No signature file found", forms::MessageButtons::Ok, forms::MessageIcon::Critical);
    } else {
        for (const std::string& line : signature.lines) appendToMessage(line + kCrLf);
    }
    signatureCheck.setChecked(false);
}

}  // namespace pingrel
