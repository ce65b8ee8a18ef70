// Pointing, Sun Outages: the sun outage table, given this window's view, the pointing
// aid's settings and the platform services, never the controls.

#include "aidwindows/frm_sun_outage.h"
#include "mainwindow/frm_satellite.h"
#include "platform/bring_up.h"

namespace tarvo {

frmSunOutage* frmSatellite::SunOutageWindow() const {
    return sunOutage_.data();
}

// One sun outage window at a time, beside this window: choosing the command again
// brings it up (a minimised one too).
void frmSatellite::mnuSunOutages_Click() {
    if (sunOutage_.isNull()) {
        sunOutage_ = new frmSunOutage(view(), aidSettings(), platform_, this);
    }
    BringUp(*sunOutage_);
}

}  // namespace tarvo
