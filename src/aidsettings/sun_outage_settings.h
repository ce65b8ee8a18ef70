#pragma once

namespace tarvo {

class SettingsExchange;

// The dish the sun outages are predicted for, group [SunOutages] of pointing.ini.
struct SunOutageSettings {
    double DishDiameter = 1.8;  // metres
    double Frequency = 12;      // the downlink, GHz
};

void Exchange(SettingsExchange& io, SunOutageSettings& outages);

}  // namespace tarvo
