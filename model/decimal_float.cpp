// Decimal text to single precision, correctly rounded: one exact IEEE operation for the short
// numbers of typical data, an exact big-integer comparison with float midpoints for the rest.
#include "model/decimal_float.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>

namespace {

using std::int64_t;
using std::uint32_t;
using std::uint64_t;

// Larger than the digit count of any text that fits in memory, so a saturated exponent still
// puts the number far outside the float range; and ten times it plus a digit fits in int64.
constexpr int64_t kExponentCap = int64_t{1} << 59;

// Up to this many digits the significand is read exactly into 64 bits.
constexpr size_t kExactDigits = 19;

// 10^10 = 2^10 * 5^10 with 5^10 < 2^24: the powers of ten up to it are exact floats.
constexpr int kMaxExactFloatPow10 = 10;
constexpr std::array<float, kMaxExactFloatPow10 + 1> kFloatPow10 = {
    1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
constexpr std::array<double, 23> kDoublePow10 = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPow10 = 22;  // 5^22 < 2^53

constexpr uint32_t kMaxFiniteBits = 0x7f7fffff;

// The number as written. Its value is the integer of all its digits, times ten to the power of
// the exponent less the count of fraction digits.
struct Numeral {
  bool negative = false;
  std::string_view intDigits;
  std::string_view fracDigits;
  int64_t exponent = 0;
  uint64_t digitValue = 0;  // all digits as one integer; wraps beyond kExactDigits digits
};

bool IsDigit(char c) {
  return static_cast<unsigned char>(c) - unsigned{'0'} < 10u;
}

uint32_t DigitOf(char c) {
  return static_cast<uint32_t>(static_cast<unsigned char>(c) - '0');
}

// The value of eight digits, one per byte as 0 to 9, the first in the lowest byte: pairs, then
// fours, then all eight combined by multiplications within the 64-bit word.
uint64_t EightDigitsValue(uint64_t digits) {
  constexpr uint64_t kLowOfPairs = 0x000000FF000000FF;
  constexpr uint64_t kHundredAndMillion = 100 + (uint64_t{1000000} << 32);
  constexpr uint64_t kOneAndTenThousand = 1 + (uint64_t{10000} << 32);
  digits = digits * 10 + (digits >> 8);
  return ((digits & kLowOfPairs) * kHundredAndMillion +
          ((digits >> 16) & kLowOfPairs) * kOneAndTenThousand) >>
         32;
}

constexpr uint64_t kPow10Upto8[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

// Most of a record's bytes are digits, in runs of varying length: eight bytes are looked at
// together, the run's length found without a branch per digit, and its digits combined at once.
[[gnu::always_inline]] inline const char* ReadDigits(const char* p, const char* end,
                                                     uint64_t& value) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t kZeros = 0x3030303030303030;
    constexpr uint64_t kAboveNine = 0x7676767676767676;
    constexpr uint64_t kHighBits = 0x8080808080808080;
    while (end - p >= 8) {
      uint64_t bytes;
      std::memcpy(&bytes, p, sizeof bytes);
      // Byte by byte c - '0'; a borrow or carry only runs into the bytes after the first one that
      // is not a digit, which are not used.
      const uint64_t digits = bytes - kZeros;
      const uint64_t notDigits = ((digits + kAboveNine) | digits) & kHighBits;
      const int count = notDigits == 0 ? 8 : std::countr_zero(notDigits) / 8;
      if (count == 0) {
        return p;
      }
      value = value * kPow10Upto8[count] + EightDigitsValue(digits << (8 * (8 - count)));
      p += count;
      if (count < 8) {
        return p;
      }
    }
  }
  for (; p != end; ++p) {
    const uint32_t digit = DigitOf(*p);
    if (digit > 9) {
      break;
    }
    value = value * 10 + digit;
  }
  return p;
}

// Reads the digits and sign after "e"; nullptr when there is no digit.
const char* ReadExponent(const char* p, const char* end, int64_t& exponent) {
  const bool negative = p != end && *p == '-';
  if (p != end && (*p == '-' || *p == '+')) {
    ++p;
  }
  if (p == end || !IsDigit(*p)) {
    return nullptr;
  }
  int64_t magnitude = 0;
  for (; p != end && IsDigit(*p); ++p) {
    magnitude = std::min(magnitude * 10 + DigitOf(*p), kExponentCap);
  }
  exponent = negative ? -magnitude : magnitude;
  return p;
}

// m * 10^e in double. Exact operands and a single operation for |e| <= 22; a few roundings more
// beyond that, which is still far closer than a float step.
double ScaleByPow10(double m, int e) {
  for (; e > kMaxExactPow10; e -= kMaxExactPow10) {
    m *= kDoublePow10[kMaxExactPow10];
  }
  for (; e < -kMaxExactPow10; e += kMaxExactPow10) {
    m /= kDoublePow10[kMaxExactPow10];
  }
  return e < 0 ? m / kDoublePow10[static_cast<size_t>(-e)]
               : m * kDoublePow10[static_cast<size_t>(e)];
}

// The nearest float to m * 10^e (m > 0) when one IEEE operation decides it; nullopt otherwise.
std::optional<float> FastPath(uint64_t m, int64_t e) {
  if (m < (uint64_t{1} << 24) && e >= -kMaxExactFloatPow10 && e <= kMaxExactFloatPow10) {
    // m and 10^|e| are exact floats: the one float operation rounds correctly.
    const float mf = static_cast<float>(static_cast<int32_t>(m));
    const float p = kFloatPow10[static_cast<size_t>(e < 0 ? -e : e)];
    return e < 0 ? mf / p : mf * p;
  }
  if (m < (uint64_t{1} << 53) && e >= -kMaxExactPow10 && e <= kMaxExactPow10) {
    // r is the correctly rounded double, at least 1e-22 (a normal float) and below FLT_MAX. Every
    // float and every midpoint of two floats is a double, so rounding r to float gives the float
    // nearest the decimal unless r is a midpoint itself: the decimal may then lie on either side.
    static_assert(9007199254740992.0 * 1e22 < FLT_MAX);
    const double r =
        ScaleByPow10(static_cast<double>(static_cast<int64_t>(m)), static_cast<int>(e));
    constexpr uint64_t kBelowFloatPrecision = (uint64_t{1} << 29) - 1;
    if ((std::bit_cast<uint64_t>(r) & kBelowFloatPrecision) != uint64_t{1} << 28) {
      return static_cast<float>(r);
    }
  }
  return std::nullopt;
}

// Significant digits kept for the exact path. A midpoint of two floats, (2k + 1) * 2^(q - 1) with
// 2k + 1 < 2^25 and q >= -149, has at most 113 significant digits (2^25 * 5^150 < 10^113), and so
// has every float. Cutting the digits after the 128th and appending a single 1 when any of them is
// non-zero keeps the value strictly between the same two multiples of the 128th digit's unit.
// A float or midpoint in there would have the same leading digit and need more than 113 digits,
// so none is: the cut value lies on the same side of every float and midpoint, and rounds alike.
constexpr int kKeptDigits = 128;

// value = digits * 10^exp10, without leading or trailing zeros (count 0 for the value zero).
struct Significand {
  std::array<uint32_t, kKeptDigits + 1> digit{};
  int count = 0;
  int64_t exp10 = 0;
};

Significand KeepSignificantDigits(const Numeral& n) {
  Significand s;
  int64_t dropped = 0;
  bool droppedNonZero = false;
  for (const std::string_view part : {n.intDigits, n.fracDigits}) {
    for (const char c : part) {
      const uint32_t d = DigitOf(c);
      if (s.count == kKeptDigits) {
        ++dropped;
        droppedNonZero |= d != 0;
      } else if (s.count != 0 || d != 0) {
        s.digit[static_cast<size_t>(s.count++)] = d;
      }
    }
  }
  s.exp10 = n.exponent - static_cast<int64_t>(n.fracDigits.size()) + dropped;
  if (droppedNonZero) {
    s.digit[static_cast<size_t>(s.count++)] = 1;
    --s.exp10;
  }
  for (; s.count > 0 && s.digit[static_cast<size_t>(s.count - 1)] == 0; --s.count) {
    ++s.exp10;
  }
  return s;
}

uint64_t LeadingDigitsValue(const Significand& s, int count) {
  uint64_t value = 0;
  for (int i = 0; i < count; ++i) {
    value = value * 10 + s.digit[static_cast<size_t>(i)];
  }
  return value;
}

// Unsigned integer of fixed capacity, ample for the comparisons: with at most 129 digits of a
// value of at least 10^-46 the decimal exponent is at least -174, so the largest number compared,
// a midpoint's odd significand (< 2^25) times 5^174 shifted left by 103 + 174, has 706 bits.
class BigInt {
 public:
  explicit BigInt(uint32_t value) {
    if (value != 0) {
      limb_[0] = value;
      size_ = 1;
    }
  }

