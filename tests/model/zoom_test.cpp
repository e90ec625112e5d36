#include "model/zoom.h"

#include <gtest/gtest.h>

#include <limits>

#include "fake_visibility_host.h"
#include "model/series_visibility.h"
#include "record_files.h"

namespace {

// 21 samples at 0, 0.5, ..., 10 with setpoint and output between 0 and 1.2: the full view is
// -0.5 .. 1.5 with grid step 0.5, and a 675 x 440 client area paints 60 and 200 pixels per unit.
class ZoomTest : public RecordFilesTest {
 protected:
  void SetUp() override {
    RecordFilesTest::SetUp();
    std::vector<float> times, setpoint, output, control;
    for (int i = 0; i <= 20; ++i) {
      times.push_back(static_cast<float>(i) / 2);
      setpoint.push_back(i < 2 ? 0.0f : 1.0f);
      output.push_back(i == 10 ? 1.2f : static_cast<float>(i) / 20);
      control.push_back(0.5f);
    }
    WriteRecord(times, setpoint, control, output);
    ASSERT_TRUE(Load().empty());
    PaintAt(60, 200);
  }

  void PaintAt(float xScale, float yScale) {
    chart.xScale = xScale;
    chart.yScale = yScale;
  }

  int Drag(int pressX, int pressY, int releaseX, int releaseY) {
    chart.selLeft = pressX;
    chart.selTop = pressY;
    chart.selRight = releaseX;
    chart.selBottom = releaseY;
    return ZoomToSelection(chart);
  }

  void ExpectTimeWindow(int first, int last, float origin, float span, int labelStep) {
    EXPECT_EQ(chart.firstIndex, first);
    EXPECT_EQ(chart.lastIndex, last);
    EXPECT_EQ(chart.timeOrigin, origin);
    EXPECT_EQ(chart.timeSpan, span);
    EXPECT_EQ(chart.labelIndexStep, labelStep);
  }

  void ExpectValueWindow(float bottom, float top, float gridStep, float gridIntervals) {
    EXPECT_EQ(chart.valueBottom, bottom);
    EXPECT_EQ(chart.valueTop, top);
    EXPECT_EQ(chart.valueRange, top - bottom);
    EXPECT_EQ(chart.gridStep, gridStep);
    EXPECT_EQ(chart.gridIntervals, gridIntervals);
  }

