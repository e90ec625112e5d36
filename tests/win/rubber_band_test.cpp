#include "win/rubber_band.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/zoom.h"
#include "tests/win/test_window.h"
#include "win/commands.h"

namespace {

LPARAM At(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

class RubberBandTest : public MainWindowTest {
 protected:
  void Press(POINT p) const { SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(p.x, p.y)); }
  void Move(POINT p) const { SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(p.x, p.y)); }
  void Release(POINT p) const { SendMessageA(window, WM_LBUTTONUP, 0, At(p.x, p.y)); }
  void BackToFullView() const {
    SendMessageA(window, WM_COMMAND, CMD_FULL_VIEW, 0);
    UpdateWindow(window);
  }
};

TEST_F(RubberBandTest, DragsZoomAsTheModelSaysAndRepaintOnlyAfterAZoom) {
  const struct {
    const char* what;
    POINT press;
    std::vector<POINT> moves;
    POINT release;
  } drags[] = {
      {"down and right", {170, 150}, {{200, 160}, {410, 220}}, {410, 220}},
      {"up and left", {410, 220}, {{170, 150}}, {170, 150}},
      {"released away from the last move", {170, 150}, {{300, 300}}, {410, 220}},
      {"ending right of the plot", {170, 150}, {}, {700, 220}},
      {"starting left of the plot", {40, 150}, {{410, 220}}, {410, 220}},
      {"released 5 px left of the client area", {300, 150}, {{-5, 220}}, {-5, 220}},
      {"released 5 px above the client area", {300, 150}, {{400, -5}}, {400, -5}},
      {"a click", {300, 200}, {}, {300, 200}},
      {"a click with moves on the spot", {300, 200}, {{300, 200}, {300, 200}}, {300, 200}},
      {"purely horizontal", {100, 200}, {{300, 200}}, {300, 200}},
      {"purely vertical", {100, 100}, {{100, 300}}, {100, 300}},
  };
  for (const auto& drag : drags) {
    SCOPED_TRACE(drag.what);
    BackToFullView();
    ASSERT_FALSE(RepaintPending());
    ChartState expected = Chart();
    expected.anchorX = drag.press.x;
    expected.anchorY = drag.press.y;
    const POINT corner = drag.moves.empty() ? drag.press : drag.moves.back();
    expected.cursorX = corner.x;
    expected.cursorY = corner.y;
    expected.selLeft = drag.press.x;
    expected.selTop = drag.press.y;
    expected.selRight = drag.release.x;
    expected.selBottom = drag.release.y;
    const int zoomed = ZoomToSelection(expected);

    Press(drag.press);
    EXPECT_EQ(Chart().dragging, 1);
    EXPECT_EQ(GetCapture(), window);
    for (POINT p : drag.moves) {
      Move(p);
    }
    Release(drag.release);
    EXPECT_TRUE(Chart() == expected);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(RepaintPending(), zoomed == 1);
  }
}

TEST_F(RubberBandTest, MovesAndReleasesWithoutAPressDoNothing) {
  const ChartState before = Chart();
  Move({300, 300});
  Release({400, 350});
  Move({100, 100});
  EXPECT_TRUE(Chart() == before);
  EXPECT_FALSE(RepaintPending());
  EXPECT_EQ(GetCapture(), nullptr);
}

COLORREF PixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixel;
}

TEST_F(RubberBandTest, BandInvertsItsOutlineOnTheWindowAndErasesIt) {
  // Outline points of the band from (100, 100) to (200, 150), then to (250, 180), and points
  // inside or outside it.
  const POINT probes[] = {{100, 100}, {150, 100}, {199, 149}, {100, 120}, {199, 120},
                          {249, 179}, {150, 125}, {201, 151}, {120, 179}};
  std::vector<COLORREF> chart;
  for (POINT p : probes) {
    chart.push_back(PixelAt(window, p.x, p.y));
  }
  const auto expectPixels = [&](RECT band) {
    for (size_t i = 0; i < std::size(probes); ++i) {
      const POINT p = probes[i];
      const bool inside =
          p.x >= band.left && p.x < band.right && p.y >= band.top && p.y < band.bottom;
      const bool onOutline = inside && (p.x == band.left || p.x == band.right - 1 ||
                                        p.y == band.top || p.y == band.bottom - 1);
      SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
      EXPECT_EQ(PixelAt(window, p.x, p.y), onOutline ? chart[i] ^ 0xFFFFFF : chart[i]);
    }
  };
  Press({100, 100});
  Move({200, 150});
  expectPixels({100, 100, 200, 150});
  Move({250, 180});
  expectPixels({100, 100, 250, 180});
  Release({250, 180});
  expectPixels({0, 0, 0, 0});
}

}  // namespace
