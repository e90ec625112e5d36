#include "model/series_visibility.h"

#include <algorithm>
#include <limits>

#include "model/time_window.h"
#include "model/value_axis.h"

namespace {

bool NoCurveVisible(const ChartState& chart) {
  return chart.showSetpoint == 0 && chart.showOutput == 0 && chart.showError == 0 &&
         chart.showControl == 0;
}

void RestoreDefaultCurves(ChartState& chart, VisibilityHost& host) {
  host.ShowNotice(kAllCurvesOffNotice, kProgramCaption);
  chart.showOutput = 1;
  chart.showSetpoint = 1;
  host.SetCheckMark(CMD_TOGGLE_OUTPUT, 1);
  host.SetCheckMark(CMD_TOGGLE_SETPOINT, 1);
}

}  // namespace

void SetWindowOfVisibleCurves(ChartState& chart) {
  struct Curve {
    int shown;
    float min;
    float max;
  };
  const Curve curves[] = {
      {chart.showSetpoint, chart.setpointMin, chart.setpointMax},
      {chart.showControl, chart.controlMin, chart.controlMax},
      {chart.showOutput, chart.outputMin, chart.outputMax},
      {chart.showError, chart.errorMin, chart.errorMax},
  };
  float top = -std::numeric_limits<float>::infinity();
  float bottom = std::numeric_limits<float>::infinity();
  for (const Curve& curve : curves) {
    if (curve.shown != 0) {
      top = std::max(top, curve.max);
      bottom = std::min(bottom, curve.min);
    }
  }
  chart.valueTop = top;
  chart.valueBottom = bottom;
}

void ApplySeriesVisibility(ChartState& chart, VisibilityHost& host) {
  SetFullTimeWindow(chart);
  if (NoCurveVisible(chart)) {
    RestoreDefaultCurves(chart, host);
  }
  SetWindowOfVisibleCurves(chart);
  FitValueAxis(chart);
}
