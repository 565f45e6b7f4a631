#include "main_window.hpp"

#include "messenger/command_lines.hpp"
#include "program.hpp"
#include "store.hpp"
#include "platform/unicode.hpp"

namespace tarrow {

using forms::MessageButtons;
using forms::MessageIcon;
using forms::MessageResult;

namespace {

constexpr const char* kSendMessage = "Send Message";
constexpr const char* kFormErrorTitle = "Error on form";
constexpr const char* kConfirmTitle = "Comfirm Message send";
constexpr const char* kNoMessengerService =
    "Sending to a domain or to all users needs the Messenger service, which this system does not have.";

// What stopped a send: the system's error number and its text.
struct Failure {
    unsigned long number;
    std::string description;
};

// A history that cannot be written ends the send with one box bearing the
// program's title; the status label keeps its text.
void report(Context& context, const Failure& failure) {
    context.app.messageBox("Error " + std::to_string(failure.number) + ", " + failure.description,
                           MessageButtons::Ok, MessageIcon::None);
}

void formError(Context& context, const std::string& text) {
    context.app.messageBox(text, kFormErrorTitle, MessageButtons::Ok, MessageIcon::Exclamation);
}

// A command the system would refuse for its length is refused here, before
// anything is asked, stored or started; the message stays in its box.
bool fits(Context& context, const std::string& commandLine) {
    if (messenger::fitsCommandLine(commandLine)) return true;
    const std::size_t over = platform::utf16Length(commandLine) - messenger::kMaxCommandLine;
    formError(context, "The message is too long: a command line holds at most " +
                           std::to_string(messenger::kMaxCommandLine) + " characters. " +
                           messenger::shortenRequest(over));
    return false;
}

// The name as net send takes it (it skips the blanks around it), and so as
// the built-in delivery is given it.
std::string nameWithoutBlanks(const std::string& name) {
    const std::string::size_type begin = name.find_first_not_of(" \t");
    if (begin == std::string::npos) return {};
    return name.substr(begin, name.find_last_not_of(" \t") - begin + 1);
}

bool confirmed(Context& context, const std::string& warning) {
    return context.app.messageBox(warning, kConfirmTitle, MessageButtons::OkCancel, MessageIcon::Exclamation) ==
           MessageResult::Ok;
}

}  // namespace

MainWindow::MainWindow(Context& context, Program& program)
    : Window(context.app, "justsend"), context_(context), program_(program) {
    onLoad = [this] { startUp(); };

    domainCheck.onClick = [this] { domainSwitch(); };
    allUsersCheck.onClick = [this] { usersSwitch(); };
    // Typing or a text set by code renames the send button; a pick from the list does not.
    recipient.onChange = [this](const forms::ChangeEvent&) { recipientChanged(); };
    message.onDoubleClick = [this] { clearMessage(); };

    // One handler told five times: the buttons differ only in the key they read.
    forms::Button* presetButtons[kPresetCount] = {&preset1Button, &preset2Button, &preset3Button, &preset4Button,
                                                  &preset5Button};
    for (int number = 1; number <= kPresetCount; ++number)
        presetButtons[number - 1]->onClick = [this, number] { fetchPreset(number); };

    lastMessageButton.onClick = [this] { lastMessage(); };
    sendButton.onClick = [this] { sendMessage(); };
    editRecipientsButton.onClick = [this] { editList(program_.addressEditor); };
    editDomainsButton.onClick = [this] { editList(program_.domainEditor); };
    editPresetsButton.onClick = [this] { editPresets(); };
    aboutButton.onClick = [this] { about(); };
}

void MainWindow::design() {
    setCaption("Tarrow - by the LAN Messengers team");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 7320, 4740});

    recipientLabel.setCaption("Select Recipient");
    recipientLabel.setBounds({120, 150, 2040, 255});
    domainCheck.setCaption("/DOMAIN");
    domainCheck.setBounds({2280, 120, 1200, 285});
    allUsersCheck.setCaption("/USERS");
    allUsersCheck.setBounds({3600, 120, 1200, 285});

    recipient.setStyle(forms::ComboStyle::DropDown);
    recipient.setBounds({120, 450, 2880, 315});
    domain.setStyle(forms::ComboStyle::DropDown);
    domain.setToolTip("{Optional} See Help for Details");
    domain.setBounds({3120, 450, 2040, 315});

    messageLabel.setCaption("Message (double click to clear)");
    messageLabel.setBounds({120, 900, 5040, 255});
    message.setMultiLine(true);
    message.setScrollBars(forms::ScrollBars::Vertical);
    message.setText("Type message here..");
    message.setToolTip("Enter Message text here!");
    message.setBounds({120, 1170, 5040, 2115});

    editRecipientsButton.setCaption("Edit Recipients");
    editRecipientsButton.setBounds({5400, 450, 1800, 375});
    editDomainsButton.setCaption("Edit Domains");
    editDomainsButton.setBounds({5400, 930, 1800, 375});
    editPresetsButton.setCaption("Presets");
    editPresetsButton.setBounds({5400, 1410, 1800, 375});
    sendButton.setCaption(kSendMessage);
    sendButton.setBounds({5400, 1965, 1800, 1320});
    setDefaultButton(&sendButton);

    forms::Button* presetButtons[kPresetCount] = {&preset1Button, &preset2Button, &preset3Button, &preset4Button,
                                                  &preset5Button};
    for (int i = 0; i < kPresetCount; ++i) {
        presetButtons[i]->setCaption("PS" + std::to_string(i + 1));
        presetButtons[i]->setBounds({120 + i * 840, 3405, 720, 315});
    }

    statusLabel.setCaption("Status: ");
    statusLabel.setBounds({120, 3885, 720, 255});
    statusText.setBounds({840, 3885, 6360, 255});

    lastMessageButton.setCaption("Last Message");
    lastMessageButton.setBounds({120, 4245, 1800, 375});
    aboutButton.setCaption("About Tarrow");
    aboutButton.setBounds({5400, 4245, 1800, 375});

    setTabOrder({&recipient, &domainCheck, &allUsersCheck, &domain, &message, &sendButton, &preset1Button,
                 &preset2Button, &preset3Button, &preset4Button, &preset5Button, &editRecipientsButton,
                 &editDomainsButton, &editPresetsButton, &lastMessageButton, &aboutButton});
}