  void MulAdd(uint32_t factor, uint32_t addend) {
    uint64_t carry = addend;
    for (size_t i = 0; i < size_; ++i) {
      const uint64_t t = uint64_t{limb_[i]} * factor + carry;
      limb_[i] = static_cast<uint32_t>(t);
      carry = t >> 32;
    }
    if (carry != 0) {
      limb_[size_++] = static_cast<uint32_t>(carry);
    }
  }

  void MulPow5(int exponent) {
    constexpr int kLargestStep = 13;  // 5^13 is the largest power of five below 2^32
    constexpr std::array<uint32_t, kLargestStep + 1> kPow5 = {
        1,     5,      25,      125,     625,      3125,      15625,
        78125, 390625, 1953125, 9765625, 48828125, 244140625, 1220703125};
    for (; exponent > kLargestStep; exponent -= kLargestStep) {
      MulAdd(kPow5[kLargestStep], 0);
    }
    MulAdd(kPow5[static_cast<size_t>(exponent)], 0);
  }

  void ShiftLeft(int bits) {
    if (size_ == 0) {
      return;
    }
    const size_t words = static_cast<size_t>(bits) / 32;
    const unsigned shift = static_cast<unsigned>(bits) % 32;
    if (shift == 0) {
      std::copy_backward(limb_.begin(), limb_.begin() + size_, limb_.begin() + size_ + words);
    } else {
      const uint32_t top = limb_[size_ - 1] >> (32 - shift);
      for (size_t i = size_ - 1; i > 0; --i) {
        limb_[i + words] = (limb_[i] << shift) | (limb_[i - 1] >> (32 - shift));
      }
      limb_[words] = limb_[0] << shift;
      if (top != 0) {
        limb_[size_ + words] = top;
        ++size_;
      }
    }
    std::fill(limb_.begin(), limb_.begin() + words, 0);
    size_ += words;
  }

