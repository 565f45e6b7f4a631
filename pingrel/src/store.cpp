#include "store.hpp"

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
    const platform::LineRemoval removal = files_.removeLine(path(file), entry, position);
    switch (removal.outcome) {
        case platform::LineRemoval::Outcome::Removed: return Removal::Removed;
        case platform::LineRemoval::Outcome::NotStored: return Removal::NotStored;
        case platform::LineRemoval::Outcome::Failed: break;
    }
    failure_ = failureText("Could not remove the entry from", file, removal.error.text);
    return Removal::Failed;
}

void Store::removeLeftovers() {
    for (const char* file : {kRecipientsFile, kMessagesFile, kSignatureFile}) files_.removeLeftovers(path(file));
}

}  // namespace pingrel
