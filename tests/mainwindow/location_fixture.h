#pragma once

#include <QPushButton>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/settings_file.h"
#include "data_files.h"
#include "form_fixture.h"

namespace tarvo::testing {

// A name as a 50-character field holds it.
inline std::string Field50(const std::string& name) {
    return name + std::string(50 - name.size(), ' ');
}

// The main window with a location file "sites.loc" open in the working folder and a
// satellite at 100 W, so that typed positions are calculated as the crew would see them.
class LocationFixture : public FormTest {
  protected:
    void Open(const std::vector<LocationRecord>& records) { OpenBytes(LocationFileBytes(records)); }

    void OpenBytes(const std::string& bytes) {
        WriteBytes(folder.file("sites.loc"), bytes);
        // As though tarvo.ini named it, which is what a failed rewrite goes back to.
        test::WritableState(*form).Settings.LocFileName = "sites.loc";
        test::WritableState(*form).SettingsInFile.LocFileName = "sites.loc";
        form->OpenLocationData("sites.loc");
        form->LoadLocationCombo();
        test::Find<ComboBox>(*form, "cboSatLong")->setText("100");
        test::WritableState(*form).Updating = 0;
    }

    std::string FileBytes(const std::string& name = "sites.loc") const {
        return ReadBytes(folder.file(name));
    }

    // The user chooses the list entry of this name.
    void Choose(const std::string& entry) {
        for (int i = 0; i < test::Find<ComboBox>(*form, "cboLocations")->count(); ++i) {
            if (test::Find<ComboBox>(*form, "cboLocations")->itemText(i) == entry) {
                test::Find<ComboBox>(*form, "cboLocations")->choose(i);
                return;
            }
        }
        ADD_FAILURE() << "no entry " << entry;
    }

    // The user types a name and a position, name first, as for a new location.
    void Type(const std::string& name, const std::string& latitude, const std::string& longitude) {
        test::Find<ComboBox>(*form, "cboLocations")->setText(name);
        test::Find<TextBox>(*form, "txtLatitude")->setText(latitude);
        test::Find<TextBox>(*form, "txtLongitude")->setText(longitude);
    }

    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (int i = 0; i < test::Find<ComboBox>(*form, "cboLocations")->count(); ++i) {
            entries.push_back(test::Find<ComboBox>(*form, "cboLocations")->itemText(i));
        }
        return entries;
    }

    // The texts of the message boxes shown, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& message : platform.messages()) {
            texts.push_back(message.text);
        }
        return texts;
    }

    // The settings as tarvo.ini now holds them.
    Settings IniOnDisk() const {
        const auto settings = ReadSettingsFile("tarvo.ini");
        if (!settings) {
            ADD_FAILURE() << "tarvo.ini is missing or damaged";
            return {};
        }
        return *settings;
    }

    // Every answer the test queued was taken by the dialog it was meant for. (Boxes
    // with an OK button alone need no answer.)
    void ExpectAllScripted() const {
        EXPECT_EQ(platform.pendingCount(), 0u);
        EXPECT_TRUE(platform.scriptErrors().empty());
    }
};

}  // namespace tarvo::testing
