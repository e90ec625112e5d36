#include "tests/win/program_process.h"

#include <cstring>

#include "win/commands.h"

namespace {

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
  if (processId == search->processId && std::strcmp(className, search->className) == 0 &&
      IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result) != 0;
}

bool Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostMessageA(window, message, wParam, lParam) != 0;
}

// The four mouse messages of a drag, each handed over by `deliver`; stops at the first that
// fails.
template <typename Deliver>
bool Drag(Deliver deliver, HWND window, int fromX, int fromY, int toX, int toY) {
  return deliver(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(fromX, fromY)) &&
         deliver(window, WM_MOUSEMOVE, MK_LBUTTON,
                 MAKELPARAM((fromX + toX) / 2, (fromY + toY) / 2)) &&
         deliver(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY)) &&
         deliver(window, WM_LBUTTONUP, 0, MAKELPARAM(toX, toY));
}

}  // namespace

HWND FindWindowOf(DWORD processId, const char* className) {
  Search search = {processId, className, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

ProgramProcess::ProgramProcess(const std::string& program, const std::string& folder) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + program + "\"";
  started = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           folder.c_str(), &startup, &info) != 0;
}

ProgramProcess::~ProgramProcess() {
  if (!started) {
    return;
  }
  if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info.hProcess, 1);
    WaitForSingleObject(info.hProcess, 5000);
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}

std::optional<DWORD> ProgramProcess::WaitForExit(DWORD timeoutMs) {
  if (!started || WaitForSingleObject(info.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(info.hProcess, &exitCode);
  return exitCode;
}

void SetClientSize(HWND window, int width, int height) {
  RECT frame = {0, 0, width, height};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, 0);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER);
}

bool WaitUntilIdle(HWND window, UINT timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

void PostCommand(HWND window, int commandId) {
  Post(window, WM_COMMAND, static_cast<WPARAM>(commandId), 0);
}

bool SendCommand(HWND window, int commandId) {
  return Send(window, WM_COMMAND, static_cast<WPARAM>(commandId), 0);
}

bool RequestCopy(HWND window) {
  const DWORD before = GetClipboardSequenceNumber();
  PostCommand(window, CMD_COPY_TO_CLIPBOARD);
  // The number changes as soon as the program empties the clipboard; the picture is there once
  // the program has also closed it again.
  return WaitFor([&] {
    return GetClipboardSequenceNumber() != before && GetOpenClipboardWindow() == nullptr &&
           IsClipboardFormatAvailable(CF_METAFILEPICT);
  });
}

void PostDrag(HWND window, int fromX, int fromY, int toX, int toY) {
  Drag(Post, window, fromX, fromY, toX, toY);
}

bool SendDrag(HWND window, int fromX, int fromY, int toX, int toY) {
  return Drag(Send, window, fromX, fromY, toX, toY);
}
