// Lines of a text file, and the in-memory files that tests use in place of disks.
#include <gtest/gtest.h>

#include "contract/file_steps_contract.hpp"
#include "platform/memory_text_files.hpp"

// The file steps' contract runs on the in-memory steps.
std::unique_ptr<platform::contract::ScratchFileSteps> platform::contract::makeScratchFileSteps() {
    struct InMemory : ScratchFileSteps {
        MemoryFileSteps disk;
        FileSteps& steps() override { return disk; }
        std::string path(const std::string& name) const override { return "C:\\scratch\\" + name; }
    };
    return std::make_unique<InMemory>();
}

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

// A replace that fails at any step leaves the old file byte for byte and no
// temporary file; only a failed delete of it leaves one, which nothing reads.
TEST(MemoryTextFiles, AReplaceThatFailsAtAnyStepLeavesTheOldFile) {
    const std::string book = "C:\\Apps\\book.txt";
    const std::string old = "a\r\nb\xC2\xAC" "c\r\n";
    for (platform::FileStep step : {platform::FileStep::Open, platform::FileStep::Write, platform::FileStep::Flush,
                                    platform::FileStep::Replace}) {
        SCOPED_TRACE(platform::fileStepName(step));
        platform::MemoryTextFiles files;
        files.setContents(book, old);
        files.failAt(book, step, {23, "Data error (cyclic redundancy check)."});
        EXPECT_FALSE(files.replaceLines(book, {"new", "lines"}));
        EXPECT_EQ(23u, files.lastError().number);
        EXPECT_EQ(old, files.contents(book));
        EXPECT_EQ(Lines{book}, files.paths());
    }
    platform::MemoryTextFiles files;
    files.setContents(book, old);
    files.failAt(book, platform::FileStep::Write, {23, "Data error (cyclic redundancy check)."});
    files.failAt(book, platform::FileStep::Delete);
    EXPECT_FALSE(files.replaceLines(book, {"new"}));
    EXPECT_EQ(23u, files.lastError().number);  // the first failure is the one told
    ASSERT_EQ(2u, files.paths().size());
    EXPECT_EQ("C:\\Apps\\book.txt.tmp", files.paths()[1]);
    files.clearFailures();
    EXPECT_TRUE(files.replaceLines(book, {"new"}));
    EXPECT_EQ("new\r\n", files.contents(book));

    files.failAt(book, platform::FileStep::Read);
    EXPECT_EQ(platform::ReadOutcome::Unreadable, files.readLines(book).outcome);
}

TEST(MemoryTextFiles, AFullDiskStopsAWriteWithTheOldFileKept) {
    const std::string book = "C:\\book.txt";
    platform::MemoryTextFiles files;
    files.setContents(book, "old\r\n");
    files.setFreeSpace(8);
    EXPECT_FALSE(files.replaceLines(book, {"0123456789"}));
    EXPECT_EQ(112u, files.lastError().number);
    EXPECT_EQ("old\r\n", files.contents(book));
    EXPECT_EQ(Lines{book}, files.paths());
    EXPECT_TRUE(files.replaceLines(book, {"012345"}));  // the freed room is there again
    EXPECT_FALSE(files.appendLines(book, {"0123"}));
    EXPECT_EQ("012345\r\n0123\r", files.contents(book));  // an append that ran out stays half done, as on disk
}

// Text the code page holds is written in it as ever; a file with any
// character it lacks is written whole as UTF-8 after the byte order mark,
// which tells the reader, and goes back to the code page at the first write
// that no longer needs UTF-8. Whatever is written reads back unchanged.
TEST(MemoryTextFiles, AFileWithCharactersTheCodePageLacksIsUtf8AfterTheMark) {
    const std::string book = "C:\\book.txt", mark = "\xEF\xBB\xBF", cafe = "caf\xC3\xA9", cat = "\xE7\x8C\xAB";
    platform::MemoryTextFiles files;
    files.setHighestCharacter(0xFF);
    const auto expectFile = [&](const std::string& bytes, const Lines& lines) {
        EXPECT_EQ(bytes, files.contents(book));
        EXPECT_EQ(lines, files.readLines(book).lines);
    };
    ASSERT_TRUE(files.replaceLines(book, {cafe}));
    expectFile(cafe + "\r\n", {cafe});
    ASSERT_TRUE(files.replaceLines(book, {cafe, cat}));
    expectFile(mark + cafe + "\r\n" + cat + "\r\n", {cafe, cat});
    ASSERT_TRUE(files.appendLines(book, {"x"}));
    expectFile(mark + cafe + "\r\n" + cat + "\r\nx\r\n", {cafe, cat, "x"});
    EXPECT_EQ(platform::LineRemoval::Outcome::Removed, files.removeLine(book, cat, 1).outcome);
    expectFile(cafe + "\r\nx\r\n", {cafe, "x"});
    ASSERT_TRUE(files.appendLines(book, {cat}));
    expectFile(mark + cafe + "\r\nx\r\n" + cat + "\r\n", {cafe, "x", cat});
    ASSERT_TRUE(files.replaceLines(book, {"x"}));
    expectFile("x\r\n", {"x"});

    // A file that starts with the mark is read as UTF-8, whatever wrote it;
    // text that itself starts with the mark's bytes is written after one, so
    // that it never reads back as other text.
    files.setContents(book, mark + cat + "\r\n");
    EXPECT_EQ(Lines{cat}, files.readLines(book).lines);
    ASSERT_TRUE(files.replaceLines(book, {mark + "x"}));
    expectFile(mark + mark + "x\r\n", {mark + "x"});
}

}  // namespace
