#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "mainwindow/frm_satellite.h"
#include "platform/combo_box.h"
#include "platform/label.h"
#include "platform/text_box.h"
#include "support/find_control.h"
#include "support/main_window_access.h"
#include "support/scripted_platform.h"
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
        test::Find<ComboBox>(*form, "cboSatLong")->setText(satLong);
        test::Find<TextBox>(*form, "txtLongitude")->setText(longitude);
        test::Find<TextBox>(*form, "txtLatitude")->setText(latitude);
    }

    Results Shown() const {
        return {test::Find<TextBox>(*form, "txtAzimuth")->text(),
                test::Find<TextBox>(*form, "txtElevation")->text(),
                test::Find<TextBox>(*form, "txtRange")->text()};
    }

    // The results of one calculation from these inputs, with the offsets now set.
    Results CalculateFor(const std::string& satLong, const std::string& longitude,
                         const std::string& latitude) {
        Enter(satLong, longitude, latitude);
        form->Calculate();
        return Shown();
    }

    // Runs the application's event loop, in which `exit` is done as the first event, as
    // the user's Exit would be; returns the loop's exit code (99: it did not end).
    static int RunUntilExit(const std::function<void()>& exit) {
        QTimer::singleShot(0, exit);
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        limit.start(5000);
        return QApplication::exec();
    }

    test::TempFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<frmSatellite> form;
};

}  // namespace tarvo::testing
