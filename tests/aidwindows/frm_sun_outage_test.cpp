// The sun outage window beside the main window: the worked example's table, the dish
// boxes and pointing.ini, the look list's satellites, copying and printing.

#include "aidwindows/frm_sun_outage.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <set>

#include "aidsettings/aid_settings_store.h"
#include "aidwindows/text_table_model.h"
#include "aidwindows/value_box.h"
#include "common/fixed_text.h"
#include "common/number_text.h"
#include "platform/command_button.h"
#include "platform/label.h"
#include "pointing_fixture.h"

namespace tarvo::testing {
namespace {

// "18:51:00" as seconds of the day.
int Seconds(const std::string& clock) {
    return std::stoi(clock.substr(0, 2)) * 3600 + std::stoi(clock.substr(3, 2)) * 60 +
           std::stoi(clock.substr(6, 2));
}

class SunOutageTest : public PointingTest {
  protected:
    frmSunOutage* Open(CalendarDate today = kToday, QTimeZone zone = QTimeZone(-5 * 3600)) {
        window = new frmSunOutage(
            form->view(), form->aidSettings(), platform, form.get(), [today] { return today; },
            zone);
        return window;
    }

    // The main window on the worked example: 40 N 100 W, the satellite at 100 W.
    void WorkedExample() {
        StartOnSamples();
        test::Find<ComboBox>(*form, "cboSatName")->setText("");
        Enter("100", "100", "40");
        test::Find<CommandButton>(*form, "cmdCalculate")->click();
    }

    void RunFill() {
        for (int turns = 0; window->Filling() && turns < 1000; ++turns) {
            QApplication::processEvents();
        }
        ASSERT_FALSE(window->Filling());
    }

    const std::vector<std::vector<std::string>>& Rows() const { return window->Table().Rows(); }

    frmSunOutage* window = nullptr;  // a child of the main window
};

TEST_F(SunOutageTest, TheWorkedExampleInUtcAndInTwoTimeZones) {
    WorkedExample();
    // The spring days of an independent computation in 20 s steps, each edge within 20 s.
    struct Day {
        const char* date;
        const char* start;
        const char* end;
    };
    const Day spring[] = {{"2026-03-02", "18:51:00", "18:53:20"},
                          {"2026-03-03", "18:49:20", "18:54:40"},
                          {"2026-03-04", "18:48:40", "18:54:40"},
                          {"2026-03-05", "18:49:00", "18:54:00"}};
    struct Zone {
        int hoursAhead;
        const char* dateSuffix;  // the local day where it is not the row's
    };
    // Six hours behind: 18:51 is 12:51 the same day. Six ahead: 00:51 the next day.
    for (const Zone zone : {Zone{-6, ""}, Zone{6, "next"}}) {
        Open(CalendarDate{2026, 1, 1}, QTimeZone(zone.hoursAhead * 3600));
        EXPECT_EQ(window->windowTitle(), "SNG Tarvo - Sun Outages");
        EXPECT_EQ(window->txtOutageAngle->text(), "0.756");
        EXPECT_EQ(window->Table().Columns(),
                  (std::vector<std::string>{"Date", "Start (UTC)", "End (UTC)", "Start (local)",
                                            "End (local)", "Minutes", "Closest"}));
        ASSERT_GE(Rows().size(), 8u);
        for (std::size_t i = 0; i < std::size(spring); ++i) {
            const std::vector<std::string>& row = Rows()[i];
            ASSERT_EQ(row.size(), 7u);
            EXPECT_EQ(row[0], spring[i].date);
            EXPECT_NEAR(Seconds(row[1]), Seconds(spring[i].start), 20) << row[1];
            EXPECT_NEAR(Seconds(row[2]), Seconds(spring[i].end), 20) << row[2];
            const int local = (Seconds(row[1]) + zone.hoursAhead * 3600 + 86400) % 86400;
            EXPECT_EQ(Seconds(row[3]), local) << row[3];
            if (*zone.dateSuffix != 0) {
                // 2026-03-02 18:51 UTC is 00:51 on 2026-03-03 six hours ahead.
                const std::string next = "2026-03-0" + std::to_string(3 + i);
                EXPECT_EQ(row[3].substr(8), " (" + next + ")");
            } else {
                EXPECT_EQ(row[3].size(), 8u);
            }
            // The minutes are the span to a tenth; the closest is inside the angle.
            EXPECT_NEAR(std::stod(row[5]), (Seconds(row[2]) - Seconds(row[1])) / 60.0, 0.051);
            EXPECT_LT(std::stod(row[6]), 0.756);
        }
        // Then the autumn days, in October.
        for (std::size_t i = std::size(spring); i < Rows().size(); ++i) {
            EXPECT_EQ(Rows()[i][0].substr(0, 8), "2026-10-") << i;
        }
        EXPECT_NE(window->lblStatus->text().toStdString().find(
                      "days with a sun outage in the 365 days from 2026-01-01"),
                  std::string::npos);
        window->close();
    }
}

// Every cell is read by a screen reader, and Tab goes from the dish to the table to the
// buttons.
TEST_F(SunOutageTest, AScreenReaderReadsEveryCellInTheKeyboardsOrder) {
    WorkedExample();
    Open(CalendarDate{2026, 1, 1});
    const QAbstractItemModel* model = window->grdOutages->model();
    ASSERT_GT(model->rowCount(), 0);
    for (int column = 0; column < model->columnCount(); ++column) {
        EXPECT_EQ(model->index(0, column).data(Qt::AccessibleTextRole).toString().toStdString(),
                  Rows()[0][static_cast<std::size_t>(column)]);
    }
    EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Start (UTC)");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->grdOutages)->text(QAccessible::Name),
              "Sun outages");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->txtDiameter)->text(QAccessible::Name),
              "Dish Diameter (m):");

    window->show();
    QWidget* focus = window->txtDiameter;
    std::vector<std::string> order;
    for (int i = 0; i < 7; ++i) {
        order.push_back(focus->objectName().toStdString());
        do {
            focus = focus->nextInFocusChain();
        } while (focus->focusPolicy() == Qt::NoFocus || !focus->isVisibleTo(window));
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"txtDiameter", "txtFrequency", "txtOutageAngle",
                                        "grdOutages", "cmdAllSatellites", "cmdPrint", "cmdClose"}));
}

