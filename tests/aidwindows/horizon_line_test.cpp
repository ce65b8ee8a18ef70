// The pointing aid's horizon line and the crew sheet's horizon column, from Atlanta with a
// mask of two points typed and saved in the horizon mask window.
//
// The mask: open ground due east, (90, 0), rising in a straight line to the edge of a
// building at 200 degrees, 55 high; from that edge a straight line round through west
// and north (250 degrees) back down to the east.
//
// The expected figures by hand, from Atlanta (84.39 W, 33.75 N), with D the satellite's
// slot less the truck's longitude (degrees west):
//   cos b = cos 33.75 cos D,   elevation = atan((cos b - 1/6.61) / sin b),
//   azimuth = 180 + atan(tan D / sin 33.75), rounded to 3 places as the main window does.
// Galaxy 19, 97 W: D = 12.61, tan D / sin 33.75 = 0.22371 / 0.55557, azimuth 201.933;
//   cos b = 0.83147 x 0.97588 = 0.81141, sin b = 0.58447, elevation 48.479.
//   201.933 is 1.933 past the building's edge: the mask is 55 - 55 x 1.933 / 250 = 54.575,
//   the clearance 48.479 - 54.575 = -6.096: "blocked by 6.1".
// Telstar 19 VANTAGE, 63 W: D = -21.39, azimuth 144.815, elevation 44.542 (cos b = 0.77420).
//   Between the two points: the mask is 55 x 54.815 / 110 = 27.407, the clearance 17.135:
//   "clear by 17.1".

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>
#include <string>
#include <vector>

#include "aidsettings/aid_settings_store.h"
#include "aidwindows/frm_horizon.h"
#include "pointing_fixture.h"

namespace tarvo::testing {
namespace {

class HorizonLineTest : public PointingTest {
  protected:
    // Types the mask into the horizon mask window on the main window's store and saves
    // it, as the crew does from the sky view.
    void SaveAtlantaMask() {
        frmHorizon horizon(form->aidSettings(), platform, "SNG Tarvo", "\n\r");
        horizon.Edit(test::Find<ComboBox>(*form, "cboLocations")->text());
        ASSERT_EQ(horizon.LocationName(), "Atlanta, GA");
        for (const auto& [azimuth, elevation] : {std::pair{"90", "0"}, std::pair{"200", "55"}}) {
            horizon.cmdAdd->click();
            const int row = horizon.grdPoints->rowCount() - 1;
            horizon.grdPoints->item(row, 0)->setText(QString::fromLatin1(azimuth));
            horizon.grdPoints->item(row, 1)->setText(QString::fromLatin1(elevation));
        }
        ASSERT_TRUE(horizon.cmdSave_Click());
    }
};

// Chooses the entry `text` of a list as the crew would.
void Choose(ComboBox* list, const std::string& text) {
    const int index = list->findText(ToQString(text));
    ASSERT_GE(index, 0) << text;
    list->choose(index);
}

TEST_F(HorizonLineTest, TheAidFollowsAMaskSavedWhileItIsOpen) {
    StartOnSamples();
    OpenAid();
    EXPECT_EQ(aid->lblHorizon->caption(), "Horizon:");
    // No mask yet: the flat horizon, cleared by the elevation itself.
    EXPECT_EQ(Shown(aid->txtHorizon), "clear by 48.5");

    SaveAtlantaMask();  // no calculation in between
    EXPECT_EQ(Shown(aid->txtHorizon), "blocked by 6.1");

    Choose(test::Find<ComboBox>(*form, "cboSatName"), "Telstar 19 VANTAGE");
    EXPECT_EQ(Shown(aid->txtHorizon), "clear by 17.1");

    // The mask is the location's: Chicago (87.6298 W, 41.8781 N) has none, and Galaxy 19
    // stands at azimuth 193.885, elevation 40.689 there.
    Choose(test::Find<ComboBox>(*form, "cboSatName"), "Galaxy 19");
    Choose(test::Find<ComboBox>(*form, "cboLocations"), "Chicago, IL");
    EXPECT_EQ(Shown(aid->txtHorizon), "clear by 40.7");
    Choose(test::Find<ComboBox>(*form, "cboLocations"), "Atlanta, GA");
    EXPECT_EQ(Shown(aid->txtHorizon), "blocked by 6.1");

    // Kept in pointing.ini: an aid on the file read anew shows the same.
    AidSettingsStore restarted(folder.Name("pointing.ini"));
    frmPointing again(form->view(), restarted, platform, {TARVO_MAGNETIC_DIR, TARVO_MAGNETIC_MODEL},
                      nullptr, [] { return kToday; });
    EXPECT_EQ(Shown(again.txtHorizon), "blocked by 6.1");
}

// The horizon is a matter of true directions: the antenna offsets move the main window's
// figures, not the satellite behind the building.
TEST_F(HorizonLineTest, TheOffsetsLeaveTheHorizonAsItIs) {
    StartOnSamples();
    SaveAtlantaMask();
    test::WritableState(*form).Settings.AzOffset = 10;
    test::WritableState(*form).Settings.ElOffset = -5;
    form->Calculate();
    OpenAid();
    EXPECT_EQ(Shown(aid->txtElevation), "43.479");  // 48.479 - 5
    EXPECT_EQ(Shown(aid->txtHorizon), "blocked by 6.1");
    const PointingSheet sheet = aid->Sheet();
    ASSERT_EQ(sheet.columns[5], "Horizon");
    EXPECT_EQ(sheet.rows[1][4], "43.479");
    EXPECT_EQ(sheet.rows[1][5], "blocked by 6.1");
}

// Every look-list satellite against the mask. Anik F2 (111.1 W), SES-1 (101 W) and
// SES-11/EchoStar 105 (105 W) all stand past the building's edge, on the line across the
// west: mask 55 - 55 x (azimuth - 200) / 250.
TEST_F(HorizonLineTest, TheSheetHasEachSatellitesClearance) {
    StartOnSamples();
    SaveAtlantaMask();
    OpenAid();
    const struct {
        const char* name;
        const char* horizon;
    } expected[] = {
        // 222.166, 41.455: mask 55 - 55 x 22.166 / 250 = 50.123, 41.455 - 50.123 = -8.668.
        {"Anik F2", "blocked by 8.7"},
        {"Galaxy 19", "blocked by 6.1"},
        // 208.233, 46.889: mask 53.189, clearance -6.300.
        {"SES-1", "blocked by 6.3"},
        // 214.095, 44.955: mask 51.899, clearance -6.944.
        {"SES-11/EchoStar 105", "blocked by 6.9"},
        {"Telstar 19 VANTAGE", "clear by 17.1"},
    };
    const PointingSheet sheet = aid->Sheet();
    ASSERT_EQ(sheet.columns[5], "Horizon");
    ASSERT_EQ(sheet.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        ASSERT_EQ(sheet.rows[i].size(), 8u) << expected[i].name;
        EXPECT_EQ(sheet.rows[i][0], expected[i].name);
        EXPECT_EQ(sheet.rows[i][5], expected[i].horizon) << expected[i].name;
    }
    EXPECT_EQ(sheet.footnote,
              "Feed skew as seen from behind the dish; range in nautical miles. Horizon: "
              "clearance over the horizon mask of 2 points.");
    const std::string text = sheet.PlainText();
    EXPECT_NE(text.find("\nTelstar 19 VANTAGE\t63W\t144.815\t"), std::string::npos);
    EXPECT_NE(text.find("\t44.542\tclear by 17.1\t"), std::string::npos);
}

}  // namespace
}  // namespace tarvo::testing
