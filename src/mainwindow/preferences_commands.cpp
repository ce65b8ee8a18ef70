// "Edit Preferences": the preferences window over the settings, saved through the
// settings file writer of this window.

#include "dialogs/frm_pref.h"
#include "mainwindow/frm_satellite.h"
#include "platform/bring_up.h"

namespace tarvo {

// One preferences window at a time, beside this one. Choosing the command again
// brings it up (a minimised one too) refilled from the settings; edits not saved are lost.
void frmSatellite::mnuPreferences_Click() {
    MainWindowState& s = state_;
    if (!pref_ || !pref_->isVisible()) {
        pref_ = new frmPref(
            s.Settings, [this] { return WriteINIFile(); }, platform_, s.MsgTitle, this);
    }
    pref_->Fill();
    BringUp(*pref_);
}

}  // namespace tarvo
