// What the window tests share: a record in a temporary current folder, the program's real main
// window started over it, and the message boxes it shows, caught and closed.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/chart_state.h"
#include "win/windows_api.h"

struct DataFile {
  const char* name;
  std::string content;
};

// 21 samples at the times 0, 0.5, ..., 10: setpoint 0 .. 1, output 0 .. 1.2, control signal
// -50 .. 80. Its full view is -0.5 .. 1.5, and a 675 x 440 client area gives the scales 60 and
// 200.
std::vector<DataFile> TestRecord();

// A fresh folder holding `files`, the current folder while the object lives.
class TemporaryFolder {
 public:
  explicit TemporaryFolder(const std::vector<DataFile>& files);
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

 private:
  std::string previous;
  std::string path;
  std::vector<std::string> names;
};

struct CaughtMessageBox {
  std::string caption;
  std::string text;
  HWND owner = nullptr;
  bool ownerVisible = false;
  HICON icon = nullptr;
};

// Catches every message box of this thread as it is activated, notes it and closes it with OK.
// A watchdog timer closes, and reports, any box the hook missed, so no test waits for a user.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher();
  ~MessageBoxCatcher();
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

  // The boxes caught since the last call.
  std::vector<CaughtMessageBox> Take();

 private:
  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK OnWatchdog(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK CloseMissedBox(HWND window, LPARAM);
  void Catch(HWND dialog);

  HHOOK hook;
  UINT_PTR watchdog;
  std::vector<CaughtMessageBox> caught;
  std::set<HWND> closed;
};

// The program's main window over TestRecord(), shown, with a 675 x 440 client area, painted.
class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest() : MainWindowTest(TestRecord()) {}
  explicit MainWindowTest(const std::vector<DataFile>& files) : folder(files) {}

  void SetUp() override;
  void TearDown() override;

  static ChartState& Chart();
  // Gives the window this client area (WM_SIZE stores it) and paints.
  void SetClientSize(int width, int height);
  // Whether part of the window waits for a repaint.
  bool RepaintPending() const;
  void Paint() const;

  TemporaryFolder folder;
  MessageBoxCatcher boxes;
  HWND window = nullptr;
};

// Removes whatever the thread's queue holds, the WM_QUIT of a destroyed window among it, so
// that nothing reaches the next test; bounded.
void DrainMessages();

// RunMessageLoop, ended after 5 s with the exit code 99 should nothing else end it.
int RunMessageLoopBounded();
