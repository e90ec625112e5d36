// The built program as a user meets it: started as a process of its own in a folder with the
// sample record, driven from here with posted messages as the window system would deliver
// them, its clipboard copies read back and compared with the chart drawn for the same view.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "draw/draw_chart.h"
#include "model/load_chart_data.h"
#include "model/zoom.h"
#include "tests/win/metafile_records.h"
#include "win/commands.h"
#include "win/main_window.h"

namespace {

std::string programPath;
std::string sampleFolder;

constexpr int kWidth = 675;
constexpr int kHeight = 440;

// Polls until `condition` holds, for at most ten seconds.
template <typename Condition>
bool WaitFor(Condition condition) {
  for (int i = 0; i < 500; ++i) {
    if (condition()) {
      return true;
    }
    Sleep(20);
  }
  return false;
}

struct Search {
  DWORD processId;
  const char* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (processId == search->processId && std::string(className) == search->className &&
      IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// A top-level window of the process: the class is checked with the process, since the tests
// of this program may have a window of the same class open.
HWND FindWindowOf(DWORD processId, const char* className) {
  Search search = {processId, className, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The program's process; ended by force only if the test did not see it exit.
class ProgramProcess {
 public:
  ProgramProcess() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + programPath + "\"";
    started = CreateProcessA(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, sampleFolder.c_str(), &startup, &process) != 0;
  }
  ~ProgramProcess() {
    if (started && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, 5000);
    }
    if (started) {
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
  }
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  bool started = false;
  PROCESS_INFORMATION process = {};
};

void PostCommand(HWND window, int commandId) {
  PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(commandId), 0);
}

// Asks for a copy and waits until the clipboard has taken it.
ClipboardPicture CopyFrom(HWND window) {
  const DWORD before = GetClipboardSequenceNumber();
  PostCommand(window, CMD_COPY_TO_CLIPBOARD);
  EXPECT_TRUE(WaitFor([&] { return GetClipboardSequenceNumber() != before; }));
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

  ProgramProcess program;
  ASSERT_TRUE(program.started) << programPath;
  HWND window = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    return (window = FindWindowOf(program.process.dwProcessId, kMainWindowClass)) != nullptr;
  }));
  RECT frame = {0, 0, kWidth, kHeight};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, 0);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER);
  ASSERT_TRUE(WaitFor([&] { return Painted(window); }));
  ExpectPicture(CopyFrom(window), fullView.records);

  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(170, 150));
  PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 200));
  PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(410, 220));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(410, 220));
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
  ASSERT_TRUE(WaitFor(
      [&] { return (about = FindWindowOf(program.process.dwProcessId, "#32770")) != nullptr; }));
  char text[128] = {};
  GetDlgItemTextA(about, 0xFFFF, text, sizeof text);
  EXPECT_STREQ(text, kAboutText);
  SendMessageA(about, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));

  PostCommand(window, CMD_EXIT);
  ASSERT_EQ(WaitForSingleObject(program.process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(program.process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace

// Arguments after GoogleTest's own: the program and the folder of the sample record.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PROGRAM SAMPLE_FOLDER\n", argv[0]);
    return 2;
  }
  programPath = argv[1];
  sampleFolder = argv[2];
  return RUN_ALL_TESTS();
}
