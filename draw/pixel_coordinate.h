// Conversion of a real to a pixel coordinate.
#pragma once

#include <cstdint>

// Truncates toward zero. A NaN, or a real whose integer part lies outside the 32-bit range,
// gives -2147483648 (a plain cast would be undefined there).
std::int32_t TruncToPixel(double value);
