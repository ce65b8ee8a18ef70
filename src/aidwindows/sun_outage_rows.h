#pragma once

#include <QTimeZone>
#include <string>
#include <vector>

#include "pointing/sun_outage.h"

namespace tarvo {

// The captions of the sun outage table: "Date", the start and end in UTC and in the
// computer's time zone, "Minutes", "Closest"; with "Satellite" first for a table of
// several satellites.
std::vector<std::string> SunOutageColumns(bool withSatellite);

// One outage as a row under those captions: "2027-03-01", "18:49:20", "18:54:40", the
// same instants in `zone` ("13:49:20"; "00:49:20 (2027-03-02)" when the zone's day is
// not the row's), "5.3", "0.12".
std::vector<std::string> SunOutageRow(const SunOutage& outage, const QTimeZone& zone);

}  // namespace tarvo
