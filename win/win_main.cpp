// The entry point of the program: the main window and its message loop.
#include "win/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, LPSTR /*commandLine*/,
                   int showCommand) {
  StartMainWindow(instance, showCommand);
  return RunMessageLoop();
}
