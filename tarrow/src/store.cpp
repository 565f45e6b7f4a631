#include "store.hpp"

#include <algorithm>
#include <cctype>

namespace tarrow {

std::string presetKey(int number) { return "Preset" + std::to_string(number); }

std::string readSetting(platform::SettingsStore& store, const char* section, const std::string& key) {
    return store.readValue(kApplication, section, key);
}

bool writeSetting(platform::SettingsStore& store, const char* section, const std::string& key,
                  const std::string& value) {
    return store.writeValue(kApplication, section, key, value);
}

std::string settingPlace(const char* section, const std::string& key) {
    return std::string("HKEY_CURRENT_USER\\Software\\") + kApplication + "\\" + section + "\\" + key;
}

void showWriteError(forms::App& app, const platform::StoreError& error, const char* section, const std::string& key) {
    app.messageBox("Error " + std::to_string(error.number) + " : " + error.text + "\r\n" + settingPlace(section, key),
                   "Error", forms::MessageButtons::Ok, forms::MessageIcon::None);
}

std::optional<Refusal> writeSettings(platform::SettingsStore& store, const char* section,
                                     const std::vector<std::pair<std::string, std::string>>& values) {
    // Key names compare without regard to case, as the registry's do.
    auto same = [](const std::string& a, const std::string& b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
               });
    };
    // The old values, and which keys were there at all.
    std::vector<std::pair<bool, std::string>> old;
    const std::vector<platform::KeyValue> present = store.readSection(kApplication, section);
    for (const auto& value : values) {
        bool there = std::any_of(present.begin(), present.end(),
                                 [&](const platform::KeyValue& pair) { return same(pair.first, value.first); });
        old.push_back({there, store.readValue(kApplication, section, value.first)});
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (store.writeValue(kApplication, section, values[i].first, values[i].second)) continue;
        Refusal refusal{values[i].first, store.lastError()};
        for (std::size_t k = i; k-- > 0;) {
            if (old[k].first)
                store.writeValue(kApplication, section, values[k].first, old[k].second);
            else
                store.removeValue(kApplication, section, values[k].first);
        }
        return refusal;
    }
    return std::nullopt;
}

std::string trimTrailingBlanks(const std::string& text) {
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string trimBlanks(const std::string& text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

std::vector<std::string> splitList(const std::string& stored) {
    std::vector<std::string> entries;
    auto finish = [&](const std::string& entry) {
        entries.push_back(trimBlanks(entry));
    };
    std::string current;
    for (char c : stored) {
        if (c == ',') {
            finish(current);
            current.clear();
        } else {
            current += c;
        }
    }
    finish(current);
    return entries;
}

}  // namespace tarrow
