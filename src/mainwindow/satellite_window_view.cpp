#include "mainwindow/satellite_window_view.h"

#include <utility>

#include "catalogue/satellite_order.h"

namespace tarvo {

std::vector<std::int16_t> SatelliteWindowView::LookListRows() const {
    return tarvo::LookListRows(state_.SatelliteTable, state_.Settings.SortAlpha != 0,
                               state_.SatOrder);
}

void SatelliteWindowView::Record(ShownCalculation shown) {
    shown_ = std::move(shown);
    emit Calculated();
}

}  // namespace tarvo
