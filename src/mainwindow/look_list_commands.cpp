// The look list: the mark of each satellite, the look list drawn in its window and
// printed, and the rendering both share (font setters, centring, the name column, the
// row pass and the row writer). The layout arithmetic lives in looklist/.

#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <exception>
#include <optional>
#include <string>

#include "catalogue/satellite_edits.h"
#include "catalogue/satellite_order.h"
#include "catalogue/satellite_search.h"
#include "common/failure.h"
#include "common/fixed_text.h"
#include "looklist/frm_look_list.h"
#include "looklist/look_list_layout.h"
#include "looklist/print_start.h"
#include "looklist/printer_destination.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/look_list_pdf.h"
#include "mainwindow/look_list_row_pass.h"
#include "mainwindow/updating_guard.h"
#include "platform/bring_up.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/handler.h"
#include "platform/platform_services.h"
#include "platform/qt_text.h"
#include "platform/text_box.h"

namespace tarvo {

namespace {

// A box as the row pass finds it.
BoxText ReadBox(const QLineEdit& box) {
    const QString shown = box.text();
    BoxText read{FromQString(shown)};
    read.exact = ToQString(read.text) == shown;
    return read;
}

// The writes that leave a box as a whole series of writes left it.
template <class Box>
void Replay(Box& box, const TextWrites& writes) {
    for (const std::string_view text : writes.Replay()) {
        box.setText(text);
    }
}

}  // namespace

void frmSatellite::WireLookList() {
    chkLookList->onClick([this] { chkLookList_Click(); });
    QObject::connect(cmdDisplayLookList, &QPushButton::clicked, this,
                     [this] { EventBoundary::Run([this] { cmdDisplayLookList_Click(); }); });
    QObject::connect(cmdPrintLookList, &QPushButton::clicked, this,
                     [this] { EventBoundary::Run([this] { cmdPrintLookList_Click(); }); });
}

void frmSatellite::SetMeasuringSurface(std::unique_ptr<TextMeasure> surface) {
    delete lookList_.data();
    measure_ = std::move(surface);
}

// --- The mark ---------------------------------------------------------------------------

// The mark goes to the catalogue row that the satellite fields show: the current row
// when they show it, else the first row of the same name (trimmed, letter case counting)
// and position, which then becomes current. Right after start-up the fields show the
// default satellite (CurSat 0), which never takes part in the look list: the tick goes
// to its catalogue row. Row 0 takes the mark too while it is that row's copy, so that
// the next start shows the box as it was left. A tick for a satellite that is in no
// catalogue row cannot be stored: the box is cleared again and the user told why.
void frmSatellite::chkLookList_Click() {
    MainWindowState& s = state_;
    if (s.Updating == -1) {
        return;
    }
    const bool ticked = chkLookList->value() != 0;
    if (RefuseIncompleteSatFile()) {
        UpdatingGuard updating(s.Updating);
        chkLookList->setValue(ticked ? 0 : 1);  // as it was
        return;
    }
    std::optional<std::int16_t> row;
    try {
        row =
            FindShownSatellite(s.SatelliteTable, cboSatName->text(), cboSatLong->text(), s.CurSat);
    } catch (const RunTimeFailure&) {
        // A position beyond the range of a double is no satellite's.
    }
    if (!row) {
        if (ticked) {
            {
                UpdatingGuard updating(s.Updating);
                chkLookList->setValue(0);
            }
            platform_.messageBox(
                "Only satellites listed in the satellite file can be on the look list.",
                MsgButtons::Ok, MsgIcon::Exclamation, s.MsgTitle);
        }
        return;
    }
    const std::int16_t mark = ticked ? 1 : 0;
    if (IsDefaultCopyOf(s.SatelliteTable, *row)) {
        SatelliteRecord copy = s.SatelliteTable.Row(0);
        copy.SatLook = mark;
        s.SatelliteTable.SetRow(0, copy);
    }
    SatelliteRecord marked = s.SatelliteTable.Row(*row);
    marked.SatLook = mark;
    s.SatelliteTable.SetRow(*row, marked);
    s.CurSat = *row;
    WriteSatFile(s.Settings.SatFileName);  // reports its own failure
    DisplaySatelliteData();
}

// --- The rendering both commands share ----------------------------------------------

void frmSatellite::fntName(std::string_view tName) {
    state_.DrawingFont.name = std::string(tName);
    if (state_.OutDest != nullptr) {
        state_.OutDest->SetFontName(tName);
    }
}

void frmSatellite::fntSize(std::int16_t tSize) {
    state_.DrawingFont.size = tSize;
    if (state_.OutDest != nullptr) {
        state_.OutDest->SetFontSize(tSize);
    }
}

void frmSatellite::fntBold(bool tBold) {
    state_.DrawingFont.bold = tBold;
    if (state_.OutDest != nullptr) {
        state_.OutDest->SetFontBold(tBold);
    }
}

float frmSatellite::MeasureWidth(std::string_view text) {
    return measure_->TextWidth(state_.DrawingFont, text);
}

float frmSatellite::fnCenter(OutputDestination& gDest, std::string& Msg) {
    Msg = TrimSpaces(Msg);
    return CenteredX(gDest.ScaleWidth(), MeasureWidth(Msg));
}

float frmSatellite::fnGetNameWidth() {
    return NameColumnWidth(state_.SatelliteTable, state_.DrawingFont, *measure_);
}

void frmSatellite::WriteCentred(std::string text) {
    OutputDestination& out = *state_.OutDest;
    out.SetCurrentX(fnCenter(out, text));
    out.Print(text, LineEnd::NextLine);
}

// The truck position as the boxes show it: "84.39W    33.75N".
std::string frmSatellite::PositionLine() const {
    return tarvo::PositionLine(txtLongitude->text(), txtLatitude->text());
}

void frmSatellite::WriteColumnHeader(std::int16_t x0) {
    const MainWindowState& s = state_;
    OutputDestination& out = *s.OutDest;
    out.SetCurrentX(x0);
    out.Print("Satellite", LineEnd::Stay);
    out.SetCurrentX(Sum16(x0, s.NameColWidth));
    out.Print("Azimuth", LineEnd::Stay);
    out.SetCurrentX(Sum16(x0, s.NameColWidth, s.NumColWidth));
    out.Print("Elevation", LineEnd::NextLine);
}

// The rows are calculated without being shown one by one in the satellite fields; the
// fields are then left as showing every row would have left them, and the satellite
// shown before is shown again and recalculated.
void frmSatellite::Output() {
    MainWindowState& s = state_;
    const std::string shown = TrimSpaces(cboSatName->text());
    LookListRowPass pass(ReadRowPassStart());
    const auto restore = [this, &shown, &pass] {
        LeaveRowPass(pass);
        cboSatName->setText(shown);
        GetSatLong();
        Calculate();
    };
    try {
        // The rows in the order of the name list: by longitude, or by name.
        const std::vector<std::int16_t> rows =
            LookListRows(s.SatelliteTable, s.Settings.SortAlpha != 0, s.SatOrder);
        s.OutDest->ExpectTexts(3 * rows.size());  // three a row
        for (const std::int16_t row : rows) {
            Output1(row, pass);
        }
    } catch (...) {
        restore();  // the window shows its satellite again, whatever failed
        throw;
    }
    restore();
}

void frmSatellite::Output1(const std::int16_t& X, LookListRowPass& pass) {
    MainWindowState& s = state_;
    const SatelliteRecord& row = s.SatelliteTable.Row(X);
    pass.Calculate(row);

    const bool printing = s.Printing == -1;
    const std::int16_t x0 = printing ? s.Settings.PrtLeftMargin : std::int16_t{0};
    if (printing) {
        BreakPageIfFull();
    }
    OutputDestination& out = *s.OutDest;
    out.SetCurrentX(x0);
    out.Print(TrimSpacesView(row.SatName), LineEnd::Stay);
    out.SetCurrentX(Sum16(x0, s.NameColWidth));
    out.Print(pass.Azimuth(), LineEnd::Stay);
    out.SetCurrentX(Sum16(x0, s.NameColWidth, s.NumColWidth));
    out.Print(pass.Elevation(), LineEnd::NextLine);
    if (printing) {
        out.SetCurrentY(out.CurrentY() + s.Settings.PrtLineSpacing);
    }
}

RowPassStart frmSatellite::ReadRowPassStart() const {
    return RowPassStart{ReadBox(*cboSatName->lineEdit()),
                        ReadBox(*cboSatLong->lineEdit()),
                        ReadBox(*txtLongitude),
                        ReadBox(*txtLatitude),
                        ReadBox(*txtAzimuth),
                        ReadBox(*txtElevation),
                        ReadBox(*txtRange),
                        state_.Settings.AzOffset,
                        state_.Settings.ElOffset};
}

// The main window's fields as the calculations of the rows, each shown in the fields,
// would have left them: the last row's satellite and results, the coordinates as
// rewritten, the captions of the furthest calculation, and Updating back at 0 after a
// calculation that took its inputs.
void frmSatellite::LeaveRowPass(const LookListRowPass& pass) {
    Replay(*cboSatName, pass.satName);
    Replay(*cboSatLong, pass.satLong);
    if (pass.Furthest() != CalculationStage::Rejected) {
        UpdatingGuard updating(state_.Updating);
        Replay(*txtLongitude, pass.longitude);
        Replay(*txtLatitude, pass.latitude);
    }
    ShowResultCaptions(pass.Furthest(), pass.AzimuthAdjusted(), pass.ElevationAdjusted());
    Replay(*txtRange, pass.range);
    Replay(*txtElevation, pass.elevation);
    Replay(*txtAzimuth, pass.azimuth);
}

// --- Display ----------------------------------------------------------------------------

void frmSatellite::cmdDisplayLookList_Click() {
    MainWindowState& s = state_;
    if (lookList_.isNull()) {
        lookList_ = new frmLookList(*measure_);
        OutputDestination* drawing = &lookList_->destination();
        connect(lookList_, &QObject::destroyed, this, [this, drawing] {
            if (state_.OutDest == drawing) {
                state_.OutDest = nullptr;
            }
        });
    }
    BringUp(*lookList_);  // a minimised list comes back too
    s.OutDest = &lookList_->destination();
    s.OutDest->Cls();

    fntName("Arial");
    fntSize(14);
    fntBold(true);
    WriteCentred(cboLocations->text());
    fntSize(12);
    WriteCentred(PositionLine());
    s.OutDest->Print("", LineEnd::NextLine);

    s.NameColWidth = LayoutInt16(fnGetNameWidth());
    s.NumColWidth = LayoutInt16(MeasureWidth("888.888___"));
    WriteColumnHeader(0);
    const std::int16_t hyphens = ScreenRuleLength(s.OutDest->ScaleWidth(), MeasureWidth("-"));
    s.OutDest->Print(std::string(static_cast<std::size_t>(hyphens), '-'), LineEnd::NextLine);

    fntBold(false);
    fntSize(10);
    Output();
}

// --- Printing ---------------------------------------------------------------------------

// The header and the rule at the left margin, in the header font (bold); then bold off on
// the printer alone, for the rows. The drawing font stays bold.
void frmSatellite::WritePrintedHeading() {
    const Settings& p = state_.Settings;
    fntBold(true);
    WriteColumnHeader(p.PrtLeftMargin);
    OutputDestination& out = *state_.OutDest;
    const std::int16_t hyphens =
        PrintedRuleLength(out.ScaleWidth(), p.PrtLeftMargin, MeasureWidth("-"));
    out.SetCurrentX(p.PrtLeftMargin);
    out.Print(std::string(static_cast<std::size_t>(hyphens), '-'), LineEnd::NextLine);
    out.SetFontBold(false);
}

// A row that would pass the bottom of the page goes to a new page, below the header and
// the rule printed again at the top margin. The title and the position line are printed
// on the first page only.
void frmSatellite::BreakPageIfFull() {
    const Settings& p = state_.Settings;
    OutputDestination& out = *state_.OutDest;
    const FontSpec heading{p.PrtFontName, p.PrtFontSize, true};
    const float rowsTop = p.PrtTopMargin + 2 * measure_->LineHeight(heading);
    if (!RowNeedsNewPage(out.CurrentY(), out.TextHeight(), out.ScaleHeight(), rowsTop)) {
        return;
    }
    out.NewPage();
    out.SetCurrentY(p.PrtTopMargin);
    WritePrintedHeading();
}

void frmSatellite::PrintLookList() {
    MainWindowState& s = state_;
    const Settings& p = s.Settings;
    fntName(p.PrtFontName);
    fntBold(true);
    fntSize(IntPart16(p.PrtFontSize * 1.5));
    s.OutDest->SetCurrentY(p.PrtTopMargin);
    WriteCentred(cboLocations->text());
    fntSize(IntPart16(p.PrtFontSize * 1.25));
    WriteCentred(PositionLine());
    s.OutDest->Print("", LineEnd::NextLine);

    fntSize(p.PrtFontSize);
    fntBold(false);
    s.NameColWidth = LayoutInt16(fnGetNameWidth());
    s.NumColWidth = LayoutInt16(MeasureWidth("88.888____"));
    WritePrintedHeading();

    s.Printing = -1;
    try {
        Output();
    } catch (...) {
        s.Printing = 0;
        throw;
    }
    s.Printing = 0;
}

namespace {

// What the crew is told when the look list does not go out.
PrintMessages LookListPrintMessages(const MainWindowState& s) {
    return {"The look list could not be printed.", "The look list could not be saved.", s.LineBreak,
            s.MsgTitle};
}

}  // namespace

// The default printer; where printers are set up but none is the default, the one the
// user chooses in the print dialog; where none is set up and the user wants it, a PDF
// file, named as ChooseLookListPdf checks it. A printer that cannot be started, and a
// file that cannot be written, are reported. `failed` receives the start of the message
// for a failure later in the job.
std::unique_ptr<PrintJob> frmSatellite::StartLookListJob(std::string& failed) {
    return StartPrinterOrPdf(
        platform_, LookListPrintMessages(state_),
        [this] { return ChooseLookListPdf(platform_, state_); }, failed);
}

void frmSatellite::cmdPrintLookList_Click() {
    std::string failed;
    std::unique_ptr<PrintJob> job = StartLookListJob(failed);
    if (!job) {
        return;
    }
    {
        PrinterDestination printer(*job, *measure_);
        state_.OutDest = &printer;
        try {
            PrintLookList();
        } catch (...) {
            state_.OutDest = nullptr;  // the job is dropped unfinished: nothing is printed
            throw;
        }
        state_.OutDest = nullptr;  // the printer goes with the job
    }
    FinishPrintJob(*job, platform_, LookListPrintMessages(state_), failed);
}

}  // namespace tarvo
