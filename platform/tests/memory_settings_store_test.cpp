#include "platform/memory_settings_store.hpp"

#include <gtest/gtest.h>

namespace platform {
namespace {

using Pairs = std::vector<KeyValue>;

TEST(MemorySettingsStore, AbsentKeysAndSectionsReadEmpty) {
    MemorySettingsStore store;
    EXPECT_EQ(store.readValue("Velnote", "Messages", "msgs"), "");
    EXPECT_TRUE(store.readSection("Velnote", "Messages").empty());
    EXPECT_FALSE(store.hasKey("Velnote", "Messages", "msgs"));
    // Removing what is not there counts as removed.
    EXPECT_TRUE(store.removeValue("Velnote", "Messages", "msgs"));

    store.writeValue("Velnote", "Messages", "message1", "Hi");
    EXPECT_EQ(store.readValue("Velnote", "Messages", "message2"), "");
}

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

TEST(MemorySettingsStore, SectionsAndApplicationsAreSeparate) {
    MemorySettingsStore store;
    store.writeValue("Velnote", "Messages", "msgs", "3");
    store.writeValue("Velnote", "Machine Names", "msgs", "9");
    store.writeValue("Quillon", "Messages", "msgs", "5");
    EXPECT_EQ(store.readValue("Velnote", "Messages", "msgs"), "3");
    EXPECT_EQ(store.readValue("Velnote", "Machine Names", "msgs"), "9");
    EXPECT_EQ(store.readValue("Quillon", "Messages", "msgs"), "5");

    store.removeValue("Velnote", "Messages", "msgs");
    EXPECT_EQ(store.readValue("Velnote", "Machine Names", "msgs"), "9");
    EXPECT_EQ(store.readValue("Quillon", "Messages", "msgs"), "5");
    EXPECT_TRUE(store.readSection("Velnote", "Messages").empty());
}

// As in the registry, names match whatever their letter case, and a key keeps
// the spelling it was created with.
TEST(MemorySettingsStore, NamesIgnoreLetterCase) {
    MemorySettingsStore store;
    store.writeValue("Velnote", "Machine Names", "Machine1", "PC7");
    store.writeValue("velnote", "machine names", "MACHINE1", "PC8");
    EXPECT_EQ(store.readSection("Velnote", "Machine Names"), (Pairs{{"Machine1", "PC8"}}));
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
