// The Locations menu: add the location on screen to the location file, save changes to
// the current location, delete it, make the location on screen the default; and the
// "Save New Location" button, which adds. Every change goes to its one record of the
// open file at once.

#include <QPushButton>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/file_error.h"
#include "catalogue/location_checks.h"
#include "catalogue/location_record.h"
#include "common/fixed_text.h"
#include "geometry/convert_to_decimal.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/prompts.h"
#include "platform/combo_box.h"
#include "platform/platform_services.h"
#include "platform/text_box.h"

namespace tarvo {

// The length rule of Add and Save Changes: the name as typed, blanks included.
bool frmSatellite::NameTooLong() {
    static_assert(kLocNameWidth == 50, "the refusal below names the width");
    if (cboLocations->text().size() <= kLocNameWidth) {
        return false;
    }
    prompts().Refusal("Location name cannot exceed 50 characters");
    return true;
}

// A name that would be stored as the mark of a deleted record and vanish at once.
bool frmSatellite::NameIsDeletionMark(const std::string& name) {
    if (!IsDeletionMarkName(name)) {
        return false;
    }
    prompts().Refusal("\"" + name + "\" cannot be used as a location name.");
    return true;
}

bool frmSatellite::NoLocationFile() {
    if (state_.LocFile) {
        return false;
    }
    prompts().Refusal("No location file is open." + state_.LineBreak +
                      "Please open or create one with the File menu first.");
    return true;
}

// The coordinate boxes as Add, Save Changes and Set Default all store them: a number
// as it stands, or degrees, minutes and seconds converted, also when no calculation
// has rewritten the box (no satellite shown). A box holding anything else is named in
// a message and nothing comes back. Longitude first, as the record is filled.
std::optional<std::pair<double, double>> frmSatellite::ReadCoordinates() {
    const std::optional<double> longitude = CoordinateValue(txtLongitude->text());
    if (!longitude) {
        prompts().Refusal("West Long: must be a number in decimal degrees.");
        return std::nullopt;
    }
    const std::optional<double> latitude = CoordinateValue(txtLatitude->text());
    if (!latitude) {
        prompts().Refusal("North Lat: must be a number in decimal degrees.");
        return std::nullopt;
    }
    return std::make_pair(*latitude, *longitude);
}

// The record the last choice from the list found, read afresh into LocBuffer, so that
// the question names the location that will be changed. Refused when there is none:
// nothing chosen since the file was opened, a name that matched nothing, or a record
// deleted since.
bool frmSatellite::ReadCurrentRecord(const char* action) {
    MainWindowState& s = state_;
    if (NoLocationFile()) {
        return false;
    }
    if (s.LocIndex >= 1 && s.LocIndex <= s.LocCount) {
        LocationRecord record = s.LocFile->Read(s.LocIndex);
        if (!IsDeletedLocation(record)) {
            s.LocBuffer = std::move(record);
            return true;
        }
    }
    prompts().Refusal("No location is chosen." + s.LineBreak + "Please choose the location to " +
                      action + " from the list first.");
    return false;
}

// Writes LocBuffer as record n. A failure is reported with the reason; the file keeps
// its old record, so the list still shows what it holds, and the name and coordinate
// boxes keep what the crew typed, to be saved again once the fault is gone.
bool frmSatellite::WriteRecord(int n) {
    MainWindowState& s = state_;
    try {
        s.LocFile->Write(n, s.LocBuffer);
        s.LocCount = s.LocFile->Count();
        return true;
    } catch (const FileError& failure) {
        prompts().Refusal("The location could not be written to " + s.Settings.LocFileName + "." +
                          s.LineBreak + failure.what());
        return false;
    }
}

// The record Add writes a location named `name` into, from one read of the whole file:
// the highest-numbered deleted record or a new one at the end. Nothing, after the
// message, when a record has that name or the file is full. LocBuffer ends as the last
// record the scan read.
std::optional<int> frmSatellite::RecordForNewLocation(const std::string& name) {
    MainWindowState& s = state_;
    const std::vector<LocationRecord> records = s.LocFile->ReadAll();
    const AddPlace place = FindAddPlace(records, name);
    if (!records.empty()) {
        const bool stopped = place.kind == AddPlace::Kind::Duplicate;
        s.LocBuffer =
            stopped ? records[static_cast<std::size_t>(place.record) - 1] : records.back();
    }
    switch (place.kind) {
        case AddPlace::Kind::Duplicate:
            Duplicate();
            return std::nullopt;
        case AddPlace::Kind::Full:
            prompts().Refusal(
                "The location file is full: it holds 32767 locations and none is free." +
                s.LineBreak + "Delete a location or start a new location file.");
            return std::nullopt;
        case AddPlace::Kind::Reuse:
        case AddPlace::Kind::Append:
            break;
    }
    return place.record;
}

// The location just written, selected in the list and shown.
void frmSatellite::ShowLocation(const std::string& name) {
    LoadLocationCombo();
    cboLocations->setText(name);
    cboLocations_Click();
}

void frmSatellite::cmdSaveLocation_Click() {
    mnuAddLocation_Click();
}

void frmSatellite::mnuAddLocation_Click() {
    MainWindowState& s = state_;
    if (NameTooLong()) {
        return;
    }
    Calculate();
    const std::string name = TrimSpaces(cboLocations->text());
    if (NoLocationFile() || NameIsDeletionMark(name)) {
        return;
    }

    const std::optional<int> record = RecordForNewLocation(name);
    if (!record) {
        return;
    }
    const auto coordinates = ReadCoordinates();
    if (!coordinates) {
        return;
    }
    s.LocBuffer =
        LocationRecord{FixedWidth(name, kLocNameWidth), coordinates->first, coordinates->second};
    if (!WriteRecord(*record)) {
        return;
    }
    ShowLocation(name);
    cmdSaveLocation->setEnabled(false);
    s.Updating = 0;
}

void frmSatellite::mnuSaveLocation_Click() {
    MainWindowState& s = state_;
    if (NameTooLong() || !ReadCurrentRecord("change")) {
        return;
    }
    if (!prompts().AnsweredYes("You are about to make permanent changes to " +
                                   TrimSpaces(s.LocBuffer.LocName) + "." + s.ConfirmText,
                               MsgIcon::None)) {
        return;
    }
    // Editing a coordinate empties the name box: a location saved with an empty box
    // keeps its own name. It may keep its own name; another record's is refused.
    const std::string typed = TrimSpaces(cboLocations->text());
    const std::string name = typed.empty() ? TrimSpaces(s.LocBuffer.LocName) : typed;
    if (FindNameElsewhere(s.LocNames, name, s.LocIndex) != 0) {
        Duplicate();
        return;
    }
    if (NameIsDeletionMark(name)) {
        return;
    }
    const bool isDefault = FixedWidth(s.LocBuffer.LocName, kLocNameWidth) ==
                           FixedWidth(s.Settings.DefaultLocName, kLocNameWidth);
    Calculate();
    const auto coordinates = ReadCoordinates();
    if (!coordinates) {
        return;
    }
    s.LocBuffer =
        LocationRecord{FixedWidth(name, kLocNameWidth), coordinates->first, coordinates->second};
    if (!WriteRecord(s.LocIndex)) {
        return;
    }
    if (isDefault) {
        // The default follows its record, name and position, so that the next start
        // shows it where it now is.
        s.Settings.DefaultLocName = FixedWidth(name, kLocNameWidth);
        s.Settings.DefaultLocLong = coordinates->second;
        s.Settings.DefaultLocLat = coordinates->first;
        WriteINIFile();  // a failure is reported, and the default stays what the file says
    }
    ShowLocation(name);
}

void frmSatellite::mnuDeleteLocation_Click() {
    MainWindowState& s = state_;
    if (!ReadCurrentRecord("delete")) {
        return;
    }
    // The stored name as it is, all 50 characters.
    if (!prompts().AnsweredYes(
            "You are about to delete the location: " + s.LocBuffer.LocName + s.ConfirmText,
            MsgIcon::Question)) {
        return;
    }
    // The default is recognised by the name in the box, whichever record is deleted. It
    // is cleared only once the record is deleted: a location still in the file stays
    // the default when the deletion fails.
    const std::string shown = TrimSpaces(cboLocations->text());
    const bool clearDefault =
        shown == TrimSpaces(s.Settings.DefaultLocName) &&
        prompts().AnsweredYes(shown + " is your default location," + s.LineBreak +
                                  "do you want the default location cleared?",
                              MsgIcon::Question);
    s.LocBuffer = DeletedLocationRecord();
    if (!WriteRecord(s.LocIndex)) {
        return;
    }
    if (clearDefault) {
        s.Settings.DefaultLocName = std::string(kLocNameWidth, ' ');
        s.Settings.DefaultLocLat = 0;
        s.Settings.DefaultLocLong = 0;
        WriteINIFile();  // a failure is reported; the settings stay what the file says
    }
    LoadLocationCombo();
    Calculate();
}

void frmSatellite::mnuLocationDefault_Click() {
    MainWindowState& s = state_;
    // No check that the name is in the file; the position must be one.
    const auto coordinates = ReadCoordinates();
    if (!coordinates) {
        return;
    }
    s.Settings.DefaultLocName = FixedWidth(cboLocations->text(), kLocNameWidth);
    s.Settings.DefaultLocLong = coordinates->second;
    s.Settings.DefaultLocLat = coordinates->first;
    if (!WriteINIFile()) {
        return;  // reported; the default stays what the file says
    }
    prompts().Report(TrimSpaces(s.Settings.DefaultLocName) + " is now your default location.");
}

}  // namespace tarvo
