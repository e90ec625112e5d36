#include "tests/win/test_window.h"

#include <fstream>

#include "win/main_window.h"

namespace {

std::string Lines(std::initializer_list<const char*> numbers) {
  std::string text;
  for (const char* number : numbers) {
    text += number;
    text += '\n';
  }
  return text;
}

MessageBoxCatcher* activeCatcher = nullptr;

bool IsMessageBox(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return std::string(className) == "#32770";
}

HICON IconOf(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      return reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    }
  }
  return nullptr;
}

}  // namespace

std::vector<DataFile> TestRecord() {
  return {
      {"czas.txt", Lines({"0",   "0.5", "1",   "1.5", "2",   "2.5", "3",   "3.5", "4",   "4.5", "5",
                          "5.5", "6",   "6.5", "7",   "7.5", "8",   "8.5", "9",   "9.5", "10"})},
      {"w_zad.txt", Lines({"0", "0", "1", "1", "1", "1", "1", "1", "1", "1", "1",
                           "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"})},
      {"sterow.txt", Lines({"0", "0",  "80", "60", "30", "0", "-20", "-50", "-30", "-10", "0",
                            "5", "10", "8",  "6",  "5",  "5", "5",   "5",   "5",   "5"})},
      {"wyj_obj.txt",
       Lines({"0",    "0",    "0",    "0.1", "0.4",  "0.8", "1.1", "1.2", "1.15", "1.05", "1",
              "0.98", "0.97", "0.99", "1",   "1.01", "1",   "1",   "1",   "1",    "1"})},
  };
}

TemporaryFolder::TemporaryFolder(const std::vector<DataFile>& files) {
  static int made = 0;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  path = std::string(temp) + "lumvo1-test-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(made++);
  CreateDirectoryA(path.c_str(), nullptr);
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  previous = current;
  SetCurrentDirectoryA(path.c_str());
  for (const DataFile& file : files) {
    std::ofstream(file.name, std::ios::binary) << file.content;
    names.push_back(file.name);
  }
}

TemporaryFolder::~TemporaryFolder() {
  SetCurrentDirectoryA(previous.c_str());
  for (const std::string& name : names) {
    DeleteFileA((path + "\\" + name).c_str());
  }
  RemoveDirectoryA(path.c_str());
}

MessageBoxCatcher::MessageBoxCatcher()
    : hook(SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId())),
      watchdog(SetTimer(nullptr, 0, 5000, OnWatchdog)) {
  activeCatcher = this;
}

MessageBoxCatcher::~MessageBoxCatcher() {
  KillTimer(nullptr, watchdog);
  UnhookWindowsHookEx(hook);
  activeCatcher = nullptr;
}

std::vector<CaughtMessageBox> MessageBoxCatcher::Take() {
  std::vector<CaughtMessageBox> taken;
  taken.swap(caught);
  return taken;
}

void MessageBoxCatcher::Catch(HWND dialog) {
  char caption[256] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  // 0xFFFF is the identifier of a message box's text.
  char text[2048] = {};
  GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
  HWND owner = GetWindow(dialog, GW_OWNER);
  caught.push_back({caption, text, owner, IsWindowVisible(owner) != 0, IconOf(dialog)});
  closed.insert(dialog);
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK MessageBoxCatcher::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
  auto* activated = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && activeCatcher != nullptr && IsMessageBox(activated) &&
      activeCatcher->closed.count(activated) == 0) {
    activeCatcher->Catch(activated);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK MessageBoxCatcher::CloseMissedBox(HWND window, LPARAM) {
  if (IsMessageBox(window) && activeCatcher->closed.count(window) == 0) {
    ADD_FAILURE() << "a message box was not caught when it was activated";
    activeCatcher->Catch(window);
  }
  return TRUE;
}

void CALLBACK MessageBoxCatcher::OnWatchdog(HWND, UINT, UINT_PTR, DWORD) {
  if (activeCatcher != nullptr) {
    EnumThreadWindows(GetCurrentThreadId(), CloseMissedBox, 0);
  }
}

void MainWindowTest::SetUp() {
  TheProgram() = Program{};
  window = StartMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
  ASSERT_NE(window, nullptr) << "no main window: Wine needs an X display (scripts/test-windows.sh)";
  SetClientSize(675, 440);
}

void MainWindowTest::TearDown() {
  if (IsWindow(window)) {
    DestroyWindow(window);
  }
  DrainMessages();
  EXPECT_TRUE(boxes.Take().empty()) << "a message box that the test did not expect";
  TheProgram() = Program{};
}

ChartState& MainWindowTest::Chart() {
  return TheProgram().chart;
}

void MainWindowTest::SetClientSize(int width, int height) {
  RECT frame = {0, 0, width, height};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, 0);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client = {};
  GetClientRect(window, &client);
  ASSERT_EQ(client.right, width);
  ASSERT_EQ(client.bottom, height);
  ASSERT_EQ(Chart().clientWidth, width);
  ASSERT_EQ(Chart().clientHeight, height);
  UpdateWindow(window);
}

bool MainWindowTest::RepaintPending() const {
  return GetUpdateRect(window, nullptr, FALSE) != 0;
}

void MainWindowTest::Paint() const {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

void DrainMessages() {
  MSG message;
  for (int i = 0; i < 10000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
    DispatchMessageA(&message);
  }
}

namespace {

void CALLBACK QuitAfterTimeout(HWND, UINT, UINT_PTR, DWORD) {
  PostQuitMessage(99);
}

}  // namespace

int RunMessageLoopBounded() {
  const UINT_PTR timer = SetTimer(nullptr, 0, 5000, QuitAfterTimeout);
  const int exitCode = RunMessageLoop();
  KillTimer(nullptr, timer);
  return exitCode;
}
