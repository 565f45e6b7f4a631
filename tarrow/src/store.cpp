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

namespace {

// Upper case for ASCII letters and for the accented letters of Latin-1
// (U+00E0..U+00FE but the division sign), which is what domain names use.
std::string upperCase(const std::string& text) {
    std::string out = text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < out.size()) {
            unsigned char next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) out[i + 1] = static_cast<char>(next - 0x20);
            ++i;
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> splitList(const std::string& stored, EntryCase entryCase) {
    std::vector<std::string> entries;
    auto finish = [&](const std::string& entry) {
        std::string trimmed = trimBlanks(entry);
        entries.push_back(entryCase == EntryCase::Upper ? upperCase(trimmed) : trimmed);
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
