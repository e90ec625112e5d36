// The main window: its class, its creation and start-up, the message dispatch and the painting
// through a recorded metafile.
#pragma once

#include "model/chart_state.h"
#include "model/load_chart_data.h"
#include "win/windows_api.h"

inline constexpr char kMainWindowClass[] = "Trendo1";
// The menu resource of the window class (win/lumvo1.rc).
constexpr int kMainMenuId = 101;

// Everything the program holds while it runs: the chart, and what the loading at window
// creation reported, kept until the start-up has shown it.
struct Program {
  ChartState chart;
  LoadProblems loadProblems;
};

// The program's one instance; all zero until the main window is created.
Program& TheProgram();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the class, creates the main window (which loads the record), shows and paints it,
// then shows what the loading reported, if anything. Returns the window.
HWND StartMainWindow(HINSTANCE instance, int showCommand);

// Dispatches the thread's messages until WM_QUIT and returns its exit code.
int RunMessageLoop();
