// The address book file: its path, its lines and the separator.
#include <gtest/gtest.h>

#include "address_book.hpp"

namespace pingrelgui {
namespace {

const std::string kNot = "\xC2\xAC";

TEST(AddressBookFile, PathHasOneSeparatorEvenInADrivesRoot) {
    EXPECT_EQ("C:\\Apps\\AddressBook.txt", addressBookPath("C:\\Apps"));
    EXPECT_EQ("C:\\AddressBook.txt", addressBookPath("C:\\"));
    EXPECT_EQ("C:\\AddressBook.txt", addressBookPath("C:"));
    EXPECT_EQ("\\\\server\\share\\AddressBook.txt", addressBookPath("\\\\server\\share"));
}

TEST(AddressBookFile, LinesSplitAtTheFirstSeparatorAndNoneIsLost) {
    const std::vector<Entry> entries = parseAddressBook(
        {"pc1" + kNot + "first floor", "a" + kNot + "b" + kNot + "c", "no separator", kNot + "desc", "", "x" + kNot, ""});
    const std::vector<Entry> expected = {{"pc1", "first floor"}, {"a", "b" + kNot + "c"}, {"no separator", ""},
                                         {"", "desc"},           {"", ""},                 {"x", ""}};
    EXPECT_EQ(expected, entries);
    EXPECT_TRUE(parseAddressBook({}).empty());
    EXPECT_TRUE(parseAddressBook({""}).empty());
}

TEST(AddressBookFile, EntriesWriteBackAsNameSeparatorDescription) {
    const std::vector<std::string> lines = addressBookLines({{"pc1", "first floor"}, {"bare", ""}, {"PC 7", "x y "}});
    const std::vector<std::string> expected = {"pc1" + kNot + "first floor", "bare" + kNot, "PC 7" + kNot + "x y "};
    EXPECT_EQ(expected, lines);
    EXPECT_EQ((std::vector<Entry>{{"pc1", "first floor"}, {"bare", ""}, {"PC 7", "x y "}}), parseAddressBook(lines));
}

TEST(AddressBookFile, SeparatorsAreTakenOutOfTypedTexts) {
    EXPECT_EQ("ab", withoutSeparator("a" + kNot + "b"));
    EXPECT_EQ("", withoutSeparator(kNot + kNot));
    // Other characters that share a byte with the separator stay.
    EXPECT_EQ("\xC3\xAC" "x\xC2\xAD", withoutSeparator("\xC3\xAC" "x\xC2\xAD"));
}

}  // namespace
}  // namespace pingrelgui
