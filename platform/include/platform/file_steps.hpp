#pragma once
// The raw steps of work on files that the text files' crash-safe protocol
// (TextFiles, text_files.hpp) is written over, once: the Win32 service gives
// thin calls to the system, and tests an in-memory double that fails on
// demand at any step (platform/testing).
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// Why an operation on a file failed: the system's error number and its text.
struct FileError {
    unsigned long number = 0;
    std::string text;
};

enum class ReadOutcome { Read, Missing, Unreadable };

// The largest file a read takes: 64 MB. A 32-bit program has 2 GB of address
// space, and a read holds the file's bytes, their text and its lines at
// once, each a block of its own; a file far larger than any store would ever
// grow to could not find room and would end the program. A larger file is
// refused before anything is allocated for it, with fileTooLargeToRead().
constexpr std::size_t kLargestReadableFile = std::size_t{64} << 20;
// The reason given for such a file (the system's ERROR_FILE_TOO_LARGE, with a
// text that fits a read).
FileError fileTooLargeToRead();

// The steps, in the order the protocol takes them:
//   read:    Open, Read;
//   replace: Open (a new temporary file in the file's folder), Write, Flush,
//            Replace (the temporary file takes the file's place in one step),
//            and after a failed step Delete (the temporary file goes again);
//   append:  Open, Write, Flush.
enum class FileStep { Open, Read, Write, Flush, Replace, Delete };
const char* fileStepName(FileStep step);

// A file open for writing; closed when destroyed.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Write: false when not all of the bytes were written.
    virtual bool write(std::string_view bytes) = 0;
    // Flush: the bytes reach the disk.
    virtual bool flush() = 0;
};

class FileSteps {
public:
    virtual ~FileSteps() = default;
    // Open, Read: the file's bytes as they are. Missing when the file, or a
    // folder on its path, does not exist; Unreadable, with `bytes` left
    // alone, when it is larger than kLargestReadableFile.
    virtual ReadOutcome readAll(const std::string& path, std::string& bytes) = 0;
    // Open for writing: a new, empty file that no one else may open while it
    // is written (one that is there is emptied); or, with `append`, the end
    // of the file, created when missing. Nothing when it cannot be opened.
    virtual std::unique_ptr<FileWriter> open(const std::string& path, bool append) = 0;
    // Replace: the file `from` takes the place of `to` in one step.
    virtual bool replace(const std::string& from, const std::string& to) = 0;
    // Delete.
    virtual bool remove(const std::string& path) = 0;
    // Why the last step that failed did (a writer's steps included).
    virtual FileError lastError() const = 0;
};

}  // namespace platform
