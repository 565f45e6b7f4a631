#pragma once
// Plain text files as the programs' stores keep them: the system's ANSI code
// page on disk (UTF-8 in the code), every line ended by CR LF. A file with
// any character the code page lacks is written whole as UTF-8 after the byte
// order mark instead, and is written in the code page again once it holds
// the whole text (see encodeTextFile).
//
// A whole-file write goes to a temporary file in the same folder, which then
// replaces the file in one step: a crash, a full disk or a folder that cannot
// be written never leaves a half-written or empty file behind; on failure the
// old file stays as it was. This protocol is written once, over the raw
// steps of file_steps.hpp, and the system's code page (AnsiCodePage).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_steps.hpp"

namespace platform {

// What removeLine did: Removed, NotStored (no such line: the file is left
// alone) or Failed (the file is unchanged; error says why).
struct LineRemoval {
    enum class Outcome { Removed, NotStored, Failed } outcome = Outcome::NotStored;
    FileError error;
};

struct TextFileContents {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::vector<std::string> lines;  // Read only
    FileError error;                 // Unreadable only
};

class AnsiCodePage;

class TextFiles {
public:
    // Both must outlive the files.
    TextFiles(FileSteps& steps, const AnsiCodePage& codePage) : steps_(steps), codePage_(codePage) {}
    virtual ~TextFiles() = default;
    // Every line of the file (see splitLines), read as UTF-8 when the file
    // starts with the mark, in the code page otherwise. A file (or a folder
    // on its path) that does not exist is Missing; anything else that stops
    // the read is Unreadable, with the system's reason. What an interrupted
    // replace left goes first (removeLeftovers).
    TextFileContents readLines(const std::string& path);
    // Replaces the whole file (or creates it) with these lines, in the
    // encoding encodeTextFile chooses for them; false on failure, the old
    // file unchanged and the reason in lastError().
    bool replaceLines(const std::string& path, const std::vector<std::string>& lines);
    // Adds these lines at the end of the file (after a line break, when its
    // last line has none), creating it when missing; the whole file is
    // written anew when its encoding changes (encodeAddition).
    bool appendLines(const std::string& path, const std::vector<std::string>& lines);
    // Removes one line equal to `line`: the one at `position` (counted from
    // 0) when it is that line, otherwise the first; every other line is
    // written back as replaceLines writes it, in one step (the steps of a
    // read, then of a replace). The line is found in the file's bytes, and
    // the rest is not converted, unless a UTF-8 file goes back to the code
    // page.
    LineRemoval removeLine(const std::string& path, const std::string& line, std::size_t position);
    FileError lastError() const { return lastError_; }
    // Removes what a replace of this file that was cut short (the program
    // killed, the power gone) left beside it: its temporary file, never the
    // file itself. Nothing happens when there is none or it is in use.
    void removeLeftovers(const std::string& path);
    // The temporary file a replace of `path` writes first.
    static std::string temporaryOf(const std::string& path) { return path + ".tmp"; }

private:
    TextFileContents readBytes(const std::string& path, std::string& bytes);
    bool replaceBytes(const std::string& path, std::initializer_list<std::string_view> pieces);
    LineRemoval removeLineOfText(const std::string& path, const std::string& line, std::size_t position);
    bool fail(FileError error);

    FileSteps& steps_;
    const AnsiCodePage& codePage_;
    FileError lastError_;
};

// The lines of a file's text: a line ends at CR LF (or a lone LF); the text
// after the last line break is one more line unless it is empty. So "a\r\n"
// is one line, "a\r\n\r\n" two ("a" and "").
std::vector<std::string> splitLines(const std::string& text);
// Each line followed by CR LF; no lines give the empty text.
std::string joinLines(const std::vector<std::string>& lines);

// The byte order mark that a file written as UTF-8 starts with.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
bool startsWithUtf8Mark(std::string_view bytes);
// The bytes after the mark when they start with it; all of them otherwise.
std::string_view withoutUtf8Mark(std::string_view bytes);

// The system's ANSI code page, as the text files use it.
class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // The code page's bytes for this UTF-8 text, only when they read back as
    // exactly this text: a character the code page lacks (written as its
    // default character or a look-alike) gives nothing.
    virtual std::optional<std::string> encode(const std::string& text) const = 0;
    // The UTF-8 text of the code page's bytes.
    virtual std::string decode(const std::string& bytes) const = 0;
};
// The code page's bytes for the text of a whole file, when it holds the text
// and the bytes do not start as the mark does (they would read as UTF-8).
std::optional<std::string> ansiBytesOf(const std::string& text, const AnsiCodePage& codePage);
// The bytes a file holding this text is written as: the code page's (see
// ansiBytesOf), otherwise the mark and the UTF-8 text.
std::string encodeTextFile(const std::string& text, const AnsiCodePage& codePage);
// The text of a file's bytes: after the mark, UTF-8 (taken as it is), else
// the code page's.
std::string decodeTextFile(const std::string& bytes, const AnsiCodePage& codePage);

// A line of a file's bytes that removeLine takes out, found without
// converting or copying the file: from `begin` to `next` (its line break
// included). `lineBreaksAsWritten` tells that every line of the file ends in
// CR LF, as replaceLines writes them: then the bytes before `begin` and from
// `next` on are the whole new file.
struct LineInBytes {
    std::size_t begin = 0, next = 0;
    bool lineBreaksAsWritten = false;
};
// The line at `position` when its bytes are `line`, otherwise the first
// such line (lines as splitLines finds them); nothing when none is.
std::optional<LineInBytes> findLineToRemove(std::string_view bytes, const std::string& line, std::size_t position);
// The file's other lines, each ended by CR LF.
std::string withoutLine(std::string_view bytes, const LineInBytes& removed);

// How lines added at the end of a file are written: when the file keeps its
// encoding, these bytes go at its end; when it changes (a code page file
// gets text the code page lacks, or a UTF-8 file's whole text now fits the
// code page), the whole file is written anew as these bytes.
struct Addition {
    bool wholeFile = false;
    std::string bytes;
};
// A file whose last line has no line break gets one before the added lines.
Addition encodeAddition(const std::string& fileBytes, std::string added, const AnsiCodePage& codePage);

}  // namespace platform
