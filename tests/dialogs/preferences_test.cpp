// The preferences window through the main window's "Edit Preferences", on the scripted
// platform in a fresh working folder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>
#include <optional>
#include <string>

#include "catalogue/settings.h"
#include "catalogue/settings_file.h"
#include "dialog_fixture.h"
#include "dialogs/frm_pref.h"
#include "mainwindow/disk_files.h"
#include "platform/label.h"
#include "platform/option_button.h"
#include "platform/text_box.h"

namespace tarvo::testing {
namespace {

class PreferencesTest : public FormTest {
  protected:
    frmPref* Open() {
        test::Find<QAction>(*form, "mnuPreferences")->trigger();
        const QList<frmPref*> open = OpenWindows<frmPref>(form.get());
        return open.size() == 1 ? open.front() : nullptr;
    }

    // Replaces the box's text by typing, as the user would.
    static void Retype(TextBox* box, const QString& keys) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
    }

    std::string SettingsFile() const { return ReadBytes(folder.file("tarvo.ini")); }

    Settings& settings() { return test::WritableState(*form).Settings; }
};

TEST_F(PreferencesTest, OpensFilledFromTheSettingsWithTheSampleInTheStoredFont) {
    frmPref* pref = Open();
    ASSERT_NE(pref, nullptr);
    EXPECT_EQ(pref->windowTitle(), "SNG Tarvo - Preferences");
    EXPECT_EQ(pref->txtElOffSet->text(), "0");
    EXPECT_EQ(pref->txtAzOffset->text(), "0");
    EXPECT_EQ(pref->txtPoints->text(), "14");
    EXPECT_EQ(pref->txtLftMargin->text(), "1000");
    EXPECT_EQ(pref->txtTopMargin->text(), "400");
    EXPECT_EQ(pref->txtSpacing->text(), "100");
    EXPECT_EQ(pref->lblFont->caption(), "Arial");
    EXPECT_EQ(pref->lblSatelliteFile->caption(), "tarvo.sat");
    EXPECT_EQ(pref->lblLocationFile->caption(), "");
    EXPECT_EQ(pref->lblSample->caption(), "This is 14 point Arial. ABCD 123");
    EXPECT_EQ(pref->lblSample->font().family(), "Arial");
    EXPECT_EQ(pref->lblSample->font().pointSizeF(), 14);
    EXPECT_EQ(pref->focusWidget(), pref->txtElOffSet);
    pref->close();

    // A size below 6 from a hand-made settings file: the point size handling warns while
    // filling, but the stored font and size have the last word.
    settings().ElOffset = 1.5;
    settings().AzOffset = -0.25;
    settings().PrtFontSize = 4;
    settings().PrtFontName = "Courier New";
    settings().LocFileName = "/data/trucks.loc";
    pref = Open();
    ASSERT_NE(pref, nullptr);
    EXPECT_EQ(pref->txtElOffSet->text(), "1.5");
    EXPECT_EQ(pref->txtAzOffset->text(), "-0.25");
    EXPECT_EQ(pref->lblLocationFile->caption(), "/data/trucks.loc");
    EXPECT_EQ(pref->lblSample->caption(), "This is 4 point Courier New. ABCD 123");
    EXPECT_EQ(pref->lblSample->font().family(), "Courier New");
    EXPECT_EQ(pref->lblSample->font().pointSizeF(), 4);
}

TEST_F(PreferencesTest, TabVisitsTheBoxesAndButtonsInOrderAndEachBoxHasAName) {
    frmPref* pref = Open();
    ASSERT_NE(pref, nullptr);
    QStringList visited;
    QWidget* widget = pref->txtElOffSet;
    do {
        if (widget->focusPolicy() & Qt::TabFocus) {
            visited << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != pref->txtElOffSet && visited.size() < 20);
    EXPECT_EQ(visited,
              (QStringList{"txtElOffSet", "txtAzOffset", "txtPoints", "cmdChangeFont",
                           "txtLftMargin", "txtTopMargin", "txtSpacing", "cmdSave", "cmdExit"}));
    for (TextBox* box : pref->findChildren<TextBox*>()) {
        EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
    }
}

TEST_F(PreferencesTest, EveryChangeOfThePointSizeRedrawsTheSampleOrWarns) {
    BoundaryFailures failures;
    frmPref* pref = Open();
    ASSERT_NE(pref, nullptr);
    const std::string warning = "Point size is too small for most field printers.";
    struct Step {
        const char* keys;  // typed after emptying the box; "+" adds to what is there
        const char* caption;
        double size;  // the sample's size afterwards
    };
    const Step steps[] = {
        {"", warning.c_str(), 14},    // emptied: 0 is too small, the size stays
        {"+1", warning.c_str(), 14},  // the first digit of 12
        {"+2", "This is 12 point Arial. ABCD 123", 12},
        {"5", warning.c_str(), 12},
        {"6", "This is 6 point Arial. ABCD 123", 6},
        {"10.5", "This is 10.5 point Arial. ABCD 123", 10.5},
        {"5.99", warning.c_str(), 10.5},
    };
    for (const Step& step : steps) {
        const QString keys = QString::fromLatin1(step.keys);
        if (keys.startsWith('+')) {
            QTest::keyClicks(pref->txtPoints, keys.mid(1));
        } else {
            Retype(pref->txtPoints, keys);
        }
        EXPECT_EQ(pref->lblSample->caption(), step.caption) << step.keys;
        EXPECT_EQ(pref->lblSample->font().pointSizeF(), step.size) << step.keys;
    }

    // Sizes the label cannot show are drawn at a size whose line fits it; nothing fails.
    for (const char* huge : {"600", "32767", "1E300", "1E999"}) {
        Retype(pref->txtPoints, QString::fromLatin1(huge));
        EXPECT_EQ(pref->lblSample->caption(),
                  "This is " + std::string(huge) + " point Arial. ABCD 123");
        EXPECT_GT(pref->lblSample->font().pointSizeF(), 10.5) << huge;
        EXPECT_LE(QFontMetrics(pref->lblSample->font()).height(), pref->lblSample->height())
            << huge;
    }
    EXPECT_THAT(failures.failures, ::testing::IsEmpty());
    EXPECT_THAT(platform.messages(), ::testing::IsEmpty());
}

TEST_F(PreferencesTest, SaveStoresRoundedPrinterValuesUnroundedOffsetsAndRewritesTheFile) {
    frmPref* pref = Open();
    ASSERT_NE(pref, nullptr);
    Retype(pref->txtElOffSet, "-1");
    Retype(pref->txtAzOffset, "2.5");
    Retype(pref->txtPoints, "11.5");
    Retype(pref->txtLftMargin, "10.5");
    Retype(pref->txtTopMargin, "");
    Retype(pref->txtSpacing, "0");
    pref->cmdSave->click();

    EXPECT_THAT(platform.messages(), ::testing::IsEmpty());
    EXPECT_THAT(OpenWindows<frmPref>(form.get()), ::testing::IsEmpty());
    EXPECT_EQ(settings().PrtFontSize, 12);
    EXPECT_EQ(settings().PrtLeftMargin, 10);
    EXPECT_EQ(settings().PrtTopMargin, 0);
    EXPECT_EQ(settings().PrtLineSpacing, 0);
    EXPECT_EQ(settings().ElOffset, -1);
    EXPECT_EQ(settings().AzOffset, 2.5);
    const std::string crlf = "\r\n";
    EXPECT_EQ(SettingsFile(), "-1 " + crlf + " 2.5 " + crlf + crlf + std::string(50, ' ') + crlf +
                                  " 0 " + crlf + " 0 " + crlf + "tarvo.sat" + crlf + " 1 " + crlf +
                                  "Arial" + crlf + " 12 " + crlf + " 10 " + crlf + " 0 " + crlf +
                                  " 0 " + crlf + " 9009 " + crlf);

    // The next calculation adds the offsets: 181.556 + 2.5 and 43.712 - 1; a rounded
    // azimuth offset of 2 would give 183.556.
    EXPECT_EQ(CalculateFor("101", "100", "40"), (Results{"184.056", "42.712", "20249.4"}));
    EXPECT_EQ(test::Find<Label>(*form, "lblAzimuth")->caption(), "Adjusted Azimuth:");
}

TEST_F(PreferencesTest, SixPointsAreSavedAndFivePointNineRefused) {
    frmPref* pref = Open();
    ASSERT_NE(pref, nullptr);
    Retype(pref->txtPoints, "5.9");
    pref->cmdSave->click();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, "Font size must be six or larger!");
    EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Exclamation);
    EXPECT_EQ(platform.lastMessage().buttons, MsgButtons::Ok);
    EXPECT_EQ(platform.lastMessage().title, "SNG Tarvo");
    EXPECT_TRUE(pref->isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder.file("tarvo.ini")));

    Retype(pref->txtPoints, "6");
    pref->cmdSave->click();
    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(settings().PrtFontSize, 6);
    EXPECT_TRUE(std::filesystem::exists(folder.file("tarvo.ini")));
    EXPECT_THAT(OpenWindows<frmPref>(form.get()), ::testing::IsEmpty());
}