  void ExpectFullView() {
    ExpectTimeWindow(0, 20, 0, 10, 4);
    ExpectValueWindow(-0.5f, 1.5f, 0.5f, 4.0f);
  }
};

TEST_F(ZoomTest, FirstViewIsTheWholeRecord) {
  ExpectFullView();
}

TEST_F(ZoomTest, DragInEitherDirectionGivesTheSameView) {
  for (bool reversed : {false, true}) {
    ResetFullView(chart);
    PaintAt(60, 200);
    EXPECT_EQ(reversed ? Drag(410, 220, 170, 150) : Drag(170, 150, 410, 220), 1);
    EXPECT_EQ(chart.zoomStartTime, 2.0f);
    EXPECT_EQ(chart.zoomEndTime, 6.0f);
    ExpectTimeWindow(4, 12, 2, 4, 1);
    // The unrounded window 0.45 .. 0.8 fitted outwards.
    ExpectValueWindow(0.400000006f, 0.900000036f, 0.100000001f, 5.0f);
    EXPECT_EQ(chart.selLeft, 170);
    EXPECT_EQ(chart.selTop, 150);
    EXPECT_EQ(chart.selRight, 410);
    EXPECT_EQ(chart.selBottom, 220);
    EXPECT_EQ(chart.fullTop, 1.5f);
    EXPECT_EQ(chart.fullBottom, -0.5f);
    EXPECT_EQ(chart.fullGridStep, 0.5f);
    EXPECT_EQ(chart.fullGridIntervals, 4.0f);
  }
}

TEST_F(ZoomTest, SelectionBeyondThePlotEdges) {
  // Ending right of the plot: the end is pulled back to the last shown sample.
  EXPECT_EQ(Drag(170, 150, 700, 220), 1);
  ExpectTimeWindow(4, 20, 2, 8, 3);
  // Starting left of the plot: the start lies before the first shown sample.
  ResetFullView(chart);
  EXPECT_EQ(Drag(40, 150, 410, 220), 1);
  EXPECT_EQ(chart.zoomStartTime, -0.166666672f);
  ExpectTimeWindow(0, 12, 0, 6, 2);
  // Released left of the client area, where the mouse reports a negative x.
  ResetFullView(chart);
  EXPECT_EQ(Drag(300, 150, -5, 220), 1);
  ExpectTimeWindow(0, 9, 0, 4.5f, 1);
  // Released above the client area: the value window reaches above the old top.
  ResetFullView(chart);
  EXPECT_EQ(Drag(170, 150, 410, -5), 1);
  EXPECT_EQ(chart.valueBottom, 0.699999988f);
  EXPECT_EQ(chart.valueTop, 1.60000002f);
}

TEST_F(ZoomTest, NestedZoomUsesTheScalesOfTheLastPaint) {
  ASSERT_EQ(Drag(170, 150, 410, 220), 1);
  PaintAt(150, 800);
  EXPECT_EQ(Drag(50, 10, 350, 410), 1);
  ExpectTimeWindow(4, 8, 2, 2, 0);
  ExpectValueWindow(0.400000006f, 1.0f, 0.100000001f, 6.0f);
  ResetFullView(chart);
  ExpectFullView();
}

TEST_F(ZoomTest, FullViewAfterZoomsIsTheLastFullFit) {
  ASSERT_EQ(Drag(170, 150, 700, 220), 1);
  ASSERT_EQ(Drag(40, 150, 410, 220), 1);
  ResetFullView(chart);
  ExpectFullView();
}

// None of these selections can make a view: the chart stays exactly as it was, field by field.
TEST_F(ZoomTest, RejectedSelectionsChangeNothing) {
  const struct {
    const char* what;
    int pressX, pressY, releaseX, releaseY;
  } selections[] = {
      {"a click", 200, 200, 200, 200},
      {"a horizontal drag", 100, 200, 300, 200},
      {"a vertical drag", 200, 100, 200, 300},
      {"right of the last sample", 720, 100, 700, 200},
      {"between two samples", 180, 200, 171, 100},
  };
  for (const auto& s : selections) {
    chart.selLeft = s.pressX;
    chart.selTop = s.pressY;
    chart.selRight = s.releaseX;
    chart.selBottom = s.releaseY;
    const ChartState before = chart;
    EXPECT_EQ(ZoomToSelection(chart), 0) << s.what;
    EXPECT_TRUE(chart == before) << s.what;
  }
}

TEST_F(ZoomTest, SelectionRightOfTheLastSampleOfAZoomedViewIsRejected) {
  ASSERT_EQ(Drag(170, 150, 410, 220), 1);  // samples 4 .. 12, the last at x = 650 after repaint
  PaintAt(150, 800);
  chart.selLeft = 660;
  chart.selTop = 100;
  chart.selRight = 670;
  chart.selBottom = 200;
  const ChartState before = chart;
  EXPECT_EQ(ZoomToSelection(chart), 0);
  EXPECT_TRUE(chart == before);
}

TEST_F(ZoomTest, PaintWithoutUsableScalesRejectsTheZoom) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const float scales[][2] = {{0, 200},
                             {60, 0},
                             {-60, 200},
                             {60, -200},
                             {kInf, 200},
                             {60, kInf},
                             {std::numeric_limits<float>::quiet_NaN(), 200}};
  for (const auto& scale : scales) {
    PaintAt(scale[0], scale[1]);
    chart.selLeft = 170;
    chart.selTop = 150;
    chart.selRight = 410;
    chart.selBottom = 220;
    ChartState before = chart;
    EXPECT_EQ(ZoomToSelection(chart), 0) << scale[0] << " " << scale[1];
    // The scales themselves are the paint's; a NaN one would never compare equal.
    ChartState after = chart;
    after.xScale = after.yScale = before.xScale = before.yScale = 0;
    EXPECT_TRUE(after == before);
  }
}

}  // namespace
