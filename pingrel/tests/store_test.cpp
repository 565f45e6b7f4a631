// The store files: every line one entry, exactly as stored, and the removal
// of exactly one line in one step.
#include "pingrel_fixture.hpp"

namespace pingrel::testing {
namespace {

TEST_F(Pingrel, StoreReadsLinesWholeWithCommasQuotesAndBlankLines) {
    files.setContents(kNetwork, "PC7\t\tAnn, desk 4\r\n\r\n\"PC8\", x\r\n");
    Store stored(files, kFolder);
    EXPECT_EQ((Strings{"PC7\t\tAnn, desk 4", "", "\"PC8\", x"}), stored.read("network.txt").lines);
    EXPECT_FALSE(stored.read("messages.txt").exists);

    files.failReadsOf(kMessages, {32, "The file is in use."});
    EXPECT_EQ("Could not read messages.txt.\r\nThe file is in use.", stored.read("messages.txt").failure);
}

TEST_F(Pingrel, RemoveLineTakesOnlyTheFirstEqualLineAndKeepsTheRest) {
    files.setContents(kNetwork, "a\r\nab\r\n\"x, y\"\r\n\r\na\r\n");
    Store stored(files, kFolder);
    EXPECT_EQ(Store::Removal::Removed, stored.removeLine("network.txt", "a"));
    EXPECT_EQ("ab\r\n\"x, y\"\r\n\r\na\r\n", files.contents(kNetwork));

    // A line no longer in the file: nothing is written.
    EXPECT_EQ(Store::Removal::NotStored, stored.removeLine("network.txt", "b"));
    EXPECT_EQ(1, files.writes(kNetwork));

    // A rewrite that fails leaves the file as it was and says why.
    files.failWritesTo(kNetwork, {32, "The file is in use."});
    EXPECT_EQ(Store::Removal::Failed, stored.removeLine("network.txt", "ab"));
    EXPECT_EQ("Could not remove the entry from network.txt.\r\nThe file is in use.", stored.failure());
    EXPECT_EQ("ab\r\n\"x, y\"\r\n\r\na\r\n", files.contents(kNetwork));
}

}  // namespace
}  // namespace pingrel::testing
