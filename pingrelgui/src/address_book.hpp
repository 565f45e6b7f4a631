#pragma once
// The address book file `AddressBook.txt`: one line per entry, name + "¬" +
// description, in the system's ANSI code page with CR LF line ends (the
// text-file service does the code page and the line ends).
#include <string>
#include <vector>

namespace pingrelgui {

// The separator between a name and its description: U+00AC NOT SIGN (UTF-8).
constexpr const char* kSeparator = "\xC2\xAC";

struct Entry {
    std::string name;
    std::string description;
    bool operator==(const Entry& o) const { return name == o.name && description == o.description; }
};

// The file next to the program: folder + "\AddressBook.txt", every doubled
// backslash then made single (a folder given as "C:\" still gets one
// separator). The two backslashes that open a network path stay.
std::string addressBookPath(const std::string& programFolder);

// The entries of the file's lines. Each line is split at its first "¬"; a
// line without one is an entry whose name is the whole line and whose
// description is empty. An empty last line is not an entry.
std::vector<Entry> parseAddressBook(std::vector<std::string> lines);

// The file's lines for these entries, in their order.
std::vector<std::string> addressBookLines(const std::vector<Entry>& entries);

// The text with every "¬" taken out (names and descriptions may not hold one).
std::string withoutSeparator(const std::string& text);

}  // namespace pingrelgui
