// The Pointing menu: the pointing aid, given this window's view and the platform
// services, never the controls.

#include "aidsettings/aid_settings_store.h"
#include "aidwindows/frm_pointing.h"
#include "aidwindows/magnetic_model_folder.h"
#include "mainwindow/frm_satellite.h"
#include "platform/bring_up.h"

namespace tarvo {

AidSettingsStore& frmSatellite::aidSettings() {
    if (aidSettings_ == nullptr) {
        ownAidSettings_ = std::make_unique<AidSettingsStore>();
        aidSettings_ = ownAidSettings_.get();
    }
    return *aidSettings_;
}

frmPointing* frmSatellite::PointingWindow() const {
    return pointing_.data();
}

// One pointing aid at a time, beside this window: choosing the command again brings
// it up (a minimised one too).
void frmSatellite::mnuPointingAid_Click() {
    if (pointing_.isNull()) {
        pointing_ =
            new frmPointing(view(), aidSettings(), platform_, InstalledMagneticModel(), this);
    }
    BringUp(*pointing_);
}

}  // namespace tarvo
