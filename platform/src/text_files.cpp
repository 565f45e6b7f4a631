#include "platform/text_files.hpp"

namespace platform {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        std::string::size_type stop = (end > start && text[end - 1] == '\r') ? end - 1 : end;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

TextFileContents MemoryTextFiles::readLines(const std::string& path) {
    TextFileContents result;
    auto failing = failingReads_.find(path);
    if (failing != failingReads_.end()) {
        result.outcome = ReadOutcome::Unreadable;
        result.error = failing->second;
        return result;
    }
    auto file = files_.find(path);
    if (file == files_.end()) return result;
    result.outcome = ReadOutcome::Read;
    result.lines = splitLines(file->second);
    return result;
}

bool MemoryTextFiles::refuseWrite(const std::string& path) {
    auto failing = failingWrites_.find(path);
    if (failing == failingWrites_.end()) return false;
    lastError_ = failing->second;
    return true;
}

bool MemoryTextFiles::replaceLines(const std::string& path, const std::vector<std::string>& lines) {
    if (refuseWrite(path)) return false;
    files_[path] = joinLines(lines);
    ++writes_[path];
    return true;
}

bool MemoryTextFiles::appendLines(const std::string& path, const std::vector<std::string>& lines) {
    if (refuseWrite(path)) return false;
    files_[path] += joinLines(lines);
    ++writes_[path];
    return true;
}

std::string MemoryTextFiles::contents(const std::string& path) const {
    auto file = files_.find(path);
    return file == files_.end() ? std::string() : file->second;
}

int MemoryTextFiles::writes(const std::string& path) const {
    auto count = writes_.find(path);
    return count == writes_.end() ? 0 : count->second;
}

void MemoryTextFiles::failReadsOf(const std::string& path, FileError reason) {
    failingReads_[path] = std::move(reason);
}

void MemoryTextFiles::failWritesTo(const std::string& path, FileError reason) {
    failingWrites_[path] = std::move(reason);
}

}  // namespace platform
