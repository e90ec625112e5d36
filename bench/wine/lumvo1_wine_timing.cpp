// Times the built program over the record in a folder, as a process of its own: start-up to the
// end of the first paint, resize to 1200 x 800 with its repaint, a curve switch, a zoom and a copy,
// the peak memory and the size of the copied picture. One "name value" line per measurement.
//
// Usage: lumvo1_wine_timing PROGRAM RECORD_FOLDER
// Every wait is bounded (generous, since a record of millions of samples is slow); a repaint
// that never ends is the caller's to bound (bench/measure-wine.sh runs this under timeout).
#include <cstdio>
#include <optional>
#include <string>

#include "bench/wine/stopwatch.h"
#include "model/series_visibility.h"
#include "tests/win/metafile_records.h"
#include "tests/win/process_usage.h"
#include "tests/win/program_process.h"
#include "win/commands.h"
#include "win/main_window.h"

namespace {

constexpr DWORD kPatienceMs = 600'000;
constexpr int kWidth = 1200;
constexpr int kHeight = 800;

void Report(const char* name, double value) {
  std::printf("%s %.6f\n", name, value);
  std::fflush(stdout);
}

void ReportCount(const char* name, unsigned long long value) {
  std::printf("%s %llu\n", name, value);
  std::fflush(stdout);
}

int Fail(const char* what) {
  std::printf("failed %s\n", what);
  return 1;
}

// Paints what is invalid, then waits for the program's loop: should the program have started
// the paint by itself, UpdateWindow would find nothing to do while the paint still runs.
bool Repaint(HWND window) {
  UpdateWindow(window);
  return WaitUntilIdle(window, kPatienceMs);
}

struct ClientSize {
  int width, height;
};

ClientSize ClientSizeOf(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

// From just before the process is created to its message loop running, which it enters only
// after UpdateWindow's first paint.
HWND TimeFirstPaint(std::optional<ProgramProcess>& program, const std::string& path,
                    const std::string& folder) {
  Stopwatch watch;
  program.emplace(path, folder);
  HWND window = nullptr;
  if (!program->Started() ||
      !WaitFor([&] { return (window = FindWindowOf(program->Id(), kMainWindowClass)) != nullptr; },
               kPatienceMs, 1) ||
      !WaitUntilIdle(window, kPatienceMs)) {
    return nullptr;
  }
  Report("first_paint_s", watch.Seconds());
  const ClientSize size = ClientSizeOf(window);
  ReportCount("first_paint_width", static_cast<unsigned long long>(size.width));
  ReportCount("first_paint_height", static_cast<unsigned long long>(size.height));
  return window;
}

// The operations after start-up, each with its repaint; false at the first that fails.
bool TimeOperations(HWND window) {
  Stopwatch resize;
  SetClientSize(window, kWidth, kHeight);
  if (!Repaint(window)) {
    return false;
  }
  Report("resize_repaint_s", resize.Seconds());
  const ClientSize size = ClientSizeOf(window);
  if (size.width != kWidth || size.height != kHeight) {
    return false;
  }

  // The error curve switched on: three curves, the value axis refitted.
  Stopwatch curve;
  if (!SendCommand(window, CMD_TOGGLE_ERROR) || !Repaint(window)) {
    return false;
  }
  Report("switch_repaint_s", curve.Seconds());

  // Sent, not posted: the program would take the sent WM_NULL of Repaint before posted input.
  Stopwatch zoom;
  if (!SendDrag(window, 300, 200, 900, 600) || !Repaint(window)) {
    return false;
  }
  Report("zoom_repaint_s", zoom.Seconds());

  Stopwatch copy;
  if (!SendCommand(window, CMD_COPY_TO_CLIPBOARD)) {
    return false;
  }
  Report("copy_s", copy.Seconds());
  ReportCount("picture_bytes", ClipboardPictureBytes());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PROGRAM RECORD_FOLDER\n", argv[0]);
    return 2;
  }
  // Ended by force on every way out that did not see it exit.
  std::optional<ProgramProcess> program;
  HWND window = TimeFirstPaint(program, argv[1], argv[2]);
  if (window == nullptr) {
    return Fail("start-up");
  }
  if (!TimeOperations(window)) {
    return Fail("operations");
  }
  const ProcessUsage usage = ReadProcessUsage(program->Handle());
  ReportCount("peak_working_set_bytes", usage.peakWorkingSet);
  ReportCount("peak_pagefile_bytes", usage.peakPrivateBytes);
  PostCommand(window, CMD_EXIT);
  const std::optional<DWORD> exitCode = program->WaitForExit(kPatienceMs);
  if (!exitCode) {
    return Fail("exit");
  }
  ReportCount("exit_code", *exitCode);
  return *exitCode == 0 ? 0 : 1;
}
