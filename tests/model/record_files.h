// A fixture that runs each test in a fresh temporary folder, writes the four data files of a
// record there and loads it, as the program does from its current folder.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/load_chart_data.h"

class RecordFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousFolder_ = std::filesystem::current_path();
    char pattern[] = "/tmp/lumvo1-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    std::filesystem::current_path(folder_);
  }

  void TearDown() override {
    ReleaseChartData(chart);
    std::filesystem::current_path(previousFolder_);
    std::filesystem::remove_all(folder_);
  }

  static void WriteFile(const char* name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
  }

  // One number per line, printed with enough digits to read back the same single.
  static std::string Lines(const std::vector<float>& values) {
    std::string text;
    char number[32];
    for (float value : values) {
      std::snprintf(number, sizeof number, "%.9g\n", static_cast<double>(value));
      text += number;
    }
    return text;
  }

  static void WriteRecord(const std::vector<float>& times, const std::vector<float>& setpoint,
                          const std::vector<float>& control, const std::vector<float>& output) {
    WriteFile("czas.txt", Lines(times));
    WriteFile("w_zad.txt", Lines(setpoint));
    WriteFile("sterow.txt", Lines(control));
    WriteFile("wyj_obj.txt", Lines(output));
  }

  LoadProblems Load() { return LoadChartData(chart); }

  ChartState chart{};

 private:
  std::filesystem::path previousFolder_;
  std::filesystem::path folder_;
};