// A value that is no positive number is told in a box and changes nothing.
TEST_F(SunOutageTest, ADishThatIsNoPositiveNumberIsRefused) {
    WorkedExample();
    Open(CalendarDate{2026, 1, 1});
    const auto before = Rows();
    ASSERT_FALSE(before.empty());
    struct Case {
        const char* diameter;
        const char* frequency;
        const char* message;  // its start
    };
    const Case cases[] = {
        {"0", "12", "The dish diameter must be a positive number"},
        {"-1.8", "12", "The dish diameter must be a positive number"},
        {"abc", "12", "The dish diameter must be a positive number"},
        {"", "12", "The dish diameter must be a positive number"},
        {"1,8", "12", "The dish diameter must be a positive number"},
        {"1.8", "0", "The frequency must be a positive number"},
        {"1.8", "12 GHz", "The frequency must be a positive number"},
        // 70 x 0.2998 / 0.01 = 2098 degrees wide: no beam to speak of.
        {"0.01", "1", "A dish of 0.01 m at 1 GHz is hardly wider than its wavelength"},
    };
    for (const Case& c : cases) {
        window->txtDiameter->setText(c.diameter);
        window->txtFrequency->setText(c.frequency);
        const std::size_t told = platform.messages().size();
        QTest::keyClick(window->txtFrequency, Qt::Key_Return);
        ASSERT_EQ(platform.messages().size(), told + 1) << c.diameter << " " << c.frequency;
        EXPECT_EQ(platform.lastMessage().text.rfind(c.message, 0), 0u)
            << platform.lastMessage().text;
        EXPECT_EQ(platform.lastMessage().title, "SNG Tarvo");
        EXPECT_EQ(Rows(), before);
        EXPECT_EQ(window->txtOutageAngle->text(), "0.756");
        EXPECT_EQ(form->aidSettings().Settings().SunOutages.DishDiameter, 1.8);
    }
}

