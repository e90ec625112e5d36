// The ten-digit conversion, computed from the exact decimal expansion of the float rather than
// through printf, whose rounding and locale differ between C runtimes, and the label built from it.
#include "draw/axis_label.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// A float's magnitude is m x 2^e with m < 2^24 and -149 <= e <= 104; written as m x 2^e or as
// m x 5^-e x 10^e its integer part has at most 112 decimal digits.
constexpr int kMaxDigits = 120;
constexpr int kRoundedDigits = 17;

// An exact non-negative integer times a power of ten.
struct ExactDecimal {
  std::uint8_t digits[kMaxDigits] = {};  // least significant first
  int count = 0;
  int exponent = 0;
};

void MultiplyBy(ExactDecimal& number, std::uint32_t factor) {
  std::uint32_t carry = 0;
  for (int i = 0; i < number.count; ++i) {
    const std::uint32_t product = number.digits[i] * factor + carry;
    number.digits[i] = static_cast<std::uint8_t>(product % 10);
    carry = product / 10;
  }
  for (; carry != 0; carry /= 10) {
    number.digits[number.count++] = static_cast<std::uint8_t>(carry % 10);
  }
}

// mantissa x 2^exponent2, exactly: 2^-k is 5^k x 10^-k.
ExactDecimal ExactValue(std::uint32_t mantissa, int exponent2) {
  ExactDecimal number;
  for (; mantissa != 0; mantissa /= 10) {
    number.digits[number.count++] = static_cast<std::uint8_t>(mantissa % 10);
  }
  const std::uint32_t factor = exponent2 >= 0 ? 2 : 5;
  for (int k = 0; k < std::abs(exponent2); ++k) {
    MultiplyBy(number, factor);
  }
  number.exponent = std::min(exponent2, 0);
  return number;
}

// The exact magnitude of a finite float.
ExactDecimal ExactMagnitude(float value) {
  const auto bits = std::bit_cast<std::uint32_t>(value);
  const int biasedExponent = static_cast<int>((bits >> 23) & 0xffu);
  const std::uint32_t fraction = bits & 0x7fffffu;
  if (biasedExponent == 0) {
    return ExactValue(fraction, -149);  // zero or subnormal
  }
  return ExactValue(fraction | (1u << 23), biasedExponent - 150);
}

// Significant digits, most significant first, with the decimal point position.
struct SignificantDigits {
  std::uint8_t digits[kRoundedDigits + 1] = {};
  int count = 0;
  int point = 0;
};

// The leading digits of an exact value, as many as the rounding to 17 needs.
SignificantDigits LeadingDigits(const ExactDecimal& number) {
  SignificantDigits leading;
  leading.count = std::min(number.count, kRoundedDigits + 1);
  for (int i = 0; i < leading.count; ++i) {
    leading.digits[i] = number.digits[number.count - 1 - i];
  }
  leading.point = number.count + number.exponent;
  return leading;
}

// Keeps `keep` digits; the next digit alone decides, 5 or more adds one to the last kept digit.
// A carry out of the first digit leaves 1 and zeros and moves the point one place right.
void RoundHalfUp(SignificantDigits& number, int keep) {
  if (number.count <= keep) {
    return;
  }
  const bool roundUp = number.digits[keep] >= 5;
  number.count = keep;
  if (!roundUp) {
    return;
  }
  for (int i = keep - 1; i >= 0; --i) {
    auto& digit = number.digits[i];
    if (digit != 9) {
      ++digit;
      return;
    }
    digit = 0;
  }
  number.digits[0] = 1;
  ++number.point;
}

}  // namespace

TenDigitDecimal ConvertToTenDigits(float value) {
  TenDigitDecimal result;
  result.negative = std::signbit(value);
  std::fill(std::begin(result.digits), std::end(result.digits), '0');
  const ExactDecimal exact = ExactMagnitude(value);
  if (exact.count == 0) {
    return result;
  }
  SignificantDigits rounded = LeadingDigits(exact);
  RoundHalfUp(rounded, kRoundedDigits);
  RoundHalfUp(rounded, 10);
  for (int i = 0; i < std::min(rounded.count, 10); ++i) {
    result.digits[i] = static_cast<char>('0' + rounded.digits[i]);
  }
  result.point = rounded.point;
  return result;
}

namespace {

// Appends characters to a label buffer from its first byte. No label comes near the buffer's
// 19 characters: the longest has 11.
class LabelWriter {
 public:
  explicit LabelWriter(char* buffer) : buffer_(buffer) {}
  void Put(char c) { buffer_[length_++] = c; }
  void Put(std::string_view text) {
    for (const char c : text) {
      Put(c);
    }
  }
  void PutNumber(int number) {
    char* const end = buffer_ + kLabelCapacity - 1;
    length_ = static_cast<int>(std::to_chars(buffer_ + length_, end, number).ptr - buffer_);
  }
  const char* Finish() {
    buffer_[length_] = '\0';
    return buffer_;
  }

 private:
  static constexpr int kLabelCapacity = sizeof(ChartState::labelText);
  char* buffer_;
  int length_ = 0;
};

// `count` of the ten digits from index `first`.
std::string_view Digits(const TenDigitDecimal& decimal, int first, int count) {
  return {decimal.digits + first, static_cast<std::size_t>(count)};
}

// Below 1: "0.", then min(-point, 4) zeros and leading digits up to four places.
void PutFraction(LabelWriter& label, const TenDigitDecimal& decimal) {
  const int zeros = std::min(-decimal.point, 4);
  label.Put("0.");
  for (int i = 0; i < zeros; ++i) {
    label.Put('0');
  }
  label.Put(Digits(decimal, 0, 4 - zeros));
}

// From 1 to below 1000: four significant digits with the point after the integer part.
void PutFourDigits(LabelWriter& label, const TenDigitDecimal& decimal) {
  label.Put(Digits(decimal, 0, decimal.point));
  label.Put('.');
  label.Put(Digits(decimal, decimal.point, 4 - decimal.point));
}

// From 10^10 the integer part has more digits than the conversion gives: four digits and the
// power of ten instead.
void PutExponentForm(LabelWriter& label, const TenDigitDecimal& decimal) {
  label.Put(decimal.digits[0]);
  label.Put('.');
  label.Put(Digits(decimal, 1, 3));
  label.Put('e');
  label.PutNumber(decimal.point - 1);
}

void PutFiniteLabel(LabelWriter& label, float value) {
  const TenDigitDecimal decimal = ConvertToTenDigits(value);
  if (decimal.negative) {
    label.Put('-');
  }
  if (decimal.point <= 0) {
    PutFraction(label, decimal);
  } else if (decimal.point <= 3) {
    PutFourDigits(label, decimal);
  } else if (decimal.point <= 10) {
    label.Put(Digits(decimal, 0, decimal.point));
  } else {
    PutExponentForm(label, decimal);
  }
}

}  // namespace

const char* FormatAxisLabel(ChartState& chart, float value) {
  LabelWriter label(chart.labelText);
  if (std::isnan(value)) {
    label.Put("nan");
  } else if (std::isinf(value)) {
    label.Put(value < 0 ? "-inf" : "inf");
  } else {
    PutFiniteLabel(label, value);
  }
  return label.Finish();
}
