#include "model/time_window.h"

#include <cmath>

int LabelIndexStep(int firstIndex, int lastIndex) {
  return static_cast<int>(std::floor(static_cast<double>(lastIndex - firstIndex) / 5.0));
}

void SetFullTimeWindow(ChartState& chart) {
  chart.timeOrigin = chart.timeValues[0];
  chart.timeSpan = static_cast<float>(static_cast<double>(chart.timeValues[chart.sampleCount - 1]) -
                                      static_cast<double>(chart.timeOrigin));
  chart.firstIndex = 0;
  chart.lastIndex = chart.sampleCount - 1;
  chart.labelIndexStep = LabelIndexStep(chart.firstIndex, chart.lastIndex);
}
