#include "send_dispatcher.hpp"

#include "main_window.hpp"
#include "messenger/command_lines.hpp"
#include "store.hpp"

namespace tarrow {
namespace SendDispatcher {

using forms::MessageButtons;
using forms::MessageIcon;
using forms::MessageResult;

namespace {

constexpr const char* kFormErrorTitle = "Error on form";
constexpr const char* kConfirmTitle = "Comfirm Message send";

// What stopped a send: the system's error number and its text.
struct Failure {
    unsigned long number;
    std::string description;
};

// A failure ends the send with one box bearing the program's title; the
// status label keeps its text.
void report(Context& context, const Failure& failure) {
    context.app.messageBox("Error " + std::to_string(failure.number) + ", " + failure.description,
                           MessageButtons::Ok, MessageIcon::None);
}

// Starts a command minimised with the focus; false (after the error box) when it could not be started.
bool start(Context& context, const std::string& commandLine) {
    messenger::StartResult started = context.runner.run(commandLine, messenger::WindowStyle::MinimizedWithFocus);
    if (started.started) return true;
    report(context, {started.errorNumber, started.errorText});
    return false;
}

void formError(Context& context, const std::string& text) {
    context.app.messageBox(text, kFormErrorTitle, MessageButtons::Ok, MessageIcon::Exclamation);
}

// A command the system would refuse for its length is refused here, before
// anything is asked, stored or started; the message stays in its box.
bool fits(Context& context, const std::string& commandLine) {
    if (messenger::fitsCommandLine(commandLine)) return true;
    const std::size_t over = messenger::utf16Length(commandLine) - messenger::kMaxCommandLine;
    formError(context, "The message is too long: a command line holds at most " +
                           std::to_string(messenger::kMaxCommandLine) + " characters. Please shorten it by " +
                           std::to_string(over) + (over == 1 ? " character." : " characters."));
    return false;
}

bool confirmed(Context& context, const std::string& warning) {
    return context.app.messageBox(warning, kConfirmTitle, MessageButtons::OkCancel, MessageIcon::Exclamation) ==
           MessageResult::Ok;
}

}  // namespace

void sendToRecipient(Context& context, MainWindow& form) {
    const std::string recipient = form.recipient.text();
    const std::string text = form.message.text();
    // Blanks only name nobody: net send would take the message's first word
    // as the recipient. No name holds a double quote, and net send could not take one.
    switch (messenger::recipientProblem(recipient)) {
        case messenger::RecipientProblem::Missing:
            formError(context, "Please Enter to whom the message is to be sent");
            return;
        case messenger::RecipientProblem::HoldsQuote:
            formError(context, "The recipient may not contain a double quote (\")");
            return;
        case messenger::RecipientProblem::None: break;
    }
    if (text.empty()) {
        formError(context, "The message is blank");
        return;
    }
    const std::string command = messenger::tarrowRecipientCommand(recipient, text);
    if (!fits(context, command)) return;
    // The history is written before the start, so it stays even when the start
    // fails. Message and recipient go together or not at all: "Last Message"
    // must never bring back a message with another recipient.
    if (std::optional<Refusal> refused =
            writeSettings(context.settings, kHistory, {{kLastMessage, text}, {kLastRecipient, recipient}})) {
        report(context, {refused->error.number, refused->error.text + "\r\n" + settingPlace(kHistory, refused->key)});
        return;
    }
    if (!start(context, command)) return;
    const platform::DateTime now = context.clock.now();
    form.statusText.setCaption("Message sent to " + recipient + " at:" + context.clock.shortDate(now) + ", " +
                               context.clock.longTime(now));
}

void sendToDomain(Context& context, MainWindow& form) {
    // The domain as it goes into the command: blanks around it would end the
    // switch early, so they go; the user confirms that same name.
    const std::string domain = trimBlanks(form.domain.text());
    const std::string text = form.message.text();
    if (domain.find('"') != std::string::npos) {
        formError(context, "The domain may not contain a double quote (\")");
        return;
    }
    const std::string command = messenger::tarrowDomainCommand(domain, text);
    if (!fits(context, command)) return;
    if (!confirmed(context, "Warning! This message will be sent to the entire " + domain +
                                " domain and should be used by administrators only.  Are you sure?")) {
        form.statusText.setCaption("Domain Message Cancelled");
        return;
    }
    if (!start(context, command)) return;
    const std::string time = context.clock.longTime(context.clock.now());
    form.statusText.setCaption(domain.empty() ? "Message sent to this domain at: " + time
                                              : "Message sent to " + domain + " at: " + time);
}

void sendToAllUsers(Context& context, MainWindow& form) {
    const std::string text = form.message.text();
    const std::string command = messenger::tarrowUsersCommand(text);
    if (!fits(context, command)) return;
    if (!confirmed(context, "Warning! This message will be sent to all connected users and should be used by "
                            "administrators only.  Are you sure?")) {
        form.statusText.setCaption("Users Message Cancelled");
        return;
    }
    if (!start(context, command)) return;
    form.statusText.setCaption("Message sent to all users connected to this server");
}

}  // namespace SendDispatcher
}  // namespace tarrow