TEST_F(SunOutageTest, TheDishIsKeptInPointingIni) {
    WorkedExample();
    Open(CalendarDate{2026, 1, 1});
    const std::size_t wide = Rows().size();
    window->txtDiameter->setText("2.4");
    window->txtFrequency->setText("14");
    QTest::keyClick(window->txtFrequency, Qt::Key_Return);
    EXPECT_TRUE(platform.messages().empty());
    // 0.299792458 / 14 = 0.0214137 m; x 70 / 2.4 = 0.62457; half 0.31228 + 0.27 = 0.58228.
    EXPECT_EQ(window->txtOutageAngle->text(), "0.582");
    // A narrower beam: fewer days, each shorter.
    EXPECT_LT(Rows().size(), wide);
    const AidSettings read = ReadAidSettings(folder.file("pointing.ini").string());
    EXPECT_EQ(read.SunOutages.DishDiameter, 2.4);
    EXPECT_EQ(read.SunOutages.Frequency, 14);
    window->close();

    Open(CalendarDate{2026, 1, 1});
    EXPECT_EQ(window->txtDiameter->text(), "2.4");
    EXPECT_EQ(window->txtFrequency->text(), "14");
    EXPECT_EQ(window->txtOutageAngle->text(), "0.582");
}

TEST_F(SunOutageTest, EmptyWithAReasonWithoutPlaceOrSatelliteOrBelowTheHorizon) {
    StartOnSamples();
    Open();
    struct Case {
        const char* satellite;
        const char* longitude;
        const char* latitude;
        const char* status;
    };
    const Case cases[] = {
        {"97", "84.39", "", "No position to look from: calculate in the main window first."},
        {"", "84.39", "33.75", "No satellite: choose one in the main window."},
        // A slot is over the horizon while cos(apart) x cos(33.75) > 1 / 6.61, so while
        // it is less than 79.5 degrees from the truck: 180 is 95.6 from 84.39.
        {"180", "84.39", "33.75",
         "180W is below the horizon from 84.39W    33.75N: no sun outage."},
    };
    for (const Case& c : cases) {
        test::Find<ComboBox>(*form, "cboSatName")->setText("");
        test::Find<ComboBox>(*form, "cboLocations")->setText("");
        Enter(c.satellite, c.longitude, c.latitude);
        test::Find<CommandButton>(*form, "cmdCalculate")->click();
        EXPECT_EQ(window->lblStatus->text().toStdString(), c.status);
        EXPECT_TRUE(Rows().empty()) << c.status;
    }
}

// The five marked satellites of the sample look list from Atlanta, a Satellite column
// first; Cancel stops between two; the next calculation goes back to one satellite.
TEST_F(SunOutageTest, AllLookListSatellitesFillsTheTable) {
    StartOnSamples();
    Open();
    window->show();
    std::set<std::string> marked;
    for (const std::int16_t row : form->view().LookListRows()) {
        const SatelliteRecord& record = form->view().Catalogue().Row(row);
        marked.insert(TrimSpaces(record.SatName) + " (" + NumberText(record.SatLong) + "W)");
    }
    ASSERT_EQ(marked.size(), 5u);

    window->cmdAllSatellites->click();
    EXPECT_TRUE(window->Filling());
    EXPECT_TRUE(window->prgFill->isVisible());
    EXPECT_TRUE(window->cmdCancel->isVisible());
    EXPECT_FALSE(window->cmdAllSatellites->isEnabled());
    RunFill();
    EXPECT_FALSE(window->prgFill->isVisible());
    EXPECT_EQ(window->Table().Columns().front(), "Satellite");
    EXPECT_EQ(window->Table().Columns().size(), 8u);
    std::set<std::string> listed;
    for (const auto& row : Rows()) {
        ASSERT_EQ(row.size(), 8u);
        listed.insert(row[0]);
        // From 33.75 N the satellites stand 5 to 6 degrees south of the equator as seen
        // from the truck: the sun is there some 14 days before the March equinox and as
        // long after the September one, in the 365 days from 2026-12-07.
        const std::string month = row[1].substr(0, 7);
        EXPECT_TRUE(month == "2027-02" || month == "2027-03" || month == "2027-10") << row[1];
    }
    EXPECT_EQ(listed, marked);

    const std::size_t all = Rows().size();
    window->cmdAllSatellites->click();
    QApplication::processEvents();  // one satellite worked out, at most
    window->cmdCancel->click();
    EXPECT_FALSE(window->Filling());
    EXPECT_NE(window->lblStatus->text().toStdString().find("cancelled"), std::string::npos);
    EXPECT_LT(Rows().size(), all);

    window->cmdAllSatellites->click();
    test::Find<CommandButton>(*form, "cmdCalculate")->click();
    EXPECT_FALSE(window->Filling());
    EXPECT_EQ(window->Table().Columns().front(), "Date");
    ASSERT_FALSE(Rows().empty());
}

