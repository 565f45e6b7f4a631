#pragma once
// Where Tarrow keeps its values in the per-user settings store, and how the
// two stored lists become the entries of the main window's combo boxes.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/app.hpp"
#include "platform/settings_store.hpp"

namespace tarrow {

// Every value Tarrow keeps lives under this application name.
constexpr const char* kApplication = "Quillon";

constexpr const char* kSettings = "Settings";
constexpr const char* kAddressList = "AddressList";
constexpr const char* kDomains = "Domains";

constexpr const char* kPresets = "Presets";
constexpr int kPresetCount = 5;
// "Preset1" .. "Preset5"; number counts from 1.
std::string presetKey(int number);

constexpr const char* kHistory = "History";
constexpr const char* kLastMessage = "LastMessage";
constexpr const char* kLastRecipient = "LastRecipient";

// Where a value lives, as the user can find it: "HKEY_CURRENT_USER\Software\Quillon\<section>\<key>".
std::string settingPlace(const char* section, const std::string& key);

// The editors' box for a value the store would not take: "Error <n> : <text>",
// titled "Error", with the system's number and text of why it would not, and
// on a line of its own the place of the value.
void showWriteError(forms::App& app, const platform::StoreError& error, const char* section, const std::string& key);

// Writes several values of one section, in order. When the store refuses
// one, those written before get their old values back (or go again when
// they were absent), so the section is as it was, and the refused key and
// the store's reason are returned; nothing when every value was written.
struct Refusal {
    std::string key;
    platform::StoreError error;
};
std::optional<Refusal> writeSettings(platform::SettingsStore& store, const char* section,
                                     const std::vector<std::pair<std::string, std::string>>& values);

// Reads and writes one value of Tarrow's own.
std::string readSetting(platform::SettingsStore& store, const char* section, const std::string& key);
bool writeSetting(platform::SettingsStore& store, const char* section, const std::string& key,
                  const std::string& value);

// Splits a stored list at every ",": each entry is trimmed of blanks. A
// trailing comma, two commas in a row or empty text each give one empty
// entry; order and duplicates are kept.
std::vector<std::string> splitList(const std::string& stored);

// Blanks (spaces only) removed from both ends, or from the end alone.
std::string trimBlanks(const std::string& text);
std::string trimTrailingBlanks(const std::string& text);

}  // namespace tarrow
