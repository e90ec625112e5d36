// The chart of the current view, drawn operation by operation onto a DrawingSurface. Every real
// expression is evaluated in double from the single-precision fields, left to right as written;
// only xScale, yScale and the grid label values are rounded to single precision.
#include "draw/draw_chart.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "draw/axis_label.h"
#include "draw/pixel_coordinate.h"
#include "model/chart_layout.h"

namespace {

constexpr int kFrameTop = 5;
constexpr int kValueLabelX = 5;
constexpr int kValueLabelRaise = 6;  // a value label's cell starts 6 pixels above its line
constexpr int kTimeLabelShift = 10;  // a time label starts 10 pixels left of its time

// One curve: its data, its points and how it is drawn.
struct Curve {
  float* ChartState::*values;
  ScreenPoint* ChartState::*points;
  int ChartState::*shown;
  PenStyle style;
  std::uint8_t red, green, blue;
};

// In the order in which the points are computed and the curves drawn.
constexpr Curve kCurves[] = {
    {&ChartState::setpointValues, &ChartState::setpointPoints, &ChartState::showSetpoint,
     PenStyle::Solid, 255, 0, 0},
    {&ChartState::outputValues, &ChartState::outputPoints, &ChartState::showOutput, PenStyle::Dash,
     0, 0, 255},
    {&ChartState::controlValues, &ChartState::controlPoints, &ChartState::showControl,
     PenStyle::Solid, 0, 255, 0},
    {&ChartState::errorValues, &ChartState::errorPoints, &ChartState::showError, PenStyle::Dash,
     255, 0, 255},
};
constexpr int kCurveCount = static_cast<int>(std::size(kCurves));

// A truncated coordinate plus a layout offset, wrapping like 32-bit hardware addition: a
// coordinate near the top of the range (a record whose times decrease, say) must not overflow.
std::int32_t Offset(std::int32_t pixel, int offset) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(pixel) +
                                   static_cast<std::uint32_t>(offset));
}

int FrameBottom(const ChartState& chart) {
  return chart.clientHeight - 25;
}
int TimeLabelY(const ChartState& chart) {
  return chart.clientHeight - 24;
}

// The data spans x = 50 to clientWidth - 25 and y = 10 to clientHeight - 30. The integer
// differences are divided by the fields in double; all later steps use the rounded results.
void StoreScales(ChartState& chart) {
  chart.xScale = static_cast<float>((chart.clientWidth - 75) / static_cast<double>(chart.timeSpan));
  chart.yScale =
      static_cast<float>((chart.clientHeight - 40) / static_cast<double>(chart.valueRange));
}

// The plot width as a whole number of pixels, truncated before the origin is added.
std::int32_t PlotWidth(const ChartState& chart) {
  return TruncToPixel(static_cast<double>(chart.xScale) * chart.timeSpan);
}

void DrawValueGrid(ChartState& chart, DrawingSurface& surface) {
  const std::int32_t lastLine = TruncToPixel(chart.gridIntervals);
  // Here the origin is added before truncating, unlike the frame's right edge.
  const std::int32_t lineEnd =
      TruncToPixel(static_cast<double>(chart.xScale) * chart.timeSpan + kTimeOriginX);
  // 64 bits so that the count cannot overflow when trunc(gridIntervals) is the largest int.
  for (std::int64_t i = 0; i <= lastLine; ++i) {
    const double offset = static_cast<double>(i) * chart.gridStep * chart.yScale;
    const std::int32_t y = TruncToPixel(offset + kValueTopY);
    if (y > FrameBottom(chart)) {
      return;
    }
    surface.MoveTo(kTimeOriginX, y);
    surface.LineTo(lineEnd, y);
    const auto value = static_cast<float>(chart.valueTop - static_cast<double>(i) * chart.gridStep);
    surface.DrawText(kValueLabelX, Offset(TruncToPixel(offset), kValueTopY - kValueLabelRaise),
                     FormatAxisLabel(chart, value));
  }
}

// Pixels from the plot's left edge to the time of sample `index`.
std::int32_t TimeOffset(const ChartState& chart, int index) {
  const double t = chart.timeValues[index];
  return TruncToPixel((t - chart.timeOrigin) * chart.xScale);
}

