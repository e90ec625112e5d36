// DrawChart against a recording surface: whole operation sequences, the stored scales and points,
// the pens, and the degenerate views that the conversion rule draws far outside the window.
#include "draw/draw_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "tests/draw/recording_surface.h"

namespace {

constexpr int kMin = std::numeric_limits<int>::min();  // what NaN coordinates convert to

// A record of `count` samples that owns its arrays; chart points into them.
struct ChartRecord {
  explicit ChartRecord(int count)
      : time(Size(count)),
        setpoint(Size(count)),
        output(Size(count)),
        control(Size(count)),
        error(Size(count)),
        setpointPoints(Size(count)),
        outputPoints(Size(count)),
        controlPoints(Size(count)),
        errorPoints(Size(count)) {
    chart.sampleCount = count;
    chart.timeValues = time.data();
    chart.setpointValues = setpoint.data();
    chart.outputValues = output.data();
    chart.controlValues = control.data();
    chart.errorValues = error.data();
    chart.setpointPoints = setpointPoints.data();
    chart.outputPoints = outputPoints.data();
    chart.controlPoints = controlPoints.data();
    chart.errorPoints = errorPoints.data();
  }
  ChartRecord(const ChartRecord&) = delete;
  ChartRecord& operator=(const ChartRecord&) = delete;
  static std::size_t Size(int count) { return static_cast<std::size_t>(count); }

