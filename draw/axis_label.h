// The text of an axis label: at most four significant digits below 1000, the whole integer part
// from 1000 on, cut (not rounded) from a ten-digit decimal conversion. Never an exponent up to
// 10^10.
#pragma once

#include "model/chart_state.h"

// Writes the label of `value` into chart.labelText and returns it; valid until the next call.
const char* FormatAxisLabel(ChartState& chart, float value);