// Ctrl+C copies the whole table, from the table itself too.
TEST_F(SunOutageTest, CtrlCCopiesTheTableAsTabSeparatedText) {
    WorkedExample();
    Open(CalendarDate{2026, 1, 1});
    window->show();
    // A cell is current in the table: the table itself would copy that one cell.
    window->grdOutages->setCurrentIndex(window->grdOutages->model()->index(1, 2));
    for (QWidget* target :
         {static_cast<QWidget*>(window), static_cast<QWidget*>(window->grdOutages),
          static_cast<QWidget*>(window->cmdPrint)}) {
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        ASSERT_EQ(lines.size(), static_cast<qsizetype>(Rows().size()) + 2)
            << target->objectName().toStdString();
        EXPECT_EQ(lines[0],
                  "Date\tStart (UTC)\tEnd (UTC)\tStart (local)\tEnd (local)\tMinutes\tClosest");
        EXPECT_TRUE(lines[1].startsWith("2026-03-02\t18:5")) << lines[1].toStdString();
        EXPECT_EQ(lines[1].split('\t').size(), 7);
        EXPECT_EQ(lines.last(), "");
    }
}

TEST_F(SunOutageTest, PrintedThroughTheLookListsPrinterOrAsAPdf) {
    WorkedExample();
    Open(CalendarDate{2026, 1, 1});
    window->cmdPrint->click();
    ASSERT_EQ(platform.printedDocuments().size(), 1u);
    const auto& printed = platform.printedDocuments()[0];
    EXPECT_TRUE(printed.finished);
    ASSERT_FALSE(printed.texts.empty());
    EXPECT_EQ(printed.texts[0].text, "Sun Outages");
    std::vector<std::string> texts;
    for (const auto& text : printed.texts) {
        texts.push_back(text.text);
    }
    EXPECT_EQ(texts[1].rfind("100W from ", 0), 0u) << texts[1];
    for (const std::string& expected : {std::string("Start (local)"), Rows()[0][0], Rows()[0][1]}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    }

    ScriptedPlatform::Printer none;
    none.present = false;
    platform.setPrinter(none);
    platform.queueAnswer(MsgAnswer::Yes);
    platform.queueFile(folder.file("outages.pdf").string());
    window->cmdPrint->click();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text.rfind("The sun outage table could not be printed.", 0),
              0u);
    ASSERT_EQ(platform.fileRequests().size(), 1u);
    EXPECT_EQ(platform.fileRequests()[0].fileName, "Sun outages.pdf");
    ASSERT_EQ(platform.printedDocuments().size(), 2u);
    EXPECT_EQ(platform.printedDocuments()[1].target, folder.file("outages.pdf").string());
}

TEST_F(SunOutageTest, OneModelessWindowFromThePointingMenu) {
    StartOnSamples();
    test::Find<QAction>(*form, "mnuSunOutages")->trigger();
    frmSunOutage* first = form->SunOutageWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    // Galaxy 19 from Atlanta.
    EXPECT_EQ(first->lblStatus->text().toStdString().rfind("Galaxy 19 (97W) from Atlanta, GA: ", 0),
              0u);
    test::Find<QAction>(*form, "mnuSunOutages")->trigger();
    EXPECT_EQ(form->SunOutageWindow(), first);
    QTest::keyClick(first, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->SunOutageWindow(), nullptr);
}

}  // namespace
}  // namespace tarvo::testing
