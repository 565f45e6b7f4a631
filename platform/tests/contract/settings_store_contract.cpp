// The settings store's contract. Sections are compared sorted: the order of
// a section's keys is the fake's and Windows' (creation order), not Wine's
// (sorted by name), so it is checked on the fake only.
#include "contract/settings_store_contract.hpp"

#include <algorithm>
#include <cctype>
#include <vector>

namespace platform::contract {
namespace {

using Pairs = std::vector<KeyValue>;

Pairs sorted(Pairs pairs) {
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST_F(SettingsStoreContract, AbsentKeysAndSectionsReadEmpty) {
    EXPECT_EQ(store.readValue(app, "Messages", "msgs"), "");
    EXPECT_TRUE(store.readSection(app, "Messages").empty());
    // Removing what is not there counts as removed.
    EXPECT_TRUE(store.removeValue(app, "Messages", "msgs"));

    ASSERT_TRUE(store.writeValue(app, "Messages", "message1", "Hi"));
    EXPECT_EQ(store.readValue(app, "Messages", "message2"), "");
}

TEST_F(SettingsStoreContract, WriteReplaceAndRemove) {
    EXPECT_TRUE(store.writeValue(app, "Messages", "msgs", "1"));
    EXPECT_TRUE(store.writeValue(app, "Messages", "message1", "Lunch now"));
    EXPECT_TRUE(store.writeValue(app, "Messages", "msgs", "2"));  // replaced, not added
    EXPECT_EQ(store.readValue(app, "Messages", "msgs"), "2");
    EXPECT_EQ(store.readValue(app, "Messages", "message1"), "Lunch now");
    EXPECT_EQ(sorted(store.readSection(app, "Messages")), (Pairs{{"message1", "Lunch now"}, {"msgs", "2"}}));

    EXPECT_TRUE(store.removeValue(app, "Messages", "message1"));
    EXPECT_EQ(store.readValue(app, "Messages", "message1"), "");
    EXPECT_EQ(store.readSection(app, "Messages"), (Pairs{{"msgs", "2"}}));
}

TEST_F(SettingsStoreContract, SectionsAndApplicationsAreSeparate) {
    const std::string other = scratch->otherApp();
    ASSERT_TRUE(store.writeValue(app, "Messages", "msgs", "3"));
    ASSERT_TRUE(store.writeValue(app, "Machine Names", "msgs", "9"));
    ASSERT_TRUE(store.writeValue(other, "Messages", "msgs", "5"));
    EXPECT_EQ(store.readValue(app, "Messages", "msgs"), "3");
    EXPECT_EQ(store.readValue(app, "Machine Names", "msgs"), "9");
    EXPECT_EQ(store.readValue(other, "Messages", "msgs"), "5");

    EXPECT_TRUE(store.removeValue(app, "Messages", "msgs"));
    EXPECT_EQ(store.readValue(app, "Machine Names", "msgs"), "9");
    EXPECT_EQ(store.readValue(other, "Messages", "msgs"), "5");
    EXPECT_TRUE(store.readSection(app, "Messages").empty());
}

// As in the registry, names match whatever their letter case, and a key keeps
// the spelling it was created with.
TEST_F(SettingsStoreContract, NamesIgnoreLetterCase) {
    ASSERT_TRUE(store.writeValue(app, "Machine Names", "Machine1", "PC7"));
    ASSERT_TRUE(store.writeValue(upper(app), "machine names", "MACHINE1", "PC8"));
    EXPECT_EQ(store.readSection(app, "Machine Names"), (Pairs{{"Machine1", "PC8"}}));
    EXPECT_EQ(store.readValue(upper(app), "MACHINE NAMES", "machine1"), "PC8");
    EXPECT_TRUE(store.removeValue(app, "Machine Names", "machine1"));
    EXPECT_TRUE(store.readSection(app, "Machine Names").empty());
}

TEST_F(SettingsStoreContract, TextSurvivesUnicodeLongAndEmpty) {
    // Non-ASCII letters and line breaks come back unchanged (on Windows
    // through UTF-16 and back).
    const std::string text = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\r\nline two & 100% \"quoted\"";
    EXPECT_TRUE(store.writeValue(app, "Text", "unicode", text));
    EXPECT_EQ(store.readValue(app, "Text", "unicode"), text);

    // Far longer than any fixed buffer would be (EXPECT_TRUE, not EXPECT_EQ: not printed whole).
    std::string longText;
    for (int i = 0; longText.size() < 100000; ++i) longText += std::to_string(i) + ' ';
    EXPECT_TRUE(store.writeValue(app, "Text", "long", longText));
    EXPECT_TRUE(store.readValue(app, "Text", "long") == longText);

    EXPECT_TRUE(store.writeValue(app, "Text", "empty", ""));
    const Pairs expected = {{"empty", ""}, {"long", longText}, {"unicode", text}};
    EXPECT_TRUE(sorted(store.readSection(app, "Text")) == expected);
}

}  // namespace
}  // namespace platform::contract
