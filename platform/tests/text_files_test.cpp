// Lines of a text file, and the in-memory files that tests use in place of disks.
#include <gtest/gtest.h>

#include "platform/text_files.hpp"

namespace {

using Lines = std::vector<std::string>;

TEST(TextFileLines, LineBreaksEndLinesAndNoEmptyLineFollowsTheLast) {
    EXPECT_EQ(Lines{}, platform::splitLines(""));
    EXPECT_EQ(Lines{"a"}, platform::splitLines("a"));
    EXPECT_EQ(Lines{"a"}, platform::splitLines("a\r\n"));
    EXPECT_EQ((Lines{"a", ""}), platform::splitLines("a\r\n\r\n"));
    EXPECT_EQ((Lines{"", "b"}), platform::splitLines("\r\nb"));
    // A lone LF ends a line too; a lone CR stays in the text.
    EXPECT_EQ((Lines{"a", "b\rc"}), platform::splitLines("a\nb\rc\r\n"));
}

TEST(TextFileLines, JoinedLinesSplitBackUnchanged) {
    EXPECT_EQ("", platform::joinLines({}));
    EXPECT_EQ("pc1\xC2\xAC" "first floor\r\n\r\nx\r\n", platform::joinLines({"pc1\xC2\xAC" "first floor", "", "x"}));
    Lines lines{"one", "", "  blanks  ", "last"};
    EXPECT_EQ(lines, platform::splitLines(platform::joinLines(lines)));
}

TEST(MemoryTextFiles, TellsMissingFromUnreadableAndKeepsFailedWritesOut) {
    platform::MemoryTextFiles files;
    EXPECT_EQ(platform::ReadOutcome::Missing, files.readLines("C:\\book.txt").outcome);

    ASSERT_TRUE(files.replaceLines("C:\\book.txt", {"a", "b"}));
    ASSERT_TRUE(files.appendLines("C:\\book.txt", {"c"}));
    auto read = files.readLines("C:\\book.txt");
    EXPECT_EQ(platform::ReadOutcome::Read, read.outcome);
    EXPECT_EQ((Lines{"a", "b", "c"}), read.lines);
    EXPECT_EQ(2, files.writes("C:\\book.txt"));

    files.failWritesTo("C:\\book.txt", {112, "There is not enough space on the disk."});
    EXPECT_FALSE(files.replaceLines("C:\\book.txt", {"lost"}));
    EXPECT_EQ(112u, files.lastError().number);
    EXPECT_EQ("a\r\nb\r\nc\r\n", files.contents("C:\\book.txt"));

    files.failReadsOf("C:\\book.txt");
    read = files.readLines("C:\\book.txt");
    EXPECT_EQ(platform::ReadOutcome::Unreadable, read.outcome);
    EXPECT_EQ(5u, read.error.number);
    EXPECT_TRUE(read.lines.empty());
}

}  // namespace
