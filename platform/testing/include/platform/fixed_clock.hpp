#pragma once
#include "platform/clock.hpp"

namespace platform {

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
