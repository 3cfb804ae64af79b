#include "optimizer/deep/deep_search.h"

#include "optimizer/deep/lower_bound.h"
#include "optimizer/vexlin.h"

namespace vexlin {

double TDeepSummary::GapPercent() const {
  if (LowerBound <= 0.0) return 0.0;
  return (Achieved - LowerBound) / LowerBound * 100.0;
}

bool TDeepSummary::Optimal() const {
  return Achieved <= LowerBound;
}

TDeepSummary RunDeepSearch(TVexlin& engine, const TDeepSettings& settings) {
  const TLowerBound bound = JobLowerBound(engine.Parts, engine.Sheets, settings.CostMode);
  TDeepSummary summary;
  summary.Ran = true;
  summary.Measure = bound.Measure;
  summary.LowerBound = bound.Value;
  summary.Achieved = ResultValue(engine.BestResult, bound.Measure);
  summary.End = summary.Optimal() ? TDeepEnd::LowerBound : TDeepEnd::WorkDone;
  return summary;
}

}  // namespace vexlin
