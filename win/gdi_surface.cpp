#include "win/gdi_surface.h"

#include <cstring>

// PenStyle and RasterOp hold the platform's own numbers.
static_assert(static_cast<int>(PenStyle::Solid) == PS_SOLID);
static_assert(static_cast<int>(PenStyle::Dash) == PS_DASH);
static_assert(static_cast<int>(PenStyle::Dot) == PS_DOT);
static_assert(static_cast<int>(RasterOp::CopyPen) == R2_COPYPEN);

void GdiSurface::SelectPen(PenStyle style, int width, std::uint8_t red, std::uint8_t green,
                           std::uint8_t blue) {
  HPEN pen = CreatePen(static_cast<int>(style), width, RGB(red, green, blue));
  HGDIOBJ replaced = SelectObject(dc, pen);
  if (ownPenSelected) {
    DeleteObject(replaced);
  }
  ownPenSelected = true;
}

void GdiSurface::SelectBlackPen() {
  // Deleting the replaced pen is harmless when it is a stock pen: stock objects ignore it.
  DeleteObject(SelectObject(dc, GetStockObject(BLACK_PEN)));
  ownPenSelected = false;
}

void GdiSurface::SetRasterOp(RasterOp mode) {
  SetROP2(dc, static_cast<int>(mode));
}

void GdiSurface::DrawRectangle(int left, int top, int right, int bottom) {
  Rectangle(dc, left, top, right, bottom);
}

void GdiSurface::MoveTo(int x, int y) {
  MoveToEx(dc, x, y, nullptr);
}

void GdiSurface::LineTo(int x, int y) {
  ::LineTo(dc, x, y);
}

void GdiSurface::DrawText(int x, int y, const char* text) {
  TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}
