// The Win32 headers as the window shell uses them. Two of their macros carry the names of
// DrawingSurface operations (DrawText from <windows.h>, SelectPen from <windowsx.h>) and would
// rename them wherever both are seen, so they are undone here.
#pragma once

#include <windows.h>
#include <windowsx.h>

#undef DrawText
#undef SelectPen
