#include "win/main_window_visibility_host.h"

void MainWindowVisibilityHost::ShowNotice(const char* text, const char* caption) {
  MessageBoxA(window, text, caption, MB_ICONINFORMATION);
}

void MainWindowVisibilityHost::SetCheckMark(int commandId, int mark) {
  CheckMenuItem(GetMenu(window), static_cast<UINT>(commandId),
                MF_BYCOMMAND | (mark == 1 ? MF_CHECKED : MF_UNCHECKED));
}
