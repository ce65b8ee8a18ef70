// The Satellites menu: add the satellite on screen to the catalogue, save changes to
// the current satellite, delete it, and make the satellite on screen the default.
// Each command changes the table in memory, then rewrites the whole satellite file;
// none does while the table holds only the part of a damaged file that could be read.

#include <optional>
#include <string>

#include "catalogue/satellite_edits.h"
#include "catalogue/satellite_record.h"
#include "catalogue/satellite_search.h"
#include "common/failure.h"
#include "common/fixed_text.h"
#include "common/numeric_value.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/prompts.h"
#include "mainwindow/updating_guard.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/platform_services.h"

namespace tarvo {
// A name the satellite file can hold: 25 characters at most, blanks included
// (`checkLength`), and no double quote. Refused names are explained.
bool frmSatellite::FnNameAccepted(const std::string& typed, bool checkLength) {
    static_assert(kSatNameWidth == 25, "the refusal below names the width");
    if (checkLength && typed.size() > kSatNameWidth) {
        prompts().Refusal("Satellite name cannot exceed 25 characters");
        return false;
    }
    if (!FnSatelliteNameStorable(typed)) {
        prompts().Refusal("Satellite name cannot contain a double quote (\")");
        return false;
    }
    return true;
}

// The position box read as every reading but the default row's does: the number at
// its start, 0 when there is none. A number beyond the range of a double is refused.
std::optional<double> frmSatellite::FnSatLongValue() {
    try {
        return NumericValue(cboSatLong->text());
    } catch (const RunTimeFailure&) {
        prompts().Refusal("West Longitude is too large");
        return std::nullopt;
    }
}

std::int16_t frmSatellite::LookMark() const {
    return static_cast<std::int16_t>(chkLookList->value());
}

// Save Changes and Delete act on the current catalogue row; with none (nothing chosen
// yet, or its row gone after New or a delete) the user is sent to the list.
bool frmSatellite::FnHasCurrentRow() {
    const MainWindowState& s = state_;
    if (IsCatalogueRow(s.SatelliteTable, s.CurSat)) {
        return true;
    }
    prompts().Refusal("Choose a satellite from the list first");
    return false;
}

// The rewrite every command ends with. WriteSatFile refills the lists itself unless
// Updating is -1; then they are refilled here, so that they always show the new table.
void frmSatellite::RewriteAndRelist() {
    MainWindowState& s = state_;
    WriteSatFile(s.Settings.SatFileName);
    if (s.Updating == -1) {
        LoadSatCombos();
    }
}

// The satellite named in the name box found again in the rebuilt lists, shown and
// calculated.
void frmSatellite::ShowByName(const std::string& name) {
    cboSatName->setText(name);
    GetSatLong();
    Calculate();
}

void frmSatellite::mnuAddSatellite_Click() {
    MainWindowState& s = state_;
    const std::string typed = cboSatName->text();  // kept as typed
    if (RefuseIncompleteSatFile() || !FnNameAccepted(typed, true)) {
        return;
    }
    if (IsDuplicateSatelliteName(s.SatelliteTable, typed)) {
        Duplicate();
        return;
    }
    if (s.SatelliteTable.SatLast() >= kMaxCatalogueRows) {
        prompts().Refusal("The satellite file is full: it cannot hold more than 32766 satellites");
        return;
    }
    const std::optional<double> satLong = FnSatLongValue();
    if (!satLong) {
        return;
    }
    AddCatalogueRow(s.SatelliteTable, {TrimSpaces(typed), *satLong, LookMark()});
    RewriteAndRelist();
    ShowByName(typed);
}

void frmSatellite::mnuSaveSatellite_Click() {
    MainWindowState& s = state_;
    const std::string typed = cboSatName->text();  // kept as typed
    if (RefuseIncompleteSatFile() || !FnNameAccepted(typed, true) || !FnHasCurrentRow()) {
        return;
    }
    const std::optional<double> satLong = FnSatLongValue();
    if (!satLong) {
        return;
    }
    const bool isDefault = IsDefaultSatellite(s.SatelliteTable, s.CurSat);
    // The default row takes the position only when the box holds a number as a whole;
    // anything else is refused before the question, with nothing changed.
    const std::optional<double> defaultLong =
        isDefault ? StrictNumericValue(cboSatLong->text()) : std::nullopt;
    if (isDefault && !defaultLong) {
        prompts().Refusal("West Longitude must be a number");
        return;
    }
    const std::string question = isDefault
                                     ? "You are about to make changes in your default satellite."
                                     : "You are about to make permanent changes in " +
                                           TrimSpaces(s.SatelliteTable.Row(s.CurSat).SatName) + ".";
    if (!prompts().AnsweredYes(question + s.ConfirmText, MsgIcon::None)) {
        return;
    }
    if (isDefault) {
        s.SatelliteTable.SetRow(0, {typed, *defaultLong, LookMark()});
    }
    s.SatelliteTable.SetRow(s.CurSat, {TrimSpaces(typed), *satLong, LookMark()});
    RewriteAndRelist();
    ShowByName(typed);
}

void frmSatellite::mnuDeleteSatellite_Click() {
    MainWindowState& s = state_;
    if (RefuseIncompleteSatFile() || !FnHasCurrentRow()) {
        return;
    }
    const bool isDefault = IsDefaultSatellite(s.SatelliteTable, s.CurSat);
    const std::string question =
        isDefault
            ? "You are about to delete your default satellite."
            : "You are about to delete " + TrimSpaces(s.SatelliteTable.Row(s.CurSat).SatName) + "!";
    if (!prompts().AnsweredYes(question + s.ConfirmText, MsgIcon::None)) {
        return;
    }
    if (isDefault) {
        s.SatelliteTable.SetRow(0, SatelliteRecord{});
    }
    s.SatelliteTable.Remove(s.CurSat);
    RewriteAndRelist();
    s.CurSat = RowAfterDelete(s.CurSat);
    if (!IsCatalogueRow(s.SatelliteTable, s.CurSat)) {
        // The last catalogue row is gone: no satellite is shown and nothing calculated.
        s.CurSat = 0;
        cboSatName->setText("");
        cboSatLong->setText("");
        ClearResults();
        return;
    }
    const std::string stored = s.SatelliteTable.Row(s.CurSat).SatName;  // trailing blanks too
    ShowByName(stored);
}

void frmSatellite::mnuSatelliteDefault_Click() {
    MainWindowState& s = state_;
    const std::string typed = cboSatName->text();
    if (RefuseIncompleteSatFile() || !FnNameAccepted(typed, false)) {
        return;
    }
    const std::optional<double> satLong = FnSatLongValue();
    if (!satLong) {
        return;
    }
    // Only a ticked box puts the default on the look list; a grayed one does not.
    const std::int16_t look = chkLookList->value() == 1 ? 1 : 0;
    SetDefaultRow(s.SatelliteTable, {typed, *satLong, look});
    bool written = false;
    {
        UpdatingGuard updating(s.Updating);  // row 0 is in neither list
        written = WriteSatFile(s.Settings.SatFileName);
    }
    if (written) {
        prompts().Report(TrimSpaces(s.SatelliteTable.Row(0).SatName) +
                         " is now your default satellite.");
    }
}

}  // namespace tarvo
