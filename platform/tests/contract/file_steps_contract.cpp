// The raw file steps' contract.
#include "contract/file_steps_contract.hpp"

namespace platform::contract {
namespace {

TEST_F(FileStepsContract, ANewFileIsEmptyAndAnAppendAddsToTheEnd) {
    EXPECT_EQ(read("book.txt"), "<missing>");
    EXPECT_EQ(read("no folder\\book.txt"), "<missing>");
    ASSERT_TRUE(write("book.txt", "first\r\n"));
    EXPECT_EQ(read("book.txt"), "first\r\n");
    ASSERT_TRUE(write("book.txt", "b"));  // opened anew: what was there goes
    EXPECT_EQ(read("book.txt"), "b");
    ASSERT_TRUE(write("book.txt", "c\r\n", true));
    EXPECT_EQ(read("book.txt"), "bc\r\n");
    ASSERT_TRUE(write("log.txt", "\xC2\xAC\r\n", true));  // an append creates a missing file
    EXPECT_EQ(read("log.txt"), "\xC2\xAC\r\n");
}

TEST_F(FileStepsContract, AReplaceTakesTheFilesPlaceAndARemoveDeletes) {
    ASSERT_TRUE(write("book.txt", "old"));
    ASSERT_TRUE(write("book.txt.tmp", "new"));
    ASSERT_TRUE(steps.replace(scratch->path("book.txt.tmp"), scratch->path("book.txt")));
    EXPECT_EQ(read("book.txt"), "new");
    EXPECT_EQ(read("book.txt.tmp"), "<missing>");
    ASSERT_TRUE(steps.replace(scratch->path("book.txt"), scratch->path("moved.txt")));  // onto no file
    EXPECT_EQ(read("moved.txt"), "new");

    EXPECT_TRUE(steps.remove(scratch->path("moved.txt")));
    EXPECT_EQ(read("moved.txt"), "<missing>");
    // Removing what is not there fails with the system's "not found".
    EXPECT_FALSE(steps.remove(scratch->path("moved.txt")));
    EXPECT_EQ(steps.lastError().number, 2u);
    EXPECT_FALSE(steps.lastError().text.empty());
}

TEST_F(FileStepsContract, AFileLargerThanAReadTakesIsRefusedUnread) {
    const std::string largest(kLargestReadableFile, 'x');
    ASSERT_TRUE(write("big.txt", largest));
    std::string bytes;
    ASSERT_EQ(ReadOutcome::Read, steps.readAll(scratch->path("big.txt"), bytes));
    EXPECT_EQ(largest.size(), bytes.size());

    ASSERT_TRUE(write("big.txt", "x", true));
    bytes = "kept";
    EXPECT_EQ(ReadOutcome::Unreadable, steps.readAll(scratch->path("big.txt"), bytes));
    EXPECT_TRUE(bytes == "kept") << "the bytes are left alone";
    EXPECT_EQ(fileTooLargeToRead().number, steps.lastError().number);
    EXPECT_EQ(fileTooLargeToRead().text, steps.lastError().text);
}

}  // namespace
}  // namespace platform::contract