TEST_F(PreferencesTest, ARefusedValueStopsTheSaveWithTheFocusInItsBox) {
    WriteBytes(folder.file("tarvo.ini"), "as it was");
    struct Case {
        const char* points;
        const char* left;
        const char* top;
        const char* spacing;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {"12", "-1", "5", "5", "Margin value cannot be a negative number!", "txtLftMargin"},
        {"8", "30", "5", "-3", "Line Spacing cannot be a negative number!", "txtSpacing"},
        {"40000", "1", "1", "1", "Font size must be 32767 or less!", "txtPoints"},
        {"9", "1", "32768", "1", "Top margin must be 32767 or less!", "txtTopMargin"},
    };
    frmPref* pref = Open();
    ASSERT_NE(pref, nullptr);
    for (const Case& c : cases) {
        platform.clearRecords();
        Retype(pref->txtPoints, c.points);
        Retype(pref->txtLftMargin, c.left);
        Retype(pref->txtTopMargin, c.top);
        Retype(pref->txtSpacing, c.spacing);
        Retype(pref->txtElOffSet, "3");
        pref->cmdSave->click();

        ASSERT_EQ(platform.messages().size(), 1u) << c.message;
        EXPECT_EQ(platform.lastMessage().text, c.message);
        EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Exclamation);
        ASSERT_NE(pref->focusWidget(), nullptr);
        EXPECT_EQ(pref->focusWidget()->objectName(), c.focus) << c.message;
        EXPECT_TRUE(pref->isVisible()) << c.message;
        // Not even the values whose checks passed are taken.
        EXPECT_EQ(settings().PrtFontSize, 14) << c.message;
        EXPECT_EQ(settings().PrtLeftMargin, 1000) << c.message;
        EXPECT_EQ(settings().ElOffset, 0) << c.message;
        EXPECT_EQ(SettingsFile(), "as it was") << c.message;
    }

    pref->cmdExit->click();
    EXPECT_EQ(settings().PrtFontSize, 14);
    EXPECT_EQ(SettingsFile(), "as it was");
}

