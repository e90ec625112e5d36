#include "win/commands.h"

#include "model/series_visibility.h"
#include "model/zoom.h"
#include "win/main_window_visibility_host.h"

namespace {

void ShowFullView(HWND window, ChartState& chart) {
  ResetFullView(chart);
  InvalidateRect(window, nullptr, TRUE);
}

void SwitchCurve(HWND window, HMENU menu, int commandId, int& flag, ChartState& chart) {
  flag = flag != 1 ? 1 : 0;
  CheckMenuItem(menu, static_cast<UINT>(commandId),
                MF_BYCOMMAND | (flag != 0 ? MF_CHECKED : MF_UNCHECKED));
  MainWindowVisibilityHost host(window);
  ApplySeriesVisibility(chart, host);
  InvalidateRect(window, nullptr, TRUE);
}

void ShowAbout(HWND window) {
  MessageBoxA(window, kAboutText, kProgramCaption, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam, ChartState& chart) {
  HMENU menu = GetMenu(window);
  const int commandId = LOWORD(wParam);
  switch (commandId) {
    case CMD_COPY_TO_CLIPBOARD:
      CopyChartToClipboard(window, chart);
      break;
    case CMD_EXIT:
      SendMessageA(window, WM_CLOSE, 0, 0);
      break;
    case CMD_FULL_VIEW:
      ShowFullView(window, chart);
      break;
    case CMD_TOGGLE_SETPOINT:
      SwitchCurve(window, menu, commandId, chart.showSetpoint, chart);
      break;
    case CMD_TOGGLE_OUTPUT:
      SwitchCurve(window, menu, commandId, chart.showOutput, chart);
      break;
    case CMD_TOGGLE_ERROR:
      SwitchCurve(window, menu, commandId, chart.showError, chart);
      break;
    case CMD_TOGGLE_CONTROL:
      SwitchCurve(window, menu, commandId, chart.showControl, chart);
      break;
    case CMD_ABOUT:
      ShowAbout(window);
      break;
    default:
      return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
  }
  return 0;
}

void CopyChartToClipboard(HWND window, const ChartState& chart) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(METAFILEPICT));
  auto* record = static_cast<METAFILEPICT*>(GlobalLock(block));
  if (record == nullptr) {
    GlobalFree(block);
    return;
  }
  // Emptying the clipboard deletes the metafile of its record, so it gets a duplicate:
  // lastPicture stays the program's.
  HMETAFILE duplicate = CopyMetaFileA(static_cast<HMETAFILE>(chart.lastPicture), nullptr);
  record->mm = MM_TEXT;
  record->xExt = chart.clientWidth;
  record->yExt = chart.clientHeight;
  record->hMF = duplicate;
  GlobalUnlock(block);
  bool handedOver = false;
  if (OpenClipboard(window)) {
    EmptyClipboard();
    handedOver = SetClipboardData(CF_METAFILEPICT, block) != nullptr;
    CloseClipboard();
  }
  // Until the clipboard has taken them, block and duplicate are still the program's.
  if (!handedOver) {
    DeleteMetaFile(duplicate);
    GlobalFree(block);
  }
}
