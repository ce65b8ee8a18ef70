// The horizon mask window: points typed, checked, saved into pointing.ini and read back.

#include "aidwindows/frm_horizon.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "aidsettings/aid_settings_store.h"
#include "support/file_bytes.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class HorizonWindow : public ::testing::Test {
  protected:
    std::string FileName() { return folder.Name("pointing.ini"); }

    // Adds a row through the Add button and types both values into it.
    void Type(frmHorizon& form, const char* azimuth, const char* elevation) {
        form.cmdAdd->click();
        const int row = form.grdPoints->rowCount() - 1;
        form.grdPoints->item(row, 0)->setText(QString::fromUtf8(azimuth));
        form.grdPoints->item(row, 1)->setText(QString::fromUtf8(elevation));
    }

    TempFolder folder;
    ScriptedPlatform platform;
};

TEST_F(HorizonWindow, TypedPointsAreSavedAndThereAfterARestart) {
    {
        AidSettingsStore store(FileName());
        frmHorizon form(store, platform, "SNG Tarvo", "\n\r");
        int saved = 0;
        QObject::connect(&form, &frmHorizon::Saved, [&] { ++saved; });
        form.Edit("Atlanta, GA                ");  // as the location list holds it
        EXPECT_EQ(form.windowTitle(), "SNG Tarvo - Horizon Mask");
        EXPECT_EQ(form.lblLocation->text(), "Location: Atlanta, GA");
        EXPECT_EQ(form.grdPoints->rowCount(), 0);
        Type(form, "150", "30.5");
        Type(form, " 210 ", "12");
        form.cmdAdd->click();  // a row never filled in is passed over
        form.cmdSave->click();
        EXPECT_EQ(saved, 1);
        EXPECT_EQ(form.grdPoints->rowCount(), 2);

        // "Mäntsälä" in program text (E4 is "ä" in Windows-1252); UTF-8 in the file.
        form.Edit("M\xe4nts\xe4l\xe4");
        EXPECT_EQ(form.grdPoints->rowCount(), 0);
        Type(form, "360", "-5");
        EXPECT_TRUE(form.cmdSave_Click());
    }
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_NE(ReadBytes(FileName()).find("M\xc3\xa4nts\xc3\xa4l\xc3\xa4"), std::string::npos);

    AidSettingsStore restarted(FileName());
    const HorizonMask atlanta = {{150, 30.5}, {210, 12}};
    EXPECT_EQ(restarted.Settings().Horizon.MaskFor("Atlanta, GA"), atlanta);
    const HorizonMask mantsala = {{360, -5}};
    EXPECT_EQ(restarted.Settings().Horizon.MaskFor("M\xc3\xa4nts\xc3\xa4l\xc3\xa4"), mantsala);

    frmHorizon again(restarted, platform, "SNG Tarvo", "\n\r");
    again.Edit("Atlanta, GA");
    ASSERT_EQ(again.grdPoints->rowCount(), 2);
    EXPECT_EQ(again.grdPoints->item(0, 0)->text(), "150");
    EXPECT_EQ(again.grdPoints->item(0, 1)->text(), "30.5");
    // Remove takes the current row; saving no points at all gives back the flat horizon.
    again.grdPoints->setCurrentCell(0, 1);
    again.cmdRemove->click();
    ASSERT_EQ(again.grdPoints->rowCount(), 1);
    EXPECT_EQ(again.grdPoints->item(0, 0)->text(), "210");
    again.cmdRemove->click();
    EXPECT_TRUE(again.cmdSave_Click());
    EXPECT_TRUE(AidSettingsStore(FileName()).Settings().Horizon.MaskFor("Atlanta, GA").empty());
}