// Start-up: the domain box follows its switch, then both lists come from the store.
void MainWindow::startUp() {
    domain.setEnabled(domainCheck.checked());

    for (const std::string& entry : splitList(readSetting(context_.settings, kSettings, kAddressList)))
        recipient.addItem(entry);

    // Domains are shown in upper case, by the system's case mapping (every script).
    for (const std::string& entry : splitList(readSetting(context_.settings, kSettings, kDomains)))
        domain.addItem(context_.cases.upper(entry));

    // A failure that came back while an editor stood in for this window.
    if (!unreportedFailure_.empty()) statusText.setCaption(unreportedFailure_);
    unreportedFailure_.clear();
}

// The two switches exclude each other. Each first unticks the other (whose own
// handler then runs) and only then sets the controls, so that the state of
// the switch just ticked is the one that stays.
void MainWindow::domainSwitch() {
    if (domainCheck.checked()) {
        allUsersCheck.setChecked(false);
        domain.setEnabled(true);
        recipient.setEnabled(false);
        recipientLabel.setEnabled(false);
    } else {
        domain.setEnabled(false);
        recipient.setEnabled(true);
        recipientLabel.setEnabled(true);
    }
}

void MainWindow::usersSwitch() {
    if (allUsersCheck.checked()) {
        domainCheck.setChecked(false);
        domain.setEnabled(false);
        recipient.setEnabled(false);
        recipientLabel.setEnabled(false);
    } else {
        recipient.setEnabled(true);
        recipientLabel.setEnabled(true);
    }
}

void MainWindow::recipientChanged() {
    const std::string typed = recipient.text();
    sendButton.setCaption(trimBlanks(typed).empty() ? kSendMessage : "Send To " + trimTrailingBlanks(typed));
}

void MainWindow::clearMessage() {
    if (!message.text().empty()) message.setText("");
}

void MainWindow::fetchPreset(int number) {
    message.setText(readSetting(context_.settings, kPresets, presetKey(number)));
}

void MainWindow::lastMessage() {
    message.setText(readSetting(context_.settings, kHistory, kLastMessage));
    recipient.setText(readSetting(context_.settings, kHistory, kLastRecipient));
}

// "Send Message" sends in one of three ways; with both switches ticked the domain wins.
void MainWindow::sendMessage() {
    // Only net send reaches a domain or every user of a server, and only
    // the Messenger service carries it.
    if ((domainCheck.checked() || allUsersCheck.checked()) && !context_.sender.hasMessengerService()) {
        formError(context_, kNoMessengerService);
        return;
    }
    if (domainCheck.checked()) sendToDomain();
    else if (allUsersCheck.checked()) sendToAllUsers();
    else sendToRecipient();
}