  friend int Compare(const BigInt& a, const BigInt& b) {
    if (a.size_ != b.size_) {
      return a.size_ < b.size_ ? -1 : 1;
    }
    for (size_t i = a.size_; i-- > 0;) {
      if (a.limb_[i] != b.limb_[i]) {
        return a.limb_[i] < b.limb_[i] ? -1 : 1;
      }
    }
    return 0;
  }

 private:
  std::array<uint32_t, 64> limb_{};  // least significant first
  size_t size_ = 0;                  // no leading zero limb
};

BigInt DigitsValue(const Significand& s) {
  constexpr int kChunk = 9;  // 10^9 < 2^32
  BigInt value(0);
  for (int i = 0; i < s.count; i += kChunk) {
    uint32_t scale = 1;
    uint32_t chunk = 0;
    for (int j = i; j < std::min(i + kChunk, s.count); ++j) {
      scale *= 10;
      chunk = chunk * 10 + s.digit[static_cast<size_t>(j)];
    }
    value.MulAdd(scale, chunk);
  }
  return value;
}

// The decimal as scaled * 2^exp2 / pow5: the factor 5^-exp10 of a negative exponent goes to the
// other side of every comparison, so that both sides are integers.
struct ExactDecimal {
  BigInt scaled;
  BigInt pow5;
  int exp2;
};

ExactDecimal MakeExact(const Significand& s) {
  const int e = static_cast<int>(s.exp10);
  ExactDecimal x{DigitsValue(s), BigInt(1), e};
  if (e > 0) {
    x.scaled.MulPow5(e);
  } else {
    x.pow5.MulPow5(-e);
  }
  return x;
}

// Sign of (decimal - midpoint between the float with these bits and the next one up).
int CompareWithMidpointAbove(const ExactDecimal& x, uint32_t bits) {
  const uint32_t biased = bits >> 23;
  const uint32_t fraction = bits & 0x7fffff;
  const uint32_t significand = biased == 0 ? fraction : fraction | 0x800000;
  const int exp2 = (biased == 0 ? 1 : static_cast<int>(biased)) - 151;  // of the midpoint
  BigInt lhs = x.scaled;
  BigInt rhs = x.pow5;
  rhs.MulAdd(2 * significand + 1, 0);
  if (x.exp2 > exp2) {
    lhs.ShiftLeft(x.exp2 - exp2);
  } else {
    rhs.ShiftLeft(exp2 - x.exp2);
  }
  return Compare(lhs, rhs);
}

// Steps from a nearby candidate to the float nearest the decimal, ties to the even one; nullopt
// when that is beyond the largest float.
std::optional<uint32_t> NearestFloatBits(const ExactDecimal& x, uint32_t bits) {
  for (;;) {
    const int above = CompareWithMidpointAbove(x, bits);
    if (above > 0 || (above == 0 && (bits & 1) != 0)) {
      if (bits == kMaxFiniteBits) {
        return std::nullopt;
      }
      ++bits;
      continue;
    }
    if (bits != 0) {
      const int below = CompareWithMidpointAbove(x, bits - 1);
      if (below < 0 || (below == 0 && (bits & 1) != 0)) {
        --bits;
        continue;
      }
    }
    return bits;
  }
}

// A float next to, or at, the nearest one: from the first 19 digits in double, whose few roundings
// are far smaller than a float step.
uint32_t CandidateBits(const Significand& s) {
  const int used = std::min(s.count, static_cast<int>(kExactDigits));
  const double approximation = ScaleByPow10(static_cast<double>(LeadingDigitsValue(s, used)),
                                            static_cast<int>(s.exp10) + s.count - used);
  if (approximation >= static_cast<double>(FLT_MAX)) {
    return kMaxFiniteBits;
  }
  return std::bit_cast<uint32_t>(static_cast<float>(approximation));
}

DecimalFloat Finish(bool negative, float magnitude) {
  return {DecimalStatus::Ok, negative ? -magnitude : magnitude};
}

DecimalFloat ConvertExactly(const Numeral& n) {
  const Significand s = KeepSignificantDigits(n);
  if (s.count == 0) {
    return Finish(n.negative, 0.0f);
  }
  // The value lies in [10^magnitude, 10^(magnitude + 1)). FLT_MAX < 10^39 and half the smallest
  // subnormal, 2^-150, > 10^-46: outside those the result is known, and inside them the exponent
  // is small.
  const int64_t magnitude = s.count - 1 + s.exp10;
  if (magnitude >= 39) {
    return {DecimalStatus::OutOfRange, 0.0f};
  }
  if (magnitude < -46) {
    return Finish(n.negative, 0.0f);
  }
  const std::optional<uint32_t> bits = NearestFloatBits(MakeExact(s), CandidateBits(s));
  if (!bits) {
    return {DecimalStatus::OutOfRange, 0.0f};
  }
  return Finish(n.negative, std::bit_cast<float>(*bits));
}

}  // namespace

