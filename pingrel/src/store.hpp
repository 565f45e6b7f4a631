#pragma once
// Pingrel's three store files in the program folder, in the system's ANSI
// code page with CR LF: "network.txt" (recipient, TAB, TAB, description),
// "messages.txt" (short date, TAB, message) and "sig.txt" (the signature).
// Each operation opens and closes its file. Every line is one entry, blank
// lines too, exactly as stored: commas and double quotes are ordinary text.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/text_files.hpp"

namespace pingrel {

constexpr const char* kRecipientsFile = "network.txt";
constexpr const char* kMessagesFile = "messages.txt";
constexpr const char* kSignatureFile = "sig.txt";

// What reading a store file gave: its lines (none when it does not exist),
// or, when it could not be read, the sentence that says so.
struct StoreRead {
    bool exists = false;
    std::vector<std::string> lines;
    std::string failure;  // "" when read (or missing)
};

// The sentence of a failure box: "Could not write network.txt." and, on the
// next line, the system's reason.
std::string failureText(const std::string& what, const std::string& file, const std::string& reason);

class Store {
public:
    Store(platform::TextFiles& files, std::string folder) : files_(files), folder_(std::move(folder)) {}

    std::string path(const std::string& file) const { return folder_ + "\\" + file; }

    StoreRead read(const std::string& file);
    // Adds one line at the end (the file is created when missing) by writing
    // the whole file anew in one step, so that a write cut short or a full
    // disk never leaves half a line behind; false on failure, the file
    // unchanged and the sentence that says why in failure().
    bool append(const std::string& file, const std::string& line);
    // Replaces the whole file in one step (the old one stays on failure).
    bool replace(const std::string& file, const std::vector<std::string>& lines);

    enum class Removal { Removed, NotStored, Failed };
    // Removes the line at `position` when it is byte for byte `entry` (the
    // entry a list of the file's lines shows there), otherwise the first line
    // equal to it, and writes every other line back unchanged, in one step.
    // NotStored: no such line (the file is left alone). Failed: the file is
    // unchanged, failure() says why.
    Removal removeLine(const std::string& file, const std::string& entry, std::size_t position);

    // Removes what a replace cut short (by a crash) left beside the store files.
    void removeLeftovers();

    const std::string& failure() const { return failure_; }

private:
    platform::TextFiles& files_;
    std::string folder_;
    std::string failure_;
};

}  // namespace pingrel
