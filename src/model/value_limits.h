#pragma once

#include <cstdint>

namespace vexlin {

// The largest length (scaled) a sheet, part, blade width, edge trim or remnant size may
// have: 100,000 units. A side plus the blade width stays far inside 32 bits, and sums of a
// sheet's areas stay inside 64 bits.
constexpr int32_t kMaxScaledLength = 100'000'000;

// The largest quantity of one sheet or part row; totals of many rows stay inside 32 bits.
constexpr int32_t kMaxCount = 1'000'000;

}  // namespace vexlin
