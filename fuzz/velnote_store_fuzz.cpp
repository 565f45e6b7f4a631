// Velnote's saved lists, colour and counts as any registry might hold them:
// start-up lists what the store holds, numbers and colours parse within their
// ranges and read back as written, and an appended entry is listed and goes
// again on removal.
#include <algorithm>

#include "back_color.hpp"
#include "fuzz_input.hpp"
#include "messenger/recording_runner.hpp"
#include "platform/memory_settings_store.hpp"
#include "program.hpp"
#include "saved_list.hpp"

using namespace velnote;

namespace {

std::vector<std::string> sorted(std::vector<std::string> values) {
    std::sort(values.begin(), values.end());
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    platform::MemorySettingsStore store;
    const std::string colour = input.text();
    store.writeValue(kApplication, kColorSection, kColorKey, colour);
    for (int pairs = 0; pairs < 64 && !input.empty(); ++pairs) {
        const SavedList& list = input.byte() % 2 ? kMessageList : kMachineList;
        const std::string key = input.text();
        store.writeValue(kApplication, list.section, key, input.text());
    }

    if (auto parsed = parseColor(colour)) {
        FUZZ_CHECK(*parsed <= 0xFFFFFF);
        FUZZ_CHECK(parseColor(std::to_string(*parsed)) == parsed);
    }
    if (auto number = parseInt16(colour)) {
        FUZZ_CHECK(*number >= -32768 && *number <= 32767);
        FUZZ_CHECK(parseInt16(std::to_string(*number)) == number);
    }

    {
        forms::App app{"Velnote"};
        messenger::RecordingRunner runner;
        messenger::Sender sender{app, runner, messenger::DeliveryRoute{true, "HERE", {}}};
        Context context{app, store, sender};
        Program program{context};
        program.start();
        std::vector<std::string> machines = listValues(store, kMachineList);
        machines.push_back("- Select Machine Name -");
        FUZZ_CHECK(program.mainWindow.savedMachines.items() == machines);
    }

    for (const SavedList* list : {&kMessageList, &kMachineList}) {
        const std::vector<std::string> before = listValues(store, *list);
        for (const std::string& value : before) FUZZ_CHECK(!value.empty());
        const std::string text = "entry " + colour;
        if (!appendEntry(store, *list, text)) continue;
        std::vector<std::string> expected = before;
        expected.push_back(text);
        FUZZ_CHECK(sorted(listValues(store, *list)) == sorted(expected));
        FUZZ_CHECK(removeEntry(store, *list, text));
        FUZZ_CHECK(sorted(listValues(store, *list)) == sorted(before));
    }
    return 0;
}
