#include "platform/text_files.hpp"

#include <algorithm>
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

FileError fileTooLargeToRead() {
    return {223, "The file is larger than 64 MB, the most that can be read."};
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

// The protocol of every store file, over the raw steps.

bool TextFiles::fail(FileError error) {
    lastError_ = std::move(error);
    return false;
}

void TextFiles::removeLeftovers(const std::string& path) { steps_.remove(temporaryOf(path)); }

// Open, Read. A temporary file an interrupted replace left goes first: it
// is never read as the file, and a program that reads its store at start
// leaves none behind.
TextFileContents TextFiles::readBytes(const std::string& path, std::string& bytes) {
    removeLeftovers(path);
    TextFileContents result;
    result.outcome = steps_.readAll(path, bytes);
    if (result.outcome == ReadOutcome::Unreadable) result.error = steps_.lastError();
    return result;
}

TextFileContents TextFiles::readLines(const std::string& path) {
    std::string bytes;
    TextFileContents result = readBytes(path, bytes);
    if (result.outcome == ReadOutcome::Read) result.lines = splitLines(decodeTextFile(bytes, codePage_));
    return result;
}

// Open a new temporary file beside the file, Write, Flush, Replace the file
// with it in one step; after a failed step, Delete the temporary file (the
// first failure is the one told).
bool TextFiles::replaceBytes(const std::string& path, std::initializer_list<std::string_view> pieces) {
    const std::string temporary = temporaryOf(path);
    std::unique_ptr<FileWriter> file = steps_.open(temporary, false);
    if (!file) return fail(steps_.lastError());
    bool written = true;
    for (std::string_view piece : pieces) written = written && file->write(piece);
    written = written && file->flush();
    file.reset();
    if (written && steps_.replace(temporary, path)) return true;
    const FileError error = steps_.lastError();
    steps_.remove(temporary);
    return fail(error);
}

bool TextFiles::replaceLines(const std::string& path, const std::vector<std::string>& lines) {
    return replaceBytes(path, {encodeTextFile(joinLines(lines), codePage_)});
}

// Open (creating the file when missing), Write, Flush; when the lines change
// the file's encoding, the steps of a replace of the whole file.
bool TextFiles::appendLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string old;
    const TextFileContents read = readBytes(path, old);
    if (read.outcome == ReadOutcome::Unreadable) return fail(read.error);
    const Addition addition = encodeAddition(old, joinLines(lines), codePage_);
    if (addition.wholeFile) return replaceBytes(path, {addition.bytes});
    std::unique_ptr<FileWriter> file = steps_.open(path, true);
    if (file && file->write(addition.bytes) && file->flush()) return true;
    return fail(steps_.lastError());
}

// The way through the text: read every line, write back all but the one.
LineRemoval TextFiles::removeLineOfText(const std::string& path, const std::string& line, std::size_t position) {
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

// The line is looked for in the file's bytes (as the code page writes it, or
// as UTF-8 after the mark), and the other lines are written back as they
// are, each ended by CR LF as replaceLines ends them: no conversion of the
// whole file, and where every line already ends so, no copy of it either. A
// UTF-8 file keeps its mark, unless the code page now holds every other
// line: then it goes back to the code page, as replaceLines would write it.
// A line the code page cannot write into a code page file, or one not found
// byte for byte (bytes the code page does not define read back as other
// text), takes the way through the text; so does a code page file whose new
// first line would start as the mark does (it would read back as UTF-8).
LineRemoval TextFiles::removeLine(const std::string& path, const std::string& line, std::size_t position) {
    std::string bytes;
    TextFileContents read = readBytes(path, bytes);
    if (read.outcome == ReadOutcome::Unreadable) return {LineRemoval::Outcome::Failed, read.error};
    if (read.outcome == ReadOutcome::Missing) return {};
    const bool utf8 = startsWithUtf8Mark(bytes);
    std::optional<std::string> wanted = utf8 ? line : codePage_.encode(line);
    if (!wanted) return removeLineOfText(path, line, position);
    const std::string_view all(bytes), mark = all.substr(0, utf8 ? kUtf8Mark.size() : 0),
                           body = all.substr(mark.size());
    const std::optional<LineInBytes> removed = findLineToRemove(body, *wanted, position);
    if (!removed) return removeLineOfText(path, line, position);
    std::string rest;  // the other lines, when not all of them end in CR LF
    std::string_view before = body.substr(0, removed->begin), after = body.substr(removed->next);
    if (!removed->lineBreaksAsWritten) {
        rest = withoutLine(body, *removed);
        before = rest;
        after = {};
    }
    bool replaced;
    std::optional<std::string> ansi;
    if (utf8 && (ansi = ansiBytesOf(std::string(before).append(after), codePage_)))
        replaced = replaceBytes(path, {*ansi});
    else if (!utf8 && startsWithUtf8Mark(std::string(before.substr(0, kUtf8Mark.size()))
                                             .append(after.substr(0, kUtf8Mark.size()))))
        return removeLineOfText(path, line, position);
    else
        replaced = replaceBytes(path, {mark, before, after});
    if (!replaced) return {LineRemoval::Outcome::Failed, lastError_};
    return {LineRemoval::Outcome::Removed, {}};
}

}  // namespace platform