TEST_F(PreferencesTest, ChangeFontTakesTheNameAndSizeOnlyAndCancelChangesNothing) {
    frmPref* pref = Open();
    ASSERT_NE(pref, nullptr);

    // Cancelled, or a dialog that gives no usable font: nothing changes, nothing is said.
    platform.queueFontCancel();
    platform.queueFont(FontChoice{"", 12});
    platform.queueFont(FontChoice{"Courier New", -1});
    for (int i = 0; i < 3; ++i) {
        pref->cmdChangeFont->click();
        EXPECT_EQ(pref->lblFont->caption(), "Arial") << i;
        EXPECT_EQ(pref->txtPoints->text(), "14") << i;
        EXPECT_EQ(pref->lblSample->caption(), "This is 14 point Arial. ABCD 123") << i;
        EXPECT_EQ(pref->lblSample->font().family(), "Arial") << i;
        EXPECT_EQ(pref->lblSample->font().pointSizeF(), 14) << i;
    }

    platform.queueFont(FontChoice{"Courier New", 10.5});
    pref->cmdChangeFont->click();
    EXPECT_EQ(pref->lblFont->caption(), "Courier New");
    EXPECT_EQ(pref->txtPoints->text(), "10.5");
    EXPECT_EQ(pref->lblSample->caption(), "This is 10.5 point Courier New. ABCD 123");
    EXPECT_EQ(pref->lblSample->font().family(), "Courier New");
    EXPECT_EQ(pref->lblSample->font().pointSizeF(), 10.5);

    // A size below 6 from the dialog is drawn as chosen: the sample follows the dialog.
    platform.queueFont(FontChoice{"Liberation Serif", 5});
    pref->cmdChangeFont->click();
    EXPECT_EQ(pref->txtPoints->text(), "5");
    EXPECT_EQ(pref->lblSample->caption(), "This is 5 point Liberation Serif. ABCD 123");
    EXPECT_EQ(pref->lblSample->font().pointSizeF(), 5);
    EXPECT_EQ(platform.fontRequests(), 5);
    EXPECT_THAT(platform.messages(), ::testing::IsEmpty());

    // The name reaches the settings only with a save.
    EXPECT_EQ(settings().PrtFontName, "Arial");
    Retype(pref->txtPoints, "10.5");
    pref->cmdSave->click();
    EXPECT_EQ(settings().PrtFontName, "Liberation Serif");
    EXPECT_EQ(settings().PrtFontSize, 10);
}

