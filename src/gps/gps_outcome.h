#pragma once

#include <string>
#include <string_view>

#include "gps/gpsd_report.h"

namespace tarvo {

// How asking gpsd for the truck's position ended.
struct GpsOutcome {
    enum class Kind {
        Position,        // a fix north of the equator and west of Greenwich, in `report`
        OutOfRange,      // a fix south of the equator or east of Greenwich, in `report`
        CannotReach,     // no connection to gpsd; the system's reason in `reason`
        NoFix,           // reports came, none with a fix, within the time allowed
        ReportsStopped,  // no position report came for the time allowed between two
        Closed,          // gpsd closed the connection before a fix
        Garbage,         // gpsd sent a line that is no gpsd report, or one far too long
    };
    Kind kind = Kind::NoFix;
    PositionReport report;
    std::string reason;
};

// A report with a fix as the program takes it: a position it works with, or one out of
// its range (it works with north latitudes and west longitudes only; the equator and
// Greenwich are in).
GpsOutcome JudgeFix(const PositionReport& fix);

// The text told to the crew for an outcome other than Position; `address` names the
// service ("localhost:2947") and `lineBreak` breaks the lines of a message box.
std::string GpsOutcomeText(const GpsOutcome& outcome, std::string_view address,
                           std::string_view lineBreak);

// Degrees with four decimals, as the position boxes are filled: "-0.0000" never.
std::string FourDecimals(double degrees);

}  // namespace tarvo
