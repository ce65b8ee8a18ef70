#pragma once

#include <string>

namespace tarvo {

// A day of the Gregorian calendar.
struct CalendarDate {
    int year = 2025;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    bool operator==(const CalendarDate&) const = default;
};

// Today's date by the computer's clock, in UTC.
CalendarDate TodayUtc();

// The date as a decimal year, as the magnetic models take it: the year plus the days
// before the date over the days of that year (2025-01-01 is 2025.0, 2024-07-02 is
// 2024.5 in that leap year, 2024-12-31 is 2024 + 365/366).
double DecimalYear(const CalendarDate& date);

// "2026-12-07".
std::string DateText(const CalendarDate& date);

}  // namespace tarvo
