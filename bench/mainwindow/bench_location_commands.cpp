// Add into the largest location file that still has room: 32,766 records scanned for
// the name and a free record, the new record appended and flushed, then the list
// refilled with 32,767 names and the new location chosen and calculated.

#include <benchmark/benchmark.h>

#include <QAction>
#include <filesystem>
#include <string>

#include "catalogue/location_record.h"
#include "largest_catalogues.h"
#include "mainwindow/frm_satellite.h"
#include "platform/combo_box.h"
#include "platform/text_box.h"
#include "support/find_control.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

void BM_AddToLocationFileOf32766(benchmark::State& state) {
    const test::TempFolder folder;
    const std::string file = folder.file("big.loc").string();
    bench::WriteLargestLocationFile(file);
    ScriptedPlatform platform;
    frmSatellite form(platform);
    test::Find<ComboBox>(form, "cboSatLong")->setText("101");
    for (auto _ : state) {
        // Back to 32,766 records, open and listed, a new location typed.
        state.PauseTiming();
        std::filesystem::resize_file(file, 32766 * kLocationRecordSize);
        form.OpenLocationData(file);
        form.LoadLocationCombo();
        test::Find<ComboBox>(form, "cboLocations")->setText("Yard by the river");
        test::Find<TextBox>(form, "txtLatitude")->setText("40");
        test::Find<TextBox>(form, "txtLongitude")->setText("100");
        state.ResumeTiming();

        test::Find<QAction>(form, "mnuAddLocation")->trigger();
    }
    if (form.state().LocCount != 32767 ||
        test::Find<ComboBox>(form, "cboLocations")->count() != 32767 ||
        form.state().LocIndex != 32767 || !platform.messages().empty()) {
        state.SkipWithError("the location was not added as the last record");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddToLocationFileOf32766)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvo
