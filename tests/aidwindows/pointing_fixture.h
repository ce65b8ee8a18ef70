#pragma once

#include <filesystem>
#include <string>

#include "aidwindows/frm_pointing.h"
#include "aidwindows/value_box.h"
#include "mainwindow/form_fixture.h"
#include "platform/qt_text.h"
#include "pointing/magnetic_declination.h"

namespace tarvo::testing {

// The main window on the sample working folder ("Atlanta, GA" at 84.39 W, 33.75 N, the
// default satellite Galaxy 19 at 97 W; five satellites on the look list, names listed
// alphabetically), and the pointing aid beside it on the model the build converted,
// with the computer's clock held at 7 December 2026. The aid reads the main window's
// store of pointing.ini (none in the folder: flat horizons).
class PointingTest : public FormTest {
  protected:
    static constexpr CalendarDate kToday{2026, 12, 7};

    void StartOnSamples() {
        for (const auto& entry : std::filesystem::directory_iterator(TARVO_SAMPLES)) {
            std::filesystem::copy_file(entry.path(), folder.file(entry.path().filename()));
        }
        form->Form_Load();
    }

    frmPointing* OpenAid(CalendarDate today = kToday,
                         MagneticModelFiles model = {TARVO_MAGNETIC_DIR, TARVO_MAGNETIC_MODEL}) {
        aid = new frmPointing(form->view(), form->aidSettings(), platform, model, form.get(),
                              [today] { return today; });
        return aid;
    }

    static std::string Shown(const ValueBox* box) { return FromQString(box->text()); }

    // The model's own declination at a place today (degrees east), for figures that
    // follow from it.
    static double DeclinationAt(double latNorth, double lonWest, CalendarDate date = kToday) {
        static const MagneticDeclination model(TARVO_MAGNETIC_DIR, TARVO_MAGNETIC_MODEL);
        return *model.DeclinationDeg(latNorth, -lonWest, DecimalYear(date));
    }

    frmPointing* aid = nullptr;  // a child of the main window
};

}  // namespace tarvo::testing
