// The program's start-up on a real display, with the largest files the formats allow.
//
//   bench_startup_window prepare FOLDER [alpha|arc]
//       writes tarvo.ini, tarvo.sat (32,767 rows) and big.loc (32,767 records) into
//       FOLDER, with the name list in alphabetical (default) or orbital-arc order;
//   bench_startup_window            (in that folder)
//       starts the main window as the program does once the splash window hands over
//       (the splash window itself is timed by tools/time-startup.sh), and prints the
//       time from launch to the window's first paint and to the painted results, and
//       the peak memory.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstring>
#include <string>

#include "catalogue/satellite_file.h"
#include "catalogue/settings.h"
#include "catalogue/settings_file.h"
#include "largest_catalogues.h"
#include "launch_clock.h"
#include "mainwindow/frm_satellite.h"
#include "platform/control_font.h"
#include "platform/handler.h"
#include "platform/qt_platform.h"
#include "platform/text_box.h"
#include "support/find_control.h"

namespace {

int Prepare(const char* folder, bool alpha) {
    if (!QDir().mkpath(QString::fromLocal8Bit(folder)) ||
        !QDir::setCurrent(QString::fromLocal8Bit(folder))) {
        std::fprintf(stderr, "cannot use folder %s\n", folder);
        return 1;
    }
    tarvo::WriteSatelliteFile(tarvo::bench::LargestSatelliteTable(4711), "tarvo.sat");
    tarvo::bench::WriteLargestLocationFile("big.loc");
    tarvo::Settings settings = tarvo::DefaultSettings();
    settings.SortAlpha = alpha ? 1 : 0;
    settings.LocFileName = "big.loc";
    settings.DefaultLocName = std::string("Site 1") + std::string(44, ' ');
    settings.DefaultLocLong = 100;
    settings.DefaultLocLat = 40;
    tarvo::WriteSettingsFile(settings);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::strcmp(argv[1], "prepare") == 0) {
        return Prepare(argv[2], argc < 4 || std::strcmp(argv[3], "arc") != 0);
    }
    const tarvo::bench::LaunchClock clock;

    // As the program's main() does, without the splash window.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SNG Tarvo"));
    QApplication::setFont(tarvo::ControlFont());
    tarvo::QtPlatform platform;
    tarvo::frmSatellite window(platform);
    platform.setDialogParent(&window);
    tarvo::EventBoundary::SetReporter(
        [](const std::string& what) { std::fprintf(stderr, "failure: %s\n", what.c_str()); });

    double firstPaintMs = -1;
    tarvo::bench::PaintWatch firstPaint(
        clock, [] { return true; }, [&firstPaintMs](double ms) { firstPaintMs = ms; });
    window.centralWidget()->installEventFilter(&firstPaint);
    tarvo::TextBox* azimuth = tarvo::test::Find<tarvo::TextBox>(window, "txtAzimuth");
    tarvo::bench::PaintWatch results(
        clock, [azimuth] { return !azimuth->text().empty(); },
        [&firstPaintMs, azimuth](double ms) {
            std::printf("program_first_paint_ms %.1f\n", firstPaintMs);
            std::printf("program_results_ms %.1f\n", ms);
            std::printf("program_peak_kib %ld\n", tarvo::bench::PeakResidentKiB());
            std::printf("program_azimuth %s\n", azimuth->text().c_str());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    azimuth->installEventFilter(&results);

    tarvo::EventBoundary::Run([&window] { window.Form_Load(); });
    return QApplication::exec();
}
