#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "mainwindow/frm_satellite.h"
#include "platform/combo_box.h"
#include "platform/label.h"
#include "support/scripted_platform.h"
#include "platform/text_box.h"
#include "support/temp_folder.h"

namespace tarvo::testing {

// The texts of the three result boxes.
struct Results {
    std::string azimuth, elevation, range;
    bool operator==(const Results&) const = default;
};

inline void PrintTo(const Results& r, std::ostream* os) {
    *os << "{az \"" << r.azimuth << "\", el \"" << r.elevation << "\", range \"" << r.range
        << "\"}";
}

// The real main window on the scripted platform, offscreen, in a fresh working folder.
class FormTest : public ::testing::Test {
  protected:
    FormTest() : form(std::make_unique<frmSatellite>(platform)) {}

    // Puts a satellite and a truck position into the controls as the program would.
    void Enter(const std::string& satLong, const std::string& longitude,
               const std::string& latitude) {
        form->cboSatLong->setText(satLong);
        form->txtLongitude->setText(longitude);
        form->txtLatitude->setText(latitude);
    }

    Results Shown() const {
        return {form->txtAzimuth->text(), form->txtElevation->text(), form->txtRange->text()};
    }

    // The results of one calculation from these inputs, with the offsets now set.
    Results CalculateFor(const std::string& satLong, const std::string& longitude,
                         const std::string& latitude) {
        Enter(satLong, longitude, latitude);
        form->Calculate();
        return Shown();
    }

    test::TempFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<frmSatellite> form;
};

}  // namespace tarvo::testing
