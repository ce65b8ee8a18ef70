#pragma once

#include <QWidget>
#include <functional>
#include <string>

class QGroupBox;
class QPushButton;

namespace tarvo {

class Label;
class PlatformServices;
class TextBox;
struct Settings;

// The preferences window: the antenna offsets, the printer settings of the look list,
// and, shown only, the current location and satellite files.
//
// It is given what it edits: the settings, a way to rewrite the settings file (true
// when written) and the platform services. Nothing is applied while editing; a save
// checks the values, stores them in the settings and rewrites the file. The window is
// modeless and ordinary (resizable, no default or cancel button: Enter and Escape mean
// nothing special), and goes away when closed.
class frmPref : public QWidget {
    Q_OBJECT
  public:
    frmPref(Settings& settings, std::function<bool()> writeSettingsFile, PlatformServices& platform,
            std::string msgTitle, QWidget* parent = nullptr);
    ~frmPref() override;

    // Fills the controls from the settings (unsaved edits are lost) and draws the sample
    // in the printer font and size; the focus goes to the elevation offset.
    void Fill();

    // The four checks in order, then the offsets and font name; only when every value
    // passed are they all stored in the settings and the settings file rewritten. A
    // refused value is reported, the focus goes to its box and the settings stay as they
    // were. True when everything was stored and written.
    bool SavePreferences();

    // --- Event handlers ---------------------------------------------------------------
    void txtPoints_Change();
    void cmdChangeFont_Click();
    void cmdSave_Click();
    void cmdExit_Click();

    // The sample's text for the point size box and the font name as they stand.
    std::string SampleText() const;

    // --- Controls ---------------------------------------------------------------------
    QGroupBox* frmAntenna = nullptr;
    Label* lblElevation = nullptr;
    TextBox* txtElOffSet = nullptr;
    Label* lblAzimuth = nullptr;
    TextBox* txtAzOffset = nullptr;

    QGroupBox* frmFileData = nullptr;
    Label* Label3 = nullptr;
    Label* lblLocationFile = nullptr;
    Label* Label1 = nullptr;
    Label* lblSatelliteFile = nullptr;

    QGroupBox* frmPrinter = nullptr;
    Label* Label4 = nullptr;
    TextBox* txtPoints = nullptr;
    Label* Label2 = nullptr;
    Label* lblFont = nullptr;
    QPushButton* cmdChangeFont = nullptr;
    Label* lblSample = nullptr;
    Label* Label5 = nullptr;
    TextBox* txtLftMargin = nullptr;
    Label* Label6 = nullptr;
    TextBox* txtTopMargin = nullptr;
    Label* Label7 = nullptr;
    TextBox* txtSpacing = nullptr;

    QPushButton* cmdSave = nullptr;
    QPushButton* cmdExit = nullptr;

  private:
    void BuildLayout();  // frm_pref_layout.cpp
    void SetTabOrder();
    void WireEvents();

    // Draws the sample label in this font and size (capped to what the label can show).
    void DrawSample(const std::string& fontName, double points);

    Settings& settings_;
    std::function<bool()> writeSettingsFile_;
    PlatformServices& platform_;
    std::string msgTitle_;
};

}  // namespace tarvo
