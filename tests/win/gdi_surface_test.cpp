#include "win/gdi_surface.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win/metafile_records.h"

namespace {

using Drawing = std::function<void(DrawingSurface&)>;

std::vector<std::string> RecordOnMetafile(const Drawing& draw) {
  HDC recorder = CreateMetaFileA(nullptr);
  GdiSurface surface(recorder);
  draw(surface);
  HMETAFILE picture = CloseMetaFile(recorder);
  std::vector<std::string> records = ReadMetafileRecords(picture);
  DeleteMetaFile(picture);
  return records;
}

std::vector<std::string> Predict(const Drawing& draw) {
  ExpectedRecordsSurface surface(false);
  draw(surface);
  return surface.records;
}

TEST(GdiSurface, OperationsWriteTheirMetafileRecords) {
  const struct {
    const char* what;
    Drawing draw;
    std::vector<std::string> records;
  } cases[] = {
      {"a created pen, then another: the first is deleted once replaced",
       [](DrawingSurface& s) {
         s.SelectPen(PenStyle::Dot, 1, 0, 0, 0);
         s.SelectPen(PenStyle::Dash, 1, 0, 0, 255);
       },
       {"pen 2 1 000000", "select 0", "pen 1 1 ff0000", "select 1", "delete 0"}},
      {"the black pen replaces a created pen and deletes it",
       [](DrawingSurface& s) {
         s.SelectPen(PenStyle::Solid, 3, 255, 0, 0);
         s.SelectBlackPen();
         s.SelectPen(PenStyle::Solid, 1, 0, 255, 0);
         s.SelectBlackPen();
       },
       {"pen 0 3 0000ff", "select 0", "pen 0 0 000000", "select 1", "delete 0", "pen 0 1 00ff00",
        "select 0", "select 1", "delete 0"}},
      {"the black pen over the context's own pen deletes nothing",
       [](DrawingSurface& s) {
         s.SelectBlackPen();
         s.SelectBlackPen();
       },
       {"pen 0 0 000000", "select 0", "select 0"}},
      {"raster mode, rectangle, lines and text",
       [](DrawingSurface& s) {
         s.SetRasterOp(RasterOp::CopyPen);
         s.DrawRectangle(50, 5, 650, 415);
         s.MoveTo(50, 10);
         s.LineTo(650, 10);
         s.DrawText(5, 4, "1.5");
         s.DrawText(40, 416, "");
       },
       {"rop2 13", "rectangle 50 5 650 415", "moveto 50 10", "lineto 650 10", "text 5 4 1.5",
        "text 40 416 "}},
      {"coordinates beyond 16 bits are stored wrapped",
       [](DrawingSurface& s) {
         s.MoveTo(40000, -40000);
         s.LineTo(65536 + 7, -2147483647 - 1);
         s.DrawRectangle(-5, 70000, 32768, 0);
         s.DrawText(100000, -1, "x");
       },
       {"moveto -25536 25536", "lineto 7 0", "rectangle -5 4464 -32768 0", "text -31072 -1 x"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(RecordOnMetafile(c.draw), c.records);
    EXPECT_EQ(Predict(c.draw), c.records);
  }
}

// A memory context keeps the real pen objects, so the test sees which ones are deleted.
TEST(GdiSurface, DeletesOnlyThePensItCreated) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ initialPen = GetCurrentObject(dc, OBJ_PEN);
  {
    GdiSurface surface(dc);
    surface.SelectBlackPen();
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    surface.SelectPen(PenStyle::Dash, 1, 0, 0, 255);
    HGDIOBJ first = GetCurrentObject(dc, OBJ_PEN);
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_PEN));
    LOGPEN logPen = {};
    GetObjectA(first, sizeof logPen, &logPen);
    EXPECT_EQ(logPen.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(logPen.lopnColor, RGB(0, 0, 255));
    surface.SelectPen(PenStyle::Solid, 1, 255, 0, 0);
    HGDIOBJ second = GetCurrentObject(dc, OBJ_PEN);
    EXPECT_EQ(GetObjectType(first), 0u) << "the replaced pen was not deleted";
    surface.SelectBlackPen();
    EXPECT_EQ(GetObjectType(second), 0u) << "the pen replaced by the black pen was not deleted";
  }
  EXPECT_EQ(GetObjectType(initialPen), static_cast<DWORD>(OBJ_PEN));
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), static_cast<DWORD>(OBJ_PEN));
  DeleteDC(dc);
}

}  // namespace
