#pragma once
// Where Tarrow keeps its values in the per-user settings store, and how the
// two stored lists become the entries of the main window's combo boxes.
#include <string>
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

// The editors' box for a value the store would not take: "Error <n> : <text>",
// titled "Error", with the system's number and text of why it would not.
void showWriteError(forms::App& app, const platform::StoreError& error);

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
