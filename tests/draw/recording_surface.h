// A DrawingSurface for tests: logs every operation with all its arguments as one canonical string,
// so that tests compare whole sequences, and keeps account of the pens that SelectPen creates.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draw/drawing_surface.h"

// The canonical text of each operation, for the log and for the sequences tests expect.
namespace recorded {

inline std::string Pen(PenStyle style, int width, int red, int green, int blue) {
  const char* const names[] = {"Solid", "Dash", "Dot"};
  return std::string(names[static_cast<int>(style)]) + "," + std::to_string(width) + "," +
         std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue);
}
inline std::string SelectPen(const std::string& pen) {
  return "SelectPen(" + pen + ")";
}
inline std::string SelectBlackPen() {
  return "SelectBlackPen()";
}
inline std::string SetRasterOp(RasterOp mode) {
  return "SetRasterOp(" + std::to_string(static_cast<int>(mode)) + ")";
}
inline std::string DrawRectangle(int left, int top, int right, int bottom) {
  return "DrawRectangle(" + std::to_string(left) + "," + std::to_string(top) + "," +
         std::to_string(right) + "," + std::to_string(bottom) + ")";
}
inline std::string MoveTo(int x, int y) {
  return "MoveTo(" + std::to_string(x) + "," + std::to_string(y) + ")";
}
inline std::string LineTo(int x, int y) {
  return "LineTo(" + std::to_string(x) + "," + std::to_string(y) + ")";
}
inline std::string DrawText(int x, int y, const std::string& text) {
  return "DrawText(" + std::to_string(x) + "," + std::to_string(y) + ",\"" + text + "\")";
}

}  // namespace recorded

class RecordingSurface : public DrawingSurface {
 public:
  // Values of currentPen besides the indices into pens.
  static constexpr int kInitialPen = -1;
  static constexpr int kStockBlackPen = -2;

  void SelectPen(PenStyle style, int width, std::uint8_t red, std::uint8_t green,
                 std::uint8_t blue) override {
    pens.push_back(recorded::Pen(style, width, red, green, blue));
    operations.push_back(recorded::SelectPen(pens.back()));
    MakeCurrent(static_cast<int>(pens.size()) - 1);
  }
  void SelectBlackPen() override {
    operations.push_back(recorded::SelectBlackPen());
    MakeCurrent(kStockBlackPen);
  }
  void SetRasterOp(RasterOp mode) override { operations.push_back(recorded::SetRasterOp(mode)); }
  void DrawRectangle(int left, int top, int right, int bottom) override {
    operations.push_back(recorded::DrawRectangle(left, top, right, bottom));
  }
  void MoveTo(int x, int y) override { operations.push_back(recorded::MoveTo(x, y)); }
  void LineTo(int x, int y) override { operations.push_back(recorded::LineTo(x, y)); }
  void DrawText(int x, int y, const char* text) override {
    operations.push_back(recorded::DrawText(x, y, text));
  }

  std::vector<std::string> operations;
  std::vector<std::string> pens;  // every pen created, in order, as recorded::Pen
  std::vector<int> releasedPens;  // indices into pens, in the order of release
  int currentPen = kInitialPen;

 private:
  // Only pens that SelectPen created are released; the initial and the stock pen never are.
  void MakeCurrent(int pen) {
    if (currentPen >= 0) {
      releasedPens.push_back(currentPen);
    }
    currentPen = pen;
  }
};
