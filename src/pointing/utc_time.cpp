#include "pointing/utc_time.h"

#include <erfa.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace tarvo {

namespace {

std::chrono::sys_days DayOf(const CalendarDate& date) {
    using namespace std::chrono;
    return sys_days{year{date.year} / month{static_cast<unsigned>(date.month)} /
                    day{static_cast<unsigned>(date.day)}};
}

CalendarDate DateOf(std::chrono::sys_days day) {
    const std::chrono::year_month_day date{day};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

// Days since 1970-01-01 and the second of that day, rounded down.
std::int64_t DayNumber(double seconds) {
    return static_cast<std::int64_t>(std::floor(seconds / kSecondsPerDay));
}

}  // namespace

UtcSeconds UtcMidnight(const CalendarDate& date) {
    return static_cast<UtcSeconds>(DayOf(date).time_since_epoch().count()) * kSecondsPerDay;
}

CalendarDate UtcDateOf(UtcSeconds instant) {
    const auto days = DayNumber(static_cast<double>(instant));
    return DateOf(std::chrono::sys_days{std::chrono::days{days}});
}

std::string UtcClockText(UtcSeconds instant) {
    const UtcSeconds second = instant - DayNumber(static_cast<double>(instant)) * kSecondsPerDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(second / 3600),
                  static_cast<int>(second / 60 % 60), static_cast<int>(second % 60));
    return text;
}

ErfaInstant ErfaInstantOf(double seconds) {
    const std::int64_t days = DayNumber(seconds);
    const double ofDay = seconds - static_cast<double>(days) * kSecondsPerDay;
    const CalendarDate date = DateOf(std::chrono::sys_days{std::chrono::days{days}});
    const int hour = static_cast<int>(ofDay / 3600);
    const int minute = static_cast<int>((ofDay - hour * 3600) / 60);
    const double second = ofDay - hour * 3600 - minute * 60;

    ErfaInstant instant;
    double utc1 = 0, utc2 = 0, tai1 = 0, tai2 = 0;
    // A positive status only says the year lies beyond ERFA's table, whose last leap
    // second then still holds; a negative one is a date it cannot take.
    if (eraDtf2d("UTC", date.year, date.month, date.day, hour, minute, second, &utc1, &utc2) < 0 ||
        eraUtctai(utc1, utc2, &tai1, &tai2) < 0 ||
        eraTaitt(tai1, tai2, &instant.tt1, &instant.tt2) != 0) {
        throw std::domain_error("no UTC for this date");
    }
    instant.ut1 = utc1;
    instant.ut2 = utc2;
    return instant;
}

}  // namespace tarvo
