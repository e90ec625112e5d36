// DrawChart over a million-sample view with all four curves shown, onto a surface that only
// counts operations: the cost of the point loop and of handing every point to the surface. With
// LUMVO1_RECORD naming a folder, also the record there.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "draw/draw_chart.h"
#include "model/load_chart_data.h"

namespace {

class CountingSurface : public DrawingSurface {
 public:
  void SelectPen(PenStyle, int, std::uint8_t, std::uint8_t, std::uint8_t) override { ++count; }
  void SelectBlackPen() override { ++count; }
  void SetRasterOp(RasterOp) override { ++count; }
  void DrawRectangle(int, int, int, int) override { ++count; }
  void MoveTo(int, int) override { ++count; }
  void LineTo(int x, int y) override {
    ++count;
    checksum += x ^ y;  // keeps the points observable
  }
  void DrawText(int, int, const char*) override { ++count; }

  std::int64_t count = 0;
  std::int64_t checksum = 0;
};

constexpr int kSamples = 1'000'000;

void BM_DrawChartAllCurves(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(kSamples);
  std::vector<float> time(n), setpoint(n), output(n), control(n), error(n);
  std::vector<ScreenPoint> points(4 * n);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) * 0.001;
    time[i] = static_cast<float>(t);
    setpoint[i] = 1.0f;
    output[i] = static_cast<float>(1.0 - std::exp(-t / 50.0) * std::cos(t));
    control[i] = static_cast<float>(0.5 + 0.4 * std::sin(t / 3.0));
    error[i] = setpoint[i] - output[i];
  }
  ChartState chart;
  chart.clientWidth = 1920;
  chart.clientHeight = 1080;
  chart.sampleCount = kSamples;
  chart.timeValues = time.data();
  chart.setpointValues = setpoint.data();
  chart.outputValues = output.data();
  chart.controlValues = control.data();
  chart.errorValues = error.data();
  chart.setpointPoints = points.data();
  chart.outputPoints = points.data() + n;
  chart.controlPoints = points.data() + 2 * n;
  chart.errorPoints = points.data() + 3 * n;
  chart.lastIndex = kSamples - 1;
  chart.timeSpan = time.back();
  chart.labelIndexStep = (kSamples - 1) / 5;
  chart.valueTop = 2.0f;
  chart.valueRange = 3.0f;
  chart.gridStep = 0.5f;
  chart.gridIntervals = 6.0f;
  chart.showSetpoint = chart.showOutput = chart.showControl = chart.showError = 1;

  CountingSurface surface;
  for (auto _ : state) {
    DrawChart(chart, surface);
    benchmark::DoNotOptimize(surface.checksum);
  }
  state.SetItemsProcessed(state.iterations() * 4 * kSamples);
}
BENCHMARK(BM_DrawChartAllCurves)->Unit(benchmark::kMillisecond);

// The record in the folder LUMVO1_RECORD names, drawn at 1200 x 800 with the curves of the first
// view (setpoint and output) or with all four.
void BM_DrawChartOfRecord(benchmark::State& state, bool allCurves) {
  ChartState chart{};
  if (!LoadChartData(chart).empty()) {
    state.SkipWithError("the record did not load");
  }
  chart.clientWidth = 1200;
  chart.clientHeight = 800;
  chart.showControl = chart.showError = allCurves ? 1 : 0;
  CountingSurface surface;
  for (auto _ : state) {
    DrawChart(chart, surface);
    benchmark::DoNotOptimize(surface.checksum);
  }
  state.SetItemsProcessed(state.iterations() * (allCurves ? 4 : 2) * chart.sampleCount);
  ReleaseChartData(chart);
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* folder = std::getenv("LUMVO1_RECORD")) {
    std::filesystem::current_path(folder);
    benchmark::RegisterBenchmark("BM_DrawChartOfRecord/FirstView", BM_DrawChartOfRecord, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_DrawChartOfRecord/AllCurves", BM_DrawChartOfRecord, true)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
