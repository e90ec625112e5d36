#include "model/value_axis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FullFitCase {
  float bottom, top;
  int trimmedBefore, coarseBefore;
  float fittedBottom, fittedTop, range, gridStep, gridIntervals;
  int trimmedAfter, coarseAfter;
};

TEST(ValueAxis, FullFitRoundsOutwardsTrimsAndSetsTheGrid) {
  const FullFitCase cases[] = {
      {0.0f, 1.2f, 0, 0, -0.5f, 1.5f, 2.0f, 0.5f, 4.0f, 1, 0},
      {-0.35f, 0.8f, 0, 0, -0.5f, 1.0f, 1.5f, 0.5f, 3.0f, 1, 0},
      {0.0f, 57.0f, 0, 0, -5.0f, 60.0f, 65.0f, 50.0f, 1.29999995f, 1, 1},
      {0.0f, 50.0f, 0, 0, -5.0f, 55.0f, 60.0f, 5.0f, 12.0f, 1, 0},
      {0.0f, 51.0f, 0, 0, -5.0f, 55.0f, 60.0f, 50.0f, 1.20000005f, 1, 1},
      {-5.0f, 5.0f, 0, 0, -10.0f, 10.0f, 20.0f, 10.0f, 2.0f, 0, 0},
      // (0.5 + s) / s evaluates just below 6, so the top stays where it is.
      {0.25f, 0.5f, 0, 0, 0.200000003f, 0.5f, 0.300000012f, 0.100000001f, 3.0f, 0, 0},
      {0.25f, 0.5f, 1, 0, 0.200000003f, 0.5f, 0.300000012f, 0.0500000007f, 6.0f, 1, 0},
      {0.25f, 0.5f, 1, 1, 0.200000003f, 0.5f, 0.300000012f, 0.5f, 0.600000024f, 1, 1},
      {0.0f, 0.7f, 0, 0, -0.0500000007f, 0.699999988f, 0.75f, 0.5f, 1.5f, 1, 1},
  };
  for (const FullFitCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bottom << " .. " << c.top);
    ChartState chart{};
    chart.trimmedFlag = c.trimmedBefore;
    chart.coarseGridFlag = c.coarseBefore;
    chart.valueBottom = c.bottom;
    chart.valueTop = c.top;
    FitValueAxis(chart);
    EXPECT_EQ(chart.valueBottom, c.fittedBottom);
    EXPECT_EQ(chart.valueTop, c.fittedTop);
    EXPECT_EQ(chart.valueRange, c.range);
    EXPECT_EQ(chart.gridStep, c.gridStep);
    EXPECT_EQ(chart.gridIntervals, c.gridIntervals);
    EXPECT_EQ(chart.trimmedFlag, c.trimmedAfter);
    EXPECT_EQ(chart.coarseGridFlag, c.coarseAfter);
    EXPECT_EQ(chart.fullTop, chart.valueTop);
    EXPECT_EQ(chart.fullBottom, chart.valueBottom);
    EXPECT_EQ(chart.fullGridStep, chart.gridStep);
    EXPECT_EQ(chart.fullGridIntervals, chart.gridIntervals);
  }
}

TEST(ValueAxis, DecadeStepFollowsTheRoundedProducts) {
  const struct {
    float width, step;
  } cases[] = {
      {10.0f, 10.0f},
      {9.99999905f, 1.0f},
      {1.0f, 1.0f},
      {0.99999994f, 0.100000001f},
      {0.35f, 0.100000001f},
      // The single nearest 0.01 lies just below it.
      {0.01f, 0.00100000005f},
      {0.001f, 0.00100000005f},
      {1e10f, 1e10f},
  };
  for (const auto& c : cases) {
    ChartState chart{};
    chart.workRange = c.width;
    FindDecadeStep(chart);
    EXPECT_EQ(chart.workStep, c.step) << "width " << c.width;
  }
}

