#include "model/zoom.h"

#include <algorithm>
#include <cmath>

#include "model/chart_layout.h"
#include "model/time_window.h"
#include "model/value_axis.h"

namespace {

// A paint on a client area too small for a plot leaves scales that cannot turn pixels back into
// times and values.
bool IsUsableScale(float scale) {
  return std::isfinite(scale) && scale > 0.0f;
}

float TimeAtPixel(const ChartState& chart, int x) {
  return static_cast<float>((static_cast<double>(x) - kTimeOriginX) / chart.xScale +
                            chart.timeOrigin);
}

double ValueAtPixel(const ChartState& chart, double oldTop, int y) {
  return oldTop - (static_cast<double>(y) - kValueTopY) / chart.yScale;
}

// The smallest index from 0 upwards whose time is not less than `time`. The caller guarantees that
// the sample `bound` satisfies this, so the search never passes it.
int FirstSampleAtOrAfter(const ChartState& chart, float time, int bound) {
  int index = 0;
  while (index < bound && chart.timeValues[index] < time) {
    ++index;
  }
  return index;
}

}  // namespace

int ZoomToSelection(ChartState& chart) {
  if (chart.selLeft == chart.selRight || chart.selTop == chart.selBottom) {
    return 0;
  }
  if (!IsUsableScale(chart.xScale) || !IsUsableScale(chart.yScale)) {
    return 0;
  }
  const int left = std::min(chart.selLeft, chart.selRight);
  const int right = std::max(chart.selLeft, chart.selRight);
  const int top = std::min(chart.selTop, chart.selBottom);
  const int bottom = std::max(chart.selTop, chart.selBottom);

  const float startTime = TimeAtPixel(chart, left);
  const float lastShownTime = chart.timeValues[chart.lastIndex];
  const float endTime = std::min(TimeAtPixel(chart, right), lastShownTime);
  // A selection wholly right of the last shown sample holds no sample to start from.
  if (!(startTime <= endTime)) {
    return 0;
  }
  const int newLast = FirstSampleAtOrAfter(chart, endTime, chart.lastIndex);
  const int newFirst = FirstSampleAtOrAfter(chart, startTime, newLast);
  // A window of a single sample has no time span to draw.
  if (newFirst == newLast) {
    return 0;
  }

  chart.selLeft = left;
  chart.selRight = right;
  chart.selTop = top;
  chart.selBottom = bottom;
  chart.zoomStartTime = startTime;
  chart.zoomEndTime = endTime;
  chart.firstIndex = newFirst;
  chart.lastIndex = newLast;
  chart.timeOrigin = chart.timeValues[newFirst];
  chart.timeSpan =
      static_cast<float>(static_cast<double>(chart.timeValues[newLast]) - chart.timeOrigin);
  const double oldTop = chart.valueTop;
  chart.valueTop = static_cast<float>(ValueAtPixel(chart, oldTop, top));
  chart.valueBottom = static_cast<float>(ValueAtPixel(chart, oldTop, bottom));
  FitZoomedValueAxis(chart);
  chart.labelIndexStep = LabelIndexStep(chart.firstIndex, chart.lastIndex);
  return 1;
}

void ResetFullView(ChartState& chart) {
  chart.valueTop = chart.fullTop;
  chart.valueBottom = chart.fullBottom;
  chart.valueRange = static_cast<float>(static_cast<double>(chart.valueTop) - chart.valueBottom);
  SetFullTimeWindow(chart);
  chart.gridIntervals = chart.fullGridIntervals;
  chart.gridStep = chart.fullGridStep;
}
