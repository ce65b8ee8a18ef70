// The Help menu: the help document in its own viewer, and the About box.

#include <optional>
#include <string>

#include "dialogs/frm_about.h"
#include "mainwindow/frm_satellite.h"
#include "platform/bring_up.h"
#include "platform/platform_services.h"

namespace tarvo {

// The help document tarvo.hlp of the start-up folder, in the help viewer, which runs on
// its own. Whatever keeps it from opening (no document, no viewer) is reported, and the
// program goes on.
void frmSatellite::mnuCallHelp_Click() {
    const MainWindowState& s = state_;
    std::string helpFile = s.StartDir;
    if (!helpFile.empty() && helpFile.back() != '/') {
        helpFile += '/';
    }
    helpFile += "tarvo.hlp";
    if (const std::optional<std::string> failure = platform_.startHelpViewer(helpFile)) {
        platform_.messageBox(*failure, MsgButtons::Ok, MsgIcon::Exclamation, s.MsgTitle);
    }
}

// One About box, brought to the front (and out of the task bar) when it is open already.
void frmSatellite::mnuAbout_Click() {
    if (!about_ || !about_->isVisible()) {
        about_ = new frmAbout(this);
    }
    BringUp(*about_);
}

}  // namespace tarvo
