#include "model/load_chart_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "record_files.h"
#include "windows1250.h"

namespace {

class LoadChartDataTest : public RecordFilesTest {
 protected:
  // The same text in all four files.
  void WriteAll(const std::string& text) {
    for (const char* name : {"czas.txt", "w_zad.txt", "sterow.txt", "wyj_obj.txt"}) {
      WriteFile(name, text);
    }
  }

  std::vector<std::string> LoadProblemsAsUtf8() {
    std::vector<std::string> texts;
    for (const std::string& problem : Load()) {
      texts.push_back(Utf8FromWindows1250(problem));
    }
    return texts;
  }

  std::vector<float> Times() const {
    return std::vector<float>(chart.timeValues, chart.timeValues + chart.sampleCount);
  }
};

TEST_F(LoadChartDataTest, CountsTheNumbersOfTheTimeFile) {
  const struct {
    const char* text;
    std::vector<float> times;
  } cases[] = {
      {"0\n0.1\n0.2\n", {0, 0.1f, 0.2f}},
      {"0\n0.1\n0.2", {0, 0.1f, 0.2f}},
      {"0\n0.1\n0.2\n\n\n", {0, 0.1f, 0.2f}},
      {"0 0.1\t0.2", {0, 0.1f, 0.2f}},
      {"0\r\n0.1\r\n0.2\r\n", {0, 0.1f, 0.2f}},
      {"\xEF\xBB\xBF"
       "0\n0.1\n0.2\n",
       {0, 0.1f, 0.2f}},
      // A Ctrl-Z ends the text, as in a Windows text-mode read.
      {"0\n0.1\n0.2\n\x1A"
       "7\nrubbish",
       {0, 0.1f, 0.2f}},
      {"+1.5e2 .5 -3. 2E+4", {150, 0.5f, -3, 20000}},
      {"1e-50 -1e-50 1e-45", {0, -0.0f, 1e-45f}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ReleaseChartData(chart);
    chart = ChartState{};
    WriteAll(c.text);
    EXPECT_TRUE(Load().empty());
    EXPECT_EQ(Times(), c.times);
    EXPECT_EQ(std::signbit(chart.timeValues[1]), std::signbit(c.times[1]));
  }
}

TEST_F(LoadChartDataTest, SetsUpTheFirstView) {
  WriteRecord({0.5f, 1, 1.5f, 2, 2.5f, 3}, {0, 1, 1, 1, 0.5f, 0}, {-50, 80, 0, 0, 0, 0},
              {-0.2f, 0.4f, 1.3f, 1, 0.5f, 0});
  ASSERT_TRUE(Load().empty());
  EXPECT_EQ(chart.sampleCount, 6);
  EXPECT_EQ(chart.firstIndex, 0);
  EXPECT_EQ(chart.lastIndex, 5);
  EXPECT_EQ(chart.timeOrigin, 0.5f);
  EXPECT_EQ(chart.timeSpan, 2.5f);
  EXPECT_EQ(chart.labelIndexStep, 1);
  EXPECT_EQ(chart.showSetpoint, 1);
  EXPECT_EQ(chart.showOutput, 1);
  EXPECT_EQ(chart.showError, 0);
  EXPECT_EQ(chart.showControl, 0);
  // The control signal does not widen the first window.
  EXPECT_EQ(chart.rawTop, 1.3f);
  EXPECT_EQ(chart.rawBottom, -0.2f);
  EXPECT_EQ(chart.controlMin, -50.0f);
  EXPECT_EQ(chart.controlMax, 80.0f);
  EXPECT_EQ(chart.fullTop, chart.valueTop);
  EXPECT_EQ(chart.fullBottom, chart.valueBottom);
  EXPECT_EQ(chart.fullGridStep, chart.gridStep);
  EXPECT_EQ(chart.fullGridIntervals, chart.gridIntervals);
}

TEST_F(LoadChartDataTest, ErrorExtremesAreThoseOfThePerSampleDifferences) {
  WriteRecord({0, 1}, {1, 2}, {0, 0}, {1, 2});
  ASSERT_TRUE(Load().empty());
  EXPECT_EQ(chart.errorValues[0], 0.0f);
  EXPECT_EQ(chart.errorValues[1], 0.0f);
  EXPECT_EQ(chart.errorMin, 0.0f);
  EXPECT_EQ(chart.errorMax, 0.0f);
}

TEST_F(LoadChartDataTest, LabelStepIsAFifthOfTheSampleIntervals) {
  for (const auto& [samples, step] : {std::pair{11, 2}, {6, 1}, {5, 0}, {1, 0}}) {
    ReleaseChartData(chart);
    chart = ChartState{};
    std::string text;
    for (int i = 0; i < samples; ++i) {
      text += std::to_string(i) + "\n";
    }
    WriteAll(text);
    ASSERT_TRUE(Load().empty());
    EXPECT_EQ(chart.labelIndexStep, step) << samples;
  }
}

TEST_F(LoadChartDataTest, NumbersBeyondTheTimeFileAreIgnored) {
  WriteAll("0\n1\n");
  WriteFile("w_zad.txt", "3\n4\n5\n6\nnot read\n");
  ASSERT_TRUE(Load().empty());
  EXPECT_EQ(chart.sampleCount, 2);
  EXPECT_EQ(chart.setpointMax, 4.0f);
}

// Each file problem is told in words, and the chart shows the samples that all four files gave.
TEST_F(LoadChartDataTest, ReportsBadFilesAndKeepsTheCompleteSamples) {
  const struct {
    const char* file;
    const char* text;  // nullptr: the file is missing
    std::vector<float> times;
    std::vector<std::string> problems;
  } cases[] = {
      {"w_zad.txt", nullptr, {0}, {"Nie można otworzyć pliku \"w_zad.txt\" w bieżącym folderze."}},
      {"czas.txt",
       "0\n0.5\n1,5\n2\n",
       {0, 0.5f},
       {"Plik \"czas.txt\", wiersz 3: \"1,5\" nie jest liczbą (separatorem dziesiętnym jest "
        "kropka)."}},
      {"wyj_obj.txt",
       "0\n1\n",
       {0, 0.5f},
       {"Plik \"wyj_obj.txt\" zawiera mniej liczb (2) niż plik \"czas.txt\" (4)."}},
      {"sterow.txt",
       "1\r\n\r\n1e39\r\n0\r\n",
       {0},
       {"Plik \"sterow.txt\", wiersz 3: liczba \"1e39\" wykracza poza zakres liczb programu "
        "(około 3.4e38)."}},
      {"w_zad.txt",
       "1 2 3 4\xC4\x85\x01"
       "56789012345678901234567890\n",
       {0, 0.5f, 1},
       {"Plik \"w_zad.txt\", wiersz 1: \"4???56789012345678901234...\" nie jest liczbą "
        "(separatorem dziesiętnym jest kropka)."}},
      {"czas.txt", "", {0}, {"Plik \"czas.txt\" nie zawiera żadnej liczby."}},
      {"czas.txt", "\xEF\xBB\xBF \n", {0}, {"Plik \"czas.txt\" nie zawiera żadnej liczby."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + std::string(": ") + (c.text ? c.text : "missing"));
    ReleaseChartData(chart);
    chart = ChartState{};
    WriteAll("0\n0.5\n1\n1.5\n");
    if (c.text) {
      WriteFile(c.file, c.text);
    } else {
      std::filesystem::remove(c.file);
    }
    std::vector<std::string> expected = c.problems;
    expected.push_back("Liczba próbek na wykresie: " + std::to_string(c.times.size()) + ".");
    EXPECT_EQ(LoadProblemsAsUtf8(), expected);
    EXPECT_EQ(Times(), c.times);
    EXPECT_EQ(chart.lastIndex, chart.sampleCount - 1);
    EXPECT_GT(chart.valueRange, 0.0f);
  }
}

TEST_F(LoadChartDataTest, WithoutAnyFileTheRecordIsOneSampleOfZeros) {
  const std::vector<std::string> expected = {
      "Nie można otworzyć pliku \"czas.txt\" w bieżącym folderze.",
      "Nie można otworzyć pliku \"w_zad.txt\" w bieżącym folderze.",
      "Nie można otworzyć pliku \"sterow.txt\" w bieżącym folderze.",
      "Nie można otworzyć pliku \"wyj_obj.txt\" w bieżącym folderze.",
      "Liczba próbek na wykresie: 1.",
  };
  EXPECT_EQ(LoadProblemsAsUtf8(), expected);
  EXPECT_EQ(chart.sampleCount, 1);
  for (const float* values : {chart.timeValues, chart.setpointValues, chart.controlValues,
                              chart.outputValues, chart.errorValues}) {
    EXPECT_EQ(values[0], 0.0f);
  }
  EXPECT_EQ(chart.timeSpan, 0.0f);
  EXPECT_GT(chart.valueRange, 0.0f);
  EXPECT_GT(chart.gridStep, 0.0f);
}

// An error series that overflows single precision still gets a finite window when shown.
TEST_F(LoadChartDataTest, OverflowingErrorSeriesIsStoredAsInfinity) {
  WriteRecord({0, 1}, {3e38f, 0}, {0, 0}, {-3e38f, 0});
  ASSERT_TRUE(Load().empty());
  EXPECT_EQ(chart.errorMax, std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isfinite(chart.valueRange));
}

TEST(RecordSize, FitsTheAddressSpaceOfTheProgramWithoutWrapping) {
  const struct {
    std::uint64_t samples;
    bool fits;
  } cases[] = {
      {1, true},
      {82595524, true},  // 4294967248 bytes
      {82595525, false},
      {std::uint64_t{1} << 31, false},
      {std::uint64_t{1} << 60, false},  // 52 times this wraps a 64-bit product
      {~std::uint64_t{0}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RecordFitsAddressSpace(c.samples), c.fits) << c.samples;
  }
}

}  // namespace
