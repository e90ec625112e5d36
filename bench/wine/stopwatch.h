// Seconds since construction, from the performance counter.
#pragma once

#include "win/windows_api.h"

class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&start); }

  double Seconds() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER start;
};
