#include "back_color.hpp"

#include "context.hpp"

namespace velnote {

std::optional<forms::Color> parseColor(const std::string& text) {
    size_t begin = text.find_first_not_of(' ');
    size_t end = text.find_last_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    unsigned long value = 0;
    for (size_t i = begin; i <= end; ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned long>(c - '0');
        if (value > 0xFFFFFF) return std::nullopt;
    }
    return static_cast<forms::Color>(value);
}

std::optional<forms::Color> storedBackColor(platform::SettingsStore& store) {
    return parseColor(store.readValue(kApplication, kColorSection, kColorKey));
}

forms::Color storedOrDefaultBackColor(platform::SettingsStore& store) {
    return storedBackColor(store).value_or(kDefaultBackColor);
}

}  // namespace velnote
