// Conversion of a real to a pixel coordinate. Defined inline: every curve point needs two, so the
// drawing's inner loop must not pay for a call.
#pragma once

#include <cstdint>
#include <limits>

// Truncates toward zero. A NaN, or a real whose integer part lies outside the 32-bit range,
// gives -2147483648 (a plain cast would be undefined there).
inline std::int32_t TruncToPixel(double value) {
  // The bounds are the nearest reals whose integer part leaves the range, so the cast below is
  // always defined; both comparisons are false for a NaN.
  if (value > -2147483649.0 && value < 2147483648.0) {
    return static_cast<std::int32_t>(value);
  }
  return std::numeric_limits<std::int32_t>::min();
}