void DrawTimeLabel(ChartState& chart, DrawingSurface& surface, std::int32_t offset, int index) {
  surface.DrawText(Offset(offset, kTimeOriginX - kTimeLabelShift), TimeLabelY(chart),
                   FormatAxisLabel(chart, chart.timeValues[index]));
}

// Six labels; the four inner ones get a vertical grid line, the last one sits at the plot's
// right edge whatever its sample's own time.
void DrawTimeAxis(ChartState& chart, DrawingSurface& surface) {
  DrawTimeLabel(chart, surface, TimeOffset(chart, chart.firstIndex), chart.firstIndex);
  for (int j = 1; j <= 4; ++j) {
    const int index = chart.firstIndex + j * chart.labelIndexStep;
    const std::int32_t offset = TimeOffset(chart, index);
    const std::int32_t x = Offset(offset, kTimeOriginX);
    surface.MoveTo(x, kFrameTop);
    surface.LineTo(x, chart.clientHeight - 26);
    DrawTimeLabel(chart, surface, offset, index);
  }
  DrawTimeLabel(chart, surface, PlotWidth(chart), chart.lastIndex);
}

// The hot loop: one x per sample shared by all four curves, then each curve's y held inside the
// frame, the lower limit last so that it wins when the frame is shorter than 0 pixels. Locals keep
// the fields out of the loop: the stores into the point arrays could alias int fields.
void StorePoints(const ChartState& chart) {
  const int first = chart.firstIndex, count = chart.lastIndex - first + 1;
  const float* values[kCurveCount];
  ScreenPoint* points[kCurveCount];
  for (int c = 0; c < kCurveCount; ++c) {
    values[c] = chart.*kCurves[c].values + first;
    points[c] = chart.*kCurves[c].points;
  }
  const float* const times = chart.timeValues + first;
  const double timeOrigin = chart.timeOrigin, xScale = chart.xScale;
  const double valueTop = chart.valueTop, yScale = chart.yScale;
  const int bottom = FrameBottom(chart);
  for (int k = 0; k < count; ++k) {
    const std::int32_t x = TruncToPixel((times[k] - timeOrigin) * xScale + kTimeOriginX);
    for (int c = 0; c < kCurveCount; ++c) {
      const std::int32_t y = TruncToPixel((valueTop - values[c][k]) * yScale + kValueTopY);
      points[c][k] = {x, std::max(std::min(y, bottom), kFrameTop)};
    }
  }
}

void DrawCurve(const Curve& curve, const ScreenPoint* points, int count, DrawingSurface& surface) {
  surface.SelectPen(curve.style, 1, curve.red, curve.green, curve.blue);
  surface.MoveTo(points[0].x, points[0].y);
  for (int k = 1; k < count; ++k) {
    surface.LineTo(points[k].x, points[k].y);
  }
}

void DrawCurves(const ChartState& chart, DrawingSurface& surface) {
  const int count = chart.lastIndex - chart.firstIndex + 1;
  for (const Curve& curve : kCurves) {
    if (chart.*curve.shown != 0) {
      DrawCurve(curve, chart.*curve.points, count, surface);
    }
  }
}

// Drawn last with the stock black pen, over the curves held at the frame's edges.
void DrawFrameLines(const ChartState& chart, DrawingSurface& surface, std::int32_t right) {
  surface.MoveTo(kTimeOriginX, kFrameTop);
  surface.LineTo(right, kFrameTop);
  surface.MoveTo(kTimeOriginX, FrameBottom(chart));
  surface.LineTo(right, FrameBottom(chart));
}

}  // namespace

void DrawChart(ChartState& chart, DrawingSurface& surface) {
  StoreScales(chart);
  const std::int32_t right = Offset(PlotWidth(chart), kTimeOriginX);
  surface.DrawRectangle(kTimeOriginX, kFrameTop, right, FrameBottom(chart));
  surface.SelectPen(PenStyle::Dot, 1, 0, 0, 0);
  DrawValueGrid(chart, surface);
  DrawTimeAxis(chart, surface);
  StorePoints(chart);
  surface.SetRasterOp(RasterOp::CopyPen);
  DrawCurves(chart, surface);
  surface.SelectBlackPen();  // releases the last curve's pen, or the grid pen
  DrawFrameLines(chart, surface, right);
}
