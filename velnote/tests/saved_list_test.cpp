// The saved lists in the settings store: what is shown, appended and removed.
#include <gtest/gtest.h>

#include "platform/memory_settings_store.hpp"
#include "saved_list.hpp"

namespace velnote {
namespace {

using Strings = std::vector<std::string>;

struct SavedLists : ::testing::Test {
    platform::MemorySettingsStore store;

    void put(const std::string& key, const std::string& value, const char* section = "Messages") {
        store.writeValue("Velnote", section, key, value);
    }
    std::string get(const std::string& key, const char* section = "Messages") {
        return store.readValue("Velnote", section, key);
    }
};

TEST_F(SavedLists, ShowsNonEmptyEntriesInStoreOrderWithoutTheCountKey) {
    put("message3", "third written first");
    put("msgs", "3");
    put("message1", "");
    put("message2", "  blanks kept  ");
    put("odd key", "shown all the same");
    put("message3", "replaced in place");
    EXPECT_EQ((Strings{"replaced in place", "  blanks kept  ", "shown all the same"}), listValues(store, kMessageList));
    EXPECT_TRUE(listValues(store, kMachineList).empty());

    // The registry's key names know no case: a count key spelt otherwise is
    // the one the next append writes, and is no entry either.
    put("MACHINES", "3", "Machine Names");
    EXPECT_TRUE(listValues(store, kMachineList).empty());
    EXPECT_FALSE(removeEntry(store, kMachineList, "3"));
}

TEST_F(SavedLists, AppendsNumberOneOnAnEmptyStoreThenCountsUp) {
    EXPECT_EQ(1, appendEntry(store, kMessageList, "Hi"));
    EXPECT_EQ(2, appendEntry(store, kMessageList, "Bye"));
    EXPECT_EQ(1, appendEntry(store, kMachineList, "PC7"));
    EXPECT_EQ("Hi", get("message1"));
    EXPECT_EQ("Bye", get("message2"));
    EXPECT_EQ("2", get("msgs"));
    EXPECT_EQ("PC7", get("Machine1", "Machine Names"));
    EXPECT_EQ("1", get("machines", "Machine Names"));
}

TEST_F(SavedLists, AppendStartsAgainAtOneWhenTheCountNamesNoEntry) {
    put("msgs", "2");  // message2 absent
    EXPECT_EQ(1, appendEntry(store, kMessageList, "a"));
    store.removeValue("Velnote", "Messages", "message1");
    put("msgs", "not a number");
    EXPECT_EQ(1, appendEntry(store, kMessageList, "b"));
}

TEST_F(SavedLists, AppendNeverReplacesAnEntryAndTakesTheNextFreeNumber) {
    // After a removal the count is below numbers still in use.
    put("message1", "one");
    put("message2", "two");
    put("message3", "three");
    put("msgs", "1");
    EXPECT_EQ(4, appendEntry(store, kMessageList, "four"));
    EXPECT_EQ((Strings{"one", "two", "three", "four"}), listValues(store, kMessageList));
    EXPECT_EQ("4", get("msgs"));
    // A key kept with an empty value is not overwritten either.
    put("message5", "");
    put("MESSAGE6", "other spelling");
    EXPECT_EQ(7, appendEntry(store, kMessageList, "seven"));
}

TEST_F(SavedLists, AppendAtTheTopOfTheRangeWrapsToAFreeNumberOrRefuses) {
    put("message32767", "last");
    put("message1", "first");
    put("msgs", "32767");
    EXPECT_EQ(2, appendEntry(store, kMessageList, "wrapped"));
    EXPECT_EQ("2", get("msgs"));

    platform::MemorySettingsStore full;
    for (int n = 1; n <= kMaxEntryNumber; ++n) full.writeValue("Velnote", "Messages", "message" + std::to_string(n), "x");
    full.writeValue("Velnote", "Messages", "msgs", "32767");
    EXPECT_EQ(std::nullopt, appendEntry(full, kMessageList, "no room"));
    EXPECT_EQ("32767", full.readValue("Velnote", "Messages", "msgs"));
    EXPECT_EQ(32768u, full.readSection("Velnote", "Messages").size());
}

TEST_F(SavedLists, RemovesOnlyTheFirstExactMatchAndLowersTheCount) {
    put("message1", "same");
    put("message2", "");
    put("message3", "same");
    put("message4", " padded ");
    put("msgs", "4");
    EXPECT_TRUE(removeEntry(store, kMessageList, "same"));
    EXPECT_EQ("3", get("msgs"));
    EXPECT_TRUE(store.hasKey("Velnote", "Messages", "message2"));  // an empty entry is not swept away
    EXPECT_EQ((Strings{"same", " padded "}), listValues(store, kMessageList));
    EXPECT_TRUE(removeEntry(store, kMessageList, " padded "));  // blanks and all, as shown
    EXPECT_EQ((Strings{"same"}), listValues(store, kMessageList));
    EXPECT_EQ("2", get("msgs"));
}

TEST_F(SavedLists, RemoveOfNothingWritesNothingAndABadCountIsLeftAlone) {
    put("message1", "kept");
    put("msgs", "1");
    EXPECT_FALSE(removeEntry(store, kMessageList, "absent"));
    EXPECT_FALSE(removeEntry(store, kMessageList, "1"));  // the count key's value is no entry
    EXPECT_EQ("1", get("msgs"));
    put("msgs", "many");
    EXPECT_TRUE(removeEntry(store, kMessageList, "kept"));
    EXPECT_EQ("many", get("msgs"));
    put("message1", "again");
    store.removeValue("Velnote", "Messages", "msgs");
    EXPECT_TRUE(removeEntry(store, kMessageList, "again"));
    EXPECT_FALSE(store.hasKey("Velnote", "Messages", "msgs"));
}

TEST_F(SavedLists, RemoveThatCannotDeleteLeavesTheCount) {
    put("message1", "stuck");
    put("msgs", "1");
    store.failWritesTo("Velnote", "Messages", "message1");
    EXPECT_FALSE(removeEntry(store, kMessageList, "stuck"));
    EXPECT_EQ("1", get("msgs"));
}

TEST(ParseInt16, ReadsWholeAndRoundedNumbersInRange) {
    EXPECT_EQ(3, parseInt16("3"));
    EXPECT_EQ(3, parseInt16("  3 "));
    EXPECT_EQ(-12, parseInt16("-12"));
    EXPECT_EQ(2, parseInt16("2.5"));  // halves round to even
    EXPECT_EQ(4, parseInt16("3.5"));
    EXPECT_EQ(32767, parseInt16("32767"));
    EXPECT_EQ(-32768, parseInt16("-32768"));
    for (const char* bad : {"", " ", "abc", "3x", "32768", "-32769", "99999999999999999999", ".", "+", "1 2"})
        EXPECT_EQ(std::nullopt, parseInt16(bad)) << '"' << bad << '"';
}

}  // namespace
}  // namespace velnote
