// DrawingSurface on a Win32 device context: each drawing operation of the chart as the GDI calls
// that the paint records into its metafile.
#pragma once

#include <cstdint>

#include "draw/drawing_surface.h"
#include "win/windows_api.h"

class GdiSurface final : public DrawingSurface {
 public:
  // Draws on `context`, which stays the caller's: the surface neither releases nor restores it.
  explicit GdiSurface(HDC context) : dc(context) {}

  void SelectPen(PenStyle style, int width, std::uint8_t red, std::uint8_t green,
                 std::uint8_t blue) override;
  void SelectBlackPen() override;
  void SetRasterOp(RasterOp mode) override;
  void DrawRectangle(int left, int top, int right, int bottom) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void DrawText(int x, int y, const char* text) override;

 private:
  HDC dc;
  // Whether the context's current pen was created by SelectPen: only such a pen may be deleted
  // when it is replaced, never the pen the context started with.
  bool ownPenSelected = false;
};
