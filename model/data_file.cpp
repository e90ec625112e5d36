#include "model/data_file.h"

#include <array>
#include <cstdint>
#include <cstdio>
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

bool IsSpace(char c) { return kSpaceTable[static_cast<unsigned char>(c)]; }

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

}  // namespace

DataFileText ReadDataFile(const char* fileName) {
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
  // A file that grows while it is read is read up to the size it had when measured.
  file.bytes.reset(new (std::nothrow) char[static_cast<std::size_t>(size)]);
  if (file.bytes) {
    const std::size_t read =
        std::fread(file.bytes.get(), 1, static_cast<std::size_t>(size), stream);
    file.text = NumbersText(std::string_view(file.bytes.get(), read));
    file.opened = true;
  }
  std::fclose(stream);
  return file;
}

std::size_t CountWords(std::string_view text) {
  // A word starts at every byte that is not a space and follows one (or the start).
  std::size_t words = 0;
  bool previousSpace = true;
  for (char c : text) {
    const bool space = IsSpace(c);
    words += static_cast<std::size_t>(previousSpace && !space);
    previousSpace = space;
  }
  return words;
}

NumberScan ScanNumbers(std::string_view text, const char* fileName, float* values, int limit) {
  NumberScan scan;
  std::size_t position = 0;
  while (scan.count < limit) {
    while (position < text.size() && IsSpace(text[position])) {
      ++position;
    }
    if (position == text.size()) {
      break;
    }
    const std::size_t start = position;
    while (position < text.size() && !IsSpace(text[position])) {
      ++position;
    }
    const std::string_view word = text.substr(start, position - start);
    const DecimalFloat number = ParseDecimalFloat(word);
    if (number.status != DecimalStatus::Ok) {
      const int line = LineOf(text, start);
      scan.problem = number.status == DecimalStatus::OutOfRange
                         ? OutOfRangeMessage(fileName, line, word)
                         : NotANumberMessage(fileName, line, word);
      break;
    }
    values[scan.count++] = number.value;
  }
  return scan;
}
