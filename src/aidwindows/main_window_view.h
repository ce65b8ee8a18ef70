#pragma once

#include <QObject>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/satellite_table.h"
#include "catalogue/settings.h"

namespace tarvo {

// What the main window showed when its last calculation ended: every text as it stood
// in the window (program text), so that an aid window shows the same figures.
struct ShownCalculation {
    // The place: the location list's text and the coordinate boxes (decimal degrees
    // once a calculation took them), trimmed.
    std::string locationName;
    std::string longitude;  // degrees west
    std::string latitude;   // degrees north

    // The satellite: the two satellite lists' texts, trimmed.
    std::string satelliteName;
    std::string satelliteLongitude;  // degrees west

    // The results and their captions ("Azimuth:" or "Adjusted Azimuth:"); the three
    // texts are empty when the calculation gave none.
    std::string azimuthCaption = "Azimuth:";
    std::string elevationCaption = "Elevation:";
    std::string azimuth;
    std::string elevation;
    std::string range;  // nautical miles

    // The height above mean sea level of the GPS fix whose position the coordinate boxes
    // hold, in metres; nothing once the position was typed, chosen, or came from a fix
    // without height (a 2D fix).
    std::optional<double> gpsHeight;

    bool HasResults() const { return !azimuth.empty() && !elevation.empty() && !range.empty(); }
};

// The main window as the aid windows see it, and all they see of it: what its last
// calculation showed, the satellite catalogue with its look-list marks, the settings,
// and a signal after every calculation. They never reach its controls.
//
// Read-only but for the requests below, each a function of its own (choosing a
// catalogue satellite as the satellite list does); what the windows read does not
// change for them.
class MainWindowView : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // As the last calculation left the window (before the first: empty texts).
    virtual const ShownCalculation& Shown() const = 0;

    // The satellite table: row 0 the default satellite, rows 1 to SatLast() the
    // catalogue, each with its look-list mark SatLook.
    virtual const SatelliteTable& Catalogue() const = 0;

    // The catalogue rows on the look list, in the look list's order (that of the name
    // list: by slot, or by name).
    virtual std::vector<std::int16_t> LookListRows() const = 0;

    // The settings in use: antenna offsets, printer font and margins among them.
    virtual const Settings& CurrentSettings() const = 0;

    // The title of the program's message boxes ("SNG Tarvo") and the line break inside
    // their texts.
    virtual const std::string& MsgTitle() const = 0;
    virtual const std::string& LineBreak() const = 0;

    // The PDF file a document is saved in where no printer is set up, chosen in the
    // save dialog offering `offeredName` ("Pointing sheet.pdf") and checked as the look
    // list's PDF is: never one of the program's own files, a file already there replaced
    // only when the crew says so, the messages calling the document `document` ("The
    // pointing sheet"). Nothing when the crew cancels or the name is refused.
    virtual std::optional<std::string> ChoosePdfFile(const std::string& offeredName,
                                                     const std::string& document) = 0;

    // Shows catalogue row `row` in the main window as choosing it in the satellite list
    // does: the row in both lists, its look-list mark, and a calculation (which signals
    // Calculated). Row 0 is the default satellite; a row not in the table does nothing.
    virtual void ChooseSatellite(std::int16_t row) = 0;

  signals:
    // After every calculation of the main window, also one that emptied the results.
    void Calculated();
};

}  // namespace tarvo
