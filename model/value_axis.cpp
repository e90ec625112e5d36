#include "model/value_axis.h"

#include <algorithm>
#include <cmath>

namespace {

// The single-precision value of 0.1 (0.100000001490116...), applied in double: the first step of
// the upward search and the factor of every division by ten.
constexpr double kOneTenth = static_cast<double>(0.1f);

// Window ends beyond this are pulled in, so that rounding outwards by a step and the width of the
// rounded window stay finite single-precision values.
constexpr double kLargestEnd = 1e37;
// Narrower windows (a constant signal) are widened, so that the step stays a normal float and the
// scale of the drawing finite.
constexpr double kNarrowestWidth = 1e-30;

float Single(double value) {
  return static_cast<float>(value);
}

bool AtLeastOne(float range) {
  return std::floor(std::fabs(static_cast<double>(range))) != 0.0;
}

// The decade search ends only for a finite non-zero width: an overflowing error series, a constant
// signal or ends closer than a normal float get a window of the same place that it can fit.
void MakeWindowFittable(ChartState& chart) {
  double top = chart.valueTop;
  double bottom = chart.valueBottom;
  top = std::isnan(top) ? kLargestEnd : std::clamp(top, -kLargestEnd, kLargestEnd);
  bottom = std::isnan(bottom) ? -kLargestEnd : std::clamp(bottom, -kLargestEnd, kLargestEnd);
  if (!(top - bottom >= kNarrowestWidth)) {
    // A window as wide as the value itself keeps it in the middle of the plot, a signal that is
    // 0 throughout gets -0.5 .. 0.5.
    const double middle = (top + bottom) / 2.0;
    const double width = middle == 0.0 ? 1.0 : std::max(std::fabs(middle), kNarrowestWidth);
    const double half = width / 2.0;
    top = middle + half;
    bottom = middle - half;
  }
  chart.valueTop = Single(top);
  chart.valueBottom = Single(bottom);
}

// The next multiples of the step strictly above the top and strictly below the bottom, but for
// the rounding of the divisions.
void RoundWindowOutwards(ChartState& chart, double step) {
  const float topMultiple = Single(std::floor((chart.valueTop + step) / step));
  chart.valueTop = Single(topMultiple * step);
  const float bottomMultiple = Single(std::ceil((chart.valueBottom - step) / step));
  chart.valueBottom = Single(bottomMultiple * step);
}

void SearchDecadeStep(ChartState& chart) {
  chart.workRange = Single(static_cast<double>(chart.valueTop) - chart.valueBottom);
  FindDecadeStep(chart);
  chart.gridStep = chart.workStep;
}

void TestCoarseGrid(ChartState& chart, double step) {
  if (5.0 * step > 10.0 * step - std::fabs(static_cast<double>(chart.rawTop))) {
    chart.coarseGridFlag = 1;
  }
  if (5.0 * step > 10.0 * step - std::fabs(static_cast<double>(chart.rawBottom))) {
    chart.coarseGridFlag = 1;
  }
}

void TrimHalfSteps(ChartState& chart, double step) {
  if (chart.rawTop < chart.valueTop - step / 2.0) {
    chart.valueTop = Single(chart.valueTop - step / 2.0);
    chart.trimmedFlag = 1;
  }
  if (chart.rawBottom > chart.valueBottom + step / 2.0) {
    chart.valueBottom = Single(chart.valueBottom + step / 2.0);
    chart.trimmedFlag = 1;
  }
}

// The flags are sticky: a flag set by an earlier fit still shapes this grid.
void AdjustGridStepByFlags(ChartState& chart) {
  if (chart.trimmedFlag == 1) {
    chart.gridStep = Single(chart.gridStep / 2.0);
  }
  if (chart.coarseGridFlag == 1) {
    chart.gridStep = Single(chart.gridStep * 10.0);
    if (chart.trimmedFlag != 1) {
      chart.gridStep = Single(chart.gridStep / 2.0);
    }
  }
}

}  // namespace

void FindDecadeStep(ChartState& chart) {
  if (!AtLeastOne(chart.workRange)) {
    chart.workStep = 1.0f;
    do {
      chart.workRange = Single(chart.workRange * 10.0);
      chart.workStep = Single(chart.workStep * kOneTenth);
    } while (!AtLeastOne(chart.workRange));
  } else {
    chart.workStep = Single(kOneTenth);
    do {
      chart.workRange = Single(chart.workRange * kOneTenth);
      chart.workStep = Single(chart.workStep * 10.0);
    } while (AtLeastOne(chart.workRange));
  }
}

void FitValueAxis(ChartState& chart) {
  MakeWindowFittable(chart);
  chart.rawTop = chart.valueTop;
  chart.rawBottom = chart.valueBottom;
  SearchDecadeStep(chart);
  const double step = chart.gridStep;
  RoundWindowOutwards(chart, step);
  TestCoarseGrid(chart, step);
  TrimHalfSteps(chart, step);
  chart.valueRange = Single(static_cast<double>(chart.valueTop) - chart.valueBottom);
  chart.gridIntervals = chart.valueRange;
  chart.fullTop = chart.valueTop;
  chart.fullBottom = chart.valueBottom;
  AdjustGridStepByFlags(chart);
  chart.gridIntervals = Single(static_cast<double>(chart.gridIntervals) / chart.gridStep);
  chart.fullGridIntervals = chart.gridIntervals;
  chart.fullGridStep = chart.gridStep;
}

void FitZoomedValueAxis(ChartState& chart) {
  MakeWindowFittable(chart);
  SearchDecadeStep(chart);
  chart.rawTop = chart.valueTop;
  chart.rawBottom = chart.valueBottom;
  RoundWindowOutwards(chart, chart.gridStep);
  chart.valueRange = Single(static_cast<double>(chart.valueTop) - chart.valueBottom);
  chart.gridIntervals = Single(static_cast<double>(chart.valueRange) / chart.gridStep);
}