// A value out of its range or no number is refused with a message naming it, the
// cursor goes to it, and nothing is saved.
TEST_F(HorizonWindow, ValuesAreChecked) {
    struct Case {
        const char* azimuth;
        const char* elevation;
        const char* message;  // empty: accepted
        int column;
    };
    const char* azimuthMessage =
        "The azimuth in row 2 must be a number of degrees from 0 to 360, such as 152.5.";
    const char* elevationMessage =
        "The elevation in row 2 must be a number of degrees from -5 to 90, such as 12.5.";
    const Case cases[] = {
        {"400", "5", azimuthMessage, 0},
        {"-0.1", "5", azimuthMessage, 0},
        {"east", "5", azimuthMessage, 0},
        {"", "5", azimuthMessage, 0},
        {"12,5", "5", azimuthMessage, 0},  // a comma is no decimal mark
        {"10", "-5.1", elevationMessage, 1},
        {"10", "90.01", elevationMessage, 1},
        {"10", "", elevationMessage, 1},
        {"nan", "1", azimuthMessage, 0},
        {"360", "-5", "", 0},
        {"0", "90", "", 0},
        {"1e2", " 7 ", "", 0},
    };
    for (const Case& c : cases) {
        TempFolder caseFolder;
        AidSettingsStore store(caseFolder.Name("pointing.ini"));
        ScriptedPlatform casePlatform;
        frmHorizon form(store, casePlatform, "SNG Tarvo", "\n\r");
        form.Edit("Atlanta, GA");
        Type(form, "100", "10");
        Type(form, c.azimuth, c.elevation);
        const bool saved = form.cmdSave_Click();
        const std::string what = std::string(c.azimuth) + " / " + c.elevation;
        if (*c.message == '\0') {
            EXPECT_TRUE(saved) << what;
            EXPECT_TRUE(casePlatform.messages().empty()) << what;
            EXPECT_EQ(store.Settings().Horizon.MaskFor("Atlanta, GA").size(), 2u) << what;
            continue;
        }
        EXPECT_FALSE(saved) << what;
        ASSERT_EQ(casePlatform.messages().size(), 1u) << what;
        EXPECT_EQ(casePlatform.lastMessage().text, c.message) << what;
        EXPECT_EQ(casePlatform.lastMessage().title, "SNG Tarvo");
        EXPECT_EQ(form.grdPoints->currentRow(), 1) << what;
        EXPECT_EQ(form.grdPoints->currentColumn(), c.column) << what;
        EXPECT_TRUE(store.Settings().Horizon.Masks.empty()) << what;
        EXPECT_FALSE(std::filesystem::exists(caseFolder.file("pointing.ini"))) << what;
    }
}

TEST_F(HorizonWindow, AFailedWriteIsToldAndKeepsTheOldFile) {
    const std::string old = "[GPS]\nPort=2950\n";
    WriteBytes(FileName(), old);
    ASSERT_EQ(::chmod(FileName().c_str(), 0444), 0);
    AidSettingsStore store(FileName());
    frmHorizon form(store, platform, "SNG Tarvo", "\n\r");
    form.Edit("Atlanta, GA");
    Type(form, "180", "20");
    EXPECT_FALSE(form.cmdSave_Click());
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, FileName() +
                                               " could not be written: Permission denied\n\r"
                                               "The horizon mask is used until the program "
                                               "ends, but it is not kept.");
    EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Critical);
    EXPECT_EQ(ReadBytes(FileName()), old);
    EXPECT_EQ(store.Settings().Horizon.MaskFor("Atlanta, GA").size(), 1u);  // in use
}

TEST_F(HorizonWindow, ClosingWithChangesAsksFirst) {
    AidSettingsStore store(FileName());
    frmHorizon form(store, platform, "SNG Tarvo", "\n\r");
    form.Edit("Atlanta, GA");
    form.show();
    Type(form, "180", "20");
    platform.queueAnswer(MsgAnswer::No);
    form.cmdClose->click();
    EXPECT_TRUE(form.isVisible());  // No: the changes stay to be saved
    EXPECT_EQ(platform.lastMessage().text,
              "The horizon mask of Atlanta, GA has changes that are not saved.\n\r"
              "Close without saving them?");
    platform.queueAnswer(MsgAnswer::Yes);
    form.cmdClose->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(store.Settings().Horizon.Masks.empty());
    EXPECT_EQ(form.grdPoints->rowCount(), 0);  // opened again, it shows the saved mask
    EXPECT_EQ(platform.messages().size(), 2u);
}

}  // namespace
}  // namespace tarvo
