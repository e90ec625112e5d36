// How the curve logic reaches the main window: the notice as a message box owned by the window
// and the check marks of its menu.
#pragma once

#include "model/series_visibility.h"
#include "win/windows_api.h"

class MainWindowVisibilityHost final : public VisibilityHost {
 public:
  explicit MainWindowVisibilityHost(HWND mainWindow) : window(mainWindow) {}

  void ShowNotice(const char* text, const char* caption) override;
  void SetCheckMark(int commandId, int mark) override;

 private:
  HWND window;
};
