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

std::optional<std::int16_t> FindShownSatellite(const SatelliteTable& table,
                                               std::string_view nameText,
                                               std::string_view positionText, int preferred) {
    const std::string_view name = TrimSpacesView(nameText);
    const double position = NumericValue(positionText);
    const auto shown = [&](int row) {
        const SatelliteRecord& record = table.Row(row);
        return record.SatLong == position && TrimSpacesView(record.SatName) == name;
    };
    if (preferred >= 1 && preferred <= table.SatLast() && shown(preferred)) {
        return static_cast<std::int16_t>(preferred);
    }
    for (int row = 1; row <= table.SatLast(); ++row) {
        if (shown(row)) {
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
