#include "messenger/command_lines.hpp"

namespace messenger {

std::string velnoteCommand(const std::string& machine, const std::string& message) {
    return "net send " + machine + " " + message;
}

std::string tarrowRecipientCommand(const std::string& recipient, const std::string& message) {
    return "net.exe send " + recipient + " " + message;
}

// The switch is glued to the verb ("send/DOMAIN"), as Tarrow has always sent it.
std::string tarrowDomainCommand(const std::string& domain, const std::string& message) {
    if (domain.empty()) return "net.exe send/DOMAIN " + message;
    return "net.exe send/DOMAIN:" + domain + " " + message;
}

std::string tarrowUsersCommand(const std::string& message) {
    return "net.exe send/USERS " + message;
}

// An empty folder (the lookup failed) still leaves the leading backslash.
std::string pingrelCommand(const std::string& systemFolder, const std::string& recipient,
                           const std::string& message) {
    return systemFolder + "\\net send " + recipient + " " + message;
}

ShellExecuteRequest pingrelGuiRequest(const std::string& name, const std::string& message) {
    ShellExecuteRequest request;
    request.verb = "open";
    request.file = "NET";
    request.parameters = "SEND \"" + name + "\" " + message;
    request.showMode = 0;
    return request;
}

}  // namespace messenger
