// One data file of a record: read whole into memory, then taken apart into its numbers.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// Memory for the bytes of one file at a time, kept from one file of a record to the next so that
// the record's files cost one allocation, and its pages are touched once.
struct FileBuffer {
  std::unique_ptr<char[]> bytes;
  std::size_t capacity = 0;
};

struct DataFileText {
  bool opened = false;
  // The numbers' text, in the buffer: a UTF-8 byte-order mark skipped, everything from a Ctrl-Z
  // on left out (as a Windows text-mode read would end there). Valid until the buffer's next use.
  std::string_view text;
};

// Reads the file of that name in the current folder, whole, into `buffer`. A file that cannot be
// opened, or not held in memory, gives opened = false.
DataFileText ReadDataFile(const char* fileName, FileBuffer& buffer);

// Counts the whitespace-separated words of a text.
std::size_t CountWords(std::string_view text);

struct NumberScan {
  int count = 0;        // numbers stored before the scan stopped
  std::string problem;  // empty when the text ran out or `limit` numbers were read
};

// Reads up to `limit` numbers into `values`, one per word. It stops at the end of the text, or
// at the first word that is not a number or lies outside single precision, which it reports.
NumberScan ScanNumbers(std::string_view text, const char* fileName, float* values, int limit);
