// The registry store, the system clock and the program folder on a real (or Wine's)
// Windows. Wine lists values sorted by name, so section order is not checked here.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "check.hpp"
#include "platform/win32_services.hpp"
#include "platform/win32_text.hpp"

namespace {

using platform::KeyValue;

std::vector<KeyValue> sorted(std::vector<KeyValue> pairs) {
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

void checkAbsentKeys(platform::SettingsStore& store, const std::string& app) {
    CHECK_TEXT(store.readValue(app, "Messages", "msgs"), "");
    CHECK(store.readSection(app, "Messages").empty());
    CHECK(store.removeValue(app, "Messages", "msgs"));  // absent counts as removed
}

void checkWriteReadRemove(platform::SettingsStore& store, const std::string& app) {
    CHECK(store.writeValue(app, "Messages", "msgs", "1"));
    CHECK(store.writeValue(app, "Messages", "message1", "Lunch now"));
    CHECK(store.writeValue(app, "Messages", "msgs", "2"));  // replaced, not added
    CHECK_TEXT(store.readValue(app, "Messages", "msgs"), "2");
    CHECK_TEXT(store.readValue(app, "Messages", "message1"), "Lunch now");

    // Sections and applications do not see each other's keys.
    CHECK(store.writeValue(app, "Machine Names", "msgs", "7"));
    CHECK_TEXT(store.readValue(app, "Machine Names", "msgs"), "7");
    CHECK_TEXT(store.readValue(app, "Messages", "msgs"), "2");
    CHECK_TEXT(store.readValue(app + "-other", "Messages", "msgs"), "");

    const std::vector<KeyValue> expected = {{"message1", "Lunch now"}, {"msgs", "2"}};
    CHECK(sorted(store.readSection(app, "Messages")) == expected);

    CHECK(store.removeValue(app, "Messages", "message1"));
    CHECK_TEXT(store.readValue(app, "Messages", "message1"), "");
    CHECK(store.readSection(app, "Messages") == std::vector<KeyValue>({{"msgs", "2"}}));
}

void checkTextSurvives(platform::SettingsStore& store, const std::string& app) {
    // Non-ASCII letters and line breaks go through UTF-16 and back unchanged.
    const std::string text = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\r\nline two & 100% \"quoted\"";
    CHECK(store.writeValue(app, "Text", "unicode", text));
    CHECK_TEXT(store.readValue(app, "Text", "unicode"), text);

    // Far longer than any fixed buffer would be.
    std::string longText;
    for (int i = 0; longText.size() < 100000; ++i) longText += std::to_string(i) + ' ';
    CHECK(store.writeValue(app, "Text", "long", longText));
    CHECK(store.readValue(app, "Text", "long") == longText);

    CHECK(store.writeValue(app, "Text", "empty", ""));
    const std::vector<KeyValue> expected = {{"empty", ""}, {"long", longText}, {"unicode", text}};
    CHECK(sorted(store.readSection(app, "Text")) == expected);
}

void checkNonStringValue(platform::SettingsStore& store, const std::string& app) {
    HKEY key = nullptr;
    const std::wstring path = platform::widen("Software\\" + app + "\\Numbers");
    CHECK(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &key, nullptr) == ERROR_SUCCESS);
    const DWORD number = 42;
    CHECK(RegSetValueExW(key, L"count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                         sizeof number) == ERROR_SUCCESS);
    RegCloseKey(key);
    CHECK_TEXT(store.readValue(app, "Numbers", "count"), "");
    CHECK(store.readSection(app, "Numbers") == std::vector<KeyValue>({{"count", ""}}));
}

void deleteApplication(const std::string& app, const std::vector<std::string>& sections) {
    for (const std::string& section : sections)
        RegDeleteKeyW(HKEY_CURRENT_USER, platform::widen("Software\\" + app + "\\" + section).c_str());
    CHECK(RegDeleteKeyW(HKEY_CURRENT_USER, platform::widen("Software\\" + app).c_str()) ==
          ERROR_SUCCESS);
}

void checkClock() {
    auto clock = platform::makeSystemClock();
    const platform::DateTime now = clock->now();
    CHECK(now.year >= 2000 && now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= 31);

    platform::DateTime when;
    when.year = 2024;
    when.month = 11;
    when.day = 23;
    when.hour = 13;
    when.minute = 4;
    when.second = 9;
    // The user's formats vary; every one of them shows these pieces.
    const std::string date = clock->shortDate(when);
    CHECK(date.find("11") != std::string::npos && date.find("23") != std::string::npos);
    const std::string time = clock->longTime(when);
    CHECK(time.find("04") != std::string::npos && time.find("09") != std::string::npos);

    when.month = 13;
    CHECK_TEXT(clock->shortDate(when), "");
}

void checkProgramFolder() {
    const std::string folder = platform::programFolder();
    CHECK(!folder.empty() && folder.back() != '\\');
    const std::wstring exe = platform::widen(folder + "\\platform_win32_check.exe");
    CHECK(GetFileAttributesW(exe.c_str()) != INVALID_FILE_ATTRIBUTES);
}

}  // namespace

int main() {
    const std::string app = "PlatformWin32Check-" + std::to_string(GetCurrentProcessId());
    auto store = platform::makeRegistrySettingsStore();
    checkAbsentKeys(*store, app);
    checkWriteReadRemove(*store, app);
    checkTextSurvives(*store, app);
    checkNonStringValue(*store, app);
    deleteApplication(app, {"Messages", "Machine Names", "Text", "Numbers"});
    checkClock();
    checkProgramFolder();
    std::printf("platform_win32_check: %d failure(s)\n", check::failures());
    return check::failures() == 0 ? 0 : 1;
}
