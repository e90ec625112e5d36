// Layout and drawing of the whole chart of the current view.
#pragma once

#include "draw/drawing_surface.h"
#include "model/chart_state.h"

// Draws frame, grid, labels and visible curves onto a surface in its initial state, and stores
// xScale, yScale and the screen points of all four series.
void DrawChart(ChartState& chart, DrawingSurface& surface);
