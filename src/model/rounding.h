#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vexlin {

// Wide enough for any product of two 64-bit values.
__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

// Reals become integers by rounding to nearest with halves to even.
inline int64_t RoundHalfEven(double x) {
  return static_cast<int64_t>(std::nearbyint(x));
}

// The 32-bit value nearest to x: a sum that would wrap round stays at the limit instead.
inline int32_t SaturateInt32(int64_t x) {
  return static_cast<int32_t>(std::clamp<int64_t>(x, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// Integer division rounded to nearest with halves to even (denominator not 0).
inline Int128 DivideHalfEven(Int128 numerator, Int128 denominator) {
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  Int128 quotient = numerator / denominator;
  Int128 remainder = numerator % denominator;
  if (remainder < 0) {
    quotient -= 1;
    remainder += denominator;
  }
  const Int128 twice = remainder * 2;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) quotient += 1;
  return quotient;
}

}  // namespace vexlin
