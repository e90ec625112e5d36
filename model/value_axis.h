// The value-axis fits: a decade step for the wanted window, the window rounded outwards to
// multiples of it, and the horizontal grid.
#pragma once

#include "model/chart_state.h"

// From the width in workRange, finds the decade step in workStep. Needs a finite non-zero width.
void FindDecadeStep(ChartState& chart);

// The full fit: rounds valueTop .. valueBottom outwards, trims half steps where the data leave
// room, sets the grid from the sticky flags and saves the result as the full view.
void FitValueAxis(ChartState& chart);

// The fit of a zoomed window: rounds outwards and uses the decade step as the grid step.
void FitZoomedValueAxis(ChartState& chart);
