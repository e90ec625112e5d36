// A VisibilityHost that records its calls, and what the chart looked like when the notice showed.
#pragma once

#include <string>
#include <vector>

#include "model/series_visibility.h"

class FakeVisibilityHost : public VisibilityHost {
 public:
  explicit FakeVisibilityHost(const ChartState& chart) : chart_(chart) {}

  void ShowNotice(const char* text, const char* caption) override {
    calls.push_back(std::string("ShowNotice(") + text + ", " + caption + ")");
    chartDuringNotice = chart_;
  }
  void SetCheckMark(int commandId, int mark) override {
    calls.push_back("SetCheckMark(" + std::to_string(commandId) + ", " + std::to_string(mark) +
                    ")");
  }

  std::vector<std::string> calls;
  ChartState chartDuringNotice{};

 private:
  const ChartState& chart_;
};
