// The menu commands of the main window: copy to the clipboard, exit, "100%", the four curve
// switches and the About box.
#pragma once

#include "model/chart_state.h"
#include "win/windows_api.h"

// Identifiers of the commands besides the curve switches (model/series_visibility.h); the menu
// resource (win/lumvo1.rc) uses the same numbers.
constexpr int CMD_COPY_TO_CLIPBOARD = 40001;
constexpr int CMD_EXIT = 40002;
constexpr int CMD_FULL_VIEW = 40003;
constexpr int CMD_ABOUT = 40008;

inline constexpr char kAboutText[] =
    "Lumvo1 wersja 1.0\n Program do prezentacji danych z procesu regulacji";

// WM_COMMAND: runs the command of the identifier in the low word of wParam, whatever the source;
// an identifier outside the menu's goes to the default procedure.
LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam, ChartState& chart);

// Offers the clipboard one CF_METAFILEPICT record: MM_TEXT, the client size and a duplicate of
// the picture of the last paint, so that the clipboard's copy and the program's picture each
// have one owner.
void CopyChartToClipboard(HWND window, const ChartState& chart);
