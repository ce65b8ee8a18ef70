// Calculate: the look angles from the satellite and truck positions in the controls.

#include "geometry/look_angle_texts.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/updating_guard.h"
#include "platform/combo_box.h"
#include "platform/label.h"
#include "platform/text_box.h"

namespace tarvo {
namespace {

const char* AzimuthCaption(bool adjusted) {
    return adjusted ? "Adjusted Azimuth:" : "Azimuth:";
}

const char* ElevationCaption(bool adjusted) {
    return adjusted ? "Adjusted Elevation:" : "Elevation:";
}

}  // namespace

void frmSatellite::Calculate() {
    MainWindowState& s = state_;
    const LookAngleTexts out =
        CalculateLookAngleTexts(cboSatLong->text(), txtLongitude->text(), txtLatitude->text(),
                                s.Settings.AzOffset, s.Settings.ElOffset);
    if (out.stage == CalculationStage::Rejected) {
        ClearResults();
        return;
    }

    // The coordinate boxes are rewritten in decimal degrees, longitude first, as the
    // program's own write: the location shown stays the location chosen.
    {
        UpdatingGuard updating(s.Updating);
        if (out.LongitudeConverted()) {
            txtLongitude->setText(out.longitude);
        }
        if (out.LatitudeConverted()) {
            txtLatitude->setText(out.latitude);
        }
    }

    // Each caption is decided with its quantity; a calculation that failed before a
    // quantity leaves that caption as it was.
    if (out.AzimuthReached()) {
        lblAzimuth->setCaption(AzimuthCaption(out.azimuthAdjusted));
    }
    if (!out.Complete()) {
        if (out.ElevationReached()) {
            lblElevation->setCaption(ElevationCaption(out.elevationAdjusted));
        }
        ClearResults();
        return;
    }
    txtAzimuth->setText(out.azimuth);
    lblElevation->setCaption(ElevationCaption(out.elevationAdjusted));
    txtElevation->setText(out.elevation);
    txtRange->setText(out.range);
}

void frmSatellite::ClearResults() {
    txtRange->setText("");
    txtElevation->setText("");
    txtAzimuth->setText("");
}

}  // namespace tarvo
