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

TEST(AddressBookFile, OnlyTheSeparatorIsTakenOutOfTypedTexts) {
    // "ì" and the soft hyphen share a byte with the separator in UTF-8.
    EXPECT_EQ("ab\xC3\xAC" "x\xC2\xAD", withoutSeparator("a" + kNot + "b\xC3\xAC" "x\xC2\xAD" + kNot));
    EXPECT_EQ("", withoutSeparator("\xC2\xC2\xAC\xAC"));  // no new separator from the halves around one
}

}  // namespace
}  // namespace pingrelgui
