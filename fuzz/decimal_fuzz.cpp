// Reads any text as a number. Whatever the reader accepts, the C library's correctly rounded
// strtof (in the "C" locale) must read to the same single.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/decimal_float.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const DecimalFloat number = ParseDecimalFloat(text);
  if (number.status == DecimalStatus::NotANumber || text.find('\0') != std::string::npos) {
    return 0;
  }
  char* end = nullptr;
  errno = 0;
  const float expected = std::strtof(text.c_str(), &end);
  const bool agrees = end == text.c_str() + text.size() &&
                      (number.status == DecimalStatus::OutOfRange
                           ? std::isinf(expected)
                           : std::memcmp(&expected, &number.value, sizeof expected) == 0);
  if (!agrees) {
    std::fprintf(stderr, "\"%s\" read as %a, strtof gives %a\n", text.c_str(),
                 static_cast<double>(number.value), static_cast<double>(expected));
    std::abort();
  }
  return 0;
}
