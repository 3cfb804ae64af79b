#include <algorithm>
#include <array>
#include <cstdint>

#include "model/random.h"
#include "model/rounding.h"
#include "model/run_options.h"
#include "optimizer/corner_sets.h"
#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

// A sheet at least this many times the whole demand gets one sparse filling only.
constexpr double kLargeSheetRatio = 2.0;
// Below this ratio the sheet is also filled from a demand scaled down to its size.
constexpr double kSmallSheetRatio = 0.5;
constexpr int kRandomTrials = 21;
constexpr int32_t kSparseLevel = 9;

constexpr std::array<TCornerCall, 8> kTrialCalls = {
    {{1, false}, {1, true}, {4, false}, {2, false}, {3, false}, {2, true}, {3, true}, {4, true}}};

double TotalGrossArea(const TPanels& parts) {
  double total = 0.0;
  for (const T2DStock& part : parts) total += part.Count * part.GrossArea();
  return total;
}

int32_t CappedCount(int64_t count, int32_t cap) {
  return static_cast<int32_t>(std::min<int64_t>(count, cap));
}

// The parts one sheet could take in proportion to its share of the whole demand.
void ScaleToSheet(const TPanels& parts, double ratio, TPanels& working) {
  for (size_t i = 0; i < parts.Size(); ++i) {
    working[i].Count = CappedCount(RoundHalfEven(parts[i].Count * ratio) + 1, parts[i].Count);
  }
}

// How many of each part one sheet could hold at most, with a little slack.
void LimitToSheet(const TPanels& parts, double sheetArea, TPanels& limits) {
  for (size_t i = 0; i < parts.Size(); ++i) {
    const int64_t fit = RoundHalfEven(sheetArea / parts[i].GrossArea()) + 2;
    limits[i].Count = CappedCount(fit, parts[i].Count);
  }
}

void DrawWithinLimits(const TPanels& limits, TPanels& working) {
  for (size_t i = 0; i < limits.Size(); ++i) {
    const int32_t limit = limits[i].Count;
    working[i].Count = CappedCount(int64_t{Random(static_cast<uint32_t>(limit))} + 1, limit);
  }
}

// Random mixes of parts that could fill the sheet widen the choice of layouts.
void FillRandomMixes(TSeeds& seeds, const TPacket& sheet, const TPanels& limits, TPanels& working,
                     TSchemes& target) {
  for (int trial = 0; trial < kRandomTrials; ++trial) {
    DrawWithinLimits(limits, working);
    if (TotalGrossArea(working) >= sheet.GrossArea()) {
      FillWithCorners(seeds, working, sheet, 0, kTrialCalls, target);
    }
  }
}

void FillSheetTypeAgain(TSeeds& seeds, const TPanels& parts, const TPacket& sheet,
                        double demandArea, TPanels& working, TPanels& limits, TSchemes& target) {
  const double ratio = sheet.GrossArea() / demandArea;
  if (ratio >= kLargeSheetRatio) {
    seeds.GenSchemesForSheet(working, sheet, kSparseLevel, 1, false, target);
    return;
  }
  FillShortCorners(seeds, working, sheet, 0, target);
  if (ratio < kSmallSheetRatio) {
    ScaleToSheet(parts, ratio, working);
    FillShortCorners(seeds, working, sheet, 0, target);
  }
  LimitToSheet(parts, sheet.GrossArea(), limits);
  FillShortCorners(seeds, limits, sheet, 0, target);
  if (!FastMode) FillRandomMixes(seeds, sheet, limits, working, target);
}

}  // namespace

// The working counts carry over from one sheet type to the next on purpose.
void TVexlin::GenAllSchemes() {
  AllSchemes.Clear();
  TPanels working = Parts;
  TPanels limits = Parts;
  const double demandArea = TotalGrossArea(Parts);
  for (const T2DStock& sheet : Sheets) {
    FillStandardCorners(Seeds, working, MakeSheetPacket(sheet, Parts), 0, AllSchemes);
  }
  for (const T2DStock& sheet : Sheets) {
    FillSheetTypeAgain(Seeds, Parts, MakeSheetPacket(sheet, Parts), demandArea, working, limits,
                       AllSchemes);
  }
}

}  // namespace vexlin
