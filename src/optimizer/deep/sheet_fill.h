#pragma once

#include <cstdint>
#include <vector>

#include "optimizer/deep/deep_job.h"
#include "optimizer/deep/sheet_packer.h"

namespace vexlin {

// Fills one sheet of the given type from the pieces left, part type by part type in the
// given order, each as often as it fits and is left.
TPattern FillSheet(const TDeepJob& job, int32_t sheet, const std::vector<int32_t>& order,
                   const std::vector<int64_t>& left, TFitRule rule, bool splitAcross);

}  // namespace vexlin
