#pragma once

#include <cstdint>
#include <vector>

#include "model/packet.h"
#include "optimizer/deep/deep_job.h"

namespace vexlin {

class TVexlin;

// The layouts of a cover as the engine keeps a result: each filling cut uses[p] times,
// and where the cover cuts a part more often than wanted, the spare pieces are taken off
// the least filled sheets first (a sheet left without pieces is not cut at all).
std::vector<TPacket> CoverLayouts(const TVexlin& engine, const TDeepJob& job,
                                  const std::vector<TPattern>& patterns,
                                  const std::vector<int64_t>& uses);

}  // namespace vexlin