void MainWindow::sendToRecipient() {
    const std::string name = recipient.text();
    const std::string text = message.text();
    // Blanks only name nobody: net send would take the message's first word
    // as the recipient. No name holds a double quote, and net send could not take one.
    switch (messenger::recipientProblem(name)) {
        case messenger::RecipientProblem::Missing:
            formError(context_, "Please Enter to whom the message is to be sent");
            return;
        case messenger::RecipientProblem::HoldsQuote:
            formError(context_, "The recipient may not contain a double quote (\")");
            return;
        case messenger::RecipientProblem::None: break;
    }
    if (text.empty()) {
        formError(context_, "The message is blank");
        return;
    }
    const std::string command = messenger::tarrowRecipientCommand(name, text);
    if (!fits(context_, command)) return;
    // The history is written before the send, so it stays even when the
    // message is not delivered. Message and recipient go together or not at all: "Last Message"
    // must never bring back a message with another recipient.
    if (std::optional<Refusal> refused =
            writeSettings(context_.settings, kHistory, {{kLastMessage, text}, {kLastRecipient, name}})) {
        report(context_,
               {refused->error.number, refused->error.text + "\r\n" + settingPlace(kHistory, refused->key)});
        return;
    }
    send({nameWithoutBlanks(name), text, command}, name, [this, name] {
        const platform::DateTime now = context_.clock.now();
        statusText.setCaption("Message sent to " + name + " at:" + context_.clock.shortDate(now) + ", " +
                              context_.clock.longTime(now));
    });
}

void MainWindow::sendToDomain() {
    // The domain as it goes into the command: blanks around it would end the
    // switch early, so they go; the user confirms that same name.
    const std::string name = trimBlanks(domain.text());
    const std::string text = message.text();
    if (name.find('"') != std::string::npos) {
        formError(context_, "The domain may not contain a double quote (\")");
        return;
    }
    const std::string command = messenger::tarrowDomainCommand(name, text);
    if (!fits(context_, command)) return;
    if (!confirmed(context_, "Warning! This message will be sent to the entire " + name +
                                 " domain and should be used by administrators only.  Are you sure?")) {
        statusText.setCaption("Domain Message Cancelled");
        return;
    }
    const std::string shownAs = name.empty() ? "this domain" : name;
    send({shownAs, text, command}, shownAs, [this, shownAs] {
        statusText.setCaption("Message sent to " + shownAs + " at: " + context_.clock.longTime(context_.clock.now()));
    });
}

void MainWindow::sendToAllUsers() {
    const std::string command = messenger::tarrowUsersCommand(message.text());
    if (!fits(context_, command)) return;
    if (!confirmed(context_, "Warning! This message will be sent to all connected users and should be used by "
                             "administrators only.  Are you sure?")) {
        statusText.setCaption("Users Message Cancelled");
        return;
    }
    const std::string shownAs = "all users connected to this server";
    send({shownAs, message.text(), command}, shownAs,
         [this, shownAs] { statusText.setCaption("Message sent to " + shownAs); });
}

// The command goes minimised with the focus, as it always has. The outcome
// comes back later: the status line then says it was sent, or why not. A
// failure that comes back while this window is unloaded waits for its next load.
void MainWindow::send(messenger::Message outgoing, const std::string& shownAs, std::function<void()> sent) {
    outgoing.netWindow = messenger::WindowStyle::MinimizedWithFocus;
    context_.sender.send(outgoing, [this, shownAs, sent](const messenger::SendOutcome& outcome) {
        if (outcome.delivered) {
            sent();
            return;
        }
        const std::string line = "not delivered to " + shownAs + ": " + outcome.reason;
        if (loaded()) statusText.setCaption(line);
        else unreportedFailure_ = line;
    });
}

// The list editors replace this window while they are open: it loads afresh
// when they close, so that its lists show what was saved. The editor is loaded
// before this window goes, so that the program never stands without a window.
void MainWindow::editList(ListEditor& editor) {
    editor.load();
    unload();
    editor.show();
}

// The preset editor hides this window itself, which keeps its contents.
void MainWindow::editPresets() { program_.presetEditor.show(); }

void MainWindow::about() { program_.aboutWindow.show(); }

}  // namespace tarrow
