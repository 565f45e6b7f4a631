#include "platform/fixed_clock.hpp"

#include <cstdio>

namespace platform {

std::string FixedClock::shortDate(const DateTime& when) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", when.day, when.month, when.year);
    return text;
}

std::string FixedClock::longTime(const DateTime& when) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", when.hour, when.minute, when.second);
    return text;
}

}  // namespace platform
