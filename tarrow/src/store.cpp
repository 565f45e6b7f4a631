#include "store.hpp"

namespace tarrow {

std::string presetKey(int number) { return "Preset" + std::to_string(number); }

std::string readSetting(platform::SettingsStore& store, const char* section, const std::string& key) {
    return store.readValue(kApplication, section, key);
}

bool writeSetting(platform::SettingsStore& store, const char* section, const std::string& key,
                  const std::string& value) {
    return store.writeValue(kApplication, section, key, value);
}

void showWriteError(forms::App& app, const platform::StoreError& error) {
    app.messageBox("Error " + std::to_string(error.number) + " : " + error.text, "Error",
                   forms::MessageButtons::Ok, forms::MessageIcon::None);
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
