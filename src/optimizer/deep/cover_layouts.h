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

// The pieces of a filling with their places, read off its engine layout when it has one;
// none when that layout's pieces overlap (nested profile pairs), so that only the engine
// may move them.
std::optional<std::vector<TDeepPiece>> PatternPieces(const TDeepJob& job, const TPattern& pattern);

// The sheets of a cover, one filling per sheet cut, with their pieces' places and without
// the pieces the cover cuts more often than wanted. A filling whose pieces may not be moved
// (PatternPieces gives none) is not taken apart: its position goes to kept per sheet cut.
std::vector<TPattern> CoverSheets(const TDeepJob& job, const std::vector<TPattern>& patterns,
                                  const std::vector<int64_t>& uses, std::vector<size_t>& kept);

}  // namespace vexlin
