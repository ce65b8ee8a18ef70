#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "pointing/horizon_mask.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tarvo {

class AidSettingsStore;
class PlatformServices;

// The horizon mask of one named location, "SNG Tarvo - Horizon Mask": a table of
// obstacle points (azimuth true, elevation, degrees) with Add and Remove, kept in
// pointing.ini by Save. Opened from the sky view for the location the main window
// shows; messages go through the platform.
class frmHorizon : public QWidget {
    Q_OBJECT
  public:
    // `msgTitle` and `lineBreak`: the title of the program's message boxes and the line
    // break inside their texts.
    frmHorizon(AidSettingsStore& store, PlatformServices& platform, std::string msgTitle,
               std::string lineBreak, QWidget* parent = nullptr);

    // Shows the mask of `locationName` (program text, as the location list shows it)
    // in the table, replacing whatever the table held.
    void Edit(const std::string& locationName);

    // The location whose mask the table shows (program text, trimmed).
    const std::string& LocationName() const { return locationName_; }

    // The table's points when every row reads; otherwise tells the crew which value
    // is wrong, puts the cursor on it and gives nothing. Rows left empty are passed over.
    std::optional<HorizonMask> TablePoints();

    void cmdAdd_Click();
    void cmdRemove_Click();
    // Saves the table's points as the location's mask; true when they are kept.
    bool cmdSave_Click();
    void cmdClose_Click();

    QLabel* lblLocation = nullptr;
    QTableWidget* grdPoints = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;

  signals:
    // The location's mask changed in the settings in use.
    void Saved();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Fill(const HorizonMask& mask);
    void MarkChanged() { changed_ = true; }
    // Asks before unsaved changes are dropped; true when the window may close.
    bool MayDropChanges();

    AidSettingsStore& store_;
    PlatformServices& platform_;
    std::string msgTitle_;
    std::string lineBreak_;
    std::string locationName_;
    bool changed_ = false;
    bool filling_ = false;
};

}  // namespace tarvo
