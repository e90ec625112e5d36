// The built program as a user meets it: started as a process of its own in a folder with the
// sample record, driven from here with posted messages as the window system would deliver
// them, its clipboard copies read back and compared with the chart drawn for the same view.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "draw/draw_chart.h"
#include "model/load_chart_data.h"
#include "model/zoom.h"
#include "tests/win/metafile_records.h"
#include "tests/win/program_process.h"
#include "tests/win/program_test_main.h"
#include "win/commands.h"
#include "win/main_window.h"

namespace {

constexpr int kWidth = 675;
constexpr int kHeight = 440;

// Asks for a copy and reads what the clipboard took.
ClipboardPicture CopyFrom(HWND window) {
  EXPECT_TRUE(RequestCopy(window));
  return ReadClipboardPicture();
}

bool Painted(HWND window) {
  return GetUpdateRect(window, nullptr, FALSE) == 0;
}

void ExpectPicture(const ClipboardPicture& copied, const std::vector<std::string>& records) {
  ASSERT_TRUE(copied.present);
  EXPECT_EQ(copied.mm, MM_TEXT);
  EXPECT_EQ(copied.xExt, kWidth);
  EXPECT_EQ(copied.yExt, kHeight);
  EXPECT_EQ(copied.records.size(), records.size());
  EXPECT_TRUE(copied.records == records) << "the copied picture differs from the chart";
}

TEST(EndToEnd, ProgramShowsZoomsCopiesAndExitsWithZero) {
  // The chart as the program should draw it, from the same record in this process.
  ASSERT_TRUE(SetCurrentDirectoryA(sampleFolder.c_str()));
  ChartState expected;
  ASSERT_TRUE(LoadChartData(expected).empty());
  expected.clientWidth = kWidth;
  expected.clientHeight = kHeight;
  ExpectedRecordsSurface fullView(true);
  DrawChart(expected, fullView);

  ProgramProcess program(programPath, sampleFolder);
  ASSERT_TRUE(program.Started()) << programPath;
  HWND window = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (window = FindWindowOf(program.Id(), kMainWindowClass)) != nullptr; }));
  SetClientSize(window, kWidth, kHeight);
  ASSERT_TRUE(WaitFor([&] { return Painted(window); }));
  ExpectPicture(CopyFrom(window), fullView.records);

  PostDrag(window, 170, 150, 410, 220);
  // Posted messages come before the repaint: once this copy is taken the zoom has run, and the
  // next copy waits for its repaint.
  CopyFrom(window);
  ASSERT_TRUE(WaitFor([&] { return Painted(window); }));
  expected.selLeft = 170;
  expected.selTop = 150;
  expected.selRight = 410;
  expected.selBottom = 220;
  ASSERT_EQ(ZoomToSelection(expected), 1);
  ExpectedRecordsSurface zoomed(true);
  DrawChart(expected, zoomed);
  ExpectPicture(CopyFrom(window), zoomed.records);
  ReleaseChartData(expected);

  PostCommand(window, CMD_ABOUT);
  HWND about = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (about = FindWindowOf(program.Id(), "#32770")) != nullptr; }));
  char text[128] = {};
  GetDlgItemTextA(about, 0xFFFF, text, sizeof text);
  EXPECT_STREQ(text, kAboutText);
  SendMessageA(about, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));

  PostCommand(window, CMD_EXIT);
  EXPECT_EQ(program.WaitForExit(10000), std::optional<DWORD>(0));
}

}  // namespace
