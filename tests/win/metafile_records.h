// Metafile records as comparable lines of text: read from a real Windows metafile, and predicted
// from the drawing operations that should have produced it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draw/drawing_surface.h"
#include "win/windows_api.h"

// One line per record, in order, e.g. "pen 1 1 0000ff", "select 2", "delete 1", "font",
// "rop2 13", "rectangle 50 5 650 415", "moveto 50 10", "lineto 650 10", "text 5 4 1.5".
// Coordinates are the stored 16-bit values; text records of either kind read the same.
std::vector<std::string> ReadMetafileRecords(HMETAFILE picture);

// Writes down, for each operation, the records that a Windows metafile context writes for the
// GdiSurface calls behind it. Objects take the lowest free slot of the metafile's object table;
// the stock black pen gets a slot the first time it is selected; deleting a pen that is not
// selected writes a record, deleting a stock pen writes none.
class ExpectedRecordsSurface final : public DrawingSurface {
 public:
  // With labelFontSelected, the paint's stock label font is already in the context.
  explicit ExpectedRecordsSurface(bool labelFontSelected);

  void SelectPen(PenStyle style, int width, std::uint8_t red, std::uint8_t green,
                 std::uint8_t blue) override;
  void SelectBlackPen() override;
  void SetRasterOp(RasterOp mode) override;
  void DrawRectangle(int left, int top, int right, int bottom) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void DrawText(int x, int y, const char* text) override;

  std::vector<std::string> records;

 private:
  int TakeSlot();
  void DeleteOwnPen();

  std::vector<bool> slotUsed;
  int ownPenSlot = -1;
  int blackPenSlot = -1;
};

// What the clipboard holds as CF_METAFILEPICT, read as another program would read it.
struct ClipboardPicture {
  bool present = false;
  LONG mm = 0, xExt = 0, yExt = 0;
  HMETAFILE picture = nullptr;  // the clipboard's; only for comparison
  std::vector<std::string> records;
};

ClipboardPicture ReadClipboardPicture();

// The size in bytes of the picture the clipboard holds as CF_METAFILEPICT, 0 if none; without
// reading its records, which for a large picture would take long.
UINT ClipboardPictureBytes();
