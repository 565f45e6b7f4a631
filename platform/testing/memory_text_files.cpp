#include "platform/memory_text_files.hpp"

#include "platform/unicode.hpp"

namespace platform {

namespace {

// The store a path belongs to: itself, or the file it is the temporary file of.
std::string storeOf(const std::string& path) {
    const std::string suffix = TextFiles::temporaryOf("");
    const bool temporary =
        path.size() > suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
    return temporary ? path.substr(0, path.size() - suffix.size()) : path;
}

}  // namespace

class MemoryFileSteps::Writer : public FileWriter {
public:
    Writer(MemoryFileSteps& disk, std::string path, bool append)
        : disk_(disk), path_(std::move(path)), append_(append) {}

    // A failed write leaves half of the bytes, a full disk as many as fit.
    bool write(std::string_view bytes) override {
        std::string& file = disk_.files_[path_];
        if (disk_.failsAt(path_, FileStep::Write)) {
            file.append(bytes.substr(0, bytes.size() / 2));
            return false;
        }
        if (disk_.freeSpace_ && bytes.size() > *disk_.freeSpace_) {
            file.append(bytes.substr(0, *disk_.freeSpace_));
            disk_.freeSpace_ = 0;
            return disk_.fail({112, "There is not enough space on the disk."});
        }
        if (disk_.freeSpace_) *disk_.freeSpace_ -= bytes.size();
        file.append(bytes);
        return true;
    }

    bool flush() override {
        if (disk_.failsAt(path_, FileStep::Flush)) return false;
        if (append_) ++disk_.writes_[path_];
        return true;
    }

private:
    MemoryFileSteps& disk_;
    std::string path_;
    bool append_;
};

bool MemoryFileSteps::fail(FileError error) {
    lastError_ = std::move(error);
    return false;
}

bool MemoryFileSteps::failsAt(const std::string& path, FileStep step) {
    auto file = failingSteps_.find(storeOf(path));
    if (file == failingSteps_.end()) return false;
    auto failing = file->second.find(step);
    if (failing == file->second.end()) return false;
    fail(failing->second);
    return true;
}

void MemoryFileSteps::erase(const std::string& path) {
    auto file = files_.find(path);
    if (file == files_.end()) return;
    if (freeSpace_) *freeSpace_ += file->second.size();
    files_.erase(file);
}

ReadOutcome MemoryFileSteps::readAll(const std::string& path, std::string& bytes) {
    auto failing = failingReads_.find(path);
    if (failing != failingReads_.end()) {
        fail(failing->second);
        return ReadOutcome::Unreadable;
    }
    auto file = files_.find(path);
    if (file == files_.end()) return ReadOutcome::Missing;
    if (failsAt(path, FileStep::Open) || failsAt(path, FileStep::Read)) return ReadOutcome::Unreadable;
    if (file->second.size() > kLargestReadableFile) {
        fail(fileTooLargeToRead());
        return ReadOutcome::Unreadable;
    }
    bytes = file->second;
    return ReadOutcome::Read;
}

std::unique_ptr<FileWriter> MemoryFileSteps::open(const std::string& path, bool append) {
    auto refused = failingWrites_.find(storeOf(path));
    if (refused != failingWrites_.end()) {
        fail(refused->second);
        return nullptr;
    }
    if (failsAt(path, FileStep::Open)) return nullptr;
    if (!append) erase(path);
    files_[path];
    return std::make_unique<Writer>(*this, path, append);
}

bool MemoryFileSteps::replace(const std::string& from, const std::string& to) {
    if (failsAt(to, FileStep::Replace)) return false;
    std::string bytes = std::move(files_[from]);
    files_.erase(from);
    erase(to);
    files_[to] = std::move(bytes);
    ++writes_[to];
    return true;
}

bool MemoryFileSteps::remove(const std::string& path) {
    if (failsAt(path, FileStep::Delete)) return false;
    if (!exists(path)) return fail({2, "The system cannot find the file specified."});
    erase(path);
    return true;
}

std::string MemoryFileSteps::contents(const std::string& path) const {
    auto file = files_.find(path);
    return file == files_.end() ? std::string() : file->second;
}

std::vector<std::string> MemoryFileSteps::paths() const {
    std::vector<std::string> all;
    for (const auto& file : files_) all.push_back(file.first);
    return all;
}

int MemoryFileSteps::writes(const std::string& path) const {
    auto count = writes_.find(path);
    return count == writes_.end() ? 0 : count->second;
}

void MemoryFileSteps::failReadsOf(const std::string& path, FileError reason) {
    failingReads_[path] = std::move(reason);
}

void MemoryFileSteps::failWritesTo(const std::string& path, FileError reason) {
    failingWrites_[path] = std::move(reason);
}

void MemoryFileSteps::failAt(const std::string& path, FileStep step, FileError reason) {
    failingSteps_[path][step] = std::move(reason);
}

void MemoryFileSteps::clearFailures() {
    failingReads_.clear();
    failingWrites_.clear();
    failingSteps_.clear();
}

// Text that is not UTF-8 is not held, as it would not come back byte for
// byte through the system's conversions either.
std::optional<std::string> LimitedCodePage::encode(const std::string& text) const {
    if (!highest) return text;
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCharacter d = decodeUtf8(text, at);
        if (!d.valid || d.value > *highest) return std::nullopt;
        at += d.length;
    }
    return text;
}

}  // namespace platform
