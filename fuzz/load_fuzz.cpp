// Loads any four files: the input is split into them at each 0xFF byte. Loading must end, and
// the chart record must hold together afterwards, whatever the files hold.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "model/load_chart_data.h"

namespace {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken after loading: %s\n", what);
    std::abort();
  }
}

void WriteFiles(std::string_view input) {
  const char* names[] = {"czas.txt", "w_zad.txt", "sterow.txt", "wyj_obj.txt"};
  for (const char* name : names) {
    const std::size_t end = std::min(input.find('\xFF'), input.size());
    std::FILE* file = std::fopen(name, "wb");
    std::fwrite(input.data(), 1, end, file);
    std::fclose(file);
    input.remove_prefix(std::min(end + 1, input.size()));
  }
}

void CheckRecord(const ChartState& c) {
  Require(c.sampleCount >= 1, "sampleCount >= 1");
  Require(c.setpointMin <= c.setpointMax && c.outputMin <= c.outputMax &&
              c.controlMin <= c.controlMax && c.errorMin <= c.errorMax,
          "each Min <= its Max");
  for (int i = 0; i < c.sampleCount; ++i) {
    Require(std::isfinite(c.timeValues[i]) && std::isfinite(c.setpointValues[i]) &&
                std::isfinite(c.controlValues[i]) && std::isfinite(c.outputValues[i]),
            "read values are finite");
    Require(c.errorValues[i] ==
                static_cast<float>(static_cast<double>(c.setpointValues[i]) - c.outputValues[i]),
            "error = setpoint - output");
  }
  Require(c.firstIndex == 0 && c.lastIndex == c.sampleCount - 1, "full time window");
  Require(c.timeOrigin == c.timeValues[0], "timeOrigin");
  Require(c.labelIndexStep == (c.lastIndex - c.firstIndex) / 5, "labelIndexStep");
  Require(c.valueRange == static_cast<float>(static_cast<double>(c.valueTop) - c.valueBottom),
          "valueRange = valueTop - valueBottom");
  Require(c.valueRange > 0 && std::isfinite(c.valueRange), "usable value range");
  Require(c.gridStep > 0 && std::isfinite(c.gridIntervals) && c.gridIntervals < 100, "usable grid");
  Require(c.fullTop == c.valueTop && c.fullBottom == c.valueBottom &&
              c.fullGridStep == c.gridStep && c.fullGridIntervals == c.gridIntervals,
          "full view saved");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char pattern[] = "/tmp/lumvo1-fuzz-XXXXXX";
  std::filesystem::current_path(mkdtemp(pattern));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WriteFiles(std::string_view(reinterpret_cast<const char*>(data), size));
  ChartState chart{};
  LoadChartData(chart);
  CheckRecord(chart);
  ReleaseChartData(chart);
  return 0;
}
