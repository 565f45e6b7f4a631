#include "store.hpp"

#include <algorithm>

namespace pingrel {

std::string failureText(const std::string& what, const std::string& file, const std::string& reason) {
    return what + " " + file + ".\r\n" + reason;
}

StoreRead Store::read(const std::string& file) {
    StoreRead result;
    platform::TextFileContents contents = files_.readLines(path(file));
    if (contents.outcome == platform::ReadOutcome::Unreadable) {
        result.failure = failureText("Could not read", file, contents.error.text);
        return result;
    }
    result.exists = contents.outcome == platform::ReadOutcome::Read;
    result.lines = std::move(contents.lines);
    return result;
}

bool Store::append(const std::string& file, const std::string& line) {
    platform::TextFileContents stored = files_.readLines(path(file));
    if (stored.outcome == platform::ReadOutcome::Unreadable) {
        failure_ = failureText("Could not write", file, stored.error.text);
        return false;
    }
    stored.lines.push_back(line);
    return replace(file, stored.lines);
}

bool Store::replace(const std::string& file, const std::vector<std::string>& lines) {
    if (files_.replaceLines(path(file), lines)) return true;
    failure_ = failureText("Could not write", file, files_.lastError().text);
    return false;
}

Store::Removal Store::removeLine(const std::string& file, const std::string& entry, std::size_t position) {
    const std::string what = "Could not remove the entry from";
    platform::TextFileContents stored = files_.readLines(path(file));
    if (stored.outcome == platform::ReadOutcome::Unreadable) {
        failure_ = failureText(what, file, stored.error.text);
        return Removal::Failed;
    }
    auto found = position < stored.lines.size() && stored.lines[position] == entry
                     ? stored.lines.begin() + static_cast<std::ptrdiff_t>(position)
                     : std::find(stored.lines.begin(), stored.lines.end(), entry);
    if (found == stored.lines.end()) return Removal::NotStored;
    stored.lines.erase(found);
    if (files_.replaceLines(path(file), stored.lines)) return Removal::Removed;
    failure_ = failureText(what, file, files_.lastError().text);
    return Removal::Failed;
}

void Store::removeLeftovers() {
    for (const char* file : {kRecipientsFile, kMessagesFile, kSignatureFile}) files_.removeLeftovers(path(file));
}

}  // namespace pingrel
