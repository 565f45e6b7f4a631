// Vorlane's enumeration results as any network might answer: a returned name
// of any UTF-16 units becomes valid UTF-8, read up to its zero or the limit
// (the conversion itself is fuzzed by fuzz_unicode), and the domain box
// lists exactly the names that came.
#include "forms/headless/driver.hpp"
#include "fuzz_input.hpp"
#include "messenger/recording_runner.hpp"
#include "platform/system_info.hpp"
#include "platform/unicode.hpp"
#include "program.hpp"
#include "platform/fake_system_info.hpp"
#include "platform/scripted_lan_manager.hpp"

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
        FUZZ_CHECK(platform::isUtf8(name));
        const std::u16string taken = units.substr(0, std::min(limit, units.find(u'\0')));
        FUZZ_CHECK(platform::utf16ToUtf8(taken) == name);
        domains.names.push_back(name);
    }

    forms::App app{"Vorlane"};
    forms::headless::Driver user{app};
    platform::ScriptedLanManager lan;
    platform::FakeSystemInfo system;
    messenger::RecordingRunner runner;
    messenger::Sender sender{app, runner, messenger::DeliveryRoute{false, "HERE", {}}};
    vorlane::Context context{app, lan, sender, system};
    vorlane::Program program{context};
    lan.enumerationAnswers.push_back(domains);
    program.start();
    const bool listed = domains.result == platform::kLanOk || domains.result == platform::kLanMoreData;
    FUZZ_CHECK(program.mainWindow.domainBox.items() == (listed ? domains.names : std::vector<std::string>{}));
    return 0;
}
