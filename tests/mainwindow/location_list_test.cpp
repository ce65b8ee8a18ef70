#include <QPushButton>
#include <limits>
#include <string>
#include <vector>

#include "catalogue/file_error.h"
#include "data_files.h"
#include "form_fixture.h"

namespace tarvo::testing {
namespace {

// A name as the 50-character field holds it.
std::string Padded(const std::string& name) {
    return name + std::string(50 - name.size(), ' ');
}

class LocationListTest : public FormTest {
  protected:
    // Writes the file, opens it and fills the list, as a file command would.
    void Load(const std::vector<LocationRecord>& records, const std::string& name = "trucks.loc") {
        WriteBytes(folder.file(name), LocationFileBytes(records));
        form->OpenLocationData(name);
        form->LoadLocationCombo();
    }

    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (int i = 0; i < test::Find<ComboBox>(*form, "cboLocations")->count(); ++i) {
            entries.push_back(test::Find<ComboBox>(*form, "cboLocations")->itemText(i));
        }
        return entries;
    }

    // A position shown as a chosen location would show it, with Updating at 0.
    void ShowPosition(const std::string& name) {
        test::WritableState(*form).Updating = -1;
        test::Find<ComboBox>(*form, "cboLocations")->setText(name);
        test::Find<TextBox>(*form, "txtLongitude")->setText("100");
        test::Find<TextBox>(*form, "txtLatitude")->setText("40");
        test::WritableState(*form).Updating = 0;
        test::Find<QPushButton>(*form, "cmdSaveLocation")->setEnabled(false);
    }

    int IndexOf(const std::string& entry) const {
        for (int i = 0; i < test::Find<ComboBox>(*form, "cboLocations")->count(); ++i) {
            if (test::Find<ComboBox>(*form, "cboLocations")->itemText(i) == entry) {
                return i;
            }
        }
        return -1;
    }
};

TEST_F(LocationListTest, ListIsSortedIgnoringCaseAndLeavesOutDeletedRecords) {
    Load({Loc("zulu yard", 30, 90), Loc("Alpha field", 31, 91), DeletedLocationRecord(),
          Loc("bravo pier", 32, 92)});
    EXPECT_EQ(form->state().LocCount, 4);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Alpha field", "bravo pier", "zulu yard"}));

    const LocationNames& names = form->state().LocNames;
    ASSERT_EQ(names.Count(), 4);
    EXPECT_EQ(names.Name(1), std::optional<std::string>(Padded("zulu yard")));
    EXPECT_FALSE(names.Name(3).has_value());
    // The deleted record is found by no search, not even one for an empty name.
    EXPECT_EQ(names.Find(""), 5);
    EXPECT_EQ(names.Find(std::string("\xFF")), 5);
    EXPECT_EQ(names.Find("bravo pier"), 4);

    // The buffer holds the last record read.
    EXPECT_EQ(form->state().LocBuffer.LocName, Padded("bravo pier"));
    EXPECT_EQ(form->state().LocBuffer.LocLat, 32);
}

TEST_F(LocationListTest, FileOfTwoRecordsWithTheFirstDeleted) {
    Load({DeletedLocationRecord(), Loc("Quarry road", 52.25, 1.5)});
    ASSERT_EQ(std::filesystem::file_size(folder.file("trucks.loc")), 132u);
    EXPECT_EQ(form->state().LocCount, 2);
    EXPECT_EQ(Entries(), std::vector<std::string>{"Quarry road"});
    EXPECT_FALSE(form->state().LocNames.Name(1).has_value());
    EXPECT_EQ(form->state().LocNames.Name(2),
              std::optional<std::string>("Quarry road" + std::string(39, ' ')));
}

TEST_F(LocationListTest, FillingTheListEmptiesTheCoordinatesAsAnEdit) {
    // With Updating at 0 the emptied latitude counts as an edit of the position.
    ShowPosition("");
    Load({Loc("Depot", 40, 100)});
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "");
    EXPECT_TRUE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());

    // With Updating at -1 the same emptying leaves "Save New Location" alone.
    ShowPosition("");
    test::WritableState(*form).Updating = -1;
    form->LoadLocationCombo();
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "");
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(Entries(), std::vector<std::string>{"Depot"});  // refilled, not doubled
}

TEST_F(LocationListTest, EmptyFileLeavesTheListAsItWas) {
    Load({Loc("Depot", 40, 100), Loc("Harbour gate", 41, 101)});
    ShowPosition("Depot");

    WriteBytes(folder.file("empty.loc"), "");
    form->OpenLocationData("empty.loc");
    EXPECT_EQ(form->state().LocCount, 0);
    form->LoadLocationCombo();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Depot", "Harbour gate"}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Depot");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "40");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "100");
    EXPECT_EQ(form->state().LocNames.Count(), 2);
}

TEST_F(LocationListTest, OpeningCreatesMissingFilesAndNeverRewritesOthers) {
    form->OpenLocationData("new.loc");
    EXPECT_TRUE(std::filesystem::exists(folder.file("new.loc")));
    EXPECT_EQ(std::filesystem::file_size(folder.file("new.loc")), 0u);
    EXPECT_EQ(form->state().LocCount, 0);

    // 100 bytes count as 2 records (1.52 rounded), 98 bytes as 1 (1.48).
    const std::string two = LocationFileBytes({Loc("A", 1, 2), Loc("B", 3, 4)});
    WriteBytes(folder.file("odd.loc"), two.substr(0, 100));
    form->OpenLocationData("odd.loc");
    EXPECT_EQ(form->state().LocCount, 2);
    form->LoadLocationCombo();
    EXPECT_EQ(ReadBytes(folder.file("odd.loc")), two.substr(0, 100));
    WriteBytes(folder.file("short.loc"), two.substr(0, 98));
    form->OpenLocationData("short.loc");
    EXPECT_EQ(form->state().LocCount, 1);
    EXPECT_EQ(ReadBytes(folder.file("short.loc")), two.substr(0, 98));
}

