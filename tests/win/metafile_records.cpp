#include "tests/win/metafile_records.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

std::string Join(const char* name, std::initializer_list<int> values) {
  std::string line = name;
  for (int value : values) {
    line += ' ' + std::to_string(value);
  }
  return line;
}

// A metafile stores every coordinate as a 16-bit word.
int Stored(int coordinate) {
  return static_cast<std::int16_t>(coordinate);
}

std::string PenLine(int style, int width, std::uint32_t colour) {
  char rgb[8];
  std::snprintf(rgb, sizeof rgb, "%06x", static_cast<unsigned>(colour & 0xFFFFFF));
  return Join("pen", {style, width}) + ' ' + rgb;
}

std::string TextLine(int x, int y, const char* bytes, int count) {
  return Join("text", {x, y}) + ' ' + std::string(bytes, static_cast<std::size_t>(count));
}

// Parameters of a record as the signed 16-bit words the metafile holds.
struct Words {
  const METARECORD& record;
  int Count() const { return static_cast<int>(record.rdSize) - 3; }
  int operator[](int i) const { return static_cast<std::int16_t>(record.rdParm[i]); }
  const char* Bytes(int firstWord) const {
    return reinterpret_cast<const char*>(&record.rdParm[firstWord]);
  }
};

std::string TextRecordLine(const Words& words, bool extended) {
  if (extended) {
    // y, x, count, options, a clipping rectangle only with these options, then the bytes.
    const int count = words[2];
    const bool withRect = (words[3] & (ETO_OPAQUE | ETO_CLIPPED)) != 0;
    return TextLine(words[1], words[0], words.Bytes(withRect ? 8 : 4), count);
  }
  // count, the bytes padded to whole words, y, x.
  const int count = words[0];
  const int after = 1 + (count + 1) / 2;
  return TextLine(words[after + 1], words[after], words.Bytes(1), count);
}

std::string RecordLine(const METARECORD& record) {
  const Words words{record};
  switch (record.rdFunction) {
    case META_CREATEPENINDIRECT:
      return PenLine(words[0], words[1],
                     static_cast<std::uint32_t>(record.rdParm[3]) |
                         static_cast<std::uint32_t>(record.rdParm[4]) << 16);
    case META_CREATEFONTINDIRECT:
      return "font";
    case META_SELECTOBJECT:
      return Join("select", {words[0]});
    case META_DELETEOBJECT:
      return Join("delete", {words[0]});
    case META_SETROP2:
      return Join("rop2", {words[0]});
    case META_RECTANGLE:
      return Join("rectangle", {words[3], words[2], words[1], words[0]});
    case META_MOVETO:
      return Join("moveto", {words[1], words[0]});
    case META_LINETO:
      return Join("lineto", {words[1], words[0]});
    case META_EXTTEXTOUT:
      return TextRecordLine(words, true);
    case META_TEXTOUT:
      return TextRecordLine(words, false);
    default:
      char line[32];
      std::snprintf(line, sizeof line, "record %04x", record.rdFunction);
      return line;
  }
}

int CALLBACK CollectRecord(HDC, HANDLETABLE*, METARECORD* record, int, LPARAM lines) {
  reinterpret_cast<std::vector<std::string>*>(lines)->push_back(RecordLine(*record));
  return 1;
}

}  // namespace

std::vector<std::string> ReadMetafileRecords(HMETAFILE picture) {
  std::vector<std::string> lines;
  HDC dc = CreateCompatibleDC(nullptr);
  EnumMetaFile(dc, picture, CollectRecord, reinterpret_cast<LPARAM>(&lines));
  DeleteDC(dc);
  return lines;
}

ExpectedRecordsSurface::ExpectedRecordsSurface(bool labelFontSelected) {
  if (labelFontSelected) {
    records.push_back("font");
    records.push_back(Join("select", {TakeSlot()}));
  }
}

int ExpectedRecordsSurface::TakeSlot() {
  for (std::size_t slot = 0; slot < slotUsed.size(); ++slot) {
    if (!slotUsed[slot]) {
      slotUsed[slot] = true;
      return static_cast<int>(slot);
    }
  }
  slotUsed.push_back(true);
  return static_cast<int>(slotUsed.size()) - 1;
}

void ExpectedRecordsSurface::DeleteOwnPen() {
  if (ownPenSlot >= 0) {
    records.push_back(Join("delete", {ownPenSlot}));
    slotUsed[static_cast<std::size_t>(ownPenSlot)] = false;
    ownPenSlot = -1;
  }
}

void ExpectedRecordsSurface::SelectPen(PenStyle style, int width, std::uint8_t red,
                                       std::uint8_t green, std::uint8_t blue) {
  const int slot = TakeSlot();
  records.push_back(PenLine(static_cast<int>(style), width, RGB(red, green, blue)));
  records.push_back(Join("select", {slot}));
  DeleteOwnPen();
  ownPenSlot = slot;
}

void ExpectedRecordsSurface::SelectBlackPen() {
  if (blackPenSlot < 0) {
    blackPenSlot = TakeSlot();
    records.push_back(PenLine(PS_SOLID, 0, 0));
  }
  records.push_back(Join("select", {blackPenSlot}));
  DeleteOwnPen();
}

void ExpectedRecordsSurface::SetRasterOp(RasterOp mode) {
  records.push_back(Join("rop2", {static_cast<int>(mode)}));
}

void ExpectedRecordsSurface::DrawRectangle(int left, int top, int right, int bottom) {
  records.push_back(Join("rectangle", {Stored(left), Stored(top), Stored(right), Stored(bottom)}));
}

void ExpectedRecordsSurface::MoveTo(int x, int y) {
  records.push_back(Join("moveto", {Stored(x), Stored(y)}));
}

void ExpectedRecordsSurface::LineTo(int x, int y) {
  records.push_back(Join("lineto", {Stored(x), Stored(y)}));
}

void ExpectedRecordsSurface::DrawText(int x, int y, const char* text) {
  records.push_back(TextLine(Stored(x), Stored(y), text, static_cast<int>(std::strlen(text))));
}

ClipboardPicture ReadClipboardPicture() {
  ClipboardPicture result;
  if (!OpenClipboard(nullptr)) {
    return result;
  }
  HANDLE data = GetClipboardData(CF_METAFILEPICT);
  if (const auto* record = static_cast<const METAFILEPICT*>(GlobalLock(data))) {
    result = {true,         record->mm,  record->xExt,
              record->yExt, record->hMF, ReadMetafileRecords(record->hMF)};
    GlobalUnlock(data);
  }
  CloseClipboard();
  return result;
}

UINT ClipboardPictureBytes() {
  if (!OpenClipboard(nullptr)) {
    return 0;
  }
  UINT bytes = 0;
  HANDLE data = GetClipboardData(CF_METAFILEPICT);
  if (const auto* record = static_cast<const METAFILEPICT*>(GlobalLock(data))) {
    bytes = GetMetaFileBitsEx(record->hMF, 0, nullptr);
    GlobalUnlock(data);
  }
  CloseClipboard();
  return bytes;
}
