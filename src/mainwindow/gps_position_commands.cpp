// Pointing, Position from GPS: the truck's position from its GPS receiver through gpsd,
// typed into the coordinate boxes as the crew would type it.

#include "aidsettings/aid_settings_store.h"
#include "aidwindows/frm_gps_position.h"
#include "gps/gps_outcome.h"
#include "mainwindow/frm_satellite.h"
#include "platform/bring_up.h"
#include "platform/handler.h"
#include "platform/text_box.h"

namespace tarvo {

frmGpsPosition* frmSatellite::GpsPositionWindow() const {
    return gpsPosition_.data();
}

// One request at a time: choosing the command while it waits brings its window up.
// Nothing in this window changes until a position comes; a failure is told by the
// request's window and changes nothing.
void frmSatellite::mnuGpsPosition_Click() {
    if (!gpsPosition_.isNull()) {
        BringUp(*gpsPosition_);
        return;
    }
    const GpsSettings& gps = aidSettings().Settings().Gps;
    gpsPosition_ = new frmGpsPosition(gps.Host, gps.Port, gpsWaits_, platform_, state_.MsgTitle,
                                      state_.LineBreak, this);
    connect(gpsPosition_, &frmGpsPosition::PositionFound, this, [this](const PositionReport& fix) {
        EventBoundary::Run([this, fix] { TypeGpsPosition(fix); });
    });
    gpsPosition_->Start();
}

// The boxes take degrees west and north with four decimals; each write raises the box's
// change as a keystroke does (the location list empties, "Save New Location" is
// enabled), then the window calculates.
// The height is taken after the writes, whose change handlers forget the one before.
void frmSatellite::TypeGpsPosition(const PositionReport& fix) {
    txtLongitude->setText(FourDecimals(-*fix.longitude));
    txtLatitude->setText(FourDecimals(*fix.latitude));
    gpsLongitude_ = txtLongitude->text();
    gpsLatitude_ = txtLatitude->text();
    gpsHeight_ = fix.HasHeight() ? fix.altitudeMsl : std::nullopt;
    Calculate();
}

}  // namespace tarvo
