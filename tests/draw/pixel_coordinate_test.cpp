// Truncation of reals to pixel coordinates at the edges of the 32-bit range.
#include "draw/pixel_coordinate.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iomanip>
#include <limits>

namespace {

constexpr std::int32_t kOutside = std::numeric_limits<std::int32_t>::min();

TEST(TruncToPixel, TruncatesTowardZeroAndMapsOutOfRangeToMinimum) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    std::int32_t expected;
  } cases[] = {
      {0.9999, 0},
      {-0.9999, 0},
      {-0.0, 0},
      {71.0000003, 71},
      {-10.5, -10},
      {2147483647.0, 2147483647},
      {2147483647.9, 2147483647},
      {2147483648.0, kOutside},
      {-2147483647.9, -2147483647},
      {-2147483648.0, -2147483648},
      {-2147483648.5, -2147483648},  // integer part -2147483648 is still in range
      {-2147483649.0, kOutside},
      {kInf, kOutside},
      {-kInf, kOutside},
      {std::numeric_limits<double>::quiet_NaN(), kOutside},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TruncToPixel(c.value), c.expected) << "value " << std::setprecision(17) << c.value;
  }
}

}  // namespace
