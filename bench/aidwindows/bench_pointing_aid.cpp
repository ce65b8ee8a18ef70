// A calculation of the main window with the pointing aid open, against one without it
// (argument 0: no aid, 1: the aid open beside the main window). The aid follows every
// calculation, so its cost is part of each one. Each satellite: a new slot each time, as
// choosing satellites in the list; each place: a new position each time, for which the
// aid works out a new declination. "Shown" runs the event loop after each calculation,
// with both windows on the (offscreen) screen, so that their repainting counts too.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>
#include <vector>

#include "aidwindows/frm_pointing.h"
#include "mainwindow/frm_satellite.h"
#include "platform/combo_box.h"
#include "platform/text_box.h"
#include "support/find_control.h"
#include "support/scripted_platform.h"

namespace tarvo {
namespace {

struct Windows {
    ScriptedPlatform platform;
    frmSatellite form{platform};
    frmPointing* aid = nullptr;

    explicit Windows(bool withAid, bool shown) {
        test::Find<ComboBox>(form, "cboSatLong")->setText("97");
        test::Find<TextBox>(form, "txtLongitude")->setText("84.39");
        test::Find<TextBox>(form, "txtLatitude")->setText("33.75");
        form.Calculate();
        if (withAid) {
            aid = new frmPointing(form.view(), form.aidSettings(), platform,
                                  {TARVO_MAGNETIC_DIR, TARVO_MAGNETIC_MODEL}, &form, [] {
                                      return CalendarDate{2026, 12, 7};
                                  });
        }
        if (shown) {
            form.show();
            if (aid != nullptr) {
                aid->show();
            }
            QApplication::processEvents();
        }
    }
};

std::vector<std::string> Numbers(double first, double step, int count) {
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        texts.push_back(std::to_string(first + i * step));
    }
    return texts;
}

void Run(benchmark::State& state, bool eachPlace, bool shown) {
    Windows windows(state.range(0) != 0, shown);
    const std::vector<std::string> satellites = Numbers(60, 0.5, 100);
    const std::vector<std::string> longitudes = Numbers(70, 0.37, 100);
    TextBox* longitude = test::Find<TextBox>(windows.form, "txtLongitude");
    ComboBox* satLong = test::Find<ComboBox>(windows.form, "cboSatLong");
    std::size_t next = 0;
    for (auto _ : state) {
        if (eachPlace) {
            longitude->setText(longitudes[next]);
        } else {
            satLong->setText(satellites[next]);
        }
        windows.form.Calculate();
        if (shown) {
            QApplication::processEvents();
        }
        next = (next + 1) % satellites.size();
    }
    if (test::Find<TextBox>(windows.form, "txtAzimuth")->text().empty()) {
        state.SkipWithError("no results");
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_CalculateEachSatellite(benchmark::State& state) {
    Run(state, false, false);
}
BENCHMARK(BM_CalculateEachSatellite)->Arg(0)->Arg(1);

void BM_CalculateEachPlace(benchmark::State& state) {
    Run(state, true, false);
}
BENCHMARK(BM_CalculateEachPlace)->Arg(0)->Arg(1);

void BM_CalculateEachSatelliteShown(benchmark::State& state) {
    Run(state, false, true);
}
BENCHMARK(BM_CalculateEachSatelliteShown)->Arg(0)->Arg(1);

void BM_CalculateEachPlaceShown(benchmark::State& state) {
    Run(state, true, true);
}
BENCHMARK(BM_CalculateEachPlaceShown)->Arg(0)->Arg(1);

}  // namespace
}  // namespace tarvo
