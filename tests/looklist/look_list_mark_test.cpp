// The look-list mark: the check box stores the mark of the current satellite and the
// satellite file is rewritten at once.

#include <gtest/gtest.h>

#include <string>

#include "look_list_fixture.h"

namespace tarvo::testing {
namespace {

// Row 0 Home 101; catalogue Alpha One 90 (unmarked), Beta 101 (marked).
const char* const kCatalogue =
    "\"Home\"\r\n101\r\n0\r\n\"Alpha One\"\r\n90\r\n0\r\n\"Beta\"\r\n101\r\n1\r\n";

class LookListMarkTest : public LookListTest {
  protected:
    void SetUp() override {
        form->state().Settings.SatFileName = "marks.sat";
        Load("marks.sat", kCatalogue);
        ShowOrderOption();
    }
    // The file's record of a name, as three lines.
    std::string FileRecord(const std::string& name, const std::string& longitude,
                           const std::string& mark) const {
        return "\"" + Stored(name) + "\"\r\n" + longitude + "\r\n" + mark + "\r\n";
    }
    void Choose(const std::string& name) {
        form->cboSatName->choose(EntryIndex(form->cboSatName, name));
    }
};

TEST_F(LookListMarkTest, TickAndClearAreWrittenAtOnce) {
    Choose("Alpha One");
    ASSERT_EQ(form->chkLookList->value(), 0);
    form->chkLookList->userClick();
    EXPECT_EQ(form->state().SatelliteTable.Row(1).SatLook, 1);
    EXPECT_EQ(ReadBytes(folder.file("marks.sat")), FileRecord("Home", "101", "0") +
                                                       FileRecord("Alpha One", "90", "1") +
                                                       FileRecord("Beta", "101", "1"));
    // The fields show the satellite again after the rewrite.
    EXPECT_EQ(form->cboSatName->text(), "Alpha One");
    EXPECT_EQ(form->cboSatLong->text(), "90");

    Choose("Beta");
    form->chkLookList->userClick();
    EXPECT_EQ(ReadBytes(folder.file("marks.sat")), FileRecord("Home", "101", "0") +
                                                       FileRecord("Alpha One", "90", "1") +
                                                       FileRecord("Beta", "101", "0"));
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(LookListMarkTest, IgnoredUnlessTheFieldsShowTheCurrentSatellite) {
    const std::string before = ReadBytes(folder.file("marks.sat"));
    Choose("Alpha One");
    struct Case {
        const char* what;
        std::string name, longitude;
        std::int16_t updating;
    };
    const Case cases[] = {
        {"program's own write", "Alpha One", "90", -1},
        {"another name typed", "Beta", "90", 0},
        {"name in other letter case", "alpha one", "90", 0},
        {"another position typed", "Alpha One", "101", 0},
        {"position beyond a double", "Alpha One", "1E999", 0},
    };
    for (const Case& c : cases) {
        form->cboSatName->setText(c.name);
        form->cboSatLong->setText(c.longitude);
        form->state().Updating = c.updating;
        form->chkLookList->setValue(form->chkLookList->value() == 0 ? 1 : 0);
        form->state().Updating = 0;
        EXPECT_EQ(form->state().SatelliteTable.Row(1).SatLook, 0) << c.what;
        EXPECT_EQ(ReadBytes(folder.file("marks.sat")), before) << c.what;
    }
}

TEST_F(LookListMarkTest, TickRightAfterChangingTheListOrder) {
    Choose("Alpha One");
    // "Arc" leaves the stored name with its trailing spaces in the name box.
    form->optArc->userClick();
    ASSERT_EQ(form->cboSatName->text(), Stored("Alpha One"));
    form->chkLookList->userClick();
    EXPECT_EQ(form->state().SatelliteTable.Row(1).SatLook, 1);
    EXPECT_EQ(ReadBytes(folder.file("marks.sat")), FileRecord("Home", "101", "0") +
                                                       FileRecord("Alpha One", "90", "1") +
                                                       FileRecord("Beta", "101", "1"));
    EXPECT_EQ(form->cboSatName->text(), "Alpha One");
}

}  // namespace
}  // namespace tarvo::testing
