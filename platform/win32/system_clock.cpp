// The local time, written in the user's short date and long time formats.
#include <windows.h>

#include <vector>

#include "platform/win32_services.hpp"
#include "platform/win32_text.hpp"

namespace platform {

namespace {

SYSTEMTIME systemTimeOf(const DateTime& when) {
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(when.year);
    time.wMonth = static_cast<WORD>(when.month);
    time.wDay = static_cast<WORD>(when.day);
    time.wHour = static_cast<WORD>(when.hour);
    time.wMinute = static_cast<WORD>(when.minute);
    time.wSecond = static_cast<WORD>(when.second);
    return time;
}

// Both format functions answer the needed length when given no buffer; 0 means
// the moment could not be formatted (an invalid date, for instance), giving "".
template <typename Format>
std::string formatted(Format format) {
    int length = format(nullptr, 0);
    if (length <= 0) return {};
    std::vector<wchar_t> text(static_cast<std::size_t>(length));
    length = format(text.data(), length);
    if (length <= 0) return {};
    return narrow(std::wstring(text.data(), static_cast<std::size_t>(length - 1)));
}

class SystemClock : public Clock {
public:
    DateTime now() override {
        SYSTEMTIME time;
        GetLocalTime(&time);
        DateTime when;
        when.year = time.wYear;
        when.month = time.wMonth;
        when.day = time.wDay;
        when.hour = time.wHour;
        when.minute = time.wMinute;
        when.second = time.wSecond;
        return when;
    }

    std::string shortDate(const DateTime& when) override {
        const SYSTEMTIME time = systemTimeOf(when);
        return formatted([&](wchar_t* buffer, int size) {
            return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, buffer, size);
        });
    }

    std::string longTime(const DateTime& when) override {
        const SYSTEMTIME time = systemTimeOf(when);
        return formatted([&](wchar_t* buffer, int size) {
            return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, buffer, size);
        });
    }
};

}  // namespace

std::unique_ptr<Clock> makeSystemClock() {
    return std::unique_ptr<Clock>(new SystemClock());
}

}  // namespace platform
