// The look-list mark: the check box stores the mark of the catalogue satellite shown,
// and the satellite file is rewritten at once.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "catalogue/settings_file.h"

#include "look_list_fixture.h"

namespace tarvo::testing {
namespace {

// Row 0 Home 101; catalogue Alpha One 90 (unmarked), Beta 101 (marked).
const char* const kCatalogue =
    "\"Home\"\r\n101\r\n0\r\n\"Alpha One\"\r\n90\r\n0\r\n\"Beta\"\r\n101\r\n1\r\n";

class LookListMarkTest : public LookListTest {
  protected:
    void SetUp() override {
        test::WritableState(*form).Settings.SatFileName = "marks.sat";
        Load("marks.sat", kCatalogue);
        ShowOrderOption();
    }
    // The file's record of a name, as three lines.
    std::string FileRecord(const std::string& name, const std::string& longitude,
                           const std::string& mark) const {
        return "\"" + Stored(name) + "\"\r\n" + longitude + "\r\n" + mark + "\r\n";
    }
    void Choose(const std::string& name) {
        test::Find<ComboBox>(*form, "cboSatName")
            ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), name));
    }
};

TEST_F(LookListMarkTest, TickAndClearAreWrittenAtOnce) {
    Choose("Alpha One");
    ASSERT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);
    test::Find<CheckBox>(*form, "chkLookList")->userClick();
    EXPECT_EQ(form->state().SatelliteTable.Row(1).SatLook, 1);
    EXPECT_EQ(ReadBytes(folder.file("marks.sat")), FileRecord("Home", "101", "0") +
                                                       FileRecord("Alpha One", "90", "1") +
                                                       FileRecord("Beta", "101", "1"));
    // The fields show the satellite again after the rewrite.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Alpha One");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "90");

    Choose("Beta");
    test::Find<CheckBox>(*form, "chkLookList")->userClick();
    EXPECT_EQ(ReadBytes(folder.file("marks.sat")), FileRecord("Home", "101", "0") +
                                                       FileRecord("Alpha One", "90", "1") +
                                                       FileRecord("Beta", "101", "0"));
    EXPECT_TRUE(platform.messages().empty());
}

// A tick for what the fields show when that is no catalogue row: the box is cleared
// again and the user told, nothing stored or written.
TEST_F(LookListMarkTest, ATickForASatelliteOfNoCatalogueRowIsRefused) {
    const std::string before = ReadBytes(folder.file("marks.sat"));
    Choose("Alpha One");
    // The program's own write is no click at all.
    test::WritableState(*form).Updating = -1;
    test::Find<CheckBox>(*form, "chkLookList")->setValue(1);
    test::Find<CheckBox>(*form, "chkLookList")->setValue(0);
    test::WritableState(*form).Updating = 0;
    EXPECT_TRUE(platform.messages().empty());
    const struct {
        const char* what;
        std::string name, longitude;
    } cases[] = {
        {"another row's name", "Beta", "90"},
        {"name in other letter case", "alpha one", "90"},
        {"another row's position", "Alpha One", "101"},
        {"position beyond a double", "Alpha One", "1E999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform.clearRecords();
        test::Find<ComboBox>(*form, "cboSatName")->setText(c.name);
        test::Find<ComboBox>(*form, "cboSatLong")->setText(c.longitude);
        ASSERT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);
        test::Find<CheckBox>(*form, "chkLookList")->userClick();
        EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);
        ASSERT_EQ(platform.messages().size(), 1u);
        EXPECT_EQ(platform.lastMessage().text,
                  "Only satellites listed in the satellite file can be on the look list.");
        EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Exclamation);
        EXPECT_EQ(form->state().SatelliteTable.Row(1).SatLook, 0);
        EXPECT_EQ(ReadBytes(folder.file("marks.sat")), before);
    }
}

// Right after start-up the fields show the default satellite, row 0, which never takes
// part in the look list. The tick goes to its catalogue row, and to row 0 as that row's
// copy, so that the list has the satellite and the next start shows the box ticked.
TEST_F(LookListMarkTest, TheTickRightAfterStartUpLandsOnTheCatalogueRow) {
    Settings settings = DefaultSettings();
    settings.SatFileName = "start.sat";
    WriteSettingsFile(settings, "tarvo.ini");
    WriteBytes(folder.file("start.sat"), FileRecord("Beta", "101", "0") +
                                             FileRecord("Alpha One", "90", "0") +
                                             FileRecord("Beta", "101", "0"));
    form->Form_Load();
    ASSERT_EQ(form->state().CurSat, 0);
    ASSERT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), Stored("Beta"));
    test::Find<CheckBox>(*form, "chkLookList")->userClick();

    EXPECT_EQ(ReadBytes(folder.file("start.sat")), FileRecord("Beta", "101", "1") +
                                                       FileRecord("Alpha One", "90", "0") +
                                                       FileRecord("Beta", "101", "1"));
    EXPECT_EQ(form->state().CurSat, 2);
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 1);
    EXPECT_TRUE(platform.messages().empty());

    form = std::make_unique<frmSatellite>(platform);
    form->Form_Load();
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 1);
    EXPECT_EQ(form->state().SatelliteTable.Row(2).SatLook, 1);
}

TEST_F(LookListMarkTest, TickRightAfterChangingTheListOrder) {
    Choose("Alpha One");
    // "Arc" leaves the stored name with its trailing spaces in the name box.
    test::Find<OptionButton>(*form, "optArc")->userClick();
    ASSERT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), Stored("Alpha One"));
    test::Find<CheckBox>(*form, "chkLookList")->userClick();
    EXPECT_EQ(form->state().SatelliteTable.Row(1).SatLook, 1);
    EXPECT_EQ(ReadBytes(folder.file("marks.sat")), FileRecord("Home", "101", "0") +
                                                       FileRecord("Alpha One", "90", "1") +
                                                       FileRecord("Beta", "101", "1"));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Alpha One");
}

}  // namespace
}  // namespace tarvo::testing