TEST(ValueAxis, ZoomedFitRoundsOutwardsAndLeavesTheFullViewAlone) {
  const struct {
    float bottom, top, fittedBottom, fittedTop, range, gridStep, gridIntervals;
  } cases[] = {
      {0.45f, 0.8f, 0.400000006f, 0.900000036f, 0.5f, 0.100000001f, 5.0f},
      {18.2f, 23.7f, 18.0f, 24.0f, 6.0f, 1.0f, 6.0f},
  };
  for (const auto& c : cases) {
    for (int flags : {0, 1}) {
      ChartState chart{};
      chart.trimmedFlag = chart.coarseGridFlag = flags;
      chart.fullTop = 7.0f;
      chart.fullBottom = -7.0f;
      chart.fullGridStep = 3.0f;
      chart.fullGridIntervals = 2.0f;
      chart.valueBottom = c.bottom;
      chart.valueTop = c.top;
      FitZoomedValueAxis(chart);
      EXPECT_EQ(chart.valueBottom, c.fittedBottom);
      EXPECT_EQ(chart.valueTop, c.fittedTop);
      EXPECT_EQ(chart.valueRange, c.range);
      EXPECT_EQ(chart.gridStep, c.gridStep);
      EXPECT_EQ(chart.gridIntervals, c.gridIntervals);
      EXPECT_EQ(chart.trimmedFlag, flags);
      EXPECT_EQ(chart.coarseGridFlag, flags);
      EXPECT_EQ(chart.fullTop, 7.0f);
      EXPECT_EQ(chart.fullBottom, -7.0f);
      EXPECT_EQ(chart.fullGridStep, 3.0f);
      EXPECT_EQ(chart.fullGridIntervals, 2.0f);
    }
  }
}

// A constant signal, an error series that overflowed, ends closer than a normal float: every fit
// ends with a window and a grid that the drawing can use, and a constant lies inside the window.
TEST(ValueAxis, DegenerateWindowsGiveAUsableGrid) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float bottom, top;
    bool constant;
  } cases[] = {
      {0.0f, 0.0f, true},
      {5.0f, 5.0f, true},
      {-3e36f, -3e36f, true},
      {1e-44f, 1e-44f, true},
      {-0.001f, -0.001f, true},
      {0.0f, 1e-40f, false},
      // Beyond 1e37 the window is pulled in: such values are drawn at the frame's edge.
      {-3e38f, -3e38f, false},
      {-3e38f, 3e38f, false},
      {-kInf, kInf, false},
      {kInf, kInf, false},
      {-kInf, -kInf, false},
      {-1.0f, kInf, false},
      {kNaN, kNaN, false},
  };
  for (const auto& c : cases) {
    for (void (*fit)(ChartState&) : {&FitValueAxis, &FitZoomedValueAxis}) {
      SCOPED_TRACE(testing::Message() << c.bottom << " .. " << c.top);
      ChartState chart{};
      chart.valueBottom = c.bottom;
      chart.valueTop = c.top;
      fit(chart);
      EXPECT_GT(chart.gridStep, 0.0f);
      EXPECT_GT(chart.valueRange, 0.0f);
      EXPECT_TRUE(std::isfinite(chart.valueRange));
      EXPECT_TRUE(std::isfinite(chart.gridIntervals));
      EXPECT_GE(chart.gridIntervals, 0.4f);
      EXPECT_LE(chart.gridIntervals, 30.0f);
      EXPECT_EQ(chart.valueRange, chart.valueTop - chart.valueBottom);
      if (c.constant) {
        EXPECT_LT(chart.valueBottom, c.top);
        EXPECT_GT(chart.valueTop, c.top);
      }
    }
  }
}

// A signal that is 0 throughout, as the one sample of zeros of a record that could not be read:
// a flat line across the middle with labelled lines above and below.
TEST(ValueAxis, ZeroSignalGetsAUnitWindow) {
  ChartState chart{};
  FitValueAxis(chart);
  EXPECT_EQ(chart.valueBottom, -1.0f);
  EXPECT_EQ(chart.valueTop, 1.0f);
  EXPECT_EQ(chart.gridStep, 1.0f);
  EXPECT_EQ(chart.gridIntervals, 2.0f);
}

}  // namespace
