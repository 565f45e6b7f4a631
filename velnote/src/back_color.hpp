#pragma once
// The background colour of Velnote's windows, kept in the settings store.
#include <optional>
#include <string>

#include "forms/types.hpp"
#include "platform/settings_store.hpp"

namespace velnote {

constexpr forms::Color kDefaultBackColor = 16761024;  // red 192, green 192, blue 255
constexpr forms::Color kDefaultButtonColor = 16744576;
constexpr const char* kColorSection = "BackColor";
constexpr const char* kColorKey = "Background";

// A colour as stored: plain decimal digits from 0 to 16777215, blanks around
// them allowed. Anything else is no colour.
std::optional<forms::Color> parseColor(const std::string& text);

// The stored colour, or nothing when none (or no valid one) is stored.
std::optional<forms::Color> storedBackColor(platform::SettingsStore& store);

// The stored colour, or the default when none is stored; a stored text that
// is no colour counts as none (the main window ignores it too).
forms::Color storedOrDefaultBackColor(platform::SettingsStore& store);

}  // namespace velnote
