#include "win/rubber_band.h"

#include "model/zoom.h"

// Mouse positions are read sign-extended: while the window holds the capture, a cursor left of
// or above the client area reports negative coordinates (5 px to the left is x = -5).

void DrawSelectionRectangle(HWND window, int left, int top, int right, int bottom) {
  HDC dc = GetDC(window);
  // R2_NOT ignores the pen colour, which is what makes the second draw an exact erase.
  SetROP2(dc, R2_NOT);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, left, top, right, bottom);
  ReleaseDC(window, dc);
}

LRESULT OnLeftButtonDown(HWND window, LPARAM lParam, ChartState& chart) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  chart.cursorX = x;
  chart.anchorX = x;
  chart.cursorY = y;
  chart.anchorY = y;
  DrawSelectionRectangle(window, chart.anchorX, chart.anchorY, chart.cursorX, chart.cursorY);
  SetCapture(window);
  chart.dragging = 1;
  return 0;
}

LRESULT OnMouseMove(HWND window, LPARAM lParam, ChartState& chart) {
  if (chart.dragging == 0) {
    return 0;
  }
  DrawSelectionRectangle(window, chart.anchorX, chart.anchorY, chart.cursorX, chart.cursorY);
  chart.cursorX = GET_X_LPARAM(lParam);
  chart.cursorY = GET_Y_LPARAM(lParam);
  DrawSelectionRectangle(window, chart.anchorX, chart.anchorY, chart.cursorX, chart.cursorY);
  return 0;
}

LRESULT OnLeftButtonUp(HWND window, LPARAM lParam, ChartState& chart) {
  if (chart.dragging == 0) {
    return 0;
  }
  DrawSelectionRectangle(window, chart.anchorX, chart.anchorY, chart.cursorX, chart.cursorY);
  chart.selLeft = chart.anchorX;
  chart.selTop = chart.anchorY;
  chart.selRight = GET_X_LPARAM(lParam);
  chart.selBottom = GET_Y_LPARAM(lParam);
  ReleaseCapture();
  chart.dragging = 0;
  if (ZoomToSelection(chart) == 1) {
    InvalidateRect(window, nullptr, TRUE);
  }
  return 0;
}
