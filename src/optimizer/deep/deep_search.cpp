#include "optimizer/deep/deep_search.h"

#include "optimizer/deep/deep_run.h"

namespace vexlin {

double TDeepSummary::GapPercent() const {
  if (LowerBound <= 0.0) return 0.0;
  return (Achieved - LowerBound) / LowerBound * 100.0;
}

bool TDeepSummary::Optimal() const {
  return Achieved <= LowerBound;
}

TDeepSummary RunDeepSearch(TVexlin& engine, const TDeepSettings& settings) {
  return TDeepRun(engine, settings).Run();
}

}  // namespace vexlin
