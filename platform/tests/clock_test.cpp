#include "platform/clock.hpp"
#include "platform/fixed_clock.hpp"

#include <gtest/gtest.h>

namespace platform {
namespace {

DateTime moment(int year, int month, int day, int hour, int minute, int second) {
    DateTime when;
    when.year = year;
    when.month = month;
    when.day = day;
    when.hour = hour;
    when.minute = minute;
    when.second = second;
    return when;
}

TEST(FixedClock, WritesDayMonthYearAndPaddedTime) {
    FixedClock clock(moment(2024, 3, 7, 9, 5, 2));
    EXPECT_EQ(clock.shortDate(clock.now()), "07/03/2024");
    EXPECT_EQ(clock.longTime(clock.now()), "09:05:02");

    EXPECT_EQ(clock.shortDate(moment(1999, 12, 31, 23, 59, 59)), "31/12/1999");
    EXPECT_EQ(clock.longTime(moment(1999, 12, 31, 23, 59, 59)), "23:59:59");
    EXPECT_EQ(clock.longTime(moment(2000, 1, 1, 0, 0, 0)), "00:00:00");
}

}  // namespace
}  // namespace platform
