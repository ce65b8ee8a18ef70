#pragma once

#include <string>

namespace tarvo {

class SettingsExchange;

// Where the truck's GPS receiver is served: the address of gpsd, group [GPS] of
// pointing.ini.
struct GpsSettings {
    std::string Host = "localhost";  // a host name or an IP address
    int Port = 2947;                 // gpsd's registered port
};

void Exchange(SettingsExchange& io, GpsSettings& gps);

}  // namespace tarvo
