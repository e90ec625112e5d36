// What another process holds: its GDI objects and its memory, as the system reports them.
#pragma once

#include <cstddef>

#include "win/windows_api.h"

struct ProcessUsage {
  // GetGuiResources(GR_GDIOBJECTS); 0 where the system does not count them (Wine 8 does not).
  DWORD gdiObjects = 0;
  std::size_t privateBytes = 0;  // PagefileUsage: the commit charge
  std::size_t workingSet = 0;
  std::size_t peakPrivateBytes = 0;  // PeakPagefileUsage
  std::size_t peakWorkingSet = 0;
  bool memoryRead = false;
};

ProcessUsage ReadProcessUsage(HANDLE process);
