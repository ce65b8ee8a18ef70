#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>

#include "form_fixture.h"
#include "platform/option_button.h"

namespace tarvo::testing {
namespace {

// The value of Updating that each user event leaves behind, starting from the sample
// working folder just after start-up (Updating 0).
struct UserEvent {
    const char* name;
    std::function<void(frmSatellite&)> act;
    std::int16_t after;
};

class UpdatingTest : public FormTest, public ::testing::WithParamInterface<UserEvent> {};

TEST_P(UpdatingTest, AfterEachUserEvent) {
    for (const char* file : {"tarvo.ini", "tarvo.sat", "tarvo.loc"}) {
        std::filesystem::copy_file(std::filesystem::path(TARVO_SAMPLES) / file, folder.file(file));
    }
    form->Form_Load();
    ASSERT_EQ(form->state().Updating, 0);
    GetParam().act(*form);
    EXPECT_EQ(form->state().Updating, GetParam().after);
}

// Typing into a coordinate box empties the location name, whose change handler leaves
// Updating at -1 so that the rest of the typing keeps the box's new text.
INSTANTIATE_TEST_SUITE_P(
    Events, UpdatingTest,
    ::testing::Values(
        UserEvent{"Calculate",
                  [](frmSatellite& f) {
                      QTest::mouseClick(test::Find<QPushButton>(f, "cmdCalculate"), Qt::LeftButton);
                  },
                  0},
        UserEvent{"SatelliteName",
                  [](frmSatellite& f) { test::Find<ComboBox>(f, "cboSatName")->choose(2); }, 0},
        UserEvent{"SatellitePosition",
                  [](frmSatellite& f) { test::Find<ComboBox>(f, "cboSatLong")->choose(1); }, 0},
        UserEvent{"LocationFound",
                  [](frmSatellite& f) { test::Find<ComboBox>(f, "cboLocations")->choose(0); }, 0},
        UserEvent{"LocationNotFound",
                  [](frmSatellite& f) {
                      test::Find<ComboBox>(f, "cboLocations")->setText("Nowhere at all");
                      test::WritableState(f).Updating = 0;
                      f.cboLocations_Click();
                  },
                  -1},
        UserEvent{
            "TypeLatitude",
            [](frmSatellite& f) { QTest::keyClicks(test::Find<TextBox>(f, "txtLatitude"), "5"); },
            -1},
        UserEvent{
            "TypeLongitude",
            [](frmSatellite& f) { QTest::keyClicks(test::Find<TextBox>(f, "txtLongitude"), "5"); },
            -1},
        UserEvent{
            "TypeLocationName",
            [](frmSatellite& f) { QTest::keyClicks(test::Find<ComboBox>(f, "cboLocations"), "x"); },
            -1},
        UserEvent{"OrderArc",
                  [](frmSatellite& f) { test::Find<OptionButton>(f, "optArc")->userClick(); }, 0}),
    [](const ::testing::TestParamInfo<UserEvent>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvo::testing
