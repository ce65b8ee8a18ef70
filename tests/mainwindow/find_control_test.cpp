#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <functional>
#include <string>

#include "form_fixture.h"
#include "platform/check_box.h"
#include "platform/option_button.h"
#include "support/find_control.h"

namespace tarvo::testing {
namespace {

using test::ControlNotFound;
using test::Find;

using FindControlTest = FormTest;

// Each kind of control of the main window, found by its name, shows the words the window
// gives it; a name the window does not have, or a control of another kind, is refused
// with the name in the message.
TEST_F(FindControlTest, FindsEachKindByNameAndRefusesOthers) {
    using Words = std::function<QString(const QObject&)>;
    const struct {
        const char* name;
        Words words;
        const char* expected;
    } cases[] = {
        {"frmCoordinates",
         [](const QObject& w) { return Find<QGroupBox>(w, "frmCoordinates")->title(); },
         "Truck Location"},
        {"lblLongitude", [](const QObject& w) { return Find<Label>(w, "lblLongitude")->text(); },
         "West Long:"},
        // A text box is named by its buddy label.
        {"txtLatitude",
         [](const QObject& w) {
             const QWidget* box = Find<TextBox>(w, "txtLatitude");
             return Find<Label>(w, "lblLatitude")->buddy() == box ? QString("buddy") : QString();
         },
         "buddy"},
        {"cboSatLong",
         [](const QObject& w) { return Find<ComboBox>(w, "cboSatLong")->accessibleName(); },
         "West Longitude:"},
        {"optArc", [](const QObject& w) { return Find<OptionButton>(w, "optArc")->text(); }, "Arc"},
        {"chkLookList",
         [](const QObject& w) { return Find<CheckBox>(w, "chkLookList")->accessibleName(); },
         "Include in Look List:"},
        {"imgSatTruck",
         [](const QObject& w) { return Find<QLabel>(w, "imgSatTruck")->accessibleName(); },
         "Satellite truck"},
        {"cmdSaveLocation",
         [](const QObject& w) { return Find<QPushButton>(w, "cmdSaveLocation")->text(); },
         "Save New Location"},
        {"mnuLocations", [](const QObject& w) { return Find<QMenu>(w, "mnuLocations")->title(); },
         "&Locations"},
        {"mnuAbout", [](const QObject& w) { return Find<QAction>(w, "mnuAbout")->text(); },
         "About S.N.G. Tarvo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.words(*form).toStdString(), c.expected);
    }

    const auto refusal = [this](const std::function<void(const QObject&)>& find) {
        try {
            find(*form);
        } catch (const ControlNotFound& e) {
            return std::string(e.what());
        }
        return std::string("nothing thrown");
    };
    EXPECT_EQ(refusal([](const QObject& w) { Find<TextBox>(w, "txtNoSuchBox"); }),
              "no control named \"txtNoSuchBox\" in frmSatellite");
    EXPECT_EQ(refusal([](const QObject& w) { Find<TextBox>(w, "lblLongitude"); }),
              "the control named \"lblLongitude\" in frmSatellite is a tarvo::Label, not the "
              "kind asked for");

    // A window the main window opens is its child, but its controls are its own: the main
    // window's result box is found while another window holds one of the same name.
    auto* other = new QWidget(form.get(), Qt::Window);
    auto* otherBox = new TextBox(other);
    otherBox->setObjectName("txtAzimuth");
    EXPECT_NE(Find<TextBox>(*form, "txtAzimuth"), otherBox);
    EXPECT_EQ(Find<Label>(*form, "lblAzimuth")->buddy(), Find<TextBox>(*form, "txtAzimuth"));
    // Two of one name in the window itself are refused.
    (new TextBox(form->centralWidget()))->setObjectName("txtAzimuth");
    EXPECT_EQ(refusal([](const QObject& w) { Find<TextBox>(w, "txtAzimuth"); }),
              "2 controls named \"txtAzimuth\" in frmSatellite");
}

}  // namespace
}  // namespace tarvo::testing
