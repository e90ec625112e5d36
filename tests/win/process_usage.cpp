#include "tests/win/process_usage.h"

#include <psapi.h>

ProcessUsage ReadProcessUsage(HANDLE process) {
  ProcessUsage usage;
  usage.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(process, &counters, sizeof counters)) {
    // PagefileUsage is the commit charge, as PrivateUsage is on Windows; Wine leaves
    // PrivateUsage at 0 for another process and reports its anonymous memory here.
    usage.privateBytes = counters.PagefileUsage;
    usage.workingSet = counters.WorkingSetSize;
    usage.peakPrivateBytes = counters.PeakPagefileUsage;
    usage.peakWorkingSet = counters.PeakWorkingSetSize;
    usage.memoryRead = true;
  }
  return usage;
}
