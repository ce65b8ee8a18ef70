#include "mainwindow/look_list_row_pass.h"

#include "common/number_text.h"

namespace tarvo {
namespace {

std::optional<std::string> Shown(const BoxText& box) {
    return box.exact ? std::optional<std::string>(box.text) : std::nullopt;
}

}  // namespace

LookListRowPass::LookListRowPass(const RowPassStart& start)
    : satName(Shown(start.satName)),
      satLong(Shown(start.satLong)),
      longitude(Shown(start.longitude)),
      latitude(Shown(start.latitude)),
      azimuth(Shown(start.azimuth)),
      elevation(Shown(start.elevation)),
      range(Shown(start.range)),
      series_(start.longitude.text, start.latitude.text, start.azOffset, start.elOffset) {}

void LookListRowPass::Calculate(const SatelliteRecord& row) {
    satName.Write(row.SatName);
    position_ = NumberText(row.SatLong);
    satLong.Write(position_);
    const LookAngleTexts& out = series_.Calculate(position_);
    last_ = &out;
    // The order of the main window's own calculation: coordinates, then results.
    if (out.LongitudeConverted()) {
        longitude.Write(out.longitude);
    }
    if (out.LatitudeConverted()) {
        latitude.Write(out.latitude);
    }
    azimuthAdjusted_ = out.azimuthAdjusted;
    elevationAdjusted_ = out.elevationAdjusted;
    range.Write(out.Complete() ? std::string_view(out.range) : std::string_view());
    elevation.Write(Elevation());
    azimuth.Write(Azimuth());
}

std::string_view LookListRowPass::Azimuth() const {
    return last_ != nullptr && last_->Complete() ? std::string_view(last_->azimuth)
                                                 : std::string_view();
}

std::string_view LookListRowPass::Elevation() const {
    return last_ != nullptr && last_->Complete() ? std::string_view(last_->elevation)
                                                 : std::string_view();
}

}  // namespace tarvo
