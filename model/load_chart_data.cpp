#include "model/load_chart_data.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <new>

#include "model/data_file.h"
#include "model/load_messages.h"
#include "model/series_visibility.h"
#include "model/time_window.h"
#include "model/value_axis.h"

namespace {

constexpr const char* kTimeFile = "czas.txt";

// The record must fit the address space of the 32-bit program: five float and four point arrays.
constexpr std::uint64_t kBytesPerSample = 5 * sizeof(float) + 4 * sizeof(ScreenPoint);
constexpr std::uint64_t kLargestRecordBytes = UINT32_MAX;

struct SeriesFile {
  const char* name;
  float* ChartState::*values;
};

constexpr SeriesFile kSeriesFiles[] = {
    {"w_zad.txt", &ChartState::setpointValues},
    {"sterow.txt", &ChartState::controlValues},
    {"wyj_obj.txt", &ChartState::outputValues},
};

// Not value-initialised: every element a reader can reach is written first, and zeroing a large
// record would be one more pass over its memory.
template <typename T>
T* NewArray(int count) {
  return new (std::nothrow) T[static_cast<std::size_t>(count)];
}

// All nine arrays or none.
bool AllocateRecord(ChartState& chart, int count) {
  chart.timeValues = NewArray<float>(count);
  chart.setpointValues = NewArray<float>(count);
  chart.controlValues = NewArray<float>(count);
  chart.outputValues = NewArray<float>(count);
  chart.errorValues = NewArray<float>(count);
  chart.setpointPoints = NewArray<ScreenPoint>(count);
  chart.controlPoints = NewArray<ScreenPoint>(count);
  chart.outputPoints = NewArray<ScreenPoint>(count);
  chart.errorPoints = NewArray<ScreenPoint>(count);
  const bool complete = chart.timeValues && chart.setpointValues && chart.controlValues &&
                        chart.outputValues && chart.errorValues && chart.setpointPoints &&
                        chart.controlPoints && chart.outputPoints && chart.errorPoints;
  if (!complete) {
    ReleaseChartData(chart);
  }
  return complete;
}

// Reads the time file, sizes the record by its numbers and stores them; returns how many it read.
int ReadTimes(ChartState& chart, FileBuffer& buffer, LoadProblems& problems) {
  const DataFileText file = ReadDataFile(kTimeFile, buffer);
  if (!file.opened) {
    problems.push_back(CannotOpenMessage(kTimeFile));
  }
  const std::uint64_t words = CountWords(file.text);
  if (!RecordFitsAddressSpace(words) ||
      !AllocateRecord(chart, std::max(1, static_cast<int>(words)))) {
    problems.push_back(RecordTooLargeMessage(words));
    AllocateRecord(chart, 1);
    return 0;
  }
  const NumberScan scan =
      ScanNumbers(file.text, kTimeFile, chart.timeValues, static_cast<int>(words));
  if (!scan.problem.empty()) {
    problems.push_back(scan.problem);
  } else if (file.opened && scan.count == 0) {
    problems.push_back(NoNumbersMessage(kTimeFile));
  }
  return scan.count;
}

// Reads one of the other three files for at most `wanted` numbers; returns how many it read.
int ReadSeries(const SeriesFile& series, float* values, int wanted, FileBuffer& buffer,
               LoadProblems& problems) {
  const DataFileText file = ReadDataFile(series.name, buffer);
  if (!file.opened) {
    problems.push_back(CannotOpenMessage(series.name));
    return 0;
  }
  const NumberScan scan = ScanNumbers(file.text, series.name, values, wanted);
  if (!scan.problem.empty()) {
    problems.push_back(scan.problem);
  } else if (scan.count < wanted) {
    problems.push_back(FewerNumbersMessage(series.name, scan.count, wanted));
  }
  return scan.count;
}

void DeriveErrorAndExtremes(ChartState& chart) {
  for (int i = 0; i < chart.sampleCount; ++i) {
    chart.errorValues[i] =
        static_cast<float>(static_cast<double>(chart.setpointValues[i]) - chart.outputValues[i]);
  }
  struct Series {
    const float* values;
    float* min;
    float* max;
  };
  const Series series[] = {
      {chart.setpointValues, &chart.setpointMin, &chart.setpointMax},
      {chart.controlValues, &chart.controlMin, &chart.controlMax},
      {chart.outputValues, &chart.outputMin, &chart.outputMax},
      {chart.errorValues, &chart.errorMin, &chart.errorMax},
  };
  for (const Series& s : series) {
    float min = s.values[0];
    float max = s.values[0];
    for (int i = 1; i < chart.sampleCount; ++i) {
      max = max < s.values[i] ? s.values[i] : max;
      min = min > s.values[i] ? s.values[i] : min;
    }
    *s.min = min;
    *s.max = max;
  }
}

void SetFirstView(ChartState& chart) {
  chart.showSetpoint = 1;
  chart.showOutput = 1;
  SetFullTimeWindow(chart);
  SetWindowOfVisibleCurves(chart);
  FitValueAxis(chart);
}

}  // namespace

bool RecordFitsAddressSpace(std::uint64_t samples) {
  // The count must fit a signed 32-bit index; tested first, the product cannot wrap.
  return samples <= INT_MAX && samples * kBytesPerSample <= kLargestRecordBytes;
}

LoadProblems LoadChartData(ChartState& chart) {
  LoadProblems problems;
  FileBuffer buffer;
  int samples = ReadTimes(chart, buffer, problems);
  const int timeNumbers = samples;
  // Every file is looked at, so that one box tells of all the files that are missing.
  for (const SeriesFile& series : kSeriesFiles) {
    samples =
        std::min(samples, ReadSeries(series, chart.*series.values, timeNumbers, buffer, problems));
  }
  // Not one complete sample: the record is one sample of zeros.
  if (samples == 0) {
    chart.timeValues[0] = chart.setpointValues[0] = chart.controlValues[0] = chart.outputValues[0] =
        0.0f;
    samples = 1;
  }
  chart.sampleCount = samples;
  DeriveErrorAndExtremes(chart);
  SetFirstView(chart);
  if (!problems.empty()) {
    problems.push_back(SamplesShownMessage(samples));
  }
  return problems;
}

void ReleaseChartData(ChartState& chart) {
  delete[] chart.timeValues;
  delete[] chart.setpointValues;
  delete[] chart.controlValues;
  delete[] chart.outputValues;
  delete[] chart.errorValues;
  delete[] chart.setpointPoints;
  delete[] chart.controlPoints;
  delete[] chart.outputPoints;
  delete[] chart.errorPoints;
  chart.timeValues = chart.setpointValues = chart.controlValues = chart.outputValues =
      chart.errorValues = nullptr;
  chart.setpointPoints = chart.controlPoints = chart.outputPoints = chart.errorPoints = nullptr;
}
