#include "messenger/command_lines.hpp"

#include "platform/unicode.hpp"

namespace messenger {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The text without blanks at either end.
std::string trimmed(const std::string& text) {
    std::string::size_type begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

// The text in double quotes when a blank stands inside it (it has none at its ends).
std::string oneWord(const std::string& core) {
    for (char c : core)
        if (isBlank(c)) return "\"" + core + "\"";
    return core;
}

}  // namespace

RecipientProblem recipientProblem(const std::string& recipient) {
    if (recipient.find('"') != std::string::npos) return RecipientProblem::HoldsQuote;
    if (trimmed(recipient).empty()) return RecipientProblem::Missing;
    return RecipientProblem::None;
}

std::string recipientWord(const std::string& recipient) {
    std::string::size_type begin = recipient.find_first_not_of(" \t");
    if (begin == std::string::npos) return recipient;
    std::string::size_type end = recipient.find_last_not_of(" \t") + 1;
    return recipient.substr(0, begin) + oneWord(recipient.substr(begin, end - begin)) + recipient.substr(end);
}

bool fitsCommandLine(const std::string& commandLine) { return platform::utf16Length(commandLine) <= kMaxCommandLine; }

std::string shortenRequest(std::size_t over) {
    return "Please shorten it by " + std::to_string(over) + (over == 1 ? " character." : " characters.");
}

StartResult tooLong() {
    StartResult result;
    result.errorNumber = 206;  // ERROR_FILENAME_EXCED_RANGE
    result.errorText = "The filename or extension is too long.";
    return result;
}

std::string velnoteCommand(const std::string& machine, const std::string& message) {
    return "net send " + recipientWord(machine) + " " + message;
}

std::string tarrowRecipientCommand(const std::string& recipient, const std::string& message) {
    return "net.exe send " + recipientWord(recipient) + " " + message;
}

// The switch is glued to the verb ("send/DOMAIN"), as Tarrow has always sent it.
std::string tarrowDomainCommand(const std::string& domain, const std::string& message) {
    const std::string name = trimmed(domain);
    if (name.empty()) return "net.exe send/DOMAIN " + message;
    return "net.exe send/DOMAIN:" + oneWord(name) + " " + message;
}

std::string tarrowUsersCommand(const std::string& message) {
    return "net.exe send/USERS " + message;
}

// An empty folder (the lookup failed) still leaves the leading backslash.
std::string pingrelCommand(const std::string& systemFolder, const std::string& recipient,
                           const std::string& message) {
    return systemFolder + "\\net send " + recipientWord(recipient) + " " + message;
}

ShellExecuteRequest tarrowLinkRequest(const std::string& target) {
    ShellExecuteRequest request;
    request.file = target;
    request.show = WindowStyle::Normal;
    return request;
}

namespace {
// PingrelGUI quotes the whole name, blanks and all; the message follows as typed.
std::string pingrelGuiParameters(const std::string& name, const std::string& message) {
    return "SEND \"" + name + "\" " + message;
}
}  // namespace

ShellExecuteRequest pingrelGuiLinkRequest(const std::string& target, forms::NativeHandle owner) {
    ShellExecuteRequest request;
    request.file = target;
    request.show = WindowStyle::Hidden;
    request.owner = owner;
    request.shellReportsFailure = true;
    return request;
}

std::string pingrelGuiCommand(const std::string& name, const std::string& message) {
    return "net " + pingrelGuiParameters(name, message);
}

}  // namespace messenger
