#include "saved_list.hpp"

#include <cctype>
#include <cmath>
#include <unordered_set>

#include "context.hpp"

namespace velnote {

namespace {

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string entryKey(const SavedList& list, int number) { return list.prefix + std::to_string(number); }

// The registry knows one key whatever the case of its name: a "MSGS" there is
// the count key that the next append writes, never an entry.
bool isCountKey(const SavedList& list, const std::string& key) { return lowered(key) == lowered(list.countKey); }

}  // namespace

std::optional<int> parseInt16(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t");
    size_t end = text.find_last_not_of(" \t");
    if (begin == std::string::npos) return std::nullopt;
    std::string number = text.substr(begin, end - begin + 1);
    size_t i = 0;
    bool negative = false;
    if (number[i] == '+' || number[i] == '-') negative = number[i++] == '-';
    size_t digitsBefore = 0, digitsAfter = 0;
    double value = 0;
    for (; i < number.size() && std::isdigit(static_cast<unsigned char>(number[i])); ++i, ++digitsBefore)
        value = value * 10 + (number[i] - '0');
    if (i < number.size() && number[i] == '.') {
        double scale = 0.1;
        for (++i; i < number.size() && std::isdigit(static_cast<unsigned char>(number[i])); ++i, ++digitsAfter) {
            value += (number[i] - '0') * scale;
            scale /= 10;
        }
    }
    if (i != number.size() || digitsBefore + digitsAfter == 0) return std::nullopt;
    if (value > 40000) return std::nullopt;  // far outside the range; avoids overflow below
    double rounded = std::nearbyint(negative ? -value : value);  // the default mode rounds halves to even
    if (rounded < -32768 || rounded > 32767) return std::nullopt;
    return static_cast<int>(rounded);
}

std::vector<std::string> listValues(platform::SettingsStore& store, const SavedList& list) {
    std::vector<std::string> values;
    for (const auto& [key, value] : store.readSection(kApplication, list.section))
        if (!value.empty() && !isCountKey(list, key)) values.push_back(value);
    return values;
}

std::string sectionPlace(const char* section) {
    return std::string("HKEY_CURRENT_USER\\Software\\") + kApplication + "\\" + section;
}

std::optional<int> appendEntry(platform::SettingsStore& store, const SavedList& list, const std::string& text,
                               std::optional<platform::StoreError>* refused) {
    int count = parseInt16(store.readValue(kApplication, list.section, list.countKey)).value_or(0);
    int number = store.readValue(kApplication, list.section, entryKey(list, count)).empty() ? 1 : count + 1;
    if (number < 1) number = 1;

    // Key names compare without regard to case, as the registry's do.
    std::unordered_set<std::string> taken;
    for (const auto& pair : store.readSection(kApplication, list.section)) taken.insert(lowered(pair.first));
    auto isFree = [&](int n) { return taken.count(lowered(entryKey(list, n))) == 0; };

    // The next free number above the one picked; failing that, the first free one from 1.
    int chosen = 0;
    for (int n = number; n <= kMaxEntryNumber && !chosen; ++n)
        if (isFree(n)) chosen = n;
    for (int n = 1; n < number && !chosen; ++n)
        if (isFree(n)) chosen = n;
    if (!chosen) return std::nullopt;

    const std::string key = entryKey(list, chosen);
    if (!store.writeValue(kApplication, list.section, key, text)) {
        if (refused) *refused = store.lastError();
        return std::nullopt;
    }
    if (!store.writeValue(kApplication, list.section, list.countKey, std::to_string(chosen))) {
        if (refused) *refused = store.lastError();
        store.removeValue(kApplication, list.section, key);
        return std::nullopt;
    }
    return chosen;
}

bool removeEntry(platform::SettingsStore& store, const SavedList& list, const std::string& shownText,
                 std::optional<platform::StoreError>* refused) {
    std::string countText = store.readValue(kApplication, list.section, list.countKey);
    for (const auto& [key, value] : store.readSection(kApplication, list.section)) {
        if (isCountKey(list, key) || value != shownText) continue;
        if (!store.removeValue(kApplication, list.section, key)) {
            if (refused) *refused = store.lastError();
            return false;
        }
        std::optional<int> count = parseInt16(countText);
        if (count && *count > -32768) store.writeValue(kApplication, list.section, list.countKey, std::to_string(*count - 1));
        return true;
    }
    return false;
}

}  // namespace velnote
