// Pointing, Sky View: the sky view, given this window's view, the pointing aid's settings
// and the platform services, never the controls.

#include "aidwindows/frm_sky_view.h"
#include "mainwindow/frm_satellite.h"
#include "platform/bring_up.h"

namespace tarvo {

frmSkyView* frmSatellite::SkyViewWindow() const {
    return skyView_.data();
}

// One sky view at a time, beside this window: choosing the command again brings it up
// (a minimised one too).
void frmSatellite::mnuSkyView_Click() {
    if (skyView_.isNull()) {
        skyView_ = new frmSkyView(view(), aidSettings(), platform_, this);
    }
    BringUp(*skyView_);
}

}  // namespace tarvo
