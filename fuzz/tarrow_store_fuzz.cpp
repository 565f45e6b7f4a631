// Tarrow's comma lists and presets as any registry might hold them: the lists
// split into trimmed entries that join and split again the same, start-up
// shows them, and a save of the presets refused at any one of them leaves
// the section as it was.
#include "fuzz_input.hpp"
#include "messenger/recording_runner.hpp"
#include "messenger/sender.hpp"
#include "platform/clock.hpp"
#include "platform/case_mapping.hpp"
#include "platform/memory_settings_store.hpp"
#include "program.hpp"
#include "store.hpp"
#include "platform/fixed_clock.hpp"
#include "platform/simple_case_mapping.hpp"

using namespace tarrow;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t refused = input.byte();
    const std::string addresses = input.text();
    const std::string domains = input.text();

    const std::vector<std::string> entries = splitList(addresses);
    std::size_t commas = 0;
    for (char c : addresses) commas += c == ',';
    FUZZ_CHECK(entries.size() == commas + 1);
    std::string joined;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        FUZZ_CHECK(entry.find(',') == std::string::npos);
        FUZZ_CHECK(entry == trimBlanks(entry));
        joined += (i ? "," : "") + entry;
    }
    FUZZ_CHECK(splitList(joined) == entries);

    platform::MemorySettingsStore store;
    store.writeValue(kApplication, kSettings, kAddressList, addresses);
    store.writeValue(kApplication, kSettings, kDomains, domains);
    std::vector<std::pair<std::string, std::string>> presets;
    for (int i = 1; i <= kPresetCount; ++i) {
        if (input.byte() % 2) store.writeValue(kApplication, kPresets, presetKey(i), input.text());
        presets.push_back({presetKey(i), input.text()});
    }
    {
        forms::App app{"Tarrow"};
        messenger::RecordingRunner runner;
        platform::FixedClock clock{{2026, 12, 8, 17, 39, 9}};
        platform::SimpleCaseMapping cases;
        messenger::Sender sender{app, runner, {true, "HERE", {}}};
        Context context{app, store, runner, clock, cases, sender};
        Program program{context};
        program.start();
        FUZZ_CHECK(program.mainWindow.recipient.items() == entries);
        FUZZ_CHECK(program.mainWindow.domain.items().size() == splitList(domains).size());
    }

    const auto before = store.readSection(kApplication, kPresets);
    if (refused % 8 < kPresetCount) store.failWritesTo(kApplication, kPresets, presetKey(refused % 8 + 1));
    if (writeSettings(store, kPresets, presets)) {
        FUZZ_CHECK(store.readSection(kApplication, kPresets) == before);
    } else {
        for (const auto& preset : presets) FUZZ_CHECK(readSetting(store, kPresets, preset.first) == preset.second);
    }
    return 0;
}