TEST_F(PreferencesTest, ExitAndTheWindowFrameStoreNothing) {
    for (bool byFrame : {false, true}) {
        frmPref* pref = Open();
        ASSERT_NE(pref, nullptr);
        Retype(pref->txtElOffSet, "2");
        Retype(pref->txtAzOffset, "3");
        Retype(pref->txtPoints, "20");
        Retype(pref->txtLftMargin, "1");
        Retype(pref->txtTopMargin, "2");
        Retype(pref->txtSpacing, "3");
        platform.queueFont(FontChoice{"Courier New", 12});
        pref->cmdChangeFont->click();
        if (byFrame) {
            pref->close();
        } else {
            pref->cmdExit->click();
        }
        EXPECT_THAT(OpenWindows<frmPref>(form.get()), ::testing::IsEmpty());
        EXPECT_EQ(settings().ElOffset, 0);
        EXPECT_EQ(settings().AzOffset, 0);
        EXPECT_EQ(settings().PrtFontSize, 14);
        EXPECT_EQ(settings().PrtLeftMargin, 1000);
        EXPECT_EQ(settings().PrtTopMargin, 400);
        EXPECT_EQ(settings().PrtLineSpacing, 100);
        EXPECT_EQ(settings().PrtFontName, "Arial");
        EXPECT_FALSE(std::filesystem::exists(folder.file("tarvo.ini")));
    }
}

TEST_F(PreferencesTest, OneWindowAtATimeRefilledByTheCommand) {
    frmPref* pref = Open();
    ASSERT_NE(pref, nullptr);
    Retype(pref->txtAzOffset, "9");
    Retype(pref->txtSpacing, "7");
    settings().PrtTopMargin = 250;  // changed meanwhile

    EXPECT_EQ(Open(), pref);  // the same window, still alone
    EXPECT_EQ(pref->txtAzOffset->text(), "0");
    EXPECT_EQ(pref->txtSpacing->text(), "100");
    EXPECT_EQ(pref->txtTopMargin->text(), "250");
    EXPECT_EQ(pref->focusWidget(), pref->txtElOffSet);
}

TEST_F(PreferencesTest, AFailedRewriteIsReportedAndTheWindowStaysOpen) {
    std::filesystem::create_directory(folder.file("tarvo.ini"));  // cannot be replaced
    frmPref* pref = Open();
    ASSERT_NE(pref, nullptr);
    Retype(pref->txtPoints, "16");
    pref->cmdSave->click();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_THAT(platform.lastMessage().text,
                ::testing::StartsWith("The file tarvo.ini could not be written."));
    EXPECT_TRUE(pref->isVisible());
    // Memory holds what the file holds, as after any failed rewrite; the window keeps
    // the typed value for another try.
    EXPECT_EQ(settings().PrtFontSize, 14);
    EXPECT_EQ(pref->txtPoints->text(), "16");
}

// Values abandoned after a refused save never reach the settings file, also not with a
// later rewrite for another reason (here the list order).
TEST_F(PreferencesTest, ARefusedSaveLeavesNothingForALaterRewrite) {
    frmPref* pref = Open();
    ASSERT_NE(pref, nullptr);
    Retype(pref->txtPoints, "9");
    Retype(pref->txtLftMargin, "20");
    Retype(pref->txtTopMargin, "-5");  // refused after two values passed their checks
    Retype(pref->txtElOffSet, "1.5");
    pref->cmdSave->click();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, "Top margin cannot be a negative number!");
    pref->cmdExit->click();

    test::Find<OptionButton>(*form, "optArc")->userClick();
    const std::optional<Settings> onDisk = ReadSettingsFile(folder.file("tarvo.ini").string());
    ASSERT_TRUE(onDisk.has_value());
    EXPECT_EQ(onDisk->SortAlpha, 0);
    EXPECT_EQ(onDisk->PrtFontSize, 14);
    EXPECT_EQ(onDisk->PrtLeftMargin, 1000);
    EXPECT_EQ(onDisk->PrtTopMargin, 400);
    EXPECT_EQ(onDisk->ElOffset, 0);
    EXPECT_EQ(SettingsFileText(settings()), SettingsFileText(*onDisk));
}

}  // namespace
}  // namespace tarvo::testing
