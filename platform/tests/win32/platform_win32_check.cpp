// The registry store (the settings store's contract, contract/, and what
// only the registry does), the system clock and the program folder on a real
// (or Wine's) Windows.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "contract/file_steps_contract.hpp"
#include "contract/settings_store_contract.hpp"
#include "gtest/gtest.h"
#include "platform/win32_services.hpp"
#include "platform/win32_text.hpp"

namespace {

void deleteKeyTree(HKEY parent, const std::wstring& name) {
    HKEY key;
    if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
    wchar_t sub[256];
    for (DWORD length = 256; RegEnumKeyExW(key, 0, sub, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         length = 256)
        deleteKeyTree(key, sub);
    RegCloseKey(key);
    RegDeleteKeyW(parent, name.c_str());
}

// The registry store, used under application keys of this test's own
// (HKCU\Software\PlatformWin32Check-<pid> and ...-other), gone before and after.
struct ScratchStore : platform::contract::ScratchSettings {
    const std::unique_ptr<platform::SettingsStore> registry = platform::makeRegistrySettingsStore();
    ScratchStore() { clear(); }
    ~ScratchStore() override { clear(); }
    platform::SettingsStore& store() override { return *registry; }
    std::string app() const override { return "PlatformWin32Check-" + std::to_string(GetCurrentProcessId()); }
    std::string otherApp() const override { return app() + "-other"; }
    std::wstring key() const { return platform::widen("Software\\" + app()); }
    void clear() const {
        deleteKeyTree(HKEY_CURRENT_USER, key());
        deleteKeyTree(HKEY_CURRENT_USER, platform::widen("Software\\" + otherApp()));
    }
};

}  // namespace

std::unique_ptr<platform::contract::ScratchSettings> platform::contract::makeScratchSettings() {
    return std::make_unique<ScratchStore>();
}

TEST(PlatformWin32, non_string_value_reads_empty) {
    ScratchStore s;
    HKEY key = nullptr;
    const std::wstring path = s.key() + L"\\Numbers";
    ASSERT_TRUE(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                nullptr) == ERROR_SUCCESS);
    const DWORD number = 42;
    EXPECT_TRUE(RegSetValueExW(key, L"count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number) ==
                ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(s.registry->readValue(s.app(), "Numbers", "count"), "");
    EXPECT_EQ(s.registry->readSection(s.app(), "Numbers"), (std::vector<platform::KeyValue>{{"count", ""}}));
}

TEST(PlatformWin32, system_clock_now_and_user_formats) {
    auto clock = platform::makeSystemClock();
    const platform::DateTime now = clock->now();
    EXPECT_TRUE(now.year >= 2000 && now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= 31);

    platform::DateTime when;
    when.year = 2024;
    when.month = 11;
    when.day = 23;
    when.hour = 13;
    when.minute = 4;
    when.second = 9;
    // The user's formats vary; every one of them shows these pieces.
    const std::string date = clock->shortDate(when);
    EXPECT_TRUE(date.find("11") != std::string::npos && date.find("23") != std::string::npos);
    const std::string time = clock->longTime(when);
    EXPECT_TRUE(time.find("04") != std::string::npos && time.find("09") != std::string::npos);

    when.month = 13;
    EXPECT_EQ(clock->shortDate(when), "");
}

TEST(PlatformWin32, system_case_mapping_knows_every_script) {
    auto cases = platform::makeSystemCaseMapping();
    EXPECT_EQ(cases->upper("zürich αθηνα москва 1"), "ZÜRICH ΑΘΗΝΑ МОСКВА 1");
    EXPECT_EQ(cases->upper(""), "");
}

// The OEM code page is 437 or 850 under Wine with an English or Western
// locale: both have "é" at 0x82 and lack the euro sign and "ā", whose best
// fit ("a") must not be taken.
TEST(PlatformWin32, oem_code_page_names_what_it_lacks_and_never_fits_best) {
    auto oem = platform::makeSystemOemCodePage();
    const unsigned codePage = GetOEMCP();
    ASSERT_TRUE(codePage == 437 || codePage == 850);
    EXPECT_EQ(oem->encode("caf\xC3\xA9\r\n").bytes, "caf\x82\r\n");
    const platform::OemText lacking = oem->encode("\xC4\x81 \xE2\x82\xAC \xC4\x81");
    EXPECT_EQ(lacking.bytes, "");
    EXPECT_EQ(lacking.missing, "\xC4\x81\xE2\x82\xAC");
}

// A write the registry refuses tells why, with the system's number and text.
TEST(PlatformWin32, refused_write_reports_the_system_reason) {
    ScratchStore s;
    // Key names are at most 255 long.
    EXPECT_TRUE(!s.registry->writeValue(s.app(), std::string(300, 'k'), "key", "value"));
    const platform::StoreError error = s.registry->lastError();
    EXPECT_TRUE(error.number != 0);
    EXPECT_TRUE(!error.text.empty());
}

TEST(PlatformWin32, program_folder_holds_the_exe) {
    const std::string folder = platform::programFolder();
    EXPECT_TRUE(!folder.empty() && folder.back() != '\\');
    const std::wstring exe = platform::widen(folder + "\\platform_win32_check.exe");
    EXPECT_TRUE(GetFileAttributesW(exe.c_str()) != INVALID_FILE_ATTRIBUTES);
}

// Text files in a folder of this test's own under the system's temporary folder.
struct ScratchFolder {
    std::wstring path;
    ScratchFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path = std::wstring(temp) + L"textfiles-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(path.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const auto& name : names()) {
            SetFileAttributesW((path + L"\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW((path + L"\\" + name).c_str());
        }
        RemoveDirectoryW(path.c_str());
    }
    std::string file(const char* name) const { return platform::narrow(path) + "\\" + name; }
    std::vector<std::wstring> names() const {
        std::vector<std::wstring> found;
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) return found;
        do {
            std::wstring name = data.cFileName;
            if (name != L"." && name != L"..") found.push_back(name);
        } while (FindNextFileW(find, &data));
        FindClose(find);
        return found;
    }
    std::string bytes(const char* name) const {
        std::string out;
        HANDLE h = CreateFileW(platform::widen(file(name)).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return "<none>";
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got) out.append(buffer, got);
        CloseHandle(h);
        return out;
    }
};

// The file steps' contract runs on the Win32 steps, in a scratch folder.
std::unique_ptr<platform::contract::ScratchFileSteps> platform::contract::makeScratchFileSteps() {
    struct OnDisk : ScratchFileSteps {
        ScratchFolder folder;
        std::unique_ptr<FileSteps> disk = makeWin32FileSteps();
        FileSteps& steps() override { return *disk; }
        std::string path(const std::string& name) const override { return folder.file(name.c_str()); }
    };
    return std::make_unique<OnDisk>();
}

TEST(PlatformWin32, text_files_round_trip_in_the_ansi_code_page) {
    ScratchFolder folder;
    auto files = platform::makeWin32TextFiles();
    const std::string book = folder.file("AddressBook.txt");
    EXPECT_TRUE(files->readLines(book).outcome == platform::ReadOutcome::Missing);
    EXPECT_TRUE(files->readLines(folder.file("no such folder\\x.txt")).outcome == platform::ReadOutcome::Missing);

    const std::vector<std::string> lines = {"pc1\xC2\xAC" "first floor", "", "caf\xC3\xA9\xC2\xAC" "x"};
    ASSERT_TRUE(files->replaceLines(book, lines));
    const platform::TextFileContents read = files->readLines(book);
    EXPECT_TRUE(read.outcome == platform::ReadOutcome::Read);
    EXPECT_EQ(read.lines, lines);
    if (GetACP() == 1252) {
        EXPECT_EQ(folder.bytes("AddressBook.txt"), "pc1\xAC" "first floor\r\n\r\ncaf\xE9\xACx\r\n");
    }
    EXPECT_TRUE(files->appendLines(book, {"more"}));
    EXPECT_EQ(files->readLines(book).lines.back(), "more");
    ASSERT_TRUE(files->replaceLines(book, {}));
    EXPECT_EQ(folder.bytes("AddressBook.txt"), "");
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(folder.names().size(), 1u);
}

TEST(PlatformWin32, text_file_failures_keep_the_old_file_and_say_why) {
    ScratchFolder folder;
    auto files = platform::makeWin32TextFiles();
    const std::string book = folder.file("AddressBook.txt");
    ASSERT_TRUE(files->replaceLines(book, {"old"}));

    // A file another program holds open (without leave to delete it) is not
    // replaced, and no temporary file stays behind.
    HANDLE held = CreateFileW(platform::widen(book).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_TRUE(held != INVALID_HANDLE_VALUE);
    EXPECT_TRUE(!files->replaceLines(book, {"new"}));
    EXPECT_TRUE(files->lastError().number != 0 && !files->lastError().text.empty());
    CloseHandle(held);
    EXPECT_EQ(folder.bytes("AddressBook.txt"), "old\r\n");
    EXPECT_EQ(folder.names().size(), 1u);

    // A folder that does not exist cannot take the file.
    EXPECT_TRUE(!files->replaceLines(folder.file("missing\\AddressBook.txt"), {"x"}));
    EXPECT_TRUE(files->lastError().number != 0);

    // A path that exists but cannot be read as a file is unreadable, not missing.
    const platform::TextFileContents read = files->readLines(platform::narrow(folder.path));
    EXPECT_TRUE(read.outcome == platform::ReadOutcome::Unreadable);
    EXPECT_TRUE(read.error.number != 0 && !read.error.text.empty());
}

// A file of gigabytes (made sparse, by moving its end) is refused at once
// by its size, before any of it is read or held.
TEST(PlatformWin32, a_file_of_gigabytes_is_refused_by_its_size) {
    ScratchFolder folder;
    const std::string book = folder.file("AddressBook.txt");
    HANDLE file = CreateFileW(platform::widen(book).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_TRUE(file != INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = 5LL << 30;  // past 4 GB too, where a 32-bit size would wrap
    const bool made = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    ASSERT_TRUE(made);

    const DWORD start = GetTickCount();
    const platform::TextFileContents read = platform::makeWin32TextFiles()->readLines(book);
    EXPECT_TRUE(read.outcome == platform::ReadOutcome::Unreadable);
    EXPECT_EQ(read.error.number, platform::fileTooLargeToRead().number);
    EXPECT_TRUE(read.lines.empty());
    EXPECT_TRUE(GetTickCount() - start < 2000);
}

// A file with text the ANSI code page cannot hold exactly (not even by a
// look-alike) is written whole as UTF-8 after the byte order mark, read as
// UTF-8 for its mark, and written in the code page again once it holds the
// text: by a replace, an append or a removed line. A removed line leaves the
// other lines of a UTF-8 file byte for byte.
TEST(PlatformWin32, text_the_code_page_lacks_goes_as_utf8_after_the_mark) {
    testing::note("ANSI code page " + std::to_string(GetACP()));
    if (GetACP() != 1252) return;  // the bytes below are code page 1252's
    ScratchFolder folder;
    auto files = platform::makeWin32TextFiles();
    const std::string book = folder.file("AddressBook.txt"), mark = "\xEF\xBB\xBF";
    const std::string cat = "\xE7\x8C\xAB", smile = "\xF0\x9F\x98\x80", infinity = "\xE2\x88\x9E";
    const auto expectFile = [&](const std::string& bytes, const std::vector<std::string>& lines) {
        EXPECT_EQ(folder.bytes("AddressBook.txt"), bytes);
        EXPECT_EQ(files->readLines(book).lines, lines);
    };
    const std::string pc1 = "pc1\xC2\xAC" "caf\xC3\xA9", pc1Ansi = "pc1\xAC" "caf\xE9";
    ASSERT_TRUE(files->replaceLines(book, {pc1, cat + " " + smile}));
    expectFile(mark + pc1 + "\r\n" + cat + " " + smile + "\r\n", {pc1, cat + " " + smile});
    ASSERT_TRUE(files->appendLines(book, {smile}));
    expectFile(mark + pc1 + "\r\n" + cat + " " + smile + "\r\n" + smile + "\r\n", {pc1, cat + " " + smile, smile});
    EXPECT_TRUE(files->removeLine(book, cat + " " + smile, 1).outcome == platform::LineRemoval::Outcome::Removed);
    expectFile(mark + pc1 + "\r\n" + smile + "\r\n", {pc1, smile});
    EXPECT_TRUE(files->removeLine(book, smile, 1).outcome == platform::LineRemoval::Outcome::Removed);
    expectFile(pc1Ansi + "\r\n", {pc1});
    ASSERT_TRUE(files->appendLines(book, {cat}));
    expectFile(mark + pc1 + "\r\n" + cat + "\r\n", {pc1, cat});
    ASSERT_TRUE(files->replaceLines(book, {pc1}));
    expectFile(pc1Ansi + "\r\n", {pc1});
    // "\u221E" has a look-alike ("8") in the code page, not the character.
    ASSERT_TRUE(files->replaceLines(book, {infinity}));
    expectFile(mark + infinity + "\r\n", {infinity});
    // Text whose code page bytes would begin as the mark does goes as UTF-8 too.
    const std::string markAsAnsiText = "\xC3\xAF\xC2\xBB\xC2\xBF" "x";
    ASSERT_TRUE(files->replaceLines(book, {markAsAnsiText}));
    expectFile(mark + markAsAnsiText + "\r\n", {markAsAnsiText});

    // A UTF-8 file written by another program, with a lone LF: the removed
    // line goes, the mark and the others stay byte for byte, each ended by CR LF.
    HANDLE h = CreateFileW(platform::widen(book).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const std::string written = mark + "a\n" + cat + "\r\n\xFF" + cat;  // \xFF: not UTF-8, kept as it is
    DWORD done = 0;
    WriteFile(h, written.data(), static_cast<DWORD>(written.size()), &done, nullptr);
    CloseHandle(h);
    EXPECT_TRUE(files->removeLine(book, "a", 0).outcome == platform::LineRemoval::Outcome::Removed);
    EXPECT_EQ(folder.bytes("AddressBook.txt"), mark + cat + "\r\n\xFF" + cat + "\r\n");
    EXPECT_EQ(folder.names().size(), 1u);
}

// The Chinese code page 936 (as 932, 949, 950 and 874) has no "\xC2\xAC",
// PingrelGUI's separator: a book with it is saved as UTF-8, and a book the
// code page holds goes back to it. (ctest runs this under Wine in 936.)
TEST(PlatformWin32, a_code_page_without_the_separator_saves_the_book_as_utf8) {
    testing::note("ANSI code page " + std::to_string(GetACP()));
    if (GetACP() != 936) return;
    ScratchFolder folder;
    auto files = platform::makeWin32TextFiles();
    const std::string book = folder.file("AddressBook.txt"), entry = "pc1\xC2\xAC\xE7\x8C\xAB";
    ASSERT_TRUE(files->replaceLines(book, {entry}));
    EXPECT_EQ(folder.bytes("AddressBook.txt"), "\xEF\xBB\xBF" + entry + "\r\n");
    EXPECT_EQ(files->readLines(book).lines, std::vector<std::string>{entry});
    ASSERT_TRUE(files->replaceLines(book, {"\xE7\x8C\xAB"}));
    EXPECT_EQ(folder.bytes("AddressBook.txt"), "\xC3\xA8\r\n");
}

// A line is removed from the file's bytes: the one at the position when it
// is that line, else the first; the others stay, each ended by CR LF.
TEST(PlatformWin32, removing_a_line_keeps_the_others_byte_for_byte) {
    using Outcome = platform::LineRemoval::Outcome;
    ScratchFolder folder;
    auto files = platform::makeWin32TextFiles();
    const std::string store = folder.file("network.txt");
    EXPECT_TRUE(files->removeLine(store, "x", 0).outcome == Outcome::NotStored);
    EXPECT_TRUE(folder.names().empty());

    const std::string cafe = GetACP() == 1252 ? "caf\xE9" : "cafe";
    const auto write = [&](const std::string& bytes) {
        HANDLE h = CreateFileW(platform::widen(store).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
    };
    write("b\r\n" + cafe + "\nb\r\n\r\nc");
    EXPECT_TRUE(files->removeLine(store, "b", 2).outcome == Outcome::Removed);  // the one at 2
    EXPECT_EQ(folder.bytes("network.txt"), "b\r\n" + cafe + "\r\n\r\nc\r\n");
    EXPECT_TRUE(files->removeLine(store, "b", 1).outcome == Outcome::Removed);  // 1 is not "b": the first
    EXPECT_EQ(folder.bytes("network.txt"), cafe + "\r\n\r\nc\r\n");
    EXPECT_TRUE(files->removeLine(store, GetACP() == 1252 ? "caf\xC3\xA9" : "cafe", 0).outcome == Outcome::Removed);
    EXPECT_TRUE(files->removeLine(store, "", 0).outcome == Outcome::Removed);
    EXPECT_EQ(folder.bytes("network.txt"), "c\r\n");
    EXPECT_TRUE(files->removeLine(store, "b", 0).outcome == Outcome::NotStored);

    // A file another program holds open stays as it was, and the reason is given.
    HANDLE held = CreateFileW(platform::widen(store).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_TRUE(held != INVALID_HANDLE_VALUE);
    const platform::LineRemoval refused = files->removeLine(store, "c", 0);
    CloseHandle(held);
    EXPECT_TRUE(refused.outcome == Outcome::Failed);
    EXPECT_TRUE(refused.error.number != 0 && !refused.error.text.empty());
    EXPECT_EQ(folder.bytes("network.txt"), "c\r\n");
    EXPECT_EQ(folder.names().size(), 1u);
}

// What a replace cut short by a kill leaves (its temporary file, half
// written) is never read as the file and goes at the next read or write.
TEST(PlatformWin32, a_temporary_file_left_by_a_crash_is_never_read_and_goes) {
    ScratchFolder folder;
    auto files = platform::makeWin32TextFiles();
    const std::string book = folder.file("AddressBook.txt");
    ASSERT_TRUE(files->replaceLines(book, {"old"}));
    auto leaveHalfAReplace = [&] {
        HANDLE left = CreateFileW(platform::widen(book + ".tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  0, nullptr);
        DWORD written = 0;
        WriteFile(left, "ne", 2, &written, nullptr);
        CloseHandle(left);
        EXPECT_EQ(folder.names().size(), 2u);
    };
    leaveHalfAReplace();
    EXPECT_EQ(files->readLines(book).lines, (std::vector<std::string>{"old"}));
    EXPECT_EQ(folder.names().size(), 1u);
    leaveHalfAReplace();
    ASSERT_TRUE(files->replaceLines(book, {"new"}));
    EXPECT_EQ(folder.bytes("AddressBook.txt"), "new\r\n");
    EXPECT_EQ(folder.names().size(), 1u);
    leaveHalfAReplace();
    files->removeLeftovers(book);
    EXPECT_EQ(folder.names(), (std::vector<std::wstring>{L"AddressBook.txt"}));
}
