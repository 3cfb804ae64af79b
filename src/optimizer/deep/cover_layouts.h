#pragma once

#include <cstdint>
#include <optional>
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

// How many pieces of each part type a cover cuts beyond the demand (negative: too few).
std::vector<int64_t> SparePieces(const TDeepJob& job, const std::vector<TPattern>& patterns,
                                 const std::vector<int64_t>& uses);

// The pieces of a filling with their places, read off its engine layout when it has one;
// none when that layout's pieces overlap (nested profile pairs), so that only the engine
// may move them.
std::optional<std::vector<TDeepPiece>> PatternPieces(const TDeepJob& job, const TPattern& pattern);

}  // namespace vexlin
