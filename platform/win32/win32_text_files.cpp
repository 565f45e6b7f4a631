#include <windows.h>

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/text_files.hpp"
#include "platform/win32_services.hpp"
#include "platform/win32_text.hpp"

namespace platform {

namespace {

FileError errorOf(DWORD number) { return FileError{number, systemErrorText(number)}; }

// UTF-8 to the system's ANSI code page. A character the code page lacks
// would be written as another one (its default character, or a look-alike),
// and the store would read back a different text: such text is refused with
// ERROR_NO_UNICODE_TRANSLATION instead. (A UTF-8 code page holds everything.)
bool toAnsi(const std::string& text, std::string& out) {
    out.clear();
    std::wstring wide = widen(text);
    if (wide.empty()) return true;
    const UINT codePage = GetACP();
    const bool check = codePage != CP_UTF8;
    BOOL usedDefault = FALSE;
    const DWORD flags = check ? WC_NO_BEST_FIT_CHARS : 0;
    int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                check ? &usedDefault : nullptr);
    if (n <= 0 || usedDefault) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return false;
    }
    out.assign(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr, nullptr);
    return true;
}

std::string fromAnsi(const std::string& bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], n);
    return narrow(wide);
}

// The temporary file a replace writes before it takes the file's place: in
// the file's own folder (so that the replace is a rename within one volume),
// named after the file, so that one left by a replace cut short (a crash, a
// kill) is known and goes at the next read or write of the file.
std::wstring temporaryOf(const std::wstring& path) { return path + L".tmp"; }

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

class Win32TextFiles : public TextFiles {
public:
    // Open, Read. A temporary file an interrupted replace left goes first:
    // it is never read as the file, and a program that reads its store at
    // start leaves none behind.
    TextFileContents readLines(const std::string& path) override {
        std::string bytes;
        TextFileContents result = readBytes(path, bytes);
        if (result.outcome == ReadOutcome::Read) result.lines = splitLines(fromAnsi(bytes));
        return result;
    }

    bool replaceLines(const std::string& path, const std::vector<std::string>& lines) override {
        std::string bytes;
        if (!toAnsi(joinLines(lines), bytes)) return fail(GetLastError());
        return replaceBytes(path, {bytes});
    }

    // The line is looked for in the file's bytes, as the code page writes it,
    // and the other lines are written back as they are, each ended by CR LF
    // as replaceLines ends them: no conversion of the whole file, and where
    // every line already ends so, no copy of it either. A line the code page
    // cannot write, or one not found byte for byte (bytes the code page does
    // not define read back as other text), takes the way through readLines
    // and replaceLines.
    LineRemoval removeLine(const std::string& path, const std::string& line, std::size_t position) override {
        std::string wanted;
        if (!toAnsi(line, wanted)) return TextFiles::removeLine(path, line, position);
        std::string bytes;
        TextFileContents read = readBytes(path, bytes);
        if (read.outcome == ReadOutcome::Unreadable) return {LineRemoval::Outcome::Failed, read.error};
        if (read.outcome == ReadOutcome::Missing) return {};
        const std::optional<LineInBytes> removed = findLineToRemove(bytes, wanted, position);
        if (!removed) return TextFiles::removeLine(path, line, position);
        const std::string_view all(bytes);
        const bool replaced = removed->lineBreaksAsWritten
                                  ? replaceBytes(path, {all.substr(0, removed->begin), all.substr(removed->next)})
                                  : replaceBytes(path, {withoutLine(bytes, *removed)});
        if (!replaced) return {LineRemoval::Outcome::Failed, lastError_};
        return {LineRemoval::Outcome::Removed, {}};
    }

    // Open (creating the file when missing), Write, Flush.
    bool appendLines(const std::string& path, const std::vector<std::string>& lines) override {
        std::string bytes;
        if (!toAnsi(joinLines(lines), bytes)) return fail(GetLastError());
        HANDLE file = CreateFileW(widen(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return fail(GetLastError());
        bool written = writeAll(file, bytes) && FlushFileBuffers(file);
        DWORD error = written ? ERROR_SUCCESS : GetLastError();
        CloseHandle(file);
        return written ? true : fail(error);
    }

    FileError lastError() const override { return lastError_; }

    // A temporary file still open for a replace in another process cannot be
    // deleted, and stays.
    void removeLeftovers(const std::string& path) override { DeleteFileW(temporaryOf(widen(path)).c_str()); }

private:
    // Open, Read: the file's bytes as they are.
    TextFileContents readBytes(const std::string& path, std::string& bytes) {
        removeLeftovers(path);
        TextFileContents result;
        HANDLE file = CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            DWORD error = GetLastError();
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return result;  // Missing
            result.outcome = ReadOutcome::Unreadable;
            result.error = errorOf(error);
            return result;
        }
        // As many bytes as the file holds now, then any it grew by meanwhile.
        LARGE_INTEGER size{};
        std::size_t done = 0;
        if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < (1LL << 30))
            bytes.resize(static_cast<std::size_t>(size.QuadPart));
        char buffer[65536];
        for (;;) {
            DWORD got = 0;
            const bool inPlace = done < bytes.size();
            char* into = inPlace ? &bytes[done] : buffer;
            const DWORD room = inPlace ? static_cast<DWORD>(bytes.size() - done) : sizeof buffer;
            if (!ReadFile(file, into, room, &got, nullptr)) {
                result.outcome = ReadOutcome::Unreadable;
                result.error = errorOf(GetLastError());
                CloseHandle(file);
                return result;
            }
            if (got == 0) break;
            if (inPlace) done += got;
            else bytes.append(buffer, got), done = bytes.size();
        }
        bytes.resize(done);
        CloseHandle(file);
        result.outcome = ReadOutcome::Read;
        return result;
    }

    // The steps are those of the fake (FileStep): open a new temporary file
    // in the file's folder, write, flush, replace the file with it in one
    // step, and after a failed step delete the temporary file again.
    bool replaceBytes(const std::string& path, std::initializer_list<std::string_view> pieces) {
        const std::wstring target = widen(path);
        // Open: the temporary file, new and empty (one a crash left is
        // emptied); no one else may open it while it is written.
        const std::wstring temporaryPath = temporaryOf(target);
        const wchar_t* temporary = temporaryPath.c_str();
        HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return fail(GetLastError());
        // Write, Flush.
        bool written = true;
        for (std::string_view piece : pieces) written = written && writeAll(file, piece);
        written = written && FlushFileBuffers(file);
        DWORD error = written ? ERROR_SUCCESS : GetLastError();
        CloseHandle(file);
        if (!written) return failAndDelete(error, temporary);
        // Replace.
        if (!MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return failAndDelete(GetLastError(), temporary);
        return true;
    }

    bool fail(DWORD error) {
        lastError_ = errorOf(error);
        return false;
    }
    // Delete: the temporary file goes; the first failure is the one told.
    bool failAndDelete(DWORD error, const wchar_t* temporary) {
        DeleteFileW(temporary);
        return fail(error);
    }

    FileError lastError_;
};

}  // namespace

std::unique_ptr<TextFiles> makeWin32TextFiles() { return std::unique_ptr<TextFiles>(new Win32TextFiles()); }

}  // namespace platform
