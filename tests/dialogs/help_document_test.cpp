// The help document shipped in samples/ as the help viewer shows it: it opens, its
// links lead somewhere, and it explains every command and box the windows have.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <filesystem>

#include "aidwindows/frm_pointing.h"
#include "aidwindows/frm_sky_view.h"
#include "aidwindows/frm_sun_outage.h"
#include "catalogue/settings.h"
#include "dialog_fixture.h"
#include "dialogs/frm_pref.h"
#include "dialogs/help_window.h"
#include "platform/combo_box.h"
#include "platform/label.h"
#include "platform/text_box.h"

namespace tarvo::testing {
namespace {

const QString kHelpFile = QStringLiteral(TARVO_SAMPLES "/tarvo.hlp");

// The links of a document that point inside it, and the anchors it has.
struct Links {
    QSet<QString> internal;
    QSet<QString> anchors;
};

Links LinksOf(const QTextDocument& document) {
    Links links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames()) {
                links.anchors.insert(name);
            }
            const QString href = format.anchorHref();
            if (href.startsWith('#')) {
                links.internal.insert(href.mid(1));
            }
        }
    }
    return links;
}

TEST(HelpDocument, OpensInTheViewerAndEveryLinkInsideItLeadsSomewhere) {
    HelpWindow window;
    ASSERT_TRUE(window.open(kHelpFile));
    EXPECT_EQ(window.windowTitle(), "SNG Tarvo Help");
    const Links links = LinksOf(*window.browser()->document());
    EXPECT_GE(links.internal.size(), 10);
    for (const QString& target : links.internal) {
        EXPECT_TRUE(links.anchors.contains(target)) << target.toStdString();
    }

    // Following a link and coming back.
    window.browser()->setSource(QUrl(QStringLiteral("#offsets")));
    EXPECT_TRUE(window.browser()->isBackwardAvailable());
    window.browser()->backward();
    EXPECT_FALSE(window.browser()->isBackwardAvailable());
}

TEST(HelpDocument, AFileThatIsNotThereIsNotOpened) {
    HelpWindow window;
    EXPECT_FALSE(window.open(QStringLiteral("/nonexistent/tarvo.hlp")));
    EXPECT_FALSE(window.open(QString()));
    EXPECT_TRUE(window.browser()->document()->isEmpty());
}

// Every menu command, button and box label of the main window, the preferences window,
// the pointing aid and the sky view is named in the document, so a user finds each of
// them explained.
TEST_F(FormTest, TheHelpDocumentNamesEveryCommandAndBox) {
    HelpWindow window;
    ASSERT_TRUE(window.open(kHelpFile));
    const QString text = window.browser()->document()->toPlainText().simplified();

    QStringList names;
    for (QAction* menu : form->menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (!item->isSeparator()) {
                names << item->text().remove('&');
            }
        }
    }
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        names << button->text();
    }
    Settings settings;
    auto* pref = new frmPref(
        settings, [] { return true; }, platform, "SNG Tarvo", form.get());
    test::Find<QAction>(*form, "mnuPointingAid")->trigger();
    test::Find<QAction>(*form, "mnuSkyView")->trigger();
    test::Find<QAction>(*form, "mnuSunOutages")->trigger();
    QList<QWidget*> controls = pref->findChildren<QWidget*>();
    controls += form->PointingWindow()->findChildren<QWidget*>();
    controls += form->SkyViewWindow()->findChildren<QWidget*>();
    controls += form->SunOutageWindow()->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (auto* label = qobject_cast<Label*>(control); label && label->text().endsWith(':')) {
            names << label->text().chopped(1);
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            names << button->text();
        }
    }
    names << "CLEAR THIS SCREEN AND GET ON WITH IT!";
    ASSERT_GE(names.size(), 30);
    for (const QString& name : names) {
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
    }
}

// The worked example of the guide, on the sample files, with the figures worked out by
// hand from the look-angle formulas.
TEST_F(FormTest, TheGuidesWorkedExampleHoldsOnTheSampleData) {
    for (const char* name : {"tarvo.ini", "tarvo.sat", "tarvo.loc"}) {
        std::filesystem::copy_file(std::filesystem::path(TARVO_SAMPLES) / name, folder.file(name));
    }
    form->Form_Load();
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text().substr(0, 11), "Atlanta, GA");
    EXPECT_EQ(Shown(), (Results{"201.933", "48.479", "20072.5"}));

    // The same position in degrees, minutes and seconds.
    test::Find<TextBox>(*form, "txtLongitude")->setText("84 23 24");
    test::Find<TextBox>(*form, "txtLatitude")->setText("33 45");
    test::Find<QPushButton>(*form, "cmdCalculate")->click();
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "84.39");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "33.75");
    EXPECT_EQ(Shown(), (Results{"201.933", "48.479", "20072.5"}));

    auto choose = [this](const std::string& name) {
        for (int i = 0; i < test::Find<ComboBox>(*form, "cboSatName")->count(); ++i) {
            if (test::Find<ComboBox>(*form, "cboSatName")->itemText(i) == name) {
                test::Find<ComboBox>(*form, "cboSatName")->choose(i);
                return;
            }
        }
        ADD_FAILURE() << name << " is not listed";
    };
    choose("SES-1");
    EXPECT_EQ(Shown(), (Results{"208.233", "46.889", "20129.6"}));
    choose("Telstar 19 VANTAGE");
    EXPECT_EQ(Shown(), (Results{"144.815", "44.542", "20217.4"}));
    choose("Anik F2");
    EXPECT_EQ(Shown(), (Results{"222.166", "41.455", "20339"}));

    test::WritableState(*form).Settings.ElOffset = -1;
    test::WritableState(*form).Settings.AzOffset = 2.5;
    choose("Galaxy 19");
    EXPECT_EQ(Shown(), (Results{"204.433", "47.479", "20072.5"}));
}

}  // namespace
}  // namespace tarvo::testing
