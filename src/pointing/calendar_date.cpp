#include "pointing/calendar_date.h"

#include <chrono>
#include <cstdio>

namespace tarvo {

CalendarDate TodayUtc() {
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day date{today};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

double DecimalYear(const CalendarDate& date) {
    using namespace std::chrono;
    const sys_days day{year{date.year} / month{static_cast<unsigned>(date.month)} /
                       std::chrono::day{static_cast<unsigned>(date.day)}};
    const sys_days newYear{year{date.year} / January / 1};
    const sys_days nextNewYear{year{date.year + 1} / January / 1};
    return date.year + static_cast<double>((day - newYear).count()) /
                           static_cast<double>((nextNewYear - newYear).count());
}

std::string DateText(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace tarvo
