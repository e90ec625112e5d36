// Conversion of one decimal number of a data file to single precision, correctly rounded.
#pragma once

#include <string_view>

enum class DecimalStatus {
  // value holds the number, correctly rounded to nearest-even; underflow gives 0 or a subnormal,
  // with the number's sign ("-0" and "-1e-60" give -0.0f)
  Ok,
  NotANumber,  // the text is not exactly one number
  OutOfRange,  // the number rounds beyond the largest single-precision value
};

struct DecimalFloat {
  DecimalStatus status = DecimalStatus::NotANumber;
  float value = 0;
};

struct DecimalRead {
  DecimalFloat number;
  const char* end;  // just after the number; where it began when there is none
};

// Reads the number that starts at `begin`, up to the first character that cannot continue it, in
// the syntax below (the caller decides what may follow it). Saves a separate search for the end
// of each number in a record of millions.
DecimalRead ReadDecimalFloat(const char* begin, const char* end);

// Reads `text` as exactly one number: an optional sign "+" or "-", digits with an optional "."
// and more digits (at least one digit in all), then, only after a digit, an optional exponent
// "e" or "E" with an optional sign and at least one digit. The point is "." whatever the locale;
// there are no hexadecimal, infinity or not-a-number forms. Nothing may precede or follow.
DecimalFloat ParseDecimalFloat(std::string_view text);
