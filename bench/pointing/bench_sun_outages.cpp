// A year of sun outages: for one satellite, the sun's seasons worked out with it (the
// target is 50 ms), and for 100 satellites across the arc from one place sharing the
// seasons (the target is 2 s).
#include <benchmark/benchmark.h>

#include "pointing/sun_outage.h"

namespace tarvo {
namespace {

const CalendarDate kFrom{2026, 1, 1};

void BM_SunOutagesOneSatellite(benchmark::State& state) {
    const double angle = OutageAngleDeg(1.8, 12);
    for (auto _ : state) {
        std::vector<SunOutage> outages = PredictSunOutages(kFrom, 97, 84.39, 33.75, angle);
        benchmark::DoNotOptimize(outages);
    }
}
BENCHMARK(BM_SunOutagesOneSatellite)->Unit(benchmark::kMillisecond);

void BM_SunOutagesHundredSatellites(benchmark::State& state) {
    const double angle = OutageAngleDeg(1.8, 12);
    std::size_t found = 0;
    for (auto _ : state) {
        const SunSeasons seasons(kFrom);
        found = 0;
        for (int i = 0; i < 100; ++i) {
            // Slots from 15 W to 164 W, all in sight of Atlanta.
            const double slot = 15 + 1.5 * i;
            found += PredictSunOutages(seasons, slot, 84.39, 33.75, angle).size();
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["outages"] = static_cast<double>(found);
}
BENCHMARK(BM_SunOutagesHundredSatellites)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvo
