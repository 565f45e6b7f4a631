// The system-type table: every entry of the type box, in order, with its mask.
#include <gtest/gtest.h>

#include "system_types.hpp"

namespace vorlane {
namespace {

TEST(SystemTypes, EachEntryInOrderWithItsMask) {
    const std::pair<std::string, std::uint32_t> expected[] = {
        {"All Server Types", 0xFFFFFFFF},
        {"Potential Master Browsers", 0x10000},
        {"Backup Master Browsers", 0x20000},
        {"Master Browser Servers", 0x40000},
        {"Domain Master Browsers", 0x80000},
        {"Primary Domain Controllers", 0x8},
        {"Backup Domain Controllers", 0x10},
        {"Windows 95 and Later", 0x400000},
        {"Timesource Servers", 0x20},
        {"Apple File Protocol Servers", 0x40},
        {"LM 2.x Domain Members", 0x100},
        {"Local Browse List (MB Only)", 0x40000000},
        {"Print Servers", 0x200},
        {"Dial-in Servers", 0x400},
        {"MS Novell File & Print Servers", 0x4000},
        {"Windows NT (S&W)", 0x1000},
        {"WfW Servers", 0x2000},
        {"LAN Manager Workstations", 0x1},
        {"LAN Manager Servers", 0x2},
        {"SQL Servers", 0x4},
    };
    ASSERT_EQ(std::size(expected), kSystemTypes.size());
    for (std::size_t i = 0; i < kSystemTypes.size(); ++i) {
        EXPECT_EQ(expected[i].first, kSystemTypes[i].entry) << "entry " << i;
        EXPECT_EQ(expected[i].second, kSystemTypes[i].mask) << expected[i].first;
        EXPECT_EQ(expected[i].second, systemTypeMask(expected[i].first)) << expected[i].first;
    }
}

TEST(SystemTypes, OnlyTheExactTextMatches) {
    EXPECT_FALSE(systemTypeMask("sql servers"));
    EXPECT_FALSE(systemTypeMask("SQL Servers "));
    EXPECT_FALSE(systemTypeMask(""));
}

}  // namespace
}  // namespace vorlane
