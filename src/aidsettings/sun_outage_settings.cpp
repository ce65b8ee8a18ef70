#include "aidsettings/sun_outage_settings.h"

#include "aidsettings/settings_exchange.h"

namespace tarvo {

namespace {

// Far beyond any truck's dish and any satellite band, but positive: a file edited by
// hand to 0 or a negative value keeps the default.
constexpr double kSmallest = 1e-6;
constexpr double kLargest = 1e6;

}  // namespace

void Exchange(SettingsExchange& io, SunOutageSettings& outages) {
    io.Number("DishDiameter", outages.DishDiameter, kSmallest, kLargest);
    io.Number("Frequency", outages.Frequency, kSmallest, kLargest);
}

}  // namespace tarvo
