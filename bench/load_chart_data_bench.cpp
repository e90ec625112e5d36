// Loading a record, against the same files read with a plain fscanf("%f\n") loop (count the time
// file, rewind, read all four) as the baseline. The record is a generated one of 1,000,000 samples,
// or the one in the folder that LUMVO1_RECORD names.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/load_chart_data.h"

namespace {

constexpr int kSamples = 1'000'000;
constexpr const char* kFiles[] = {"czas.txt", "w_zad.txt", "sterow.txt", "wyj_obj.txt"};

// Numbers like "-12.345678": six decimals, as a data logger writes them.
std::int64_t WriteRecord() {
  std::int64_t bytes = 0;
  for (int f = 0; f < 4; ++f) {
    std::FILE* file = std::fopen(kFiles[f], "w");
    for (int i = 0; i < kSamples; ++i) {
      const double t = i * 0.01;
      const double value = f == 0 ? t : 50.0 * std::sin(t * (f + 1) * 0.37) - 12.0 * f;
      bytes += std::fprintf(file, "%.6f\n", value);
    }
    std::fclose(file);
  }
  return bytes;
}

// The record in LUMVO1_RECORD when that names a folder, otherwise a generated one in a
// temporary folder.
class RecordFolder {
 public:
  RecordFolder() : previous_(std::filesystem::current_path()) {
    if (const char* given = std::getenv("LUMVO1_RECORD")) {
      std::filesystem::current_path(given);
      for (const char* name : kFiles) {
        bytes += static_cast<std::int64_t>(std::filesystem::file_size(name));
      }
      return;
    }
    char pattern[] = "/tmp/lumvo1-bench-XXXXXX";
    folder_ = mkdtemp(pattern);
    std::filesystem::current_path(folder_);
    bytes = WriteRecord();
  }
  ~RecordFolder() {
    std::filesystem::current_path(previous_);
    if (!folder_.empty()) {
      std::filesystem::remove_all(folder_);
    }
  }
  std::int64_t bytes = 0;

 private:
  std::filesystem::path previous_;
  std::filesystem::path folder_;
};

RecordFolder& Record() {
  static RecordFolder record;
  return record;
}

void LoadRecord(benchmark::State& state) {
  const std::int64_t bytes = Record().bytes;
  for (auto _ : state) {
    ChartState chart{};
    const LoadProblems problems = LoadChartData(chart);
    benchmark::DoNotOptimize(chart.setpointMax);
    if (!problems.empty()) {
      state.SkipWithError("the record did not load");
    }
    ReleaseChartData(chart);
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}

void FscanfBaseline(benchmark::State& state) {
  const std::int64_t bytes = Record().bytes;
  for (auto _ : state) {
    std::FILE* files[4];
    for (int f = 0; f < 4; ++f) {
      files[f] = std::fopen(kFiles[f], "r");
    }
    float value = 0;
    int count = 0;
    while (!std::feof(files[0])) {
      (void)std::fscanf(files[0], "%f\n", &value);
      ++count;
    }
    std::rewind(files[0]);
    std::vector<float> values(4 * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      for (int f = 0; f < 4; ++f) {
        (void)std::fscanf(files[f], "%f\n", &values[4 * static_cast<std::size_t>(i) + f]);
      }
    }
    benchmark::DoNotOptimize(values.data());
    for (std::FILE* file : files) {
      std::fclose(file);
    }
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}

}  // namespace

BENCHMARK(LoadRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(FscanfBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
