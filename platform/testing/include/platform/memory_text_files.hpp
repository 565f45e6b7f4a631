#pragma once
// Files in memory for tests: the text files' own protocol (TextFiles) over
// raw steps kept in memory, where any step can be made to fail, the disk can
// fill up and the code page can lack characters.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_steps.hpp"
#include "platform/text_files.hpp"

namespace platform {

// The disk: files keyed by the exact path. Failures are set for a store's
// path and hold for its temporary file too (TextFiles::temporaryOf).
class MemoryFileSteps : public FileSteps {
public:
    ReadOutcome readAll(const std::string& path, std::string& bytes) override;
    std::unique_ptr<FileWriter> open(const std::string& path, bool append) override;
    bool replace(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    FileError lastError() const override { return lastError_; }

    bool exists(const std::string& path) const { return files_.count(path) != 0; }
    // The file's whole bytes; "" when it does not exist.
    std::string contents(const std::string& path) const;
    void setContents(const std::string& path, const std::string& bytes) { files_[path] = bytes; }
    // Every file there is, temporary files included, in path order.
    std::vector<std::string> paths() const;
    // How many writes (a replace, or an append) reached the file.
    int writes(const std::string& path) const;

    // Makes reads, or writes, of this path fail with this reason (at their first step).
    void failReadsOf(const std::string& path, FileError reason = {5, "Access is denied."});
    void failWritesTo(const std::string& path, FileError reason = {5, "Access is denied."});
    // Makes this step of every operation on the path fail with this reason. A
    // write that fails has written half of its bytes; a failed Delete leaves
    // the file. Each call adds one failing step.
    void failAt(const std::string& path, FileStep step, FileError reason = {5, "Access is denied."});
    // Lifts every failure set by failAt, failReadsOf and failWritesTo.
    void clearFailures();
    // The room left on the disk, in bytes: a write that needs more fills it
    // and fails with error 112; replacing or deleting a file frees its
    // bytes. Nothing: no limit.
    void setFreeSpace(std::optional<std::size_t> bytes) { freeSpace_ = bytes; }

private:
    class Writer;
    // The failure set for this step on path (or on the store it is the
    // temporary file of), if any: then lastError() tells it.
    bool failsAt(const std::string& path, FileStep step);
    bool fail(FileError error);
    void erase(const std::string& path);

    std::map<std::string, std::string> files_;
    std::map<std::string, int> writes_;
    std::map<std::string, FileError> failingReads_, failingWrites_;
    std::map<std::string, std::map<FileStep, FileError>> failingSteps_;
    std::optional<std::size_t> freeSpace_;
    FileError lastError_;
};

// A code page that holds every character up to a highest one, each as its
// UTF-8 bytes; so a file holds its text as it reads back (UTF-8, CR LF),
// after the mark when the code page lacks a character of it.
class LimitedCodePage : public AnsiCodePage {
public:
    std::optional<char32_t> highest;  // nothing: every character
    std::optional<std::string> encode(const std::string& text) const override;
    std::string decode(const std::string& bytes) const override { return bytes; }
};

// Text files in memory: the protocol as shipped, over MemoryFileSteps.
class MemoryTextFiles : private MemoryFileSteps, private LimitedCodePage, public TextFiles {
public:
    MemoryTextFiles() : TextFiles(static_cast<MemoryFileSteps&>(*this), static_cast<LimitedCodePage&>(*this)) {}
    // A test starts afresh by assigning new files: the disk and code page are
    // taken over, the protocol stays bound to this object's own.
    MemoryTextFiles& operator=(const MemoryTextFiles& other) {
        MemoryFileSteps::operator=(other);
        LimitedCodePage::operator=(other);
        return *this;
    }

    using TextFiles::lastError;
    using MemoryFileSteps::clearFailures;
    using MemoryFileSteps::contents;
    using MemoryFileSteps::exists;
    using MemoryFileSteps::failAt;
    using MemoryFileSteps::failReadsOf;
    using MemoryFileSteps::failWritesTo;
    using MemoryFileSteps::paths;
    using MemoryFileSteps::setContents;
    using MemoryFileSteps::setFreeSpace;
    using MemoryFileSteps::writes;
    // The code page lacks the characters above this one (0xFF is about a
    // Western code page): a file that holds any is written as UTF-8 after the
    // mark. Nothing: the code page holds every character.
    void setHighestCharacter(std::optional<char32_t> character) { highest = character; }
};

}  // namespace platform
