// The in-memory store: the settings store's contract (contract/), and what
// only the fake does: the order of a section checked, and writes made to fail.
#include "platform/memory_settings_store.hpp"

#include <gtest/gtest.h>

#include "contract/settings_store_contract.hpp"

namespace platform {

namespace contract {

std::unique_ptr<ScratchSettings> makeScratchSettings() {
    struct InMemory : ScratchSettings {
        MemorySettingsStore memory;
        SettingsStore& store() override { return memory; }
        std::string app() const override { return "Velnote"; }
        std::string otherApp() const override { return "Quillon"; }
    };
    return std::make_unique<InMemory>();
}

}  // namespace contract

namespace {

using Pairs = std::vector<KeyValue>;

TEST(MemorySettingsStore, SectionKeepsCreationOrder) {
    MemorySettingsStore store;
    ASSERT_TRUE(store.writeValue("Velnote", "Messages", "message2", "b"));
    ASSERT_TRUE(store.writeValue("Velnote", "Messages", "msgs", "1"));
    ASSERT_TRUE(store.writeValue("Velnote", "Messages", "message1", "a"));
    EXPECT_EQ(store.readSection("Velnote", "Messages"),
              (Pairs{{"message2", "b"}, {"msgs", "1"}, {"message1", "a"}}));

    // A replaced value keeps its place.
    ASSERT_TRUE(store.writeValue("Velnote", "Messages", "message2", "B"));
    EXPECT_EQ(store.readSection("Velnote", "Messages"),
              (Pairs{{"message2", "B"}, {"msgs", "1"}, {"message1", "a"}}));

    // A removed key drops out; created again, it goes to the end.
    ASSERT_TRUE(store.removeValue("Velnote", "Messages", "message2"));
    EXPECT_EQ(store.readSection("Velnote", "Messages"), (Pairs{{"msgs", "1"}, {"message1", "a"}}));
    ASSERT_TRUE(store.writeValue("Velnote", "Messages", "message2", "again"));
    EXPECT_EQ(store.readSection("Velnote", "Messages"),
              (Pairs{{"msgs", "1"}, {"message1", "a"}, {"message2", "again"}}));
}

TEST(MemorySettingsStore, HasKeyIgnoresLetterCase) {
    MemorySettingsStore store;
    EXPECT_FALSE(store.hasKey("Velnote", "Machine Names", "Machine1"));
    store.writeValue("Velnote", "Machine Names", "Machine1", "PC7");
    EXPECT_TRUE(store.hasKey("VELNOTE", "Machine Names", "machine1"));
    store.removeValue("Velnote", "Machine Names", "machine1");
    EXPECT_FALSE(store.hasKey("Velnote", "Machine Names", "Machine1"));
}

TEST(MemorySettingsStore, FailingKeyRefusesWritesAndRemovals) {
    MemorySettingsStore store;
    store.writeValue("Velnote", "Messages", "msgs", "1");
    store.failWritesTo("Velnote", "Messages", "msgs");
    store.failWritesTo("Velnote", "Messages", "message1");

    EXPECT_FALSE(store.writeValue("Velnote", "Messages", "msgs", "2"));
    EXPECT_FALSE(store.removeValue("Velnote", "Messages", "msgs"));
    EXPECT_EQ(store.readValue("Velnote", "Messages", "msgs"), "1");

    EXPECT_FALSE(store.writeValue("Velnote", "Messages", "message1", "Hi"));
    EXPECT_FALSE(store.hasKey("Velnote", "Messages", "message1"));

    // Other keys of the section are not affected.
    EXPECT_TRUE(store.writeValue("Velnote", "Messages", "message2", "Hi"));
    EXPECT_EQ(store.readSection("Velnote", "Messages"), (Pairs{{"msgs", "1"}, {"message2", "Hi"}}));
}

}  // namespace
}  // namespace platform
