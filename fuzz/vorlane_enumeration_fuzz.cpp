// Vorlane's enumeration results as any network might answer: a returned name
// of any UTF-16 units becomes valid UTF-8 (and valid UTF-16 comes through
// unchanged), and the domain box lists exactly the names that came.
#include "forms/headless/driver.hpp"
#include "fuzz_input.hpp"
#include "platform/system_info.hpp"
#include "program.hpp"

namespace {

// Decodes UTF-8 into UTF-16; false when the text is not valid UTF-8.
bool decode(const std::string& text, std::u16string& out) {
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return false;
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += length;
    }
    return true;
}

bool validUtf16(const std::u16string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= 0xD800 && text[i] < 0xDC00) {
            if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] >= 0xE000) return false;
            ++i;
        } else if (text[i] >= 0xDC00 && text[i] < 0xE000) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t outcome = input.byte();
    const std::size_t limit = input.byte();
    platform::ServerList domains;
    const std::uint32_t results[] = {platform::kLanOk, platform::kLanMoreData, 6118, platform::kLanNotSupported};
    domains.result = results[outcome % 4];
    domains.totalEntries = input.byte();
    for (int names = 0; names < 32 && !input.empty(); ++names) {
        std::u16string units;
        for (std::size_t n = input.byte(); n > 0 && !input.empty(); --n)
            units += static_cast<char16_t>(input.byte() | (input.byte() << 8));
        const std::string name = platform::serverNameText(units.c_str(), limit);
        std::u16string back;
        FUZZ_CHECK(decode(name, back));
        const std::u16string taken = units.substr(0, std::min(limit, units.find(u'\0')));
        if (validUtf16(taken)) FUZZ_CHECK(back == taken);
        domains.names.push_back(name);
    }

    forms::App app{"Vorlane"};
    forms::headless::Driver user{app};
    platform::ScriptedLanManager lan;
    platform::FakeSystemInfo system;
    vorlane::Context context{app, lan, system};
    vorlane::Program program{context};
    lan.enumerationAnswers.push_back(domains);
    program.start();
    const bool listed = domains.result == platform::kLanOk || domains.result == platform::kLanMoreData;
    FUZZ_CHECK(program.mainWindow.domainBox.items() == (listed ? domains.names : std::vector<std::string>{}));
    return 0;
}
