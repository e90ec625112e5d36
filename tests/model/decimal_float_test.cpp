// Decimal-to-float reading: the accepted forms, exact bit patterns, and agreement with glibc's
// correctly rounded strtof on float midpoints, their neighbours and pseudo-random numbers.
#include "model/decimal_float.h"
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::literals;

std::uint32_t Bits(float f) {
  return std::bit_cast<std::uint32_t>(f);
}

std::string Printed(const char* format, int precision, double value) {
  char buffer[1200];
  std::snprintf(buffer, sizeof buffer, format, precision, value);
  return buffer;
}

// glibc's strtof rounds correctly; infinity there is out of range here.
::testing::AssertionResult MatchesStrtof(const std::string& text) {
  const float expected = std::strtof(text.c_str(), nullptr);
  const DecimalFloat got = ParseDecimalFloat(text);
  if (std::isinf(expected)) {
    if (got.status == DecimalStatus::OutOfRange) {
      return ::testing::AssertionSuccess();
    }
  } else if (got.status == DecimalStatus::Ok && Bits(got.value) == Bits(expected)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << text << ": status " << static_cast<int>(got.status) << " bits " << std::hex
         << Bits(got.value) << ", strtof bits " << Bits(expected);
}

// The exact value halfway between f and the next float up (2^128 - 2^103 above FLT_MAX).
double MidpointAbove(float f) {
  const float next = std::nextafter(f, INFINITY);
  const double step = std::isinf(next) ? std::ldexp(1.0, 104) : double{next} - double{f};
  return double{f} + step / 2;
}

// The "%e" text one unit of its last digit up or down (direction +1 or -1). Going up needs a last
// digit 0: the text has more digits than the exact value.
std::string NudgedLastDigit(std::string text, int direction) {
  size_t i = text.find('e') - 1;
  if (direction > 0) {
    ++text[i];
    return text;
  }
  for (; text[i] == '0' || text[i] == '.'; --i) {
    if (text[i] == '0') {
      text[i] = '9';
    }
  }
  --text[i];
  return text;
}

TEST(DecimalFloat, AcceptsExactlyOneNumber) {
  struct Case {
    std::string_view text;
    DecimalStatus status;
    float value;
  };
  constexpr DecimalStatus kNan = DecimalStatus::NotANumber;
  const Case cases[] = {
      {"+1.5e2", DecimalStatus::Ok, 150},
      {".5", DecimalStatus::Ok, 0.5f},
      {"-.5", DecimalStatus::Ok, -0.5f},
      {"5.", DecimalStatus::Ok, 5},
      {"-3.", DecimalStatus::Ok, -3},
      {"+2", DecimalStatus::Ok, 2},
      {"2E+4", DecimalStatus::Ok, 20000},
      {"25e-1", DecimalStatus::Ok, 2.5f},
      {"007.50", DecimalStatus::Ok, 7.5f},
      {"1e0000000000000000000000000000003", DecimalStatus::Ok, 1000},
      {"", kNan, 0},
      {".", kNan, 0},
      {"-", kNan, 0},
      {"+", kNan, 0},
      {"+.", kNan, 0},
      {"-.e1", kNan, 0},
      {"e5", kNan, 0},
      {"1e", kNan, 0},
      {"1e+", kNan, 0},
      {"1.5E-", kNan, 0},
      {"1,5", kNan, 0},
      {"1 000", kNan, 0},
      {"1'000", kNan, 0},
      {"0x10", kNan, 0},
      {"inf", kNan, 0},
      {"-infinity", kNan, 0},
      {"nan", kNan, 0},
      {"1e5.5", kNan, 0},
      {"1e5e5", kNan, 0},
      {"1..2", kNan, 0},
      {"1.2.3", kNan, 0},
      {"--1", kNan, 0},
      {"+-1", kNan, 0},
      {"1-", kNan, 0},
      {" 1", kNan, 0},
      {"1 ", kNan, 0},
      {"1\0"sv, kNan, 0},
      {"1d5", kNan, 0},
      {"1f", kNan, 0},
  };
  for (const Case& c : cases) {
    const DecimalFloat got = ParseDecimalFloat(c.text);
    EXPECT_EQ(got.status, c.status) << c.text;
    if (c.status == DecimalStatus::Ok) {
      EXPECT_EQ(got.value, c.value) << c.text;
    }
  }
}

TEST(DecimalFloat, RoundsToExpectedBits) {
  struct Case {
    std::string text;
    DecimalStatus status;
    std::uint32_t bits;
  };
  constexpr DecimalStatus kOk = DecimalStatus::Ok;
  constexpr DecimalStatus kOut = DecimalStatus::OutOfRange;
  const Case cases[] = {
      {"0", kOk, 0},
      {"-0", kOk, 0x80000000},
      {"-0.000e5", kOk, 0x80000000},
      {"-1e-60", kOk, 0x80000000},
      {"0e999999999999", kOk, 0},
      {"1e-99999999999999", kOk, 0},
      {"-12.345678", kOk, 0xc14587e6},
      {"1234.5", kOk, 0x449a5000},
      {"0.1", kOk, 0x3dcccccd},
      {"1e10", kOk, 0x501502f9},
      {"1e38", kOk, 0x7e967699},
      // 2^24 + 1 and 2^24 + 3 are halfway: ties go to the even neighbour.
      {"16777217", kOk, 0x4b800000},
      {"16777219", kOk, 0x4b800002},
      // Within half a double step of a float midpoint: rounding through double would tie wrongly.
      {"1.000005066394806", kOk, 0x3f80002b},
      {"1.000004231929779", kOk, 0x3f800023},
      {"1.000000059604644775390625", kOk, 0x3f800000},
      {"1.000000059604644775390626", kOk, 0x3f800001},
      {"1.00000005960464477539062500000001", kOk, 0x3f800001},
      {"1.000000059604644775390624999999", kOk, 0x3f800000},
      // Around half the smallest subnormal, 7.0065e-46, and the smallest normal.
      {"7e-46", kOk, 0},
      {"8e-46", kOk, 1},
      {"-1e-45", kOk, 0x80000001},
      {"1.1754942e-38", kOk, 0x007fffff},
      {"1.17549435e-38", kOk, 0x00800000},
      {"1e-00000000000000000000000038", kOk, 0x006ce3ee},
      // Around FLT_MAX and the rounding threshold 2^128 - 2^103.
      {"3.4028235e38", kOk, 0x7f7fffff},
      {"340282356779733661637539395458142568447", kOk, 0x7f7fffff},
      {"340282356779733661637539395458142568448", kOut, 0},
      {"-3.4028236e38", kOut, 0},
      {"1e39", kOut, 0},
      {"1e99999999999999999999", kOut, 0},
      {"-1e99999999999999999999", kOut, 0},
      // Long digit strings.
      {"0." + std::string(1000, '0') + "1e1005", kOk, 0x461c4000},
      {"1" + std::string(1000, '0') + "e-1000", kOk, 0x3f800000},
      {"0." + std::string(1000, '0') + "1", kOk, 0},
      {"123456789012345678901234567890", kOk, 0x6fc77488},
  };
  for (const Case& c : cases) {
    const DecimalFloat got = ParseDecimalFloat(c.text);
    EXPECT_EQ(got.status, c.status) << c.text;
    if (c.status == DecimalStatus::Ok) {
      EXPECT_EQ(Bits(got.value), c.bits) << c.text;
    }
  }
}

// Exact midpoints (ties to even), and a unit in the last of 120 or 800 digits above and below.
TEST(DecimalFloat, RoundsAroundMidpointsLikeStrtof) {
  std::vector<std::uint32_t> bits = {0,          1,          2,          0x007ffffe, 0x007fffff,
                                     0x00800000, 0x00800001, 0x3f7fffff, 0x3f800000, 0x4b7fffff,
                                     0x4b800000, 0x7f7ffffe, 0x7f7fffff};
  std::mt19937 random(12345);
  std::uniform_int_distribution<std::uint32_t> finite(0, 0x7f7fffff);
  for (int i = 0; i < 300; ++i) {
    bits.push_back(finite(random));
  }
  for (const std::uint32_t b : bits) {
    const double midpoint = MidpointAbove(std::bit_cast<float>(b));
    for (const int digits : {120, 800}) {
      const std::string exact = Printed("%.*e", digits - 1, midpoint);
      EXPECT_TRUE(MatchesStrtof(exact));
      EXPECT_TRUE(MatchesStrtof(NudgedLastDigit(exact, 1)));
      EXPECT_TRUE(MatchesStrtof(NudgedLastDigit(exact, -1)));
    }
  }
}

TEST(DecimalFloat, MatchesStrtofOnPseudoRandomNumbers) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<std::uint32_t> anyFinite(0, 0x7f7fffff);
  for (int i = 0; i < 100000; ++i) {
    const float f = std::bit_cast<float>(anyFinite(random) | (i % 2 == 0 ? 0 : 0x80000000));
    const std::string shortest = Printed("%.*g", 9, double{f});
    EXPECT_EQ(Bits(ParseDecimalFloat(shortest).value), Bits(f)) << shortest;
    EXPECT_TRUE(MatchesStrtof(Printed("%.*g", 17, double{f})));
  }
  std::uniform_int_distribution<int> digitCount(1, 30);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-60, 45);
  for (int i = 0; i < 100000; ++i) {
    std::string text = i % 2 == 0 ? "" : "-";
    const int count = digitCount(random);
    const int point = std::uniform_int_distribution<int>(0, count)(random);
    for (int k = 0; k < count; ++k) {
      text += k == point ? "." : "";
      text += static_cast<char>('0' + digit(random));
    }
    text += 'e';
    text += std::to_string(exponent(random));
    EXPECT_TRUE(MatchesStrtof(text));
  }
}

}  // namespace
