// The ten-digit conversion and the labels cut from it, including the values this program decides
// for itself: magnitudes from 10^10, infinities and NaN.
#include "draw/axis_label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <iomanip>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>

namespace {

std::string Describe(float value) {
  std::ostringstream text;
  text << std::setprecision(9) << value << " (bits " << std::hex
       << std::bit_cast<std::uint32_t>(value) << ")";
  return text.str();
}

TEST(ConvertToTenDigits, RoundsTheExactValueToSeventeenThenTenDigits) {
  const struct {
    float value;
    const char* digits;
    int point;
    bool negative;
  } cases[] = {
      {0.0f, "0000000000", 0, false},
      {-0.0f, "0000000000", 0, true},
      {0.9f, "8999999762", 0, false},
      {0.7f, "6999999881", 0, false},
      {0.1294f, "1294000000", 0, false},  // nines from the 5th digit, 11th is 7: carries to 1294
      {-0.25f, "2500000000", 0, true},
      {0.05f, "5000000075", -1, false},
      {0.00012345f, "1234499941", -3, false},
      {-0.00000003f, "2999999893", -7, true},
      {1.5f, "1500000000", 1, false},
      {9.99f, "9989999771", 1, false},
      {-2.5f, "2500000000", 1, true},
      {12.5f, "1250000000", 2, false},
      {99.99f, "9998999786", 2, false},
      {123.456f, "1234560013", 3, false},
      {999.99f, "9999899902", 3, false},
      {1000.0f, "1000000000", 4, false},
      {9999.9f, "9999900391", 4, false},
      {12345.678f, "1234567773", 5, false},
      {1000000000.0f, "1000000000", 10, false},
      // 0.0000114053609649999998509...: digits 11 to 17 are 4999999 and the 18th is 8, so the
      // rounding to 17 digits makes the 11th a 5 and the tenth goes up; rounding straight to ten
      // digits would give 1140536096.
      {std::bit_cast<float>(0x373f59a7u), "1140536097", -4, false},
      {std::numeric_limits<float>::denorm_min(), "1401298464", -44, false},
      {-std::numeric_limits<float>::max(), "3402823466", 39, true},
  };
  for (const auto& c : cases) {
    const TenDigitDecimal decimal = ConvertToTenDigits(c.value);
    EXPECT_EQ(std::string(decimal.digits, 10), c.digits) << Describe(c.value);
    EXPECT_EQ(decimal.point, c.point) << Describe(c.value);
    EXPECT_EQ(decimal.negative, c.negative) << Describe(c.value);
  }
}

TEST(FormatAxisLabel, CutsDigitsToTheLabelLength) {
  // 0.7 - 7 x 0.1 from single-precision operands, rounded to single: a grid's small remainder.
  const auto remainder =
      static_cast<float>(static_cast<double>(0.7f) - 7 * static_cast<double>(0.1f));
  ASSERT_EQ(remainder, -2.2351741790771484e-08f);
  const struct {
    float value;
    const char* label;
  } cases[] = {
      {0.0f, "0.0000"},
      {-0.0f, "-0.0000"},
      {remainder, "-0.0000"},
      {0.9f, "0.8999"},
      {0.7f, "0.6999"},
      {0.1294f, "0.1294"},
      {-0.25f, "-0.2500"},
      {0.05f, "0.0500"},
      {0.00012345f, "0.0001"},
      {0.0005f, "0.0005"},
      {0.00001f, "0.0000"},
      {-0.00000003f, "-0.0000"},
      {1.5f, "1.500"},
      {9.99f, "9.989"},
      {-2.5f, "-2.500"},
      {12.5f, "12.50"},
      {99.99f, "99.98"},
      {123.456f, "123.4"},
      {999.99f, "999.9"},
      {1000.0f, "1000"},
      {9999.9f, "9999"},
      {12345.678f, "12345"},
      {1000000000.0f, "1000000000"},
      {-9999998976.0f, "-9999998976"},
  };
  ChartState chart;
  for (const auto& c : cases) {
    EXPECT_STREQ(FormatAxisLabel(chart, c.value), c.label) << Describe(c.value);
  }
}

TEST(FormatAxisLabel, BeyondTenDigitsAndNonFiniteValues) {
  const struct {
    float value;
    const char* label;
  } cases[] = {
      {1e10f, "1.000e10"},
      {-1e10f, "-1.000e10"},
      {1.5e12f, "1.500e12"},
      {-std::numeric_limits<float>::max(), "-3.402e38"},  // cut, not rounded to 3.403
      {std::numeric_limits<float>::infinity(), "inf"},
      {-std::numeric_limits<float>::infinity(), "-inf"},
      {std::numeric_limits<float>::quiet_NaN(), "nan"},
      {-std::numeric_limits<float>::quiet_NaN(), "nan"},
  };
  ChartState chart;
  for (const auto& c : cases) {
    EXPECT_STREQ(FormatAxisLabel(chart, c.value), c.label) << Describe(c.value);
  }
}

TEST(FormatAxisLabel, EveryCallOverwritesTheOneBuffer) {
  ChartState chart;
  std::fill(std::begin(chart.labelText), std::end(chart.labelText), 'x');
  const char* first = FormatAxisLabel(chart, -9999998976.0f);
  const char* second = FormatAxisLabel(chart, 1.5f);
  EXPECT_EQ(first, chart.labelText);
  EXPECT_EQ(second, first);
  EXPECT_STREQ(chart.labelText, "1.500");  // its own NUL ends it inside the longer first label
}

}  // namespace
