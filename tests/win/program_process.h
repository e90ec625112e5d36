// The built program as a process of its own, driven from another one: starting it in a record
// folder, finding its windows, sizing its client area, waiting for it to catch up and to exit.
// Every wait is bounded.
#pragma once

#include <optional>
#include <string>

#include "win/windows_api.h"

// Polls until `condition` holds, every `intervalMs`, for at most `timeoutMs`.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = 10000, DWORD intervalMs = 20) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= deadline) {
      return false;
    }
    Sleep(intervalMs);
  }
  return true;
}

// A visible top-level window of the process with this class. The class is checked together
// with the process, since the tests of this program may have a window of the same class open.
HWND FindWindowOf(DWORD processId, const char* className);

// The program started with `folder` as its current folder; ended by force on destruction unless
// it has exited by then.
class ProgramProcess {
 public:
  ProgramProcess(const std::string& program, const std::string& folder);
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  bool Started() const { return started; }
  DWORD Id() const { return info.dwProcessId; }
  HANDLE Handle() const { return info.hProcess; }
  // The exit code once the process has ended, or nothing if it is still running after
  // `timeoutMs`.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs);

 private:
  bool started = false;
  PROCESS_INFORMATION info = {};
};

// Resizes a top-level window of the program so that its client area is width x height.
void SetClientSize(HWND window, int width, int height);

// Returns once the window's thread looks at its queue again (its message loop runs); false if it
// did not within `timeoutMs`. A thread takes sent messages before posted ones, so this says
// nothing about what was posted to it just before.
bool WaitUntilIdle(HWND window, UINT timeoutMs = 10000);

void PostCommand(HWND window, int commandId);
// Runs the command and returns when it is done; false if it did not finish within 10 s.
bool SendCommand(HWND window, int commandId);

// Posts the copy command and waits until the clipboard holds the new picture and is closed
// again; false if it did not within 10 s.
bool RequestCopy(HWND window);

// A left-button drag from one corner to the other, as the mouse would deliver it: posted (in
// order with other posted messages) or sent (done when the call returns; false if a message
// was not handled within 10 s).
void PostDrag(HWND window, int fromX, int fromY, int toX, int toY);
bool SendDrag(HWND window, int fromX, int fromY, int toX, int toY);
