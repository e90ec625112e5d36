// The text of an axis label: at most four significant digits below 1000, the whole integer part
// from 1000 on, cut (not rounded) from a ten-digit decimal conversion. Never an exponent up to
// 10^10.
#pragma once

#include "model/chart_state.h"

// A value as sign, ten decimal digits and point position: |value| = 0.d1d2...d10 x 10^point.
struct TenDigitDecimal {
  bool negative = false;  // the sign bit, so negative zero too
  char digits[10] = {};   // '0' to '9'; d1 is not '0' unless the value is zero
  int point = 0;
};

// Converts a finite value: its exact decimal expansion rounded half-up to 17 significant digits
// (the 18th decides), then those rounded half-up to ten (the 11th decides), carries running
// through nines. Zero gives ten zeros and point 0. Exact, so independent of the C runtime.
TenDigitDecimal ConvertToTenDigits(float value);

// Writes the label of `value` into chart.labelText and returns it; valid until the next call.
// Beyond the documented range of labels this program writes, always cut like the others:
// - point above 10 (magnitudes from 10^10): "d1.d2d3d4e<point-1>", e.g. 1.5e12 gives "1.500e12"
//   and -3.4028235e38 gives "-3.402e38";
// - infinities "inf" and "-inf", NaN "nan" whatever its sign bit.
const char* FormatAxisLabel(ChartState& chart, float value);
