// The look-angle arithmetic and the number texts around it, one call at a time.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/numeric_value.h"
#include "geometry/convert_to_decimal.h"
#include "geometry/look_angle.h"

namespace {

struct Inputs {
    double sat, lon, lat;
};

// Satellites across the visible arc, trucks across North America.
std::vector<Inputs> VariedInputs() {
    std::vector<Inputs> inputs;
    for (int i = 0; i < 1024; ++i) {
        inputs.push_back({60.0 + (i * 37) % 80 + 0.25 * (i % 4),
                          70.0 + (i * 13) % 50 + 0.1 * (i % 10),
                          25.0 + (i * 7) % 25 + 0.01 * (i % 100)});
    }
    return inputs;
}

void BM_ComputeLookAngles(benchmark::State& state) {
    const auto inputs = VariedInputs();
    std::size_t i = 0;
    for (auto _ : state) {
        const Inputs& in = inputs[i++ & 1023];
        benchmark::DoNotOptimize(tarvo::ComputeLookAngles(in.sat, in.lon, in.lat, 0.5, -0.25));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeLookAngles);

const std::vector<std::string> kTexts = {"40.5",  "101",        "-0.25",  "84.39",
                                         "33.75", "20249.4",    "1.5E-3", "40 30 15",
                                         "&HFF",  "123.456789", "0.1",    "99.125"};

void BM_NumericValue(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvo::NumericValue(kTexts[i++ % kTexts.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumericValue);

void BM_NumberText(benchmark::State& state) {
    const double values[] = {181.556, 43.712, 20249.4, 0.1 + 0.2, 1.0 / 3, 40.5042, -0.25, 1e15};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvo::NumberText(values[i++ & 7]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumberText);

void BM_ConvertToDecimal(benchmark::State& state) {
    const std::vector<std::string> texts = {"40.5", "40 30", "40 30 15", " 84 23 24 ", "33.75"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvo::ConvertToDecimal(texts[i++ % texts.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertToDecimal);

}  // namespace
