#pragma once
// Plain text files as the programs' stores keep them: the system's ANSI code
// page on disk (UTF-8 in the code), every line ended by CR LF.
//
// A whole-file write goes to a temporary file in the same folder, which then
// replaces the file in one step: a crash, a full disk or a folder that cannot
// be written never leaves a half-written or empty file behind; on failure the
// old file stays as it was.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
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
    // Every line of the file (see splitLines). A file (or a folder on its
    // path) that does not exist is Missing; anything else that stops the read
    // is Unreadable, with the system's reason. The Win32 service first
    // removes what an interrupted replace left (removeLeftovers).
    virtual TextFileContents readLines(const std::string& path) = 0;
    // Replaces the whole file (or creates it) with these lines; false on
    // failure, the old file unchanged and the reason in lastError().
    virtual bool replaceLines(const std::string& path, const std::vector<std::string>& lines) = 0;
    // Adds these lines at the end of the file, creating it when missing.
    virtual bool appendLines(const std::string& path, const std::vector<std::string>& lines) = 0;
    // Removes one line equal to `line`: the one at `position` (counted from
    // 0) when it is that line, otherwise the first; every other line is
    // written back as replaceLines writes it, in one step (the steps of a
    // read, then of a replace). The Win32 service finds and removes the line
    // without converting the rest of the file.
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
std::optional<LineInBytes> findLineToRemove(const std::string& bytes, const std::string& line,
                                            std::size_t position);
// The file's other lines, each ended by CR LF.
std::string withoutLine(const std::string& bytes, const LineInBytes& removed);

// Files in memory for tests, keyed by the exact path; each holds its text
// as the file would read back (UTF-8, CR LF). A replace goes through a
// temporary file in the same folder, as on disk, and any step of any
// operation can be made to fail.
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
    // Characters above this one cannot be written (as the system's ANSI code
    // page lacks them; 0xFF is about a Western code page): such a write fails
    // at Write with error 1113 before any file is touched. Nothing: no limit.
    void setHighestCharacter(std::optional<char32_t> highest) { highest_ = highest; }

private:
    bool refuseWrite(const std::string& path);
    // The failure set for this step of an operation on path, if any (then lastError()).
    bool failsAt(const std::string& path, FileStep step);
    // Writes text to the file at `to` as a write on behalf of `path`: false
    // when it failed (half written, or up to a full disk).
    bool write(const std::string& path, const std::string& to, const std::string& text);
    bool representable(const std::string& text);
    void fail(FileError error) { lastError_ = std::move(error); }

    std::map<std::string, std::string> files_;
    std::map<std::string, int> writes_;
    std::map<std::string, FileError> failingReads_, failingWrites_;
    std::map<std::string, std::map<FileStep, FileError>> failingSteps_;
    std::map<std::string, std::vector<std::string>> leftovers_;  // by the path they were written for
    std::optional<std::size_t> freeSpace_;
    std::optional<char32_t> highest_;
    unsigned temporaryNumber_ = 0;
    FileError lastError_;
};

}  // namespace platform
