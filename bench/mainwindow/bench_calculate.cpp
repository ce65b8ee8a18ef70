// Calculate through the main window's controls, as the button and the look list run it.
// Needs a QApplication; runs on the offscreen platform unless another one is chosen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <string>
#include <vector>

#include "mainwindow/frm_satellite.h"
#include "platform/combo_box.h"
#include "platform/text_box.h"
#include "support/find_control.h"
#include "support/scripted_platform.h"

namespace tarvo {
namespace {

// The same inputs again and again (the "Calculate" button pressed repeatedly).
void BM_CalculateSameInputs(benchmark::State& state) {
    ScriptedPlatform platform;
    frmSatellite form(platform);
    test::Find<ComboBox>(form, "cboSatLong")->setText("101");
    test::Find<TextBox>(form, "txtLongitude")->setText("100");
    test::Find<TextBox>(form, "txtLatitude")->setText("40");
    for (auto _ : state) {
        form.Calculate();
    }
    if (test::Find<TextBox>(form, "txtAzimuth")->text() != "181.556") {
        state.SkipWithError("unexpected azimuth");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalculateSameInputs);

// A new satellite each time, as the look list does: every result box changes.
void BM_CalculateEachSatellite(benchmark::State& state) {
    ScriptedPlatform platform;
    frmSatellite form(platform);
    test::Find<TextBox>(form, "txtLongitude")->setText("84.39");
    test::Find<TextBox>(form, "txtLatitude")->setText("33.75");
    std::vector<std::string> satellites;
    for (int i = 0; i < 100; ++i) {
        satellites.push_back(std::to_string(60 + i * 0.5));
    }
    ComboBox* satLong = test::Find<ComboBox>(form, "cboSatLong");
    std::size_t next = 0;
    for (auto _ : state) {
        satLong->setText(satellites[next]);
        form.Calculate();
        next = (next + 1) % satellites.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalculateEachSatellite);

// Degrees and minutes typed each time: both coordinate boxes are rewritten.
void BM_CalculateRewritingCoordinates(benchmark::State& state) {
    ScriptedPlatform platform;
    frmSatellite form(platform);
    test::Find<ComboBox>(form, "cboSatLong")->setText("101");
    TextBox* longitude = test::Find<TextBox>(form, "txtLongitude");
    TextBox* latitude = test::Find<TextBox>(form, "txtLatitude");
    for (auto _ : state) {
        longitude->setText("100 30");
        latitude->setText("40 30 15");
        form.Calculate();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalculateRewritingCoordinates);

}  // namespace
}  // namespace tarvo
