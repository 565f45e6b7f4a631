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

// A clock for tests: a fixed moment, written as dd/mm/yyyy and hh:mm:ss.
class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime when) : when_(when) {}
    void set(DateTime when) { when_ = when; }
    DateTime now() override { return when_; }
    std::string shortDate(const DateTime& when) override;
    std::string longTime(const DateTime& when) override;

private:
    DateTime when_;
};

}  // namespace platform
