#include "model/pub_func.h"

#include <cmath>
#include <limits>

#include "model/rounding.h"

namespace vexlin {
namespace {

constexpr int64_t kFixedOne = 10000;  // four decimals

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool FitsInt64(Int128 v) {
  return v >= std::numeric_limits<int64_t>::min() && v <= std::numeric_limits<int64_t>::max();
}

bool FitsInt32(Int128 v) {
  return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

// Rounds the decimals past the fourth into the fixed-point magnitude, half to even.
Int128 RoundExtraDecimals(Int128 magnitude, std::string_view extra) {
  if (extra.empty()) return magnitude;
  const char first = extra.front();
  const bool restNonZero = extra.find_first_not_of('0', 1) != std::string_view::npos;
  const bool above = first > '5' || (first == '5' && restNonZero);
  const bool half = first == '5' && !restNonZero;
  if (above || (half && magnitude % 2 != 0)) magnitude += 1;
  return magnitude;
}

}  // namespace

std::optional<int64_t> ParseFixed4(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  Int128 magnitude = 0;
  for (char c : whole) {
    if (!IsDigit(c)) return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > std::numeric_limits<int64_t>::max()) return std::nullopt;
  }
  for (char c : fraction) {
    if (!IsDigit(c)) return std::nullopt;
  }
  for (size_t i = 0; i < 4; ++i) {
    magnitude = magnitude * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
  }
  if (fraction.size() > 4) magnitude = RoundExtraDecimals(magnitude, fraction.substr(4));
  const Int128 value = negative ? -magnitude : magnitude;
  if (!FitsInt64(value)) return std::nullopt;
  return static_cast<int64_t>(value);
}

std::string FormatFixed4(int64_t value) {
  const bool negative = value < 0;
  const UInt128 magnitude = negative ? static_cast<UInt128>(-static_cast<Int128>(value)) : value;
  std::string text = std::to_string(static_cast<uint64_t>(magnitude / kFixedOne));
  uint64_t fraction = static_cast<uint64_t>(magnitude % kFixedOne);
  if (fraction != 0) {
    std::string digits = std::to_string(fraction + kFixedOne).substr(1);
    digits.erase(digits.find_last_not_of('0') + 1);
    text += '.' + digits;
  }
  return negative ? '-' + text : text;
}

std::optional<int32_t> TPubFunc::TextToScaled(std::string_view text) const {
  const std::optional<int64_t> fixed = ParseFixed4(text);
  if (!fixed) return std::nullopt;
  const Int128 scaled = DivideHalfEven(static_cast<Int128>(*fixed) * decimalScale_, kFixedOne);
  if (!FitsInt32(scaled)) return std::nullopt;
  return static_cast<int32_t>(scaled);
}

std::string TPubFunc::ScaledToText(int32_t n) const {
  if (decimalScale_ == 0) return "0";
  return FormatFixed4(static_cast<int64_t>(DivideHalfEven(Int128{n} * kFixedOne, decimalScale_)));
}

std::string TPubFunc::AreaToText(double area) const {
  const double fixed = std::nearbyint(area * kFixedOne);
  if (!std::isfinite(fixed) || std::fabs(fixed) > 1e37 || decimalScale_ == 0) return "0";
  const Int128 once = DivideHalfEven(static_cast<Int128>(fixed), decimalScale_);
  const Int128 twice = DivideHalfEven(once, decimalScale_);
  if (!FitsInt64(twice)) return "0";
  return FormatFixed4(static_cast<int64_t>(twice));
}

int32_t TPubFunc::DecimalPlaces() const {
  switch (decimalScale_) {
    case 1:
      return 0;
    case 10:
      return 1;
    case 100:
      return 2;
    case 1000:
      return 3;
    default:
      return -1;
  }
}

TPubFunc& PubFunc() {
  static TPubFunc converter;
  return converter;
}

void TPubFunc::SetDecimalPlaces(int32_t places) {
  static constexpr int32_t kScales[] = {1, 10, 100, 1000};
  decimalScale_ = places >= 0 && places <= 3 ? kScales[places] : -1;
}

}  // namespace vexlin
