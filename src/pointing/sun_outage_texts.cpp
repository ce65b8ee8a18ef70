#include "pointing/sun_outage_texts.h"

#include <cstdio>

namespace tarvo {

namespace {

std::string Fixed(double value, int places) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    return text;
}

}  // namespace

SunOutageTexts OutageTexts(const SunOutage& outage) {
    SunOutageTexts texts;
    texts.date = DateText(UtcDateOf(outage.start));
    texts.start = UtcClockText(outage.start);
    texts.end = UtcClockText(outage.end);
    texts.minutes = Fixed(static_cast<double>(outage.end - outage.start) / 60, 1);
    texts.closest = Fixed(outage.closestDeg, 2);
    texts.closestAt = UtcClockText(outage.closest).substr(0, 5);
    return texts;
}

std::string OutageAngleText(double degrees) {
    return Fixed(degrees, 3);
}

}  // namespace tarvo
