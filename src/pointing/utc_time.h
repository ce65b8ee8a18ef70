#pragma once

#include <cstdint>
#include <string>

#include "pointing/calendar_date.h"

namespace tarvo {

// An instant in UTC as the computer's clock counts it: seconds since 1970-01-01
// 00:00:00 UTC, every day 86,400 of them, a leap second itself not among them.
using UtcSeconds = std::int64_t;

inline constexpr UtcSeconds kSecondsPerDay = 86400;

// The first second of a day.
UtcSeconds UtcMidnight(const CalendarDate& date);

// The day a second falls on.
CalendarDate UtcDateOf(UtcSeconds instant);

// "18:49:20": the time of day of a second in UTC.
std::string UtcClockText(UtcSeconds instant);

// An instant as ERFA's routines take it, each as two parts of a Julian date: terrestrial
// time, through the leap seconds of ERFA's own table, and UT1, taken as UTC (the
// difference, under a second, is not published ahead).
struct ErfaInstant {
    double tt1 = 0, tt2 = 0;
    double ut1 = 0, ut2 = 0;
};

// The instant `seconds` (fractions allowed) after 1970-01-01 00:00:00 UTC. Before 1960
// there is no UTC and ERFA takes none of its leap seconds. Throws std::domain_error for
// a date ERFA refuses.
ErfaInstant ErfaInstantOf(double seconds);

}  // namespace tarvo
