#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/location_file.h"
#include "catalogue/location_names.h"
#include "catalogue/location_record.h"
#include "catalogue/satellite_table.h"
#include "catalogue/settings.h"
#include "looklist/output_destination.h"

namespace tarvo {

// The main window's variables, alive as long as the window. Every operation of the
// program reads and writes these; the other windows reach them through the main window.
struct MainWindowState {
    // --- Constants and flags of the main window --------------------------------------
    double Pi = 3.1415927;  // this decimal literal, not the full-precision constant

    // Line feed then carriage return, in this order: the line break inside message texts.
    std::string LineBreak = "\n\r";

    // The end of every confirmation question of the editing and file commands.
    std::string ConfirmText = LineBreak + "Do you really want to do that?";

    // The title of the program's message boxes.
    std::string MsgTitle = "SNG Tarvo";

    // The process's current directory at start-up (the help file is looked for there).
    std::string StartDir;

    // -1 while the program itself writes into controls, 0 otherwise. Change and click
    // handlers that react to the user do nothing while it is -1.
    std::int16_t Updating = 0;

    // --- Settings ---------------------------------------------------------------------
    // Antenna offsets (used by Calculate), files, default location, list order, printer.
    // Defaults until the settings file is read.
    tarvo::Settings Settings;

    // The settings as tarvo.ini holds them: as last read or written (the defaults after
    // a rebuild, or when the file could not be read). A rewrite that fails puts Settings
    // back to these, so that memory never holds what the file does not.
    tarvo::Settings SettingsInFile;

    // --- Satellite table and lists (CurSat, SatOrder) ---------------------------------
    // The satellite catalogue as last read from the current satellite file: row 0 the
    // default satellite, rows 1 to SatLast() the catalogue, in order of longitude after
    // every rebuild of the lists.
    tarvo::SatelliteTable SatelliteTable;

    // True while the table holds only the part of the current satellite file that could
    // be read before the file turned out damaged (or unreadable): the commands that
    // rewrite that file refuse then, so that nothing after the damage is lost. Save As
    // and New, and opening a file that reads whole, end it.
    bool SatFileIncomplete = false;

    // The row of the satellite last chosen in a list; 0, the default satellite, until a
    // choice is made. It may name a row that is no longer there (a delete of the last
    // row, a new empty file): every use checks it against SatLast() first.
    std::int16_t CurSat = 0;

    // The name list's order while SortAlpha is set: entry k (1..SatLast) is the row shown
    // k-th, entry 0 is 0. Rebuilt with the lists only while SortAlpha is set.
    std::vector<std::int16_t> SatOrder;

    // --- Location file and list (LocBuffer, LocFileNum, LocCount, LocNames, LocIndex) -
    // The record through which every record of the location file is read and written.
    LocationRecord LocBuffer;

    // The current location file, open for reading and writing while it is current
    // (LocFileNum); nothing when no location file could be opened.
    std::optional<LocationFile> LocFile;

    // The number of records in the location file, deleted ones included.
    std::int16_t LocCount = 0;

    // The name of each record, for finding the record of a chosen name; a deleted
    // record matches no search, not even one for an empty name.
    LocationNames LocNames;

    // The record found by the last search of the location list, or LocCount + 1 when
    // it found nothing: the current location of the location commands. An int, since
    // LocCount + 1 reaches 32768 in a file of the largest size.
    int LocIndex = 0;

    // --- The file dialog of the six file commands (CommonDialog1) --------------------
    // The path chosen last in any of them, offered in the name field of the next one.
    std::string DialogFileName;

    // --- Look list output (OutDest, NameColWidth, NumColWidth, Printing) --------------
    // Where the look list is drawn: the look-list window while displaying, the printer
    // while printing. Set by each look-list command; nothing when its destination has
    // gone (the window closed, the print document released).
    OutputDestination* OutDest = nullptr;

    // From the left edge of a row to the azimuth column, and from there to the
    // elevation column, in twips.
    std::int16_t NameColWidth = 0;
    std::int16_t NumColWidth = 0;

    // -1 while the rows of a printed look list are written, 0 otherwise.
    std::int16_t Printing = 0;

    // The main window's drawing font: every look-list width is measured in it. The font
    // setters keep it equal to OutDest's font; the controls keep their own fonts.
    FontSpec DrawingFont;
};

}  // namespace tarvo
