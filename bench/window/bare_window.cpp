// A bare Qt window with one line of text, for comparison with the program's start-up:
// prints the time from launch to its first painted text, and its peak memory.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

#include "launch_clock.h"

int main(int argc, char* argv[]) {
    const tarvo::bench::LaunchClock clock;
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* layout = new QVBoxLayout(&window);
    auto* text = new QLabel(QStringLiteral("A bare Qt window"), &window);
    layout->addWidget(text);

    tarvo::bench::PaintWatch watch(
        clock, [] { return true; },
        [](double ms) {
            std::printf("bare_first_paint_ms %.1f\n", ms);
            std::printf("bare_peak_kib %ld\n", tarvo::bench::PeakResidentKiB());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    text->installEventFilter(&watch);
    window.show();
    return QApplication::exec();
}
