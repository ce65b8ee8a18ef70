#include "mainwindow/satellite_window_view.h"

#include <utility>

#include "catalogue/satellite_order.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/look_list_pdf.h"

namespace tarvo {

SatelliteWindowView::SatelliteWindowView(frmSatellite& window, PlatformServices& platform)
    : MainWindowView(&window), window_(window), state_(window.state()), platform_(platform) {}

std::vector<std::int16_t> SatelliteWindowView::LookListRows() const {
    return tarvo::LookListRows(state_.SatelliteTable, state_.Settings.SortAlpha != 0,
                               state_.SatOrder);
}

std::optional<std::string> SatelliteWindowView::ChoosePdfFile(const std::string& offeredName,
                                                              const std::string& document) {
    return tarvo::ChoosePdfFile(platform_, state_, {offeredName, document});
}

void SatelliteWindowView::ChooseSatellite(std::int16_t row) {
    window_.ChooseSatellite(row);
}

void SatelliteWindowView::Record(ShownCalculation shown) {
    shown_ = std::move(shown);
    emit Calculated();
}

}  // namespace tarvo
