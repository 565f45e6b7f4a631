#pragma once
// The command lines of every sender. A message is never quoted, escaped or
// trimmed: line breaks typed into it go into the command line as they stand.
//
// `net send` takes the first word after "send" as the recipient and the rest
// as the message. So a recipient goes in as one word: a name with a blank
// between other characters is put in double quotes (blanks before and after
// it stay, unquoted, where net send skips them). A recipient that is empty or
// blanks only, or that holds a double quote, cannot be passed as one word:
// the senders refuse it (recipientProblem) before they build a command.
#include <cstddef>
#include <string>

#include "messenger/process_runner.hpp"

namespace messenger {

enum class RecipientProblem {
    None,
    Missing,     // empty, or blanks (spaces, tabs) only
    HoldsQuote   // a double quote: no user, group or computer name holds one
};
RecipientProblem recipientProblem(const std::string& recipient);

// The recipient as one word of a command line (it must have no problem):
// "PC7" stays PC7, " Front Desk " becomes ` "Front Desk" `.
std::string recipientWord(const std::string& recipient);

// The longest command line CreateProcess takes: 32,767 UTF-16 characters with
// the closing null, so 32,766 of text.
constexpr std::size_t kMaxCommandLine = 32766;
// Whether a command line fits (kMaxCommandLine).
bool fitsCommandLine(const std::string& commandLine);
// What every sender asks of the user when it refuses a text `over` characters
// past its limit: "Please shorten it by 1 character." ("... by 2 characters.").
std::string shortenRequest(std::size_t over);

// Every builder below takes a recipient without a problem (see above) and
// puts it in as recipientWord does.

// Velnote: "net send <machine> <message>", started minimised with focus.
std::string velnoteCommand(const std::string& machine, const std::string& message);

// Tarrow to one recipient: "net.exe send <recipient> <message>".
std::string tarrowRecipientCommand(const std::string& recipient, const std::string& message);

// Tarrow to a domain: "net.exe send/DOMAIN:<domain> <message>", or
// "net.exe send/DOMAIN <message>" when no domain is given (empty or blanks
// only). The domain is glued to the switch, so blanks around it are dropped
// (one there would end the switch and make the domain the message's first
// word); one with a blank inside is quoted. It may not hold a double quote.
std::string tarrowDomainCommand(const std::string& domain, const std::string& message);

// Tarrow to every user connected to this server: "net.exe send/USERS <message>".
std::string tarrowUsersCommand(const std::string& message);

// Pingrel: "<systemFolder>\net send <recipient> <message>", started hidden.
std::string pingrelCommand(const std::string& systemFolder, const std::string& recipient,
                           const std::string& message);

// Tarrow's links (a web page, a mail address), opened shown normally; the
// shell shows no error box: Tarrow reports a failure itself.
ShellExecuteRequest tarrowLinkRequest(const std::string& target);

// PingrelGUI's send as a command line: `net SEND "<name>" <message>`.
std::string pingrelGuiCommand(const std::string& name, const std::string& message);
// PingrelGUI has the shell open its links hidden, owned by its window
// (`owner`), and lets the shell report a failure in its own box first.
ShellExecuteRequest pingrelGuiLinkRequest(const std::string& target, forms::NativeHandle owner);

}  // namespace messenger
