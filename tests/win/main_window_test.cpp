#include "win/main_window.h"

#include <gtest/gtest.h>

#include <string>

#include "draw/draw_chart.h"
#include "model/load_chart_data.h"
#include "model/series_visibility.h"
#include "tests/win/metafile_records.h"
#include "tests/win/test_window.h"

namespace {

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string Caption(HWND window) {
  char text[64] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST_F(MainWindowTest, IsTheProgramsWindowOverTheLoadedRecord) {
  EXPECT_EQ(ClassName(window), "Trendo1");
  EXPECT_EQ(Caption(window), "Lumvo1");
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & ~WS_VISIBLE & ~WS_CLIPSIBLINGS,
            WS_OVERLAPPEDWINDOW);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE), static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW));
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR)),
            LoadCursorA(nullptr, IDC_CROSS));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND)),
            GetStockObject(WHITE_BRUSH));
  EXPECT_NE(GetMenu(window), nullptr);
  EXPECT_EQ(Chart().sampleCount, 21);
  EXPECT_EQ(Chart().chartFont, GetStockObject(ANSI_VAR_FONT));
}

TEST_F(MainWindowTest, SizeIsStoredAsUnsignedWords) {
  const struct {
    LPARAM lParam;
    int width, height;
  } cases[] = {
      {MAKELPARAM(675, 440), 675, 440},
      {MAKELPARAM(0, 0), 0, 0},  // minimised
      {MAKELPARAM(65535, 32768), 65535, 32768},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SendMessageA(window, WM_SIZE, SIZE_RESTORED, c.lParam), 0);
    EXPECT_EQ(Chart().clientWidth, c.width);
    EXPECT_EQ(Chart().clientHeight, c.height);
  }
}

TEST_F(MainWindowTest, PaintRecordsTheChartAsDrawChartDrawsIt) {
  const struct { int width, height; } sizes[] = {{675, 440}, {300, 200}, {1000, 600}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
    SetClientSize(size.width, size.height);
    ChartState expected = Chart();
    ExpectedRecordsSurface surface(true);
    DrawChart(expected, surface);
    Paint();
    EXPECT_FALSE(RepaintPending());
    EXPECT_EQ(ReadMetafileRecords(static_cast<HMETAFILE>(Chart().lastPicture)), surface.records);
    expected.lastPicture = Chart().lastPicture;
    EXPECT_TRUE(Chart() == expected) << "the paint changed the state unlike DrawChart";
  }
}

TEST_F(MainWindowTest, PaintShowsThePictureOnTheWindow) {
  // In this record's full view nothing but the frame is drawn from x = 50 to 169 above y = 10
  // and between the lowest grid line (y = 410) and the bottom of the frame (y = 415).
  const POINT pixels[] = {{100, 5}, {160, 5},   {100, 415}, {100, 7},
                          {160, 9}, {100, 413}, {100, 420}};
  Paint();
  HDC dc = GetDC(window);
  for (const auto& p : pixels) {
    SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
    const bool frameLine = p.y == 5 || p.y == 415;
    EXPECT_EQ(GetPixel(dc, p.x, p.y), frameLine ? RGB(0, 0, 0) : RGB(255, 255, 255));
  }
  ReleaseDC(window, dc);
}

TEST_F(MainWindowTest, EachPaintReplacesAndDeletesTheSupersededPicture) {
  auto* first = static_cast<HMETAFILE>(Chart().lastPicture);
  ASSERT_NE(first, nullptr);
  const std::vector<std::string> records = ReadMetafileRecords(first);
  // A strip is enough: the whole chart is recorded anyway.
  RECT strip = {0, 0, 675, 3};
  InvalidateRect(window, &strip, TRUE);
  UpdateWindow(window);
  auto* second = static_cast<HMETAFILE>(Chart().lastPicture);
  EXPECT_NE(second, first);
  EXPECT_EQ(GetObjectType(first), 0u) << "the superseded picture was not deleted";
  EXPECT_EQ(ReadMetafileRecords(second), records);
}

HWND contextMenuAskedFor = nullptr;

LRESULT CALLBACK WatchSentMessages(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == WM_CONTEXTMENU) {
    contextMenuAskedFor = sent->hwnd;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MainWindowTest, OtherMessagesGoToTheDefaultProcedure) {
  // The default answer to a right-button release is to ask the window for its context menu.
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchSentMessages, nullptr, GetCurrentThreadId());
  SendMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(100, 100));
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(contextMenuAskedFor, window);

  const ChartState before = Chart();
  const UINT ignored[] = {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN,   WM_LBUTTONDBLCLK,
                          WM_KEYDOWN,     WM_CHAR,      WM_CAPTURECHANGED};
  for (UINT message : ignored) {
    SendMessageA(window, message, 0, MAKELPARAM(100, 100));
  }
  EXPECT_TRUE(Chart() == before);
  EXPECT_FALSE(RepaintPending());
  SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
  EXPECT_EQ(Caption(window), "x");
}

TEST_F(MainWindowTest, CloseDestroysTheWindowAndEndsTheLoopWithExitCodeZero) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(RunMessageLoopBounded(), 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Chart().timeValues, nullptr);
  EXPECT_EQ(Chart().errorPoints, nullptr);
  EXPECT_EQ(Chart().lastPicture, nullptr);
}

// A record whose files are missing or short: loading reports problems.
class LoadProblemsTest : public MainWindowTest {
 protected:
  LoadProblemsTest()
      : MainWindowTest(
            {{"czas.txt", "0\n1\n2\n"}, {"w_zad.txt", "1\n1\n1\n"}, {"sterow.txt", "5\n"}}) {}
};

TEST_F(LoadProblemsTest, AreShownInOneWarningOverTheChart) {
  ChartState scratch;
  const LoadProblems problems = LoadChartData(scratch);
  const int sampleCount = scratch.sampleCount;
  ReleaseChartData(scratch);
  ASSERT_GE(problems.size(), 2u);
  std::string text = problems[0];
  for (std::size_t i = 1; i < problems.size(); ++i) {
    text += "\n" + problems[i];
  }
  const std::vector<CaughtMessageBox> shown = boxes.Take();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Lumvo1");
  EXPECT_EQ(shown[0].text, text);
  EXPECT_EQ(shown[0].owner, window);
  EXPECT_TRUE(shown[0].ownerVisible) << "the warning came before the window was shown";
  EXPECT_EQ(shown[0].icon, LoadIconA(nullptr, IDI_WARNING));
  EXPECT_EQ(Chart().sampleCount, sampleCount);
  EXPECT_TRUE(TheProgram().loadProblems.empty());
}

}  // namespace
