// Calculate: the look angles from the satellite and truck positions in the controls.

#include <utility>

#include "common/fixed_text.h"
#include "geometry/look_angle_texts.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/satellite_window_view.h"
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
    CalculateIntoControls();
    RecordShownCalculation();
}

void frmSatellite::CalculateIntoControls() {
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

    ShowResultCaptions(out.stage, out.azimuthAdjusted, out.elevationAdjusted);
    if (!out.Complete()) {
        ClearResults();
        return;
    }
    txtAzimuth->setText(out.azimuth);
    txtElevation->setText(out.elevation);
    txtRange->setText(out.range);
}

// Each caption is decided with its quantity; a calculation that failed before a
// quantity leaves that caption as it was.
void frmSatellite::ShowResultCaptions(CalculationStage reached, bool azimuthAdjusted,
                                      bool elevationAdjusted) {
    if (reached >= CalculationStage::FailedBeforeElevation) {
        lblAzimuth->setCaption(AzimuthCaption(azimuthAdjusted));
    }
    if (reached >= CalculationStage::FailedBeforeRange) {
        lblElevation->setCaption(ElevationCaption(elevationAdjusted));
    }
}

void frmSatellite::RecordShownCalculation() {
    ShownCalculation shown;
    shown.locationName = TrimSpaces(cboLocations->text());
    shown.longitude = TrimSpaces(txtLongitude->text());
    shown.latitude = TrimSpaces(txtLatitude->text());
    shown.satelliteName = TrimSpaces(cboSatName->text());
    shown.satelliteLongitude = TrimSpaces(cboSatLong->text());
    shown.azimuthCaption = lblAzimuth->caption();
    shown.elevationCaption = lblElevation->caption();
    shown.azimuth = txtAzimuth->text();
    shown.elevation = txtElevation->text();
    shown.range = txtRange->text();
    if (gpsHeight_ && txtLongitude->text() == gpsLongitude_ &&
        txtLatitude->text() == gpsLatitude_) {
        shown.gpsHeight = gpsHeight_;
    }
    view_->Record(std::move(shown));
}

void frmSatellite::ClearResults() {
    txtRange->setText("");
    txtElevation->setText("");
    txtAzimuth->setText("");
}

}  // namespace tarvo
