// The two linked satellite lists (by name, by longitude), the choice of the name
// order, and the look-list check box following the chosen satellite.

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/satellite_order.h"
#include "catalogue/satellite_search.h"
#include "common/failure.h"
#include "common/fixed_text.h"
#include "common/number_text.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/updating_guard.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/option_button.h"

namespace tarvo {

const SatelliteRecord* frmSatellite::FnCurrentSatellite() const {
    const MainWindowState& s = state_;
    if (s.CurSat < 0 || s.CurSat > s.SatelliteTable.SatLast()) {
        return nullptr;
    }
    return &s.SatelliteTable.Row(s.CurSat);
}

void frmSatellite::LoadSatCombos() {
    MainWindowState& s = state_;
    SatelliteTable& table = s.SatelliteTable;
    SortByLongitude(table);

    cboSatLong->clear();
    cboSatName->clear();

    const int last = table.SatLast();
    const std::size_t listed = last > 0 ? static_cast<std::size_t>(last) : 0;
    // The position texts back to back in one buffer, the list entries views into it.
    std::string longitudeTexts;
    std::vector<std::size_t> ends;
    std::vector<std::string_view> longitudes;
    std::vector<std::string_view> names;  // the table's own names, trimmed in place
    ends.reserve(listed);
    longitudes.reserve(listed);
    names.reserve(listed);
    const std::vector<SatelliteRecord>& rows = table.Rows();
    for (int row = 1; row <= last; ++row) {
        longitudeTexts += NumberText(rows[static_cast<std::size_t>(row)].SatLong);
        ends.push_back(longitudeTexts.size());
    }
    std::size_t begin = 0;
    for (const std::size_t end : ends) {
        longitudes.push_back(std::string_view(longitudeTexts).substr(begin, end - begin));
        begin = end;
    }
    if (s.Settings.SortAlpha == 0) {
        for (int row = 1; row <= last; ++row) {
            names.push_back(TrimSpacesView(rows[static_cast<std::size_t>(row)].SatName));
        }
    } else if (last >= 1) {
        s.SatOrder = AlphabeticalOrder(table);
        for (int k = 1; k <= last; ++k) {
            const auto row = static_cast<std::size_t>(s.SatOrder[static_cast<std::size_t>(k)]);
            names.push_back(TrimSpacesView(rows[row].SatName));
        }
    }
    // In one go each: the lists may hold 32,766 entries.
    cboSatLong->addItems(longitudes);
    cboSatName->addItems(names);
}

void frmSatellite::GetSatLong() {
    MainWindowState& s = state_;
    const std::optional<std::int16_t> row =
        FindSatelliteByName(s.SatelliteTable, cboSatName->text());
    if (!row) {
        cboSatLong->setText("");
        return;
    }
    s.CurSat = *row;
    DisplaySatelliteData();
    SetListOption();
}

void frmSatellite::GetSatName() {
    MainWindowState& s = state_;
    std::optional<std::int16_t> row;
    try {
        row = FindSatelliteByLongitude(s.SatelliteTable, cboSatLong->text());
    } catch (const RunTimeFailure&) {
        // A position beyond the range of a double is no position of any row.
        row.reset();
    }
    if (!row) {
        cboSatName->setText("");
        return;
    }
    s.CurSat = *row;
    DisplaySatelliteData();
    SetListOption();
}

void frmSatellite::DisplaySatelliteData() {
    const SatelliteRecord* row = FnCurrentSatellite();
    if (row == nullptr) {
        return;
    }
    const SatelliteRecord current = *row;  // the writes below raise handlers
    cboSatName->setText(TrimSpaces(current.SatName));
    cboSatLong->setText(NumberText(current.SatLong));
}

void frmSatellite::SetListOption() {
    const SatelliteRecord* current = FnCurrentSatellite();
    if (current == nullptr) {
        return;
    }
    const bool marked = current->SatLook != 0;
    // Any mark but 0 ticks the box; the box's own handler sees the program's write.
    UpdatingGuard updating(state_.Updating);
    chkLookList->setValue(marked ? 1 : 0);
}

// The entry of the name list that stands for the row is chosen, so that the list's own
// click handler shows it: the list is in catalogue order (rows 1 to SatLast), or in
// SatOrder when the names are listed alphabetically.
void frmSatellite::ChooseSatellite(std::int16_t row) {
    MainWindowState& s = state_;
    if (row < 0 || row > s.SatelliteTable.SatLast()) {
        return;
    }
    if (row == 0) {
        const SatelliteRecord current = s.SatelliteTable.Row(0);  // the writes raise handlers
        cboSatName->setText(current.SatName);
        cboSatLong->setText(NumberText(current.SatLong));
        s.CurSat = 0;
        SetListOption();
        Calculate();
        return;
    }
    int entry = row - 1;
    if (s.Settings.SortAlpha != 0) {
        const auto k =
            std::find(s.SatOrder.begin() + (s.SatOrder.empty() ? 0 : 1), s.SatOrder.end(), row);
        if (k == s.SatOrder.end()) {
            return;
        }
        entry = static_cast<int>(k - s.SatOrder.begin()) - 1;
    }
    // Lists kept from before a satellite file failed to read may no longer match the
    // table: the entry must hold the row's name.
    if (entry >= cboSatName->count() ||
        cboSatName->itemText(entry) != TrimSpaces(s.SatelliteTable.Row(row).SatName)) {
        return;
    }
    cboSatName->choose(entry);
}

void frmSatellite::cboSatName_Click() {
    GetSatLong();
    Calculate();
}

void frmSatellite::cboSatLong_Click() {
    GetSatName();
    Calculate();
}

void frmSatellite::optAlpha_Click() {
    if (state_.Updating == -1) {
        return;
    }
    SelectListOrder(1);
}

void frmSatellite::optArc_Click() {
    if (state_.Updating == -1) {
        return;
    }
    SelectListOrder(0);
}

// The steps both option buttons share: the order is saved and the lists rebuilt in it;
// the current satellite is shown with its name as stored (trailing spaces included),
// and the results are calculated for it, since the boxes may have shown another
// position before. An order that cannot be saved is not used: the option goes back to
// the order the settings file holds, and nothing else changes.
void frmSatellite::SelectListOrder(std::int16_t sortAlpha) {
    MainWindowState& s = state_;
    s.Settings.SortAlpha = sortAlpha;
    if (!WriteINIFile()) {  // reported; SortAlpha is what the file holds again
        UpdatingGuard updating(s.Updating);
        (s.Settings.SortAlpha != 0 ? optAlpha : optArc)->setValue(true);
        return;
    }
    LoadSatCombos();
    if (const SatelliteRecord* row = FnCurrentSatellite()) {
        const SatelliteRecord current = *row;  // the writes below raise handlers
        cboSatName->setText(current.SatName);
        cboSatLong->setText(NumberText(current.SatLong));
    }
    Calculate();
}

}  // namespace tarvo
