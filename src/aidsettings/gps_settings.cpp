#include "aidsettings/gps_settings.h"

#include <algorithm>
#include <string_view>

#include "aidsettings/settings_exchange.h"

namespace tarvo {

namespace {

// A host is one word: no spaces, no control characters, not empty.
bool IsHostName(std::string_view text) {
    return !text.empty() && std::none_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == 0x7F;
    });
}

}  // namespace

void Exchange(SettingsExchange& io, GpsSettings& gps) {
    io.Text("Host", gps.Host, IsHostName);
    io.Integer("Port", gps.Port, 1, 65535);
}

}  // namespace tarvo
