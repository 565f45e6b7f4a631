// Any recipient and message: a recipient without a problem is the first word
// net send reads after "send" (quoted where it must be), and the message
// follows unchanged; a refused recipient is blank or holds a quote.
#include "fuzz_input.hpp"
#include "messenger/command_lines.hpp"

namespace {

std::string trimmed(const std::string& text) {
    const std::string::size_type begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

// The first word of a command line's tail as net send reads it: blanks
// skipped, then a quoted span or the text up to the next blank.
std::string firstWord(const std::string& tail, std::string::size_type& end) {
    std::string::size_type at = tail.find_first_not_of(" \t");
    if (at == std::string::npos) return end = tail.size(), std::string();
    if (tail[at] == '"') {
        end = tail.find('"', at + 1);
        const std::string word = tail.substr(at + 1, end - at - 1);
        end = end == std::string::npos ? tail.size() : end + 1;
        return word;
    }
    end = tail.find_first_of(" \t", at);
    if (end == std::string::npos) end = tail.size();
    return tail.substr(at, end - at);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::string recipient = input.text();
    const std::string message = input.rest();
    switch (messenger::recipientProblem(recipient)) {
        case messenger::RecipientProblem::HoldsQuote:
            FUZZ_CHECK(recipient.find('"') != std::string::npos);
            return 0;
        case messenger::RecipientProblem::Missing:
            FUZZ_CHECK(trimmed(recipient).empty());
            return 0;
        case messenger::RecipientProblem::None: break;
    }
    for (const std::string& command : {messenger::velnoteCommand(recipient, message),
                                       messenger::tarrowRecipientCommand(recipient, message),
                                       messenger::pingrelCommand("C:\\W", recipient, message)}) {
        const std::string::size_type verb = command.find(" send ") + 6;
        std::string::size_type end = 0;
        FUZZ_CHECK(firstWord(command.substr(verb), end) == trimmed(recipient));
        FUZZ_CHECK(command.size() >= message.size() + 1 &&
                   command.compare(command.size() - message.size() - 1, std::string::npos, " " + message) == 0);
    }
    const std::string domainCommand = messenger::tarrowDomainCommand(recipient, message);
    const std::string::size_type colon = domainCommand.find(':');
    std::string::size_type end = 0;
    FUZZ_CHECK(colon != std::string::npos && firstWord(domainCommand.substr(colon + 1), end) == trimmed(recipient));
    return 0;
}
