#include "model/data_file.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>

#include "model/decimal_float.h"
#include "model/load_messages.h"

namespace {

// The whitespace of the C locale, which separates numbers: blanks, tabs and line ends. A table,
// since this test runs for every byte of a record.
constexpr auto kSpaceTable = [] {
  std::array<bool, 256> table{};
  for (char c : {' ', '\t', '\n', '\v', '\f', '\r'}) {
    table[static_cast<unsigned char>(c)] = true;
  }
  return table;
}();

bool IsSpace(char c) {
  return kSpaceTable[static_cast<unsigned char>(c)];
}

constexpr std::uint64_t kHighBits = 0x8080808080808080;
constexpr std::uint64_t kLowSeven = 0x7F7F7F7F7F7F7F7F;

// The high bit of each byte of eight that is a space, exactly: the per-byte sums below stay within
// their byte, as only the low seven bits of each take part.
std::uint64_t SpaceBytes(const char* eight) {
  std::uint64_t bytes;
  std::memcpy(&bytes, eight, sizeof bytes);
  const std::uint64_t low = bytes & kLowSeven;
  const std::uint64_t ascii = ~bytes & kHighBits;
  const std::uint64_t blank = low ^ 0x2020202020202020;
  const std::uint64_t isBlank = ~((blank + kLowSeven) | blank) & ascii;
  // Tab, line feed, vertical tab, form feed and carriage return are 9 to 13.
  const std::uint64_t atLeastNine = low + 0x7777777777777777;
  const std::uint64_t atLeastFourteen = low + 0x7272727272727272;
  const std::uint64_t isControl = atLeastNine & ~atLeastFourteen & ascii;
  return isBlank | isControl;
}

std::string_view NumbersText(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text.remove_prefix(kByteOrderMark.size());
  }
  return text.substr(0, text.find('\x1A'));
}

int LineOf(std::string_view text, std::size_t position) {
  int line = 1;
  for (std::size_t i = 0; i < position; ++i) {
    line += text[i] == '\n' ? 1 : 0;
  }
  return line;
}

// The report of the word that starts at `word`.
std::string Problem(std::string_view text, const char* fileName, const char* word,
                    DecimalStatus status) {
  const auto start = static_cast<std::size_t>(word - text.data());
  std::size_t stop = start;
  while (stop < text.size() && !IsSpace(text[stop])) {
    ++stop;
  }
  const std::string_view offending = text.substr(start, stop - start);
  const int line = LineOf(text, start);
  return status == DecimalStatus::OutOfRange ? OutOfRangeMessage(fileName, line, offending)
                                             : NotANumberMessage(fileName, line, offending);
}

}  // namespace

DataFileText ReadDataFile(const char* fileName, FileBuffer& buffer) {
  DataFileText file;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(fileName, error);
  if (error || size > static_cast<std::uintmax_t>(PTRDIFF_MAX)) {
    return file;
  }
  std::FILE* stream = std::fopen(fileName, "rb");
  if (stream == nullptr) {
    return file;
  }
  if (buffer.capacity < size) {
    buffer.bytes.reset();  // the old bytes are not needed, and need not be held with the new
    buffer.bytes.reset(new (std::nothrow) char[static_cast<std::size_t>(size)]);
    buffer.capacity = buffer.bytes ? static_cast<std::size_t>(size) : 0;
  }
  if (buffer.capacity >= size) {
    // A file that grows while it is read is read up to the size it had when measured.
    const std::size_t read =
        size == 0 ? 0 : std::fread(buffer.bytes.get(), 1, static_cast<std::size_t>(size), stream);
    file.text = NumbersText(std::string_view(buffer.bytes.get(), read));
    file.opened = true;
  }
  std::fclose(stream);
  return file;
}

namespace {

// How many bytes have their high bit set, when no other bit is: the bytes' sum, by multiplication
// (a popcount instruction is not there on every x86 that the program runs on).
std::size_t CountHighBits(std::uint64_t highBits) {
  return static_cast<std::size_t>(((highBits >> 7) * 0x0101010101010101) >> 56);
}

}  // namespace

std::size_t CountWords(std::string_view text) {
  // A word starts at every byte that is not a space and follows one (or the start).
  std::size_t words = 0;
  bool previousSpace = true;
  std::size_t i = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 8 <= text.size(); i += 8) {
      const std::uint64_t spaces = SpaceBytes(text.data() + i);
      const std::uint64_t spaceBefore = (spaces << 8) | (previousSpace ? 0x80u : 0u);
      words += CountHighBits(~spaces & spaceBefore & kHighBits);
      previousSpace = (spaces >> 63) != 0;
    }
  }
  for (; i < text.size(); ++i) {
    const bool space = IsSpace(text[i]);
    words += static_cast<std::size_t>(previousSpace && !space);
    previousSpace = space;
  }
  return words;
}

NumberScan ScanNumbers(std::string_view text, const char* fileName, float* values, int limit) {
  NumberScan scan;
  const char* position = text.data();
  const char* const end = position + text.size();
  while (scan.count < limit) {
    while (position != end && IsSpace(*position)) {
      ++position;
    }
    if (position == end) {
      break;
    }
    const DecimalRead read = ReadDecimalFloat(position, end);
    // A number runs up to a space or the end of the text: "12,5" is not 12.
    if (read.number.status != DecimalStatus::Ok || (read.end != end && !IsSpace(*read.end))) {
      scan.problem = Problem(text, fileName, position, read.number.status);
      break;
    }
    values[scan.count++] = read.number.value;
    position = read.end;
  }
  return scan;
}
