#pragma once
// The command lines of every sender. A message is never quoted, escaped or
// trimmed: line breaks typed into it go into the command line as they stand.
#include <string>

#include "messenger/process_runner.hpp"

namespace messenger {

// Velnote: "net send <machine> <message>", started minimised with focus.
std::string velnoteCommand(const std::string& machine, const std::string& message);

// Tarrow to one recipient: "net.exe send <recipient> <message>".
std::string tarrowRecipientCommand(const std::string& recipient, const std::string& message);

// Tarrow to a domain: "net.exe send/DOMAIN:<domain> <message>", or
// "net.exe send/DOMAIN <message>" when no domain is given (empty text).
std::string tarrowDomainCommand(const std::string& domain, const std::string& message);

// Tarrow to every user connected to this server: "net.exe send/USERS <message>".
std::string tarrowUsersCommand(const std::string& message);

// Pingrel: "<systemFolder>\net send <recipient> <message>", started hidden.
std::string pingrelCommand(const std::string& systemFolder, const std::string& recipient,
                           const std::string& message);

// PingrelGUI: the shell is asked to "open" the file "NET" with
// `SEND "<name>" <message>`, hidden.
ShellExecuteRequest pingrelGuiRequest(const std::string& name, const std::string& message);

}  // namespace messenger
