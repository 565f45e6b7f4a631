// How the stored address and domain lists become combo-box entries.
#include <gtest/gtest.h>

#include "platform/case_mapping.hpp"
#include "store.hpp"
#include "platform/simple_case_mapping.hpp"

namespace tarrow {
namespace {

using Strings = std::vector<std::string>;

TEST(SplitList, EveryCommaEndsOneTrimmedEntry) {
    EXPECT_EQ((Strings{"a", "b"}), splitList("a, b"));
    EXPECT_EQ((Strings{"pc1", "pc2", ""}), splitList(" pc1 ,pc2,"));
    EXPECT_EQ((Strings{"a", "", "b"}), splitList("a,,b"));
    EXPECT_EQ((Strings{""}), splitList(""));
    EXPECT_EQ((Strings{"", ""}), splitList("  ,  "));
}

TEST(SplitList, KeepsOrderDuplicatesInnerBlanksAndLineBreaks) {
    EXPECT_EQ((Strings{"pc9", "pc1", "pc9"}), splitList("pc9,pc1,pc9"));
    EXPECT_EQ((Strings{"big pc", "x\r\ny"}), splitList("big pc , x\r\ny"));
    EXPECT_EQ((Strings{"\tpc1"}), splitList("\tpc1 "));  // only blanks are trimmed
}

TEST(CaseMapping, TheStandInMapsLatinGreekAndCyrillicLetters) {
    platform::SimpleCaseMapping cases;
    EXPECT_EQ("ZÜRICH-2 MIXED", cases.upper("zürich-2 MiXeD"));
    EXPECT_EQ("ΑΘΗΝΑΣ ΟΔΟΣ", cases.upper("αθηνας οδος"));
    EXPECT_EQ("ΑΘΗΝΑΣ", cases.upper("Αθηνας"));
    EXPECT_EQ("МОСКВА ЁЛКА", cases.upper("москва ёлка"));
    EXPECT_EQ("÷ 1 ß", cases.upper("÷ 1 ß"));  // no upper case of their own
}

}  // namespace
}  // namespace tarrow
