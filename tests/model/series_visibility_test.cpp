#include "model/series_visibility.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_visibility_host.h"
#include "record_files.h"
#include "windows1250.h"

namespace {

class SeriesVisibilityTest : public RecordFilesTest {
 protected:
  // Setpoint 0 .. 1, control -50 .. 80, output -0.2 .. 1.2.
  void LoadStepResponse() {
    WriteRecord({0, 1, 2, 3}, {0, 1, 1, 1}, {80, -50, 10, 0}, {0, -0.2f, 1.2f, 1});
    ASSERT_TRUE(Load().empty());
  }

  void Switch(int& flag) {
    flag = flag != 1 ? 1 : 0;
    ApplySeriesVisibility(chart, host);
  }

  FakeVisibilityHost host{chart};
};

TEST_F(SeriesVisibilityTest, EachCombinationFitsTheWindowOfTheVisibleCurves) {
  LoadStepResponse();
  for (int mask = 1; mask < 16; ++mask) {
    chart.showSetpoint = mask & 1;
    chart.showControl = (mask >> 1) & 1;
    chart.showOutput = (mask >> 2) & 1;
    chart.showError = (mask >> 3) & 1;
    const struct {
      int shown;
      float min, max;
    } curves[] = {{chart.showSetpoint, 0, 1},
                  {chart.showControl, -50, 80},
                  {chart.showOutput, -0.2f, 1.2f},
                  {chart.showError, chart.errorMin, chart.errorMax}};
    float top = -1e30f, bottom = 1e30f;
    for (const auto& curve : curves) {
      if (curve.shown) {
        top = std::max(top, curve.max);
        bottom = std::min(bottom, curve.min);
      }
    }
    chart.firstIndex = 1;  // as after a zoom
    ApplySeriesVisibility(chart, host);
    EXPECT_EQ(chart.rawTop, top) << "mask " << mask;
    EXPECT_EQ(chart.rawBottom, bottom) << "mask " << mask;
    EXPECT_EQ(chart.firstIndex, 0);
    EXPECT_EQ(chart.lastIndex, 3);
    EXPECT_EQ(chart.timeSpan, 3.0f);
    EXPECT_EQ(chart.fullTop, chart.valueTop);
    EXPECT_EQ(chart.fullGridStep, chart.gridStep);
  }
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(SeriesVisibilityTest, TrimmedFlagStaysSetForLaterFits) {
  LoadStepResponse();
  EXPECT_EQ(chart.valueBottom, -0.5f);
  EXPECT_EQ(chart.valueTop, 1.5f);
  EXPECT_EQ(chart.gridStep, 0.5f);
  EXPECT_EQ(chart.gridIntervals, 4.0f);
  Switch(chart.showControl);
  EXPECT_EQ(chart.valueBottom, -100.0f);
  EXPECT_EQ(chart.valueTop, 100.0f);
  EXPECT_EQ(chart.gridStep, 50.0f);  // 100 in a fresh run: the trim of the first fit halves it
  EXPECT_EQ(chart.gridIntervals, 4.0f);
  Switch(chart.showControl);
  EXPECT_EQ(chart.valueBottom, -0.5f);
  EXPECT_EQ(chart.valueTop, 1.5f);
  EXPECT_EQ(chart.gridStep, 0.5f);
}

TEST_F(SeriesVisibilityTest, CoarseGridFlagStaysSetForLaterFits) {
  WriteRecord({0, 1, 2}, {-5, 5, 0}, {0, 57, 3}, {5, -5, 0});
  ASSERT_TRUE(Load().empty());
  EXPECT_EQ(chart.valueBottom, -10.0f);
  EXPECT_EQ(chart.valueTop, 10.0f);
  EXPECT_EQ(chart.gridStep, 10.0f);
  EXPECT_EQ(chart.gridIntervals, 2.0f);
  Switch(chart.showControl);
  EXPECT_EQ(chart.valueBottom, -10.0f);
  EXPECT_EQ(chart.valueTop, 60.0f);
  EXPECT_EQ(chart.gridStep, 50.0f);
  Switch(chart.showControl);
  EXPECT_EQ(chart.valueBottom, -10.0f);
  EXPECT_EQ(chart.valueTop, 10.0f);
  EXPECT_EQ(chart.gridStep, 50.0f);
  EXPECT_EQ(chart.gridIntervals, 0.400000006f);
}

// Whichever curve was the last one shown, switching it off brings back setpoint and output.
TEST_F(SeriesVisibilityTest, SwitchingOffTheLastCurveRestoresSetpointAndOutput) {
  LoadStepResponse();
  const ChartState firstView = chart;
  int ChartState::*const flags[] = {&ChartState::showSetpoint, &ChartState::showOutput,
                                    &ChartState::showError, &ChartState::showControl};
  for (int ChartState::*last : flags) {
    chart.showSetpoint = chart.showOutput = chart.showError = chart.showControl = 0;
    chart.*last = 1;
    ApplySeriesVisibility(chart, host);
    chart.firstIndex = 2;  // a zoom before the switch
    host.calls.clear();
    Switch(chart.*last);
    EXPECT_EQ(host.calls, (std::vector<std::string>{
                              std::string("ShowNotice(") + kAllCurvesOffNotice + ", Lumvo1)",
                              "SetCheckMark(40005, 1)", "SetCheckMark(40004, 1)"}));
    // A paint during the notice finds the whole record and no curve.
    EXPECT_EQ(host.chartDuringNotice.firstIndex, 0);
    EXPECT_EQ(host.chartDuringNotice.showSetpoint + host.chartDuringNotice.showOutput, 0);
    EXPECT_EQ(chart.showSetpoint, 1);
    EXPECT_EQ(chart.showOutput, 1);
    EXPECT_EQ(chart.showError, 0);
    EXPECT_EQ(chart.showControl, 0);
    EXPECT_EQ(chart.valueTop, firstView.valueTop);
    EXPECT_EQ(chart.valueBottom, firstView.valueBottom);
  }
}

TEST(SeriesVisibility, NoticeTextIsWindows1250) {
  EXPECT_EQ(Utf8FromWindows1250(kAllCurvesOffNotice),
            "Usunięto wszystkie przebiegi !\n Wykres przyjmie domyślną postać.");
}

}  // namespace
