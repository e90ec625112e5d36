// The rubber band: a left-button drag draws an inverting rectangle straight on the window and,
// on release, zooms into the selected region.
#pragma once

#include "model/chart_state.h"
#include "win/windows_api.h"

// Inverts the outline of the rectangle on the window; a second call with the same corners
// erases it. The corners may come in any order.
void DrawSelectionRectangle(HWND window, int left, int top, int right, int bottom);

LRESULT OnLeftButtonDown(HWND window, LPARAM lParam, ChartState& chart);
LRESULT OnMouseMove(HWND window, LPARAM lParam, ChartState& chart);
LRESULT OnLeftButtonUp(HWND window, LPARAM lParam, ChartState& chart);