// The common short number is read and converted in registers; only the exact path gets the
// number as written.
DecimalRead ReadDecimalFloat(const char* begin, const char* end) {
  const char* p = begin;
  const bool negative = p != end && *p == '-';
  if (p != end && (*p == '+' || *p == '-')) {
    ++p;
  }
  uint64_t digitValue = 0;
  const char* const intBegin = p;
  p = ReadDigits(p, end, digitValue);
  const char* const intEnd = p;
  const char* fracBegin = p;
  if (p != end && *p == '.') {
    fracBegin = ++p;
    p = ReadDigits(p, end, digitValue);
  }
  const char* const fracEnd = p;
  const auto intCount = static_cast<size_t>(intEnd - intBegin);
  const auto fracCount = static_cast<size_t>(fracEnd - fracBegin);
  if (intCount + fracCount == 0) {
    return {{DecimalStatus::NotANumber, 0.0f}, begin};
  }
  int64_t exponent = 0;
  if (p != end && (*p == 'e' || *p == 'E')) {
    p = ReadExponent(p + 1, end, exponent);
    if (p == nullptr) {
      return {{DecimalStatus::NotANumber, 0.0f}, begin};
    }
  }
  if (intCount + fracCount <= kExactDigits) {
    if (digitValue == 0) {
      return {Finish(negative, 0.0f), p};
    }
    if (const std::optional<float> f =
            FastPath(digitValue, exponent - static_cast<int64_t>(fracCount))) {
      return {Finish(negative, *f), p};
    }
  }
  const Numeral n = {negative, std::string_view(intBegin, intCount),
                     std::string_view(fracBegin, fracCount), exponent, digitValue};
  return {ConvertExactly(n), p};
}

DecimalFloat ParseDecimalFloat(std::string_view text) {
  const char* const end = text.data() + text.size();
  const DecimalRead read = ReadDecimalFloat(text.data(), end);
  if (read.end != end) {
    return {DecimalStatus::NotANumber, 0.0f};
  }
  return read.number;
}
