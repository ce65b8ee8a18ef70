// The preferences window: filling, the point size and its sample, the font choice,
// Save and Exit.

#include "dialogs/frm_pref.h"

#include <QFont>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <string>

#include "catalogue/preferences.h"
#include "catalogue/settings.h"
#include "common/failure.h"
#include "common/number_text.h"
#include "common/single_text.h"
#include "platform/handler.h"
#include "platform/label.h"
#include "platform/platform_services.h"
#include "platform/qt_text.h"
#include "platform/text_box.h"

namespace tarvo {

namespace {

// The sample label is 615 twips high: a line of about 24 points fills it (a font's
// lines are about 1.25 times its size apart, and 20 twips make a point). A larger size
// is drawn at that size, so that any typed number can be shown; below 1 point nothing
// could be seen.
constexpr double kLargestSamplePoints = 615.0 / 20.0 / 1.25;
constexpr double kSmallestSamplePoints = 1.0;

void OnClicked(QPushButton* button, QObject* context, Handler handler) {
    QObject::connect(button, &QPushButton::clicked, context,
                     [handler = std::move(handler)] { EventBoundary::Run(handler); });
}

}  // namespace

frmPref::frmPref(Settings& settings, std::function<bool()> writeSettingsFile,
                 PlatformServices& platform, std::string msgTitle, QWidget* parent)
    : QWidget(parent, Qt::Window),
      settings_(settings),
      writeSettingsFile_(std::move(writeSettingsFile)),
      platform_(platform),
      msgTitle_(std::move(msgTitle)) {
    setObjectName(QStringLiteral("frmPref"));
    setAttribute(Qt::WA_DeleteOnClose);  // closed is gone: the next command makes it anew
    BuildLayout();
    WireEvents();
}

frmPref::~frmPref() = default;

void frmPref::WireEvents() {
    txtPoints->onChange([this] { txtPoints_Change(); });
    OnClicked(cmdChangeFont, this, [this] { cmdChangeFont_Click(); });
    OnClicked(cmdSave, this, [this] { cmdSave_Click(); });
    OnClicked(cmdExit, this, [this] { cmdExit_Click(); });
}

void frmPref::Fill() {
    const Settings& s = settings_;
    txtAzOffset->setText(NumberText(s.AzOffset));
    txtElOffSet->setText(NumberText(s.ElOffset));
    lblLocationFile->setCaption(s.LocFileName);
    lblLocationFile->setToolTip(lblLocationFile->text());  // a long path is cut off
    lblSatelliteFile->setCaption(s.SatFileName);
    lblSatelliteFile->setToolTip(lblSatelliteFile->text());
    lblFont->setCaption(s.PrtFontName);
    txtPoints->setText(std::to_string(s.PrtFontSize));  // runs the point size handling
    txtLftMargin->setText(std::to_string(s.PrtLeftMargin));
    txtTopMargin->setText(std::to_string(s.PrtTopMargin));
    txtSpacing->setText(std::to_string(s.PrtLineSpacing));

    // The stored font and size decide the sample, whatever the point size handling did.
    DrawSample(s.PrtFontName, s.PrtFontSize);
    lblSample->setCaption(SampleText());
    txtElOffSet->setFocus();
}

std::string frmPref::SampleText() const {
    return "This is " + txtPoints->text() + " point " + lblFont->caption() + ". ABCD 123";
}

void frmPref::DrawSample(const std::string& fontName, double points) {
    QFont font = lblSample->font();
    font.setFamilies({ToQString(fontName)});
    font.setPointSizeF(std::clamp(points, kSmallestSamplePoints, kLargestSamplePoints));
    lblSample->setFont(font);
}

// Every change of the point size, typed or written: the sample follows a usable size
// and warns of one too small to print.
void frmPref::txtPoints_Change() {
    const double points = TypedNumber(txtPoints->text());
    if (points < 6) {
        lblSample->setCaption("Point size is too small for most field printers.");
        return;
    }
    DrawSample(FromQString(lblSample->font().family()), points);
    lblSample->setCaption(SampleText());
}

// Only the name and size of the chosen font are taken. A cancelled dialog, or one that
// gives no usable name or size, changes nothing and says nothing.
void frmPref::cmdChangeFont_Click() {
    const std::optional<FontChoice> choice = platform_.fontDialog();
    if (!choice || choice->name.empty() || !(choice->size > 0)) {
        return;
    }
    std::string size;
    try {
        size = SingleText(choice->size);
    } catch (const RunTimeFailure&) {
        return;
    }
    lblFont->setCaption(choice->name);
    txtPoints->setText(size);  // runs the point size handling
    DrawSample(lblFont->caption(), TypedNumber(txtPoints->text()));
    lblSample->setCaption(SampleText());
}

bool frmPref::SavePreferences() {
    const PreferenceTexts texts{txtElOffSet->text(),  txtAzOffset->text(),  txtPoints->text(),
                                txtLftMargin->text(), txtTopMargin->text(), txtSpacing->text(),
                                lblFont->caption()};
    if (const std::optional<PreferenceRefusal> refusal = StorePreferences(settings_, texts)) {
        platform_.messageBox(refusal->message, MsgButtons::Ok, MsgIcon::Exclamation, msgTitle_);
        TextBox* box = nullptr;
        switch (refusal->field) {
            case PreferenceField::Points:
                box = txtPoints;
                break;
            case PreferenceField::LeftMargin:
                box = txtLftMargin;
                break;
            case PreferenceField::TopMargin:
                box = txtTopMargin;
                break;
            case PreferenceField::Spacing:
                box = txtSpacing;
                break;
            case PreferenceField::ElOffset:
                box = txtElOffSet;
                break;
            case PreferenceField::AzOffset:
                box = txtAzOffset;
                break;
        }
        // The message belongs to this window (see QtPlatform): after OK the window is the
        // active one again, with the focus in the box the message names.
        activateWindow();
        box->setFocus();
        return false;
    }
    // The file's own failure has been reported by the writer; the window stays open.
    return writeSettingsFile_();
}

void frmPref::cmdSave_Click() {
    if (SavePreferences()) {
        close();
    }
}

void frmPref::cmdExit_Click() {
    close();
}

}  // namespace tarvo
