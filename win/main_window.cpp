#include "win/main_window.h"

#include <string>
#include <utility>

#include "draw/draw_chart.h"
#include "model/series_visibility.h"
#include "win/commands.h"
#include "win/gdi_surface.h"
#include "win/rubber_band.h"

namespace {

void DeletePicture(void* picture) {
  if (picture != nullptr) {
    DeleteMetaFile(static_cast<HMETAFILE>(picture));
  }
}

LRESULT OnCreate(Program& program) {
  program.loadProblems = LoadChartData(program.chart);
  return 0;
}

LRESULT OnDestroy(ChartState& chart) {
  ReleaseChartData(chart);
  // Only duplicates ever went to the clipboard, so the last picture is still the program's.
  DeletePicture(chart.lastPicture);
  chart.lastPicture = nullptr;
  PostQuitMessage(0);
  return 0;
}

LRESULT OnSize(LPARAM lParam, ChartState& chart) {
  // Unsigned words: a size is never negative.
  chart.clientWidth = LOWORD(lParam);
  chart.clientHeight = HIWORD(lParam);
  return 0;
}

// The whole chart is recorded afresh whatever part is invalid, so lastPicture always shows the
// current view at the current size.
LRESULT OnPaint(HWND window, ChartState& chart) {
  PAINTSTRUCT paint;
  HDC windowDc = BeginPaint(window, &paint);
  HDC recorder = CreateMetaFileA(nullptr);
  chart.chartFont = GetStockObject(ANSI_VAR_FONT);
  SelectObject(recorder, chart.chartFont);
  GdiSurface surface(recorder);
  DrawChart(chart, surface);
  void* superseded = chart.lastPicture;
  chart.lastPicture = CloseMetaFile(recorder);
  PlayMetaFile(windowDc, static_cast<HMETAFILE>(chart.lastPicture));
  EndPaint(window, &paint);
  DeletePicture(superseded);
  return 0;
}

void RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_CROSS);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszMenuName = MAKEINTRESOURCEA(kMainMenuId);
  windowClass.lpszClassName = kMainWindowClass;
  windowClass.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
  RegisterClassExA(&windowClass);
}

void ShowLoadProblems(HWND window, const LoadProblems& problems) {
  if (problems.empty()) {
    return;
  }
  std::string text = problems.front();
  for (std::size_t i = 1; i < problems.size(); ++i) {
    text += '\n';
    text += problems[i];
  }
  MessageBoxA(window, text.c_str(), kProgramCaption, MB_ICONWARNING | MB_OK);
}

}  // namespace

Program& TheProgram() {
  static Program program;
  return program;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Program& program = TheProgram();
  ChartState& chart = program.chart;
  switch (message) {
    case WM_CREATE:
      return OnCreate(program);
    case WM_DESTROY:
      return OnDestroy(chart);
    case WM_SIZE:
      return OnSize(lParam, chart);
    case WM_PAINT:
      return OnPaint(window, chart);
    case WM_COMMAND:
      return OnCommand(window, wParam, lParam, chart);
    case WM_MOUSEMOVE:
      return OnMouseMove(window, lParam, chart);
    case WM_LBUTTONDOWN:
      return OnLeftButtonDown(window, lParam, chart);
    case WM_LBUTTONUP:
      return OnLeftButtonUp(window, lParam, chart);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND StartMainWindow(HINSTANCE instance, int showCommand) {
  RegisterMainWindowClass(instance);
  HWND window = CreateWindowExA(0, kMainWindowClass, kProgramCaption, WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                nullptr, instance, nullptr);
  ChartState& chart = TheProgram().chart;
  chart.chartFont = GetStockObject(ANSI_VAR_FONT);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(chart.chartFont), 1);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  // Only now, over the chart of what could be read: the box then has a visible owner to stand
  // on, and the user sees what the warning is about.
  ShowLoadProblems(window, std::exchange(TheProgram().loadProblems, {}));
  return window;
}

int RunMessageLoop() {
  MSG message = {};
  while (GetMessageA(&message, nullptr, 0, 0) != 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
