// Add, Save Changes and Delete of a satellite on a catalogue of 32,765 rows, through the
// menu handlers: the table changed, the whole satellite file rewritten (atomically) and
// both lists refilled, then the satellite found again and calculated. Each benchmark
// times its own command only; the command that puts the catalogue back runs untimed.

#include <benchmark/benchmark.h>

#include <QAction>
#include <chrono>
#include <ctime>
#include <string>

#include "catalogue/satellite_table.h"
#include "largest_catalogues.h"
#include "mainwindow/frm_satellite.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/text_box.h"
#include "support/find_control.h"
#include "support/main_window_access.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

using Clock = std::chrono::steady_clock;

// The main window in a working folder of its own, its catalogue the largest table less
// one row, written to its satellite file and listed.
class CatalogueWindow {
  public:
    CatalogueWindow() : form(platform) {
        SatelliteTable table = bench::LargestSatelliteTable(2024);
        table.Remove(table.SatLast());  // room for one more
        test::WritableState(form).SatelliteTable = std::move(table);
        form.WriteSatFile(form.state().Settings.SatFileName);
        test::Find<TextBox>(form, "txtLongitude")->setText("100");
        test::Find<TextBox>(form, "txtLatitude")->setText("40");
    }

    void Show(const std::string& name, const std::string& satLong) {
        test::Find<ComboBox>(form, "cboSatName")->setText(name);
        test::Find<ComboBox>(form, "cboSatLong")->setText(satLong);
    }

    // The satellite of that name made current, as a choice in the list does.
    void Choose(const std::string& name) {
        test::Find<ComboBox>(form, "cboSatName")->setText(name);
        form.GetSatLong();
    }

    // Runs the command; its wall time is the iteration's time, and the processor time
    // of this thread (which a machine busy with other work does not inflate) adds up
    // in `cpuSeconds`.
    double Seconds(const char* menuItem) {
        QAction* command = test::Find<QAction>(form, menuItem);
        const double cpuStart = ThreadCpuSeconds();
        const Clock::time_point start = Clock::now();
        command->trigger();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpuSeconds += ThreadCpuSeconds() - cpuStart;
        return wall;
    }

    static double ThreadCpuSeconds() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
    }

    void Report(benchmark::State& state) const {
        state.counters["command_cpu_ms"] =
            state.iterations() == 0 ? 0
                                    : cpuSeconds * 1000 / static_cast<double>(state.iterations());
    }

    double cpuSeconds = 0;

    // Every dialog was a scripted question, and the catalogue has the size expected.
    bool Healthy(int catalogueRows) const {
        for (const ScriptedPlatform::Message& m : platform.messages()) {
            if (m.buttons != MsgButtons::YesNo) {
                return false;
            }
        }
        return platform.unscriptedCount() == 0 && platform.scriptErrors().empty() &&
               platform.pendingCount() == 0 &&
               form.state().SatelliteTable.SatLast() == catalogueRows &&
               test::Find<ComboBox>(form, "cboSatLong")->count() == catalogueRows;
    }

    test::TempFolder folder;
    ScriptedPlatform platform;
    frmSatellite form;
};

constexpr int kRows = 32765;

void BM_AddSatellite(benchmark::State& state) {
    CatalogueWindow w;
    for (auto _ : state) {
        w.Show("Bench bird", "180");  // the middle of the arc
        state.SetIterationTime(w.Seconds("mnuAddSatellite"));
        w.platform.queueAnswer(MsgAnswer::Yes);
        test::Find<QAction>(w.form, "mnuDeleteSatellite")->trigger();
    }
    w.Report(state);
    if (!w.Healthy(kRows)) {
        state.SkipWithError("the catalogue did not come back to its size");
    }
}
BENCHMARK(BM_AddSatellite)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SaveSatellite(benchmark::State& state) {
    CatalogueWindow w;
    w.Show("Bench bird", "180");
    test::Find<QAction>(w.form, "mnuAddSatellite")->trigger();
    bool east = false;
    for (auto _ : state) {
        // The satellite moves across the arc and back: the rebuild re-sorts it each time.
        east = !east;
        w.Show("Bench bird", east ? "20" : "340");
        w.platform.queueAnswer(MsgAnswer::Yes);
        state.SetIterationTime(w.Seconds("mnuSaveSatellite"));
    }
    w.Report(state);
    if (!w.Healthy(kRows + 1)) {
        state.SkipWithError("the catalogue changed size");
    }
}
BENCHMARK(BM_SaveSatellite)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DeleteSatellite(benchmark::State& state) {
    CatalogueWindow w;
    for (auto _ : state) {
        w.Show("Bench bird", "180");
        test::Find<QAction>(w.form, "mnuAddSatellite")->trigger();
        w.Choose("Bench bird");
        w.platform.queueAnswer(MsgAnswer::Yes);
        state.SetIterationTime(w.Seconds("mnuDeleteSatellite"));
    }
    w.Report(state);
    if (!w.Healthy(kRows)) {
        state.SkipWithError("the catalogue did not come back to its size");
    }
}
BENCHMARK(BM_DeleteSatellite)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvo
