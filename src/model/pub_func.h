#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexlin {

// Converts between number texts and scaled lengths (thousandths of the user's unit).
// The arithmetic is exact decimal: a text is read as a fixed-point value with four
// decimals, never through a binary floating-point number. "." is the decimal
// separator everywhere, so files read the same on every machine.
class TPubFunc {
 public:
  // The text as user units times DecimalScale, rounded half to even; no value when
  // the text is not a number or the result does not fit 32 bits.
  std::optional<int32_t> TextToScaled(std::string_view text) const;
  std::string ScaledToText(int32_t n) const;
  // An area in square internal units shown in square user units.
  std::string AreaToText(double area) const;

  int32_t DecimalPlaces() const;
  void SetDecimalPlaces(int32_t places);
  int32_t DecimalScale() const { return decimalScale_; }

 private:
  int32_t decimalScale_ = 1000;
};

// The one number converter of the process.
TPubFunc& PubFunc();

// Fixed-point text with four decimals: "12.5" is 125000. Blanks around the text and a
// sign are allowed; more decimals are rounded to four, half to even. No value when the
// text is not a number or beyond the fixed-point range.
std::optional<int64_t> ParseFixed4(std::string_view text);
// The shortest text of a fixed-point value: no trailing zeros, no thousands separators.
std::string FormatFixed4(int64_t value);

}  // namespace vexlin
