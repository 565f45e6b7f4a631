#include "platform/text_files.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace platform {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
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
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) text.append(line).append("\r\n");
    return text;
}

namespace {

// Where a line of a file's bytes lies: from begin to end, its line break
// (CR LF or a lone LF, none after the last line) up to next.
struct ByteLine {
    std::size_t begin, end, next;
};

// The line that starts at `begin` (as splitLines splits the text).
ByteLine lineAt(std::string_view bytes, std::size_t begin) {
    const void* found = std::memchr(bytes.data() + begin, '\n', bytes.size() - begin);
    if (!found) return {begin, bytes.size(), bytes.size()};
    const std::size_t lf = static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
    return {begin, lf > begin && bytes[lf - 1] == '\r' ? lf - 1 : lf, lf + 1};
}

bool endsAsWritten(const ByteLine& line) { return line.next - line.end == 2; }

}  // namespace

std::optional<LineInBytes> findLineToRemove(std::string_view bytes, const std::string& line, std::size_t position) {
    const auto equal = [&](const ByteLine& l) { return bytes.compare(l.begin, l.end - l.begin, line) == 0; };
    std::optional<ByteLine> removed, first;
    bool asWritten = true;  // every line so far ended by CR LF
    std::size_t index = 0;
    for (std::size_t at = 0; at < bytes.size(); ++index) {
        const ByteLine l = lineAt(bytes, at);
        asWritten = asWritten && endsAsWritten(l);
        if (equal(l)) {
            if (index == position) removed = l;
            else if (!first) first = l;
        }
        if (removed || (first && index >= position)) break;
        at = l.next;
    }
    if (!removed) removed = first;
    if (!removed) return std::nullopt;
    for (std::size_t at = removed->next; asWritten && at < bytes.size();) {
        const ByteLine l = lineAt(bytes, at);
        asWritten = endsAsWritten(l);
        at = l.next;
    }
    return LineInBytes{removed->begin, removed->next, asWritten};
}

std::string withoutLine(std::string_view bytes, const LineInBytes& removed) {
    std::string rest;
    rest.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t at = 0; at < bytes.size();) {
        const ByteLine l = lineAt(bytes, at);
        if (l.begin != removed.begin) rest.append(bytes.substr(l.begin, l.end - l.begin)).append("\r\n");
        at = l.next;
    }
    return rest;
}

bool startsWithUtf8Mark(std::string_view bytes) { return bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark; }

std::string_view withoutUtf8Mark(std::string_view bytes) {
    return startsWithUtf8Mark(bytes) ? bytes.substr(kUtf8Mark.size()) : bytes;
}

std::optional<std::string> ansiBytesOf(const std::string& text, const AnsiCodePage& codePage) {
    std::optional<std::string> bytes = codePage.encode(text);
    if (bytes && startsWithUtf8Mark(*bytes)) return std::nullopt;
    return bytes;
}

std::string encodeTextFile(const std::string& text, const AnsiCodePage& codePage) {
    if (std::optional<std::string> bytes = ansiBytesOf(text, codePage)) return std::move(*bytes);
    std::string bytes;
    bytes.reserve(kUtf8Mark.size() + text.size());
    return bytes.append(kUtf8Mark).append(text);
}

std::string decodeTextFile(const std::string& bytes, const AnsiCodePage& codePage) {
    if (startsWithUtf8Mark(bytes)) return bytes.substr(kUtf8Mark.size());
    return codePage.decode(bytes);
}

Addition encodeAddition(const std::string& fileBytes, std::string added, const AnsiCodePage& codePage) {
    // A last line without its line break gets one first: the added lines
    // are lines of their own.
    const std::string_view body = withoutUtf8Mark(fileBytes);
    if (!body.empty() && body.back() != '\n') added.insert(0, "\r\n");
    if (!startsWithUtf8Mark(fileBytes)) {
        // Only a file shorter than the mark could start as the mark once added to.
        std::optional<std::string> bytes = codePage.encode(added);
        if (bytes && !startsWithUtf8Mark(fileBytes.substr(0, kUtf8Mark.size()) + bytes->substr(0, kUtf8Mark.size())))
            return {false, std::move(*bytes)};
    } else if (!codePage.encode(std::string(body) + added)) {
        return {false, added};
    }
    return {true, encodeTextFile(decodeTextFile(fileBytes, codePage) + added, codePage)};
}

LineRemoval TextFiles::removeLine(const std::string& path, const std::string& line, std::size_t position) {
    TextFileContents stored = readLines(path);
    if (stored.outcome == ReadOutcome::Unreadable) return {LineRemoval::Outcome::Failed, stored.error};
    auto found = position < stored.lines.size() && stored.lines[position] == line
                     ? stored.lines.begin() + static_cast<std::ptrdiff_t>(position)
                     : std::find(stored.lines.begin(), stored.lines.end(), line);
    if (found == stored.lines.end()) return {};
    stored.lines.erase(found);
    if (!replaceLines(path, stored.lines)) return {LineRemoval::Outcome::Failed, lastError()};
    return {LineRemoval::Outcome::Removed, {}};
}

const char* fileStepName(FileStep step) {
    switch (step) {
        case FileStep::Open: return "open";
        case FileStep::Read: return "read";
        case FileStep::Write: return "write";
        case FileStep::Flush: return "flush";
        case FileStep::Replace: return "replace";
        case FileStep::Delete: return "delete";
    }
    return "?";
}

