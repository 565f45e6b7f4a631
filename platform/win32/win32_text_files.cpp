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
        if (result.outcome == ReadOutcome::Read) result.lines = splitLines(decodeTextFile(bytes, codePage_));
        return result;
    }

    bool replaceLines(const std::string& path, const std::vector<std::string>& lines) override {
        return replaceBytes(path, {encodeTextFile(joinLines(lines), codePage_)});
    }

    // The line is looked for in the file's bytes (as the code page writes it,
    // or as UTF-8 after the mark), and the other lines are written back as
    // they are, each ended by CR LF as replaceLines ends them: no conversion
    // of the whole file, and where every line already ends so, no copy of it
    // either. A UTF-8 file keeps its mark, unless the code page now holds
    // every other line: then it goes back to the code page, as replaceLines
    // would write it. A line the code page cannot write into a code page
    // file, or one not found byte for byte (bytes the code page does not
    // define read back as other text), takes the way through readLines and
    // replaceLines; so does a code page file whose new first line would
    // start as the mark does (it would read back as UTF-8).
    LineRemoval removeLine(const std::string& path, const std::string& line, std::size_t position) override {
        std::string bytes;
        TextFileContents read = readBytes(path, bytes);
        if (read.outcome == ReadOutcome::Unreadable) return {LineRemoval::Outcome::Failed, read.error};
        if (read.outcome == ReadOutcome::Missing) return {};
        const bool utf8 = startsWithUtf8Mark(bytes);
        std::optional<std::string> wanted = utf8 ? line : codePage_.encode(line);
        if (!wanted) return TextFiles::removeLine(path, line, position);
        const std::string_view all(bytes), mark = all.substr(0, utf8 ? kUtf8Mark.size() : 0),
                               body = all.substr(mark.size());
        const std::optional<LineInBytes> removed = findLineToRemove(body, *wanted, position);
        if (!removed) return TextFiles::removeLine(path, line, position);
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
        else if (!utf8 && before.empty() && startsWithUtf8Mark(after))
            return TextFiles::removeLine(path, line, position);
        else
            replaced = replaceBytes(path, {mark, before, after});
        if (!replaced) return {LineRemoval::Outcome::Failed, lastError_};
        return {LineRemoval::Outcome::Removed, {}};
    }

    // Open (creating the file when missing), Write, Flush; when the lines
    // change the file's encoding, the steps of a replace of the whole file.
    bool appendLines(const std::string& path, const std::vector<std::string>& lines) override {
        std::string old;
        const TextFileContents read = readBytes(path, old);
        if (read.outcome == ReadOutcome::Unreadable) return fail(read.error);
        const Addition addition = encodeAddition(old, joinLines(lines), codePage_);
        if (addition.wholeFile) return replaceBytes(path, {addition.bytes});
        HANDLE file = CreateFileW(widen(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return fail(GetLastError());
        bool written = writeAll(file, addition.bytes) && FlushFileBuffers(file);
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

    bool fail(DWORD error) { return fail(errorOf(error)); }
    bool fail(FileError error) {
        lastError_ = std::move(error);
        return false;
    }
    // Delete: the temporary file goes; the first failure is the one told.
    bool failAndDelete(DWORD error, const wchar_t* temporary) {
        DeleteFileW(temporary);
        return fail(error);
    }

    FileError lastError_;
    SystemCodePage codePage_;
};

}  // namespace

std::unique_ptr<TextFiles> makeWin32TextFiles() { return std::unique_ptr<TextFiles>(new Win32TextFiles()); }

}  // namespace platform
