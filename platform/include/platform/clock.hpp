#pragma once
// The clock and the user's date and time formats.
#include <string>

namespace platform {

struct DateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() = 0;
    // The moment written in the user's short date format, and in the long time format.
    virtual std::string shortDate(const DateTime& when) = 0;
    virtual std::string longTime(const DateTime& when) = 0;
};

}  // namespace platform