  std::vector<float> time, setpoint, output, control, error;
  std::vector<ScreenPoint> setpointPoints, outputPoints, controlPoints, errorPoints;
  ChartState chart;
};

// 600 x 400, 101 samples at i / 10, setpoint 0.8, output 0 with a spike to 0.95 and -0.2 at
// samples 30 and 31 and 0.8 from 32 on, control 0.5; setpoint, output and error shown.
struct WorkedExample : ChartRecord {
  WorkedExample() : ChartRecord(101) {
    for (std::size_t i = 0; i < time.size(); ++i) {
      time[i] = static_cast<float>(i) / 10.0f;  // one correctly rounded single division
      setpoint[i] = 0.8f;
      output[i] = i < 30 ? 0.0f : i == 30 ? 0.95f : i == 31 ? -0.2f : 0.8f;
      error[i] = setpoint[i] - output[i];
      control[i] = 0.5f;
    }
    chart.clientWidth = 600;
    chart.clientHeight = 400;
    chart.lastIndex = 100;
    chart.timeSpan = 10.0f;
    chart.labelIndexStep = 20;
    chart.valueTop = 0.9f;
    chart.valueRange = 0.9f;
    chart.gridStep = 0.1f;
    chart.gridIntervals = 9.0f;
    chart.showSetpoint = 1;
    chart.showOutput = 1;
    chart.showError = 1;
  }
};

// x of every sample of the worked example; sample 4 is at 71 (0.4 in single x 52.5 = 21.0000003).
constexpr int kWorkedX[101] = {
    50,  55,  60,  65,  71,  76,  81,  86,  92,  97,  102, 107, 113, 118, 123, 128, 134,
    139, 144, 149, 155, 160, 165, 170, 176, 181, 186, 191, 196, 202, 207, 212, 218, 223,
    228, 233, 238, 244, 249, 254, 260, 265, 270, 275, 281, 286, 291, 296, 302, 307, 312,
    317, 322, 328, 333, 338, 343, 349, 354, 359, 365, 370, 375, 380, 386, 391, 396, 401,
    407, 412, 417, 422, 427, 433, 438, 443, 448, 454, 459, 464, 470, 475, 480, 485, 490,
    496, 501, 506, 512, 517, 522, 527, 532, 538, 543, 548, 554, 559, 564, 569, 575};

// The worked example's curve y per sample, after the limits to 5 .. 375.
int SetpointY(int) {
  return 49;
}
int OutputY(int i) {
  return i < 30 ? 369 : i == 30 ? 5 : i == 31 ? 375 : 49;
}
int ErrorY(int i) {
  return i < 30 ? 49 : i == 30 ? 375 : i == 31 ? 5 : 369;
}
int ControlY(int) {
  return 169;
}

struct GridLine {
  int y;
  int labelY;
  const char* label;
};
// Each label is valueTop - i x gridStep in single precision, cut: 0.8999..., not 0.9000.
constexpr GridLine kWorkedGrid[] = {
    {10, 4, "0.8999"},    {50, 44, "0.7999"},   {90, 84, "0.6999"},   {130, 124, "0.5999"},
    {170, 164, "0.4999"}, {210, 204, "0.3999"}, {250, 244, "0.2999"}, {290, 284, "0.1999"},
    {330, 324, "0.0999"}, {370, 364, "-0.0000"}};

struct InnerTimeLabel {
  int lineX;
  int labelX;
  const char* label;
};

// Where the time axis starts in a sequence that has the worked example's ten grid lines.
constexpr std::size_t kWorkedTimeAxis = 2 + 3 * 10;

void AppendTimeAxis(std::vector<std::string>& ops, const std::string& first,
                    const InnerTimeLabel (&inner)[4], int lastX, const std::string& last) {
  ops.push_back(recorded::DrawText(40, 376, first));
  for (const auto& label : inner) {
    ops.push_back(recorded::MoveTo(label.lineX, 5));
    ops.push_back(recorded::LineTo(label.lineX, 374));
    ops.push_back(recorded::DrawText(label.labelX, 376, label.label));
  }
  ops.push_back(recorded::DrawText(lastX, 376, last));
}

void AppendCurve(std::vector<std::string>& ops, const std::string& pen, int (*curveY)(int)) {
  ops.push_back(recorded::SelectPen(pen));
  ops.push_back(recorded::MoveTo(kWorkedX[0], curveY(0)));
  for (int i = 1; i < 101; ++i) {
    ops.push_back(recorded::LineTo(kWorkedX[i], curveY(i)));
  }
}

// SelectBlackPen, then the top and bottom frame lines.
void AppendFrameLines(std::vector<std::string>& ops, int right, int bottom) {
  ops.push_back(recorded::SelectBlackPen());
  ops.push_back(recorded::MoveTo(50, 5));
  ops.push_back(recorded::LineTo(right, 5));
  ops.push_back(recorded::MoveTo(50, bottom));
  ops.push_back(recorded::LineTo(right, bottom));
}

// Reports the first differing operation rather than two long lists.
void ExpectOperations(const std::vector<std::string>& actual,
                      const std::vector<std::string>& expected, std::size_t from = 0) {
  ASSERT_GE(actual.size(), from + expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(actual[from + i], expected[i]) << "operation " << from + i;
  }
}

const std::string kGridPen = recorded::Pen(PenStyle::Dot, 1, 0, 0, 0);
const std::string kSetpointPen = recorded::Pen(PenStyle::Solid, 1, 255, 0, 0);
const std::string kOutputPen = recorded::Pen(PenStyle::Dash, 1, 0, 0, 255);
const std::string kControlPen = recorded::Pen(PenStyle::Solid, 1, 0, 255, 0);
const std::string kErrorPen = recorded::Pen(PenStyle::Dash, 1, 255, 0, 255);

// The operations of one kind, in order.
std::vector<std::string> Only(const std::vector<std::string>& ops, const std::string& name) {
  std::vector<std::string> kind;
  for (const std::string& op : ops) {
    if (op.starts_with(name + "(")) {
      kind.push_back(op);
    }
  }
  return kind;
}

TEST(DrawChart, WorkedExampleOperationByOperation) {
  WorkedExample example;
  RecordingSurface surface;
  DrawChart(example.chart, surface);

  std::vector<std::string> expected = {recorded::DrawRectangle(50, 5, 575, 375),
                                       recorded::SelectPen(kGridPen)};
  for (const GridLine& line : kWorkedGrid) {
    expected.push_back(recorded::MoveTo(50, line.y));
    expected.push_back(recorded::LineTo(575, line.y));
    expected.push_back(recorded::DrawText(5, line.labelY, line.label));
  }
  AppendTimeAxis(
      expected, "0.0000",
      {{155, 145, "2.000"}, {260, 250, "4.000"}, {365, 355, "6.000"}, {470, 460, "8.000"}}, 565,
      "10.00");
  expected.push_back(recorded::SetRasterOp(RasterOp::CopyPen));
  AppendCurve(expected, kSetpointPen, SetpointY);
  AppendCurve(expected, kOutputPen, OutputY);
  AppendCurve(expected, kErrorPen, ErrorY);
  AppendFrameLines(expected, 575, 375);
  ExpectOperations(surface.operations, expected);
  EXPECT_EQ(surface.operations.size(), expected.size());

  // Each pen is released by the next selection, the error pen by SelectBlackPen, whose stock pen
  // is current at the end.
  EXPECT_EQ(surface.pens,
            (std::vector<std::string>{kGridPen, kSetpointPen, kOutputPen, kErrorPen}));
  EXPECT_EQ(surface.releasedPens, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(surface.currentPen, RecordingSurface::kStockBlackPen);
}

TEST(DrawChart, WorkedExampleStoresScalesAndEveryPointOfAllFourCurves) {
  WorkedExample example;
  RecordingSurface surface;
  DrawChart(example.chart, surface);

  EXPECT_EQ(example.chart.xScale, 52.5f);
  EXPECT_EQ(example.chart.yScale, 400.0f);
  const struct {
    const std::vector<ScreenPoint>& points;
    int (*curveY)(int);
  } curves[] = {{example.setpointPoints, SetpointY},
                {example.outputPoints, OutputY},
                {example.controlPoints, ControlY},  // hidden, stored all the same
                {example.errorPoints, ErrorY}};
  for (const auto& curve : curves) {
    for (int i = 0; i < 101; ++i) {
      EXPECT_EQ(curve.points[static_cast<std::size_t>(i)],
                (ScreenPoint{kWorkedX[i], curve.curveY(i)}))
          << "sample " << i;
    }
  }
}

// Wider by 18 pixels: xScale = 543 / 10 rounds to 54.29999923706055, xScale x timeSpan is
// 542.99999..., so the right edge truncates to clientWidth - 26.
TEST(DrawChart, RoundedScaleMovesRightEdgeToClientWidthMinus26) {
  WorkedExample example;
  example.chart.clientWidth = 618;
  RecordingSurface surface;
  DrawChart(example.chart, surface);

  const std::vector<std::string>& ops = surface.operations;
  EXPECT_EQ(ops[0], recorded::DrawRectangle(50, 5, 592, 375));
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(ops[3 + 3 * i], recorded::LineTo(592, kWorkedGrid[i].y));
  }
  EXPECT_EQ(ops[kWorkedTimeAxis + 13], recorded::DrawText(582, 376, "10.00"));
  for (const auto* points : {&example.setpointPoints, &example.outputPoints, &example.controlPoints,
                             &example.errorPoints}) {
    EXPECT_EQ(points->back().x, 592);
  }
  std::vector<std::string> end;
  end.push_back(recorded::LineTo(592, 369));  // the error curve's last point
  AppendFrameLines(end, 592, 375);
  ExpectOperations(ops, end, ops.size() - end.size());
}

TEST(DrawChart, ZeroLabelStepPutsInnerLabelsOnTheFirstSample) {
  WorkedExample example;
  example.chart.labelIndexStep = 0;
  RecordingSurface surface;
  DrawChart(example.chart, surface);

  std::vector<std::string> expected;
  const InnerTimeLabel atOrigin = {50, 40, "0.0000"};
  AppendTimeAxis(expected, "0.0000", {atOrigin, atOrigin, atOrigin, atOrigin}, 565, "10.00");
  ExpectOperations(surface.operations, expected, kWorkedTimeAxis);
}

// A zoom into samples 30 to 40: point k belongs to sample 30 + k, and times count from 3.
TEST(DrawChart, ZoomedViewStoresPointsFromTheFirstIndex) {
  WorkedExample example;
  example.chart.firstIndex = 30;
  example.chart.lastIndex = 40;
  example.chart.timeOrigin = example.time[30];
  example.chart.timeSpan = example.time[40] - example.time[30];
  example.chart.labelIndexStep = 2;
  const ScreenPoint untouched = {-7, -7};
  example.setpointPoints[11] = untouched;
  RecordingSurface surface;
  DrawChart(example.chart, surface);

  EXPECT_EQ(example.chart.xScale, 525.0f);
  std::vector<std::string> timeAxis;
  AppendTimeAxis(
      timeAxis, "3.000",
      {{155, 145, "3.200"}, {260, 250, "3.400"}, {364, 354, "3.599"}, {469, 459, "3.799"}}, 565,
      "4.000");
  ExpectOperations(surface.operations, timeAxis, kWorkedTimeAxis);
  constexpr int kZoomedX[11] = {50, 102, 155, 207, 260, 312, 364, 417, 469, 522, 575};
  for (int k = 0; k < 11; ++k) {
    const auto at = static_cast<std::size_t>(k);
    EXPECT_EQ(example.setpointPoints[at], (ScreenPoint{kZoomedX[k], SetpointY(30 + k)}));
    EXPECT_EQ(example.outputPoints[at], (ScreenPoint{kZoomedX[k], OutputY(30 + k)}));
    EXPECT_EQ(example.controlPoints[at], (ScreenPoint{kZoomedX[k], ControlY(30 + k)}));
    EXPECT_EQ(example.errorPoints[at], (ScreenPoint{kZoomedX[k], ErrorY(30 + k)}));
  }
  EXPECT_EQ(example.setpointPoints[11], untouched);
}

TEST(DrawChart, GridStopsAfterItsIntervalsOrBelowTheFrame) {
  const struct {
    int clientHeight;
    float valueRange, gridStep, gridIntervals;
    std::size_t lines;
  } cases[] = {
      {400, 0.9f, 0.1f, 9.0f, 10},  {400, 0.9f, 0.1f, 3.7f, 4},  // the integer part bounds the loop
      {400, 0.9f, 0.1f, 20.0f, 10},  // line 10 would be at 410, below the frame's 375
      {400, 0.9f, 0.1f, -0.5f, 1},  {400, 0.9f, 0.1f, -1.0f, 0},
      {45, 1.0f, 1.0f, 5.0f, 3},  // lines at 10, 15 and 20: the last one on the frame's bottom
  };
  for (const auto& c : cases) {
    WorkedExample example;
    example.chart.clientHeight = c.clientHeight;
    example.chart.valueRange = c.valueRange;
    example.chart.gridStep = c.gridStep;
    example.chart.gridIntervals = c.gridIntervals;
    RecordingSurface surface;
    DrawChart(example.chart, surface);
    EXPECT_EQ(Only(surface.operations, "DrawText").size(), c.lines + 6)
        << "gridIntervals " << c.gridIntervals << ", clientHeight " << c.clientHeight;
  }
}

void ExpectEveryPointAtY(const WorkedExample& example, int y) {
  for (const auto* points : {&example.setpointPoints, &example.outputPoints, &example.controlPoints,
                             &example.errorPoints}) {
    for (const ScreenPoint& point : *points) {
      ASSERT_EQ(point.y, y) << "x " << point.x;
    }
  }
}

// The frame's bottom is at -5: every y is first limited to -5, then raised to 5.
TEST(DrawChart, FrameShorterThanZeroHoldsEveryPointAtTheTopLimit) {
  WorkedExample example;
  example.chart.clientHeight = 20;
  RecordingSurface surface;
  DrawChart(example.chart, surface);

  EXPECT_EQ(surface.operations[0], recorded::DrawRectangle(50, 5, 575, -5));
  EXPECT_EQ(surface.operations[2], recorded::DrawText(40, -4, "0.0000"));  // no grid line fits
  ExpectEveryPointAtY(example, 5);
  std::vector<std::string> end;
  AppendFrameLines(end, 575, -5);
  ExpectOperations(surface.operations, end, surface.operations.size() - end.size());
}

// yScale is infinite (NaN for a client height of 40): every y converts to the minimum and is
// raised to 5.
TEST(DrawChart, ZeroValueRangeHoldsEveryPointAtTheTopLimit) {
  for (const int clientHeight : {400, 40}) {
    WorkedExample example;
    example.chart.clientHeight = clientHeight;
    example.chart.valueRange = 0.0f;
    RecordingSurface surface;
    DrawChart(example.chart, surface);
    EXPECT_FALSE(std::isfinite(example.chart.yScale));
    ExpectEveryPointAtY(example, 5);
  }
}

// timeSpan 0 makes xScale infinite and its products with 0 NaN, which converts to the minimum.
TEST(DrawChart, SingleSampleViewDrawsNaNCoordinatesAtTheMinimum) {
  ChartRecord record(1);
  record.time = {2.5f};
  record.setpoint = {1.0f};
  record.output = {0.5f};
  record.control = {0.25f};
  record.error = {0.5f};
  ChartState& chart = record.chart;
  chart.clientWidth = 600;
  chart.clientHeight = 400;
  chart.timeOrigin = 2.5f;
  chart.valueTop = 1.0f;
  chart.valueRange = 1.0f;
  chart.gridStep = 0.5f;
  chart.gridIntervals = 2.0f;
  chart.showSetpoint = 1;
  chart.showOutput = 1;
  RecordingSurface surface;
  DrawChart(chart, surface);

  constexpr int kRight = kMin + 50;
  const std::vector<std::string> expected = {
      recorded::DrawRectangle(50, 5, kRight, 375),
      recorded::SelectPen(kGridPen),
      recorded::MoveTo(50, 10),
      recorded::LineTo(kMin, 10),
      recorded::DrawText(5, 4, "1.000"),
      recorded::MoveTo(50, 190),
      recorded::LineTo(kMin, 190),
      recorded::DrawText(5, 184, "0.5000"),
      recorded::MoveTo(50, 370),
      recorded::LineTo(kMin, 370),
      recorded::DrawText(5, 364, "0.0000"),
      recorded::DrawText(kMin + 40, 376, "2.500"),
      recorded::MoveTo(kRight, 5),
      recorded::LineTo(kRight, 374),
      recorded::DrawText(kMin + 40, 376, "2.500"),
      recorded::MoveTo(kRight, 5),
      recorded::LineTo(kRight, 374),
      recorded::DrawText(kMin + 40, 376, "2.500"),
      recorded::MoveTo(kRight, 5),
      recorded::LineTo(kRight, 374),
      recorded::DrawText(kMin + 40, 376, "2.500"),
      recorded::MoveTo(kRight, 5),
      recorded::LineTo(kRight, 374),
      recorded::DrawText(kMin + 40, 376, "2.500"),
      recorded::DrawText(kMin + 40, 376, "2.500"),
      recorded::SetRasterOp(RasterOp::CopyPen),
      recorded::SelectPen(kSetpointPen),
      recorded::MoveTo(kMin, 10),
      recorded::SelectPen(kOutputPen),
      recorded::MoveTo(kMin, 190),
      recorded::SelectBlackPen(),
      recorded::MoveTo(50, 5),
      recorded::LineTo(kRight, 5),
      recorded::MoveTo(50, 375),
      recorded::LineTo(kRight, 375),
  };
  EXPECT_EQ(surface.operations, expected);
  EXPECT_EQ(record.controlPoints[0], (ScreenPoint{kMin, 280}));
}

TEST(DrawChart, AllFourCurvesInTableOrderWithTheirPens) {
  WorkedExample example;
  example.chart.showControl = 1;
  RecordingSurface surface;
  DrawChart(example.chart, surface);

  EXPECT_EQ(surface.pens,
            (std::vector<std::string>{kGridPen, kSetpointPen, kOutputPen, kControlPen, kErrorPen}));
  const std::vector<std::string> curveStarts = {recorded::MoveTo(50, 49), recorded::MoveTo(50, 369),
                                                recorded::MoveTo(50, 169),
                                                recorded::MoveTo(50, 49)};
  const std::vector<std::string> moves = Only(surface.operations, "MoveTo");
  ExpectOperations(moves, curveStarts, 10 + 4);  // after the grid and the vertical lines
  EXPECT_EQ(surface.releasedPens, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(surface.currentPen, RecordingSurface::kStockBlackPen);
}

// SelectBlackPen then releases the grid pen, the only pen created.
TEST(DrawChart, NoCurveShownCreatesOnlyTheGridPen) {
  WorkedExample example;
  example.chart.showSetpoint = example.chart.showOutput = example.chart.showError = 0;
  RecordingSurface surface;
  DrawChart(example.chart, surface);

  EXPECT_EQ(Only(surface.operations, "SelectPen").size(), 1u);
  const std::vector<std::string> tail = {recorded::SetRasterOp(RasterOp::CopyPen),
                                         recorded::SelectBlackPen()};
  ExpectOperations(surface.operations, tail, kWorkedTimeAxis + 14);
  EXPECT_EQ(surface.pens, std::vector<std::string>{kGridPen});
  EXPECT_EQ(surface.releasedPens, std::vector<int>{0});
  EXPECT_EQ(surface.currentPen, RecordingSurface::kStockBlackPen);
}

}  // namespace
