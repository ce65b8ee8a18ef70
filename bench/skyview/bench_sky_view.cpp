// The sky view of the largest catalogue, 32,766 satellites, from Atlanta with a horizon
// mask: the scene worked out after a calculation, and the panorama drawn at a usual
// window size and at a large one. The redraw target is 100 ms.
// Needs a QApplication; runs on the offscreen platform unless another one is chosen.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "aidwindows/sky_panorama.h"
#include "aidwindows/sky_scene.h"
#include "largest_catalogues.h"

namespace tarvo {
namespace {

const HorizonMask kMask = {{100, 5}, {150, 25}, {180, 40}, {240, 35}, {260, 10}};

SkyScene LargestScene() {
    const SatelliteTable table = bench::LargestSatelliteTable(2024);
    return BuildSkyScene(table, ReadSkyPlace("84.39", "33.75"), kMask, "Home bird", "101");
}

void BM_SkySceneLargest(benchmark::State& state) {
    const SatelliteTable table = bench::LargestSatelliteTable(2024);
    for (auto _ : state) {
        SkyScene scene =
            BuildSkyScene(table, ReadSkyPlace("84.39", "33.75"), kMask, "Home bird", "101");
        benchmark::DoNotOptimize(scene);
    }
}
BENCHMARK(BM_SkySceneLargest)->Unit(benchmark::kMillisecond);

void BM_SkyRedrawLargest(benchmark::State& state) {
    const SkyScene scene = LargestScene();
    if (scene.satellites.size() < 32766u) {
        state.SkipWithError("not every satellite is in the scene");
        return;
    }
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        SkyPanorama::Draw(painter, size, scene, 10);
    }
}
BENCHMARK(BM_SkyRedrawLargest)->Args({720, 360})->Args({1600, 900})->Unit(benchmark::kMillisecond);

// The window's own repaint through Qt, as a resize or an expose asks for it.
void BM_SkyWidgetRepaintLargest(benchmark::State& state) {
    const SkyScene scene = LargestScene();
    SkyPanorama panorama;
    panorama.resize(720, 360);
    panorama.SetScene(&scene);
    QImage image(panorama.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        panorama.render(&image);
    }
}
BENCHMARK(BM_SkyWidgetRepaintLargest)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvo
