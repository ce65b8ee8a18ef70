#include "aidwindows/sun_outage_rows.h"

#include <QDateTime>

#include "pointing/sun_outage_texts.h"

namespace tarvo {

namespace {

std::string LocalClockText(UtcSeconds instant, const std::string& utcDate, const QTimeZone& zone) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(instant, zone);
    std::string text = local.toString(QStringLiteral("HH:mm:ss")).toStdString();
    const std::string date = local.toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    if (date != utcDate) {
        text += " (" + date + ")";
    }
    return text;
}

}  // namespace

std::vector<std::string> SunOutageColumns(bool withSatellite) {
    std::vector<std::string> columns{"Date",        "Start (UTC)", "End (UTC)", "Start (local)",
                                     "End (local)", "Minutes",     "Closest"};
    if (withSatellite) {
        columns.insert(columns.begin(), "Satellite");
    }
    return columns;
}

std::vector<std::string> SunOutageRow(const SunOutage& outage, const QTimeZone& zone) {
    const SunOutageTexts texts = OutageTexts(outage);
    return {texts.date,
            texts.start,
            texts.end,
            LocalClockText(outage.start, texts.date, zone),
            LocalClockText(outage.end, texts.date, zone),
            texts.minutes,
            texts.closest};
}

}  // namespace tarvo
