#pragma once

#include <string_view>

#include "aidsettings/gps_settings.h"
#include "aidsettings/horizon_settings.h"
#include "aidsettings/sun_outage_settings.h"

namespace tarvo {

// The pointing aid's own settings, kept apart from tarvo.ini (which keeps its 14
// lines) in pointing.ini in the working folder: an INI file of QSettings, one group per
// concern, UTF-8.
//
// A new concern adds a struct with its defaults, an Exchange(SettingsExchange&, ...)
// function that lists its values once (gps_settings.cpp is the model), a member here
// and one line in ExchangeGroups (aid_settings.cpp).
inline constexpr std::string_view kAidSettingsFileName = "pointing.ini";

struct AidSettings {
    GpsSettings Gps;               // [GPS]
    HorizonSettings Horizon;       // [Horizon]
    SunOutageSettings SunOutages;  // [SunOutages]
};

// The settings held by a pointing.ini. A missing file gives the defaults; a value that
// is missing or does not read keeps its default, the rest are read. Throws FileError
// with the system's reason when a file is there but cannot be read (no access, a
// folder, a device). Lines that are no INI lines are passed over.
AidSettings ReadAidSettings(std::string_view fileName = kAidSettingsFileName);

// Rewrites pointing.ini whole and at once, as the program's other files are: a new
// file is written beside it and renamed over it. The groups of this program are
// written from `settings`; groups the program does not know (a later version's) are
// kept as the file held them. Throws FileWriteError with the system's reason; the old
// file is then as it was.
void WriteAidSettings(const AidSettings& settings,
                      std::string_view fileName = kAidSettingsFileName);

}  // namespace tarvo