TEST_F(LocationListTest, FileThatCannotBeOpenedIsPassedOnAndNoneStaysOpen) {
    Load({Loc("Depot", 40, 100)});
    std::filesystem::create_directory(folder.file("folder.loc"));
    EXPECT_THROW(form->OpenLocationData("folder.loc"), FileOpenError);
    EXPECT_THROW(form->OpenLocationData(""), FileOpenError);
    EXPECT_FALSE(form->state().LocFile.has_value());
    EXPECT_EQ(form->state().LocCount, 0);
    EXPECT_EQ(OpenDescriptorsOf(folder.file("trucks.loc")), 0);
    EXPECT_TRUE(platform.messages().empty());  // no message of its own
}

TEST_F(LocationListTest, ChoosingANameShowsItsRecordAndCalculates) {
    Load({Loc("Depot", 52.25, 1.5), Loc("Harbour gate", 40, 100)});
    test::Find<ComboBox>(*form, "cboSatLong")->setText("101");
    test::Find<QPushButton>(*form, "cmdSaveLocation")->setEnabled(true);
    test::WritableState(*form).Updating = -1;

    test::Find<ComboBox>(*form, "cboLocations")->choose(IndexOf("Harbour gate"));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Harbour gate");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "40");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "100");
    // 40 N, 100 W to a satellite at 101 W: the worked example of the calculation.
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(form->state().Updating, 0);
    EXPECT_EQ(form->state().LocIndex, 2);
    EXPECT_EQ(form->state().LocBuffer.LocName, Padded("Harbour gate"));

    // Coordinates with fractions are shown in their short text form.
    test::Find<ComboBox>(*form, "cboLocations")->choose(IndexOf("Depot"));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "52.25");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "1.5");
    EXPECT_EQ(form->state().LocIndex, 1);

    // A text with trailing spaces still names the record (both are padded to 50);
    // writing the trimmed name raises the list's change handler, and the button is
    // disabled again after it.
    test::WritableState(*form).Updating = -1;
    test::Find<ComboBox>(*form, "cboLocations")->setText("Harbour gate   ");
    form->cboLocations_Click();
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Harbour gate");
    EXPECT_EQ(form->state().LocIndex, 2);
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(form->state().Updating, 0);
}

TEST_F(LocationListTest, ADamagedRecordShowsNoNaNOrInfinity) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    Load({Loc("Damaged", nan, -infinity), Loc("Half", 45.5, infinity)});

    test::Find<ComboBox>(*form, "cboLocations")->choose(IndexOf("Damaged"));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "0");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "0");
    EXPECT_EQ(Shown(), (Results{"", "", ""}));  // 0 is no position
    test::Find<ComboBox>(*form, "cboLocations")->choose(IndexOf("Half"));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "45.5");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "0");
}

TEST_F(LocationListTest, NameThatMatchesNoRecordEmptiesThePosition) {
    // A name stored with leading spaces is listed trimmed and cannot be found.
    Load({Loc("Depot", 40, 100), Loc("   Old mill", 41, 101)});
    ASSERT_EQ(Entries(), (std::vector<std::string>{"Depot", "Old mill"}));
    test::Find<ComboBox>(*form, "cboSatLong")->setText("101");
    ShowPosition("Depot");
    form->Calculate();
    // 101 W from 40 N, 100 W: the worked example.
    ASSERT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));

    test::Find<ComboBox>(*form, "cboLocations")->choose(IndexOf("Old mill"));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "");
    // The emptied latitude emptied the list's text, whose change handler raised
    // Updating and enabled "Save New Location".
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "");
    EXPECT_EQ(form->state().Updating, -1);
    EXPECT_TRUE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(form->state().LocIndex, 3);  // LocCount + 1
    // The results went with the position: none belong to the empty boxes.
    EXPECT_EQ(Shown(), (Results{"", "", ""}));
}

TEST_F(LocationListTest, EmptyTextDoesNotFindADeletedRecord) {
    Load({DeletedLocationRecord(), Loc("Depot", 40, 100)});
    ShowPosition("");
    form->cboLocations_Click();
    EXPECT_EQ(form->state().LocIndex, 3);
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "");
    EXPECT_TRUE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
}

TEST_F(LocationListTest, NamesAreMatchedExactlyAndTheLowerRecordWins) {
    Load({Loc("DEPOT", 30, 90), Loc("Depot", 40, 100), Loc("Depot", 41, 101)});
    // Equal entries ignoring case keep the order in which they were added.
    EXPECT_EQ(Entries(), (std::vector<std::string>{"DEPOT", "Depot", "Depot"}));

    test::Find<ComboBox>(*form, "cboLocations")->choose(2);  // the second "Depot" entry
    EXPECT_EQ(form->state().LocIndex, 2);
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "40");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "100");

    test::Find<ComboBox>(*form, "cboLocations")->choose(0);
    EXPECT_EQ(form->state().LocIndex, 1);
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "30");
}

TEST_F(LocationListTest, TypingANameRaisesUpdating) {
    test::WritableState(*form).Updating = 0;
    test::Find<QPushButton>(*form, "cmdSaveLocation")->setEnabled(false);
    test::Find<ComboBox>(*form, "cboLocations")->setText("New site");
    EXPECT_EQ(form->state().Updating, -1);
    EXPECT_TRUE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());

    // The coordinates typed next keep the new name.
    test::Find<TextBox>(*form, "txtLatitude")->setText("45");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "New site");
}

}  // namespace
}  // namespace tarvo::testing
