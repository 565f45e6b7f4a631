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
// old file stays as it was.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Why an operation on a file failed: the system's error number and its text.
struct FileError {
    unsigned long number = 0;
    std::string text;
};

enum class ReadOutcome { Read, Missing, Unreadable };

// The steps of each operation, the same in the Win32 service and the fake:
//   read:    Open, Read;
//   replace: Open (a new temporary file in the file's folder), Write, Flush,
//            Replace (the temporary file takes the file's place in one step),
//            and after a failed step Delete (the temporary file goes again);
//   append:  Open, Write, Flush.
enum class FileStep { Open, Read, Write, Flush, Replace, Delete };
const char* fileStepName(FileStep step);

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

class TextFiles {
public:
    virtual ~TextFiles() = default;
    // Every line of the file (see splitLines), read as UTF-8 when the file
    // starts with the mark, in the code page otherwise. A file (or a folder on its
    // path) that does not exist is Missing; anything else that stops the read
    // is Unreadable, with the system's reason. The Win32 service first
    // removes what an interrupted replace left (removeLeftovers).
    virtual TextFileContents readLines(const std::string& path) = 0;
    // Replaces the whole file (or creates it) with these lines, in the
    // encoding encodeTextFile chooses for them; false on failure, the old
    // file unchanged and the reason in lastError().
    virtual bool replaceLines(const std::string& path, const std::vector<std::string>& lines) = 0;
    // Adds these lines at the end of the file (after a line break, when its
    // last line has none), creating it when missing; the
    // whole file is written anew when its encoding changes (encodeAddition).
    virtual bool appendLines(const std::string& path, const std::vector<std::string>& lines) = 0;
    // Removes one line equal to `line`: the one at `position` (counted from
    // 0) when it is that line, otherwise the first; every other line is
    // written back as replaceLines writes it, in one step (the steps of a
    // read, then of a replace). The Win32 service finds and removes the line
    // without converting the rest of the file, unless a UTF-8 file goes back
    // to the code page.
    virtual LineRemoval removeLine(const std::string& path, const std::string& line, std::size_t position);
    virtual FileError lastError() const = 0;
    // Removes what a replace of this file that was cut short (the program
    // killed, the power gone) left beside it: its temporary file, never the
    // file itself. Nothing happens when there is none or it is in use.
    virtual void removeLeftovers(const std::string& path) = 0;
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

// Files in memory for tests, keyed by the exact path. The code page they
// model holds every character as its UTF-8 bytes up to a highest one (see
// setHighestCharacter), so a file holds its text as it reads back (UTF-8,
// CR LF), after the mark when the code page lacks a character of it. A
// replace goes through a temporary file in the same folder, as on disk, and
// any step of any operation can be made to fail.
class MemoryTextFiles : public TextFiles {
public:
    TextFileContents readLines(const std::string& path) override;
    bool replaceLines(const std::string& path, const std::vector<std::string>& lines) override;
    bool appendLines(const std::string& path, const std::vector<std::string>& lines) override;
    FileError lastError() const override { return lastError_; }
    // The temporary files that failed Deletes left for this path go.
    void removeLeftovers(const std::string& path) override;

    bool exists(const std::string& path) const { return files_.count(path) != 0; }
    // The file's whole text; "" when it does not exist.
    std::string contents(const std::string& path) const;
    void setContents(const std::string& path, const std::string& text) { files_[path] = text; }
    // Every file there is, temporary files included, in path order.
    std::vector<std::string> paths() const;
    // How many writes (replace or append) reached the file.
    int writes(const std::string& path) const;

    // Makes reads, or writes, of this path fail with this reason (at their first step).
    void failReadsOf(const std::string& path, FileError reason = {5, "Access is denied."});
    void failWritesTo(const std::string& path, FileError reason = {5, "Access is denied."});
    // Makes this step of every operation on the path fail with this reason. A
    // write that fails has written half of its text; a failed Delete leaves
    // the temporary file behind. Each call adds one failing step.
    void failAt(const std::string& path, FileStep step, FileError reason = {5, "Access is denied."});
    // Lifts every failure set by failAt, failReadsOf and failWritesTo.
    void clearFailures();
    // The room left on the disk, in bytes of text: a write that needs more
    // fills it and fails with error 112; replacing or deleting a file frees
    // its bytes. Nothing: no limit.
    void setFreeSpace(std::optional<std::size_t> bytes) { freeSpace_ = bytes; }
    // The code page lacks the characters above this one (0xFF is about a
    // Western code page): a file that holds any is written as UTF-8 after the
    // mark. Nothing: the code page holds every character.
    void setHighestCharacter(std::optional<char32_t> highest) { codePage_.highest = highest; }

private:
    struct LimitedCodePage : AnsiCodePage {
        std::optional<char32_t> highest;
        std::optional<std::string> encode(const std::string& text) const override;
        std::string decode(const std::string& bytes) const override { return bytes; }
    };

    bool refuseWrite(const std::string& path);
    // Replaces the file with these bytes through a temporary file.
    bool replaceBytes(const std::string& path, const std::string& bytes);
    // The failure set for this step of an operation on path, if any (then lastError()).
    bool failsAt(const std::string& path, FileStep step);
    // Writes text to the file at `to` as a write on behalf of `path`: false
    // when it failed (half written, or up to a full disk).
    bool write(const std::string& path, const std::string& to, const std::string& text);
    void fail(FileError error) { lastError_ = std::move(error); }

    std::map<std::string, std::string> files_;
    std::map<std::string, int> writes_;
    std::map<std::string, FileError> failingReads_, failingWrites_;
    std::map<std::string, std::map<FileStep, FileError>> failingSteps_;
    std::map<std::string, std::vector<std::string>> leftovers_;  // by the path they were written for
    std::optional<std::size_t> freeSpace_;
    LimitedCodePage codePage_;
    unsigned temporaryNumber_ = 0;
    FileError lastError_;
};

}  // namespace platform
