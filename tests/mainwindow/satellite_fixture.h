#pragma once

#include <string>
#include <vector>

#include "disk_files.h"
#include "form_fixture.h"
#include "platform/check_box.h"
#include "platform/option_button.h"

namespace tarvo::testing {

// The main window with a satellite file of the test's own in its working folder.
class SatelliteFormTest : public FormTest {
  protected:
    // Writes `bytes` as `name` in the working folder and reads it as the current file.
    void Load(const std::string& name, const std::string& bytes) {
        WriteBytes(folder.file(name), bytes);
        form->ReadSatFile(name);
    }

    // The entries of a list, top to bottom.
    static std::vector<std::string> Entries(const ComboBox* list) {
        std::vector<std::string> entries;
        for (int i = 0; i < list->count(); ++i) {
            entries.push_back(list->itemText(i));
        }
        return entries;
    }

    // The index of the entry with this text (the first one), -1 when there is none.
    static int EntryIndex(const ComboBox* list, const std::string& text) {
        for (int i = 0; i < list->count(); ++i) {
            if (list->itemText(i) == text) {
                return i;
            }
        }
        return -1;
    }

    // The names of the table's rows, as stored, in row order.
    std::vector<std::string> RowNames() const {
        std::vector<std::string> names;
        for (const SatelliteRecord& row : form->state().SatelliteTable.Rows()) {
            names.push_back(row.SatName);
        }
        return names;
    }

    // Selects the option button of the order in the settings as start-up does: as the
    // program's own write, so no settings file is written.
    void ShowOrderOption() {
        test::WritableState(*form).Updating = -1;
        (form->state().Settings.SortAlpha != 0 ? test::Find<OptionButton>(*form, "optAlpha")
                                               : test::Find<OptionButton>(*form, "optArc"))
            ->setValue(true);
        test::WritableState(*form).Updating = 0;
    }

    BoundaryFailures boundary;
};

// A name padded by hand to the 25 characters the table stores.
inline std::string Stored(const std::string& name) {
    return name + std::string(25 - name.size(), ' ');
}

}  // namespace tarvo::testing
