// How the stored address and domain lists become combo-box entries.
#include <gtest/gtest.h>

#include "store.hpp"

namespace tarrow {
namespace {

using Strings = std::vector<std::string>;

TEST(SplitList, EveryCommaEndsOneTrimmedEntry) {
    EXPECT_EQ((Strings{"a", "b"}), splitList("a, b", EntryCase::AsStored));
    EXPECT_EQ((Strings{"pc1", "pc2", ""}), splitList(" pc1 ,pc2,", EntryCase::AsStored));
    EXPECT_EQ((Strings{"a", "", "b"}), splitList("a,,b", EntryCase::AsStored));
    EXPECT_EQ((Strings{""}), splitList("", EntryCase::AsStored));
    EXPECT_EQ((Strings{"", ""}), splitList("  ,  ", EntryCase::AsStored));
}

TEST(SplitList, KeepsOrderDuplicatesInnerBlanksAndLineBreaks) {
    EXPECT_EQ((Strings{"pc9", "pc1", "pc9"}), splitList("pc9,pc1,pc9", EntryCase::AsStored));
    EXPECT_EQ((Strings{"big pc", "x\r\ny"}), splitList("big pc , x\r\ny", EntryCase::AsStored));
    EXPECT_EQ((Strings{"\tpc1"}), splitList("\tpc1 ", EntryCase::AsStored));  // only blanks are trimmed
}

TEST(SplitList, DomainsAreUpperCased) {
    EXPECT_EQ((Strings{"SALES", "HQ"}), splitList(" sales , hq ", EntryCase::Upper));
    EXPECT_EQ((Strings{"ZÜRICH-2", "MIXED"}), splitList("zürich-2,MiXeD", EntryCase::Upper));
    EXPECT_EQ((Strings{"pc1"}), splitList("pc1", EntryCase::AsStored));
}

}  // namespace
}  // namespace tarrow
