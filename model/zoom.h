// Zoom into a selection rectangle and the return to the full view ("100%").
#pragma once

#include "model/chart_state.h"

// Turns the selection selLeft, selTop (press) .. selRight, selBottom (release), in client pixels,
// into a new time and value window, using the scales of the last paint. Returns 1 when it set a
// new view, 0 when it changed nothing at all (then not even the order of the sel fields).
int ZoomToSelection(ChartState& chart);

// Back to the whole record and the value window of the last full fit.
void ResetFullView(ChartState& chart);
