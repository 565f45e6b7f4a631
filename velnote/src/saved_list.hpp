#pragma once
// The two saved lists (messages and machine names): one section each, holding
// a count key and entries named prefix + number, shown in store order.
#include <optional>
#include <string>
#include <vector>

#include "platform/settings_store.hpp"

namespace velnote {

struct SavedList {
    const char* section;
    const char* countKey;
    const char* prefix;
};

constexpr SavedList kMessageList{"Messages", "msgs", "message"};
constexpr SavedList kMachineList{"Machine Names", "machines", "Machine"};

// Highest entry number: numbers are 16-bit signed.
constexpr int kMaxEntryNumber = 32767;

// The texts to show, in store order: every non-empty value but the count key's.
std::vector<std::string> listValues(platform::SettingsStore& store, const SavedList& list);

// Stores a new entry and returns the number it got, or nothing when every
// number up to 32767 is taken or the store refused a write (then *refused is
// set, when given, with the store's reason). Either way nothing stays written:
// an entry whose count the store refused goes again. An existing entry is
// never replaced.
std::optional<int> appendEntry(platform::SettingsStore& store, const SavedList& list, const std::string& text,
                               std::optional<platform::StoreError>* refused = nullptr);

// Removes the first entry, in store order, whose value is exactly the text
// shown, and lowers the count key by one when it holds a number. False when
// no entry matched or the store refused to remove it (then *refused is set,
// when given).
bool removeEntry(platform::SettingsStore& store, const SavedList& list, const std::string& shownText,
                 std::optional<platform::StoreError>* refused = nullptr);

// Where a value lives, as the user can find it: "HKEY_CURRENT_USER\Software\Velnote\<section>".
std::string sectionPlace(const char* section);

// A stored number as a 16-bit signed whole number: blanks around it are
// ignored and a fraction is rounded (halves to even). Nothing when the text
// is not a number or lies outside -32768 to 32767.
std::optional<int> parseInt16(const std::string& text);

}  // namespace velnote
