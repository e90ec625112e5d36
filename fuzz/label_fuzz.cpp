// Labels any single-precision value: the text always fits the label buffer, is terminated, and
// holds only the characters of a number.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "draw/axis_label.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size != sizeof(float)) {
    return 0;
  }
  float value = 0;
  std::memcpy(&value, data, sizeof value);
  ChartState chart{};
  std::memset(chart.labelText, 'x', sizeof chart.labelText);
  const char* label = FormatAxisLabel(chart, value);
  const std::size_t length = strnlen(label, sizeof chart.labelText);
  const bool fits = label == chart.labelText && length < sizeof chart.labelText && length > 0;
  if (!fits || std::strspn(label, "-.0123456789einfa") != length) {
    std::fprintf(stderr, "label of %a: \"%.20s\"\n", static_cast<double>(value), label);
    std::abort();
  }
  return 0;
}
