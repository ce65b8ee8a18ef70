#include "catalogue/satellite_search.h"

#include <string>

#include "common/fixed_text.h"
#include "common/numeric_value.h"

namespace tarvo {

// The lists may hold 32,766 names: the searches compare views, copying nothing.

std::optional<std::int16_t> FindSatelliteByName(const SatelliteTable& table,
                                                std::string_view text) {
    const std::string_view wanted = TrimSpacesView(text.substr(0, kSatNameWidth));
    for (int row = 1; row <= table.SatLast(); ++row) {
        if (EqualInCapitals(TrimSpacesView(table.Row(row).SatName), wanted)) {
            return static_cast<std::int16_t>(row);
        }
    }
    return std::nullopt;
}

std::optional<std::int16_t> FindSatelliteByLongitude(const SatelliteTable& table,
                                                     std::string_view text) {
    const double wanted = NumericValue(text);
    for (int row = 1; row <= table.SatLast(); ++row) {
        if (table.Row(row).SatLong == wanted) {
            return static_cast<std::int16_t>(row);
        }
    }
    return std::nullopt;
}

bool IsDuplicateSatelliteName(const SatelliteTable& table, std::string_view name) {
    const std::string_view wanted = TrimSpacesView(name);
    for (int row = 1; row <= table.SatLast(); ++row) {
        if (TrimSpacesView(table.Row(row).SatName) == wanted) {
            return true;
        }
    }
    return false;
}

}  // namespace tarvo
