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

bool confirmed(Context& context, const std::string& warning) {
    return context.app.messageBox(warning, kConfirmTitle, MessageButtons::OkCancel, MessageIcon::Exclamation) ==
           MessageResult::Ok;
}

}  // namespace

void sendToRecipient(Context& context, MainWindow& form) {
    const std::string recipient = form.recipient.text();
    const std::string text = form.message.text();
    if (recipient.empty()) {
        context.app.messageBox("Please Enter to whom the message is to be sent", kFormErrorTitle,
                               MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    if (text.empty()) {
        context.app.messageBox("The message is blank", kFormErrorTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    // The history is written before the start, so it stays even when the start fails.
    if (!writeSetting(context.settings, kHistory, kLastMessage, text) ||
        !writeSetting(context.settings, kHistory, kLastRecipient, recipient)) {
        const platform::StoreError error = context.settings.lastError();
        report(context, {error.number, error.text});
        return;
    }
    if (!start(context, messenger::tarrowRecipientCommand(recipient, text))) return;
    const platform::DateTime now = context.clock.now();
    form.statusText.setCaption("Message sent to " + recipient + " at:" + context.clock.shortDate(now) + ", " +
                               context.clock.longTime(now));
}

void sendToDomain(Context& context, MainWindow& form) {
    const std::string domain = form.domain.text();
    const std::string text = form.message.text();
    if (!confirmed(context, "Warning! This message will be sent to the entire " + domain +
                                " domain and should be used by administrators only.  Are you sure?")) {
        form.statusText.setCaption("Domain Message Cancelled");
        return;
    }
    if (!start(context, messenger::tarrowDomainCommand(domain, text))) return;
    const std::string time = context.clock.longTime(context.clock.now());
    form.statusText.setCaption(domain.empty() ? "Message sent to this domain at: " + time
                                              : "Message sent to " + domain + " at: " + time);
}

void sendToAllUsers(Context& context, MainWindow& form) {
    const std::string text = form.message.text();
    if (!confirmed(context, "Warning! This message will be sent to all connected users and should be used by "
                            "administrators only.  Are you sure?")) {
        form.statusText.setCaption("Users Message Cancelled");
        return;
    }
    if (!start(context, messenger::tarrowUsersCommand(text))) return;
    form.statusText.setCaption("Message sent to all users connected to this server");
}

}  // namespace SendDispatcher
}  // namespace tarrow
