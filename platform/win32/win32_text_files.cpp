#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/text_files.hpp"
#include "platform/win32_services.hpp"
#include "platform/win32_text.hpp"

namespace platform {

namespace {

// The system's ANSI code page. Text is held only when its bytes read back as
// exactly this text: a character the code page lacks would be written as its
// default character or a look-alike ("8" for the infinity sign), and text
// that is not UTF-8 would not come back byte for byte. (A UTF-8 code page
// holds every text.)
class SystemCodePage : public AnsiCodePage {
public:
    std::optional<std::string> encode(const std::string& text) const override {
        if (text.empty()) return std::string();
        const std::wstring wide = widen(text);
        const UINT codePage = GetACP();
        // The default-character flag may not be asked of a UTF-8 code page.
        const bool check = codePage != CP_UTF8;
        const DWORD flags = check ? WC_NO_BEST_FIT_CHARS : 0;
        BOOL usedDefault = FALSE;
        const int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                          nullptr, check ? &usedDefault : nullptr);
        if (n <= 0 || usedDefault) return std::nullopt;
        std::string bytes(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), &bytes[0], n, nullptr,
                            nullptr);
        if (decode(bytes) != text) return std::nullopt;
        return bytes;
    }

    std::string decode(const std::string& bytes) const override {
        if (bytes.empty()) return {};
        const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], n);
        return narrow(wide);
    }
};

bool writeAll(HANDLE file, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += written;
    }
    return true;
}

// The raw steps as the system's calls; each failure keeps its error for
// lastError().
class Win32FileSteps : public FileSteps {
public:
    ReadOutcome readAll(const std::string& path, std::string& bytes) override {
        HANDLE file = CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return ReadOutcome::Missing;
            return unreadable(error);
        }
        // As many bytes as the file holds now, then any it grew by meanwhile;
        // a file larger than a read takes is refused before its bytes are
        // held, or once it has grown past that.
        LARGE_INTEGER size{};
        if (GetFileSizeEx(file, &size) && static_cast<unsigned long long>(size.QuadPart) > kLargestReadableFile)
            return tooLarge(file);
        std::string read;
        if (size.QuadPart > 0) read.resize(static_cast<std::size_t>(size.QuadPart));
        std::size_t done = 0;
        char buffer[65536];
        for (;;) {
            DWORD got = 0;
            const bool inPlace = done < read.size();
            char* into = inPlace ? &read[done] : buffer;
            const DWORD room = inPlace ? static_cast<DWORD>(read.size() - done) : sizeof buffer;
            if (!ReadFile(file, into, room, &got, nullptr)) {
                const DWORD error = GetLastError();
                CloseHandle(file);
                return unreadable(error);
            }
            if (got == 0) break;
            if (!inPlace && read.size() + got > kLargestReadableFile) return tooLarge(file);
            if (inPlace) done += got;
            else read.append(buffer, got), done = read.size();
        }
        read.resize(done);
        CloseHandle(file);
        bytes = std::move(read);
        return ReadOutcome::Read;
    }

    // A new file is no one else's while it is written; an appended one may
    // be read meanwhile.
    std::unique_ptr<FileWriter> open(const std::string& path, bool append) override {
        HANDLE file = append ? CreateFileW(widen(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)
                             : CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            failed(GetLastError());
            return nullptr;
        }
        return std::make_unique<Writer>(*this, file);
    }

    bool replace(const std::string& from, const std::string& to) override {
        return MoveFileExW(widen(from).c_str(), widen(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   ? true
                   : failed(GetLastError());
    }

    // A file still open in another process (a replace going on there) stays.
    bool remove(const std::string& path) override {
        return DeleteFileW(widen(path).c_str()) ? true : failed(GetLastError());
    }

    FileError lastError() const override { return lastError_; }

private:
    class Writer : public FileWriter {
    public:
        Writer(Win32FileSteps& steps, HANDLE file) : steps_(steps), file_(file) {}
        ~Writer() override { CloseHandle(file_); }
        bool write(std::string_view bytes) override { return writeAll(file_, bytes) || steps_.failed(GetLastError()); }
        bool flush() override { return FlushFileBuffers(file_) || steps_.failed(GetLastError()); }

    private:
        Win32FileSteps& steps_;
        HANDLE file_;
    };

    bool failed(DWORD error) {
        lastError_ = FileError{error, systemErrorText(error)};
        return false;
    }
    ReadOutcome unreadable(DWORD error) {
        failed(error);
        return ReadOutcome::Unreadable;
    }
    ReadOutcome tooLarge(HANDLE file) {
        CloseHandle(file);
        lastError_ = fileTooLargeToRead();
        return ReadOutcome::Unreadable;
    }

    FileError lastError_;
};

// The protocol over the system's steps and code page (members first, so
// that they exist before the files that use them).
struct Win32FileParts {
    Win32FileSteps steps;
    SystemCodePage codePage;
};
class Win32TextFiles : private Win32FileParts, public TextFiles {
public:
    Win32TextFiles() : TextFiles(steps, codePage) {}
};

}  // namespace

std::unique_ptr<TextFiles> makeWin32TextFiles() { return std::unique_ptr<TextFiles>(new Win32TextFiles()); }

std::unique_ptr<FileSteps> makeWin32FileSteps() { return std::make_unique<Win32FileSteps>(); }

}  // namespace platform
