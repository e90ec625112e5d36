// The abstract target of all chart drawing. The Windows program implements it on a metafile
// device context; the tests record the operations.
#pragma once

#include <cstdint>

enum class PenStyle { Solid = 0, Dash = 1, Dot = 2 };
enum class RasterOp { CopyPen = 13 };

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;
  // Creates a pen and makes it current; releases the replaced pen if SelectPen created it.
  virtual void SelectPen(PenStyle style, int width, std::uint8_t red, std::uint8_t green,
                         std::uint8_t blue) = 0;
  // Makes the stock black pen current and releases the pen it replaces.
  virtual void SelectBlackPen() = 0;
  virtual void SetRasterOp(RasterOp mode) = 0;
  // Outline in the current pen over columns left .. right - 1 and rows top .. bottom - 1,
  // filled white.
  virtual void DrawRectangle(int left, int top, int right, int bottom) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // A line from the current position to (x, y), without the pixel at (x, y).
  virtual void LineTo(int x, int y) = 0;
  // Text with the top-left corner of its cell at (x, y).
  virtual void DrawText(int x, int y, const char* text) = 0;
};
