#include "address_book.hpp"

namespace pingrelgui {

std::string addressBookPath(const std::string& programFolder) {
    std::string joined = programFolder + "\\AddressBook.txt";
    // A network path keeps its two leading backslashes.
    std::string path = joined.compare(0, 2, "\\\\") == 0 ? "\\\\" : "";
    for (std::string::size_type i = path.size(); i < joined.size(); ++i) {
        if (joined[i] == '\\' && i + 1 < joined.size() && joined[i + 1] == '\\') ++i;
        path += joined[i];
    }
    return path;
}

std::vector<Entry> parseAddressBook(std::vector<std::string> lines) {
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    std::vector<Entry> entries;
    entries.reserve(lines.size());
    const std::string separator = kSeparator;
    for (const auto& line : lines) {
        std::string::size_type at = line.find(separator);
        if (at == std::string::npos)
            entries.push_back({line, ""});
        else
            entries.push_back({line.substr(0, at), line.substr(at + separator.size())});
    }
    return entries;
}

std::vector<std::string> addressBookLines(const std::vector<Entry>& entries) {
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const auto& entry : entries) lines.push_back(entry.name + kSeparator + entry.description);
    return lines;
}

// Taken out again until none is left: in text that is not valid UTF-8 a
// removal could join the bytes around it into a new separator.
std::string withoutSeparator(const std::string& text) {
    const std::string separator = kSeparator;
    std::string out = text;
    // After a removal a new one can only start one byte before it.
    for (std::string::size_type at = out.find(separator); at != std::string::npos;
         at = out.find(separator, at ? at - 1 : 0))
        out.erase(at, separator.size());
    return out;
}

}  // namespace pingrelgui
