// Calculate: the look angles from the satellite and truck positions in the controls.

#include "common/failure.h"
#include "common/number_text.h"
#include "common/numeric_value.h"
#include "geometry/convert_to_decimal.h"
#include "geometry/look_angle.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/updating_guard.h"
#include "platform/combo_box.h"
#include "platform/label.h"
#include "platform/text_box.h"

namespace tarvo {
namespace {

const char* AzimuthCaption(double azOffset) {
    return azOffset != 0 ? "Adjusted Azimuth:" : "Azimuth:";
}

const char* ElevationCaption(double elOffset) {
    return elOffset != 0 ? "Adjusted Elevation:" : "Elevation:";
}

}  // namespace

void frmSatellite::Calculate() {
    MainWindowState& s = state_;
    try {
        // Each position must be above 0 (west, north); the first that is not ends it.
        if (NumericValue(cboSatLong->text()) <= 0 || NumericValue(txtLongitude->text()) <= 0 ||
            NumericValue(txtLatitude->text()) <= 0) {
            ClearResults();
            return;
        }

        // The coordinate boxes are rewritten in decimal degrees, longitude first, as the
        // program's own write: the location shown stays the location chosen.
        {
            UpdatingGuard updating(s.Updating);
            txtLongitude->setText(NumberText(ConvertToDecimal(txtLongitude->text())));
            txtLatitude->setText(NumberText(ConvertToDecimal(txtLatitude->text())));
        }

        // The angles come from the texts as they now stand (40.5042, not 40.504166...).
        const LookAngles angles = ComputeLookAngles(
            NumericValue(cboSatLong->text()), NumericValue(txtLongitude->text()),
            NumericValue(txtLatitude->text()), s.Settings.AzOffset, s.Settings.ElOffset);

        lblAzimuth->setCaption(AzimuthCaption(s.Settings.AzOffset));
        txtAzimuth->setText(NumberText(angles.azimuth));
        lblElevation->setCaption(ElevationCaption(s.Settings.ElOffset));
        txtElevation->setText(NumberText(angles.elevation));
        txtRange->setText(NumberText(angles.range));
    } catch (const RunTimeFailure& failure) {
        // The captions decided before the failure stand, as they would had the window
        // set each one on its way through the calculation. A failure while reading or
        // converting the texts decides none.
        const auto* lookFailure = dynamic_cast<const LookAngleFailure*>(&failure);
        const int captionsDecided = lookFailure != nullptr ? lookFailure->captionsDecided : 0;
        if (captionsDecided >= 1) {
            lblAzimuth->setCaption(AzimuthCaption(s.Settings.AzOffset));
        }
        if (captionsDecided >= 2) {
            lblElevation->setCaption(ElevationCaption(s.Settings.ElOffset));
        }
        ClearResults();
    }
}

void frmSatellite::ClearResults() {
    txtRange->setText("");
    txtElevation->setText("");
    txtAzimuth->setText("");
}

}  // namespace tarvo