namespace {

// The folder part of a path, with its closing backslash ("" when it has none).
std::string folderOf(const std::string& path) {
    std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool MemoryTextFiles::failsAt(const std::string& path, FileStep step) {
    auto file = failingSteps_.find(path);
    if (file == failingSteps_.end()) return false;
    auto failing = file->second.find(step);
    if (failing == file->second.end()) return false;
    fail(failing->second);
    return true;
}

// Text that is not UTF-8 is not held, as it would not come back byte for
// byte through the system's conversions either.
std::optional<std::string> MemoryTextFiles::LimitedCodePage::encode(const std::string& text) const {
    if (!highest) return text;
    static const char32_t lowest[] = {0, 0x80, 0x800, 0x10000};  // below these: an overlong form
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xC0 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < lowest[length - 1] || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF || c > *highest)
            return std::nullopt;
        i += length;
    }
    return text;
}

bool MemoryTextFiles::write(const std::string& path, const std::string& to, const std::string& text) {
    if (failsAt(path, FileStep::Write)) {
        files_[to] += text.substr(0, text.size() / 2);
        return false;
    }
    if (freeSpace_ && text.size() > *freeSpace_) {
        files_[to] += text.substr(0, *freeSpace_);
        freeSpace_ = 0;
        fail({112, "There is not enough space on the disk."});
        return false;
    }
    if (freeSpace_) *freeSpace_ -= text.size();
    files_[to] += text;
    return true;
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
    if (failsAt(path, FileStep::Open) || failsAt(path, FileStep::Read)) {
        result.outcome = ReadOutcome::Unreadable;
        result.error = lastError_;
        return result;
    }
    result.outcome = ReadOutcome::Read;
    result.lines = splitLines(decodeTextFile(file->second, codePage_));
    return result;
}

bool MemoryTextFiles::refuseWrite(const std::string& path) {
    auto failing = failingWrites_.find(path);
    if (failing == failingWrites_.end()) return false;
    lastError_ = failing->second;
    return true;
}

bool MemoryTextFiles::replaceLines(const std::string& path, const std::vector<std::string>& lines) {
    return replaceBytes(path, encodeTextFile(joinLines(lines), codePage_));
}

bool MemoryTextFiles::replaceBytes(const std::string& path, const std::string& text) {
    if (refuseWrite(path) || failsAt(path, FileStep::Open)) return false;
    // A new temporary file next to the file, named as the system names them.
    char name[16];
    std::snprintf(name, sizeof name, "tmp%X.tmp", ++temporaryNumber_ & 0xFFFF);
    const std::string temporary = folderOf(path) + name;
    files_[temporary];
    // A failed step leaves the file as it was; the temporary file goes again
    // unless deleting it fails too.
    auto abandon = [&] {
        const FileError reason = lastError_;
        if (!failsAt(path, FileStep::Delete)) {
            if (freeSpace_) *freeSpace_ += files_[temporary].size();
            files_.erase(temporary);
        } else {
            leftovers_[path].push_back(temporary);
        }
        lastError_ = reason;
        return false;
    };
    if (!write(path, temporary, text) || failsAt(path, FileStep::Flush) || failsAt(path, FileStep::Replace))
        return abandon();
    auto old = files_.find(path);
    if (old != files_.end() && freeSpace_) *freeSpace_ += old->second.size();
    files_[path] = std::move(files_[temporary]);
    files_.erase(temporary);
    ++writes_[path];
    return true;
}

bool MemoryTextFiles::appendLines(const std::string& path, const std::vector<std::string>& lines) {
    const Addition addition = encodeAddition(contents(path), joinLines(lines), codePage_);
    if (addition.wholeFile) return replaceBytes(path, addition.bytes);
    if (refuseWrite(path) || failsAt(path, FileStep::Open)) return false;
    // What a failed write put there stays, as on disk.
    const bool written = write(path, path, addition.bytes) && !failsAt(path, FileStep::Flush);
    if (written) ++writes_[path];
    return written;
}

std::string MemoryTextFiles::contents(const std::string& path) const {
    auto file = files_.find(path);
    return file == files_.end() ? std::string() : file->second;
}

std::vector<std::string> MemoryTextFiles::paths() const {
    std::vector<std::string> all;
    for (const auto& file : files_) all.push_back(file.first);
    return all;
}

int MemoryTextFiles::writes(const std::string& path) const {
    auto count = writes_.find(path);
    return count == writes_.end() ? 0 : count->second;
}

void MemoryTextFiles::removeLeftovers(const std::string& path) {
    for (const std::string& temporary : leftovers_[path]) {
        auto file = files_.find(temporary);
        if (file == files_.end()) continue;
        if (freeSpace_) *freeSpace_ += file->second.size();
        files_.erase(file);
    }
    leftovers_.erase(path);
}

void MemoryTextFiles::failReadsOf(const std::string& path, FileError reason) {
    failingReads_[path] = std::move(reason);
}

void MemoryTextFiles::failWritesTo(const std::string& path, FileError reason) {
    failingWrites_[path] = std::move(reason);
}

void MemoryTextFiles::failAt(const std::string& path, FileStep step, FileError reason) {
    failingSteps_[path][step] = std::move(reason);
}

void MemoryTextFiles::clearFailures() {
    failingReads_.clear();
    failingWrites_.clear();
    failingSteps_.clear();
}

}  // namespace platform
