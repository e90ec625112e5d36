// One paint of the program taken apart, in this process, over the record in a folder at
// 1200 x 800: the loading, DrawChart onto a GdiSurface over CreateMetaFileA, CloseMetaFile,
// PlayMetaFile onto a window and onto a memory bitmap, CopyMetaFileA (the copy command's cost).
// One "name value" line per phase, each the best of a few runs.
//
// Usage: lumvo1_paint_phases RECORD_FOLDER [RUNS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "bench/wine/stopwatch.h"
#include "draw/draw_chart.h"
#include "model/load_chart_data.h"
#include "win/gdi_surface.h"

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 800;

double Best(int runs, const std::function<void()>& phase) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    Stopwatch watch;
    phase();
    best = std::min(best, watch.Seconds());
  }
  return best;
}

void Report(const char* name, double value) {
  std::printf("%s %.6f\n", name, value);
  std::fflush(stdout);
}

// Records the chart as the program's paint does, timing the drawing and the closing apart.
HMETAFILE Record(ChartState& chart, double& drawSeconds, double& closeSeconds) {
  Stopwatch draw;
  HDC recorder = CreateMetaFileA(nullptr);
  chart.chartFont = GetStockObject(ANSI_VAR_FONT);
  SelectObject(recorder, chart.chartFont);
  GdiSurface surface(recorder);
  DrawChart(chart, surface);
  drawSeconds = draw.Seconds();
  Stopwatch close;
  HMETAFILE picture = CloseMetaFile(recorder);
  closeSeconds = close.Seconds();
  return picture;
}

// The best times of the two recording phases over `runs` paints; returns the last picture.
HMETAFILE TimeRecording(ChartState& chart, int runs) {
  double bestDraw = 1e300, bestClose = 1e300;
  HMETAFILE picture = nullptr;
  for (int i = 0; i < runs; ++i) {
    if (picture != nullptr) {
      DeleteMetaFile(picture);
    }
    double draw = 0, close = 0;
    picture = Record(chart, draw, close);
    bestDraw = std::min(bestDraw, draw);
    bestClose = std::min(bestClose, close);
  }
  Report("draw_into_metafile_s", bestDraw);
  Report("close_metafile_s", bestClose);
  return picture;
}

HWND CreatePlainWindow() {
  RECT frame = {0, 0, kWidth, kHeight};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
  HWND window = CreateWindowExA(0, "STATIC", "lumvo1 paint phases", WS_OVERLAPPEDWINDOW, 0, 0,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  return window;
}

void TimePhases(ChartState& chart, int runs) {
  chart.clientWidth = kWidth;
  chart.clientHeight = kHeight;
  HMETAFILE picture = TimeRecording(chart, runs);
  std::printf("picture_bytes %u\n", GetMetaFileBitsEx(picture, 0, nullptr));

  HWND window = CreatePlainWindow();
  HDC windowDc = GetDC(window);
  Report("play_onto_window_s", Best(runs, [&] {
           PlayMetaFile(windowDc, picture);
           GdiFlush();
         }));
  ReleaseDC(window, windowDc);
  DestroyWindow(window);

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  Report("play_onto_bitmap_s", Best(runs, [&] { PlayMetaFile(memory, picture); }));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);

  Report("copy_metafile_s", Best(runs, [&] { DeleteMetaFile(CopyMetaFileA(picture, nullptr)); }));
  DeleteMetaFile(picture);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !SetCurrentDirectoryA(argv[1])) {
    std::fprintf(stderr, "usage: %s RECORD_FOLDER [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  ChartState chart{};
  Stopwatch load;
  if (!LoadChartData(chart).empty()) {
    std::printf("failed load\n");
    return 1;
  }
  Report("load_s", load.Seconds());
  TimePhases(chart, runs);
  ReleaseChartData(chart);
  return 0;
}
