#include "optimizer/deep/deep_job.h"

#include <algorithm>

#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

// Small enough that the sheets of a plan seldom outweigh a real difference in area; the
// plans themselves are compared exactly.
constexpr double kSheetTieBreak = 1e-5;

double NetArea(const T2DStock& sheet) {
  return static_cast<double>(sheet.NetLength()) * sheet.NetWidth();
}

}  // namespace

TDeepJob TDeepJob::FromEngine(const TVexlin& engine, bool costMode, bool guillotine) {
  TDeepJob job;
  job.CostMode = costMode;
  job.Guillotine = guillotine;
  for (const T2DStock& part : engine.Parts) {
    job.Parts.push_back({part.Length, part.Width, part.Rotatable, part.Count, part.GrossArea()});
  }
  double largest = 0.0;
  for (const T2DStock& sheet : engine.Sheets) {
    largest = std::max(largest, costMode ? static_cast<double>(sheet.Cost) : NetArea(sheet));
  }
  for (const T2DStock& sheet : engine.Sheets) {
    const double value = costMode ? static_cast<double>(sheet.Cost) : NetArea(sheet);
    job.Sheets.push_back({sheet.Length, sheet.Width, sheet.Count,
                          largest > 0.0 ? value / largest : 0.0, sheet.GrossArea()});
  }
  return job;
}

double TDeepJob::PatternCost(int32_t sheet) const {
  return Sheets[static_cast<size_t>(sheet)].Value + (CostMode ? 0.0 : kSheetTieBreak);
}

}  // namespace vexlin
