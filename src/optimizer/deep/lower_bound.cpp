#include "optimizer/deep/lower_bound.h"

#include <algorithm>
#include <map>
#include <vector>

#include "model/panels.h"
#include "optimizer/deep/sheet_count_bound.h"
#include "optimizer/deep/stock_cover.h"
#include "optimizer/schemes.h"

namespace vexlin {
namespace {

// Beyond this many different sets of sheet types that parts fit, only the whole part area
// is covered: the search over the sets would cost more than it proves.
constexpr size_t kMostFitSets = 64;

bool SameSize(const T2DStock& a, const T2DStock& b) {
  return (a.Length == b.Length && a.Width == b.Width) ||
         (a.Length == b.Width && a.Width == b.Length);
}

bool AllSameSize(const TPanels& sheets) {
  return std::all_of(sheets.begin(), sheets.end(),
                     [&sheets](const T2DStock& sheet) { return SameSize(sheet, sheets[0]); });
}

// Sheets lying the other way round let every part turn.
bool AnySheetTurned(const TPanels& sheets) {
  return std::any_of(sheets.begin(), sheets.end(),
                     [&sheets](const T2DStock& sheet) { return sheet.Length != sheets[0].Length; });
}

int64_t StockCount(const TPanels& sheets) {
  int64_t count = 0;
  for (const T2DStock& sheet : sheets) count += sheet.Count;
  return count;
}

int64_t SheetBound(const TPanels& parts, const TPanels& sheets) {
  const int64_t bound =
      SheetCountBound(parts, sheets[0].Length, sheets[0].Width, AnySheetTurned(sheets));
  return std::min(bound, StockCount(sheets));
}

bool Fits(const T2DStock& part, const T2DStock& sheet) {
  return (part.Length <= sheet.Length && part.Width <= sheet.Width) ||
         (part.Rotatable && part.Width <= sheet.Length && part.Length <= sheet.Width);
}

bool Within(const std::vector<char>& inner, const std::vector<char>& outer) {
  for (size_t i = 0; i < inner.size(); ++i) {
    if (inner[i] != 0 && outer[i] == 0) return false;
  }
  return true;
}

// The part area each set of sheet types must hold: the parts that fit only those types.
// The first need is the whole area, on every type that holds any part.
std::vector<TCoverNeed> CoverNeeds(const TPanels& parts, const TPanels& sheets) {
  std::map<std::vector<char>, Int128> areaByFitSet;
  TCoverNeed whole{std::vector<char>(sheets.Size(), 0), 0};
  for (const T2DStock& part : parts) {
    std::vector<char> fitSet;
    for (const T2DStock& sheet : sheets) fitSet.push_back(Fits(part, sheet) ? 1 : 0);
    const bool fitsAny = std::find(fitSet.begin(), fitSet.end(), 1) != fitSet.end();
    if (part.Count <= 0 || !fitsAny) continue;
    const Int128 area = Int128{part.Length} * part.Width * part.Count;
    for (size_t i = 0; i < fitSet.size(); ++i) whole.Types[i] |= fitSet[i];
    whole.Amount += area;
    areaByFitSet[fitSet] += area;
  }
  std::vector<TCoverNeed> needs{whole};
  if (areaByFitSet.size() > kMostFitSets) return needs;
  for (const auto& [outer, unused] : areaByFitSet) {
    TCoverNeed need{outer, 0};
    for (const auto& [inner, area] : areaByFitSet) {
      if (Within(inner, outer)) need.Amount += area;
    }
    needs.push_back(std::move(need));
  }
  return needs;
}

Int128 CoverBound(const TPanels& parts, const TPanels& sheets, TDeepMeasure measure) {
  std::vector<TCoverStock> stock;
  for (const T2DStock& sheet : sheets) {
    const int64_t value = measure == TDeepMeasure::Cost
                              ? int64_t{sheet.Cost}
                              : int64_t{sheet.NetLength()} * sheet.NetWidth();
    stock.push_back({int64_t{sheet.Length} * sheet.Width, value, sheet.Count});
  }
  const int64_t leastSheets = AllSameSize(sheets) ? SheetBound(parts, sheets) : 0;
  return LeastCover(stock, CoverNeeds(parts, sheets), leastSheets);
}

}  // namespace

TDeepMeasure JobMeasure(const TPanels& sheets, bool costMode) {
  if (costMode) return TDeepMeasure::Cost;
  return AllSameSize(sheets) ? TDeepMeasure::Sheets : TDeepMeasure::Area;
}

TLowerBound JobLowerBound(const TPanels& parts, const TPanels& sheets, bool costMode) {
  TLowerBound bound;
  bound.Measure = JobMeasure(sheets, costMode);
  if (sheets.Empty()) return bound;
  bound.Value = bound.Measure == TDeepMeasure::Sheets
                    ? static_cast<double>(SheetBound(parts, sheets))
                    : static_cast<double>(CoverBound(parts, sheets, bound.Measure));
  return bound;
}

double SheetValue(const T2DStock& sheet, TDeepMeasure measure) {
  switch (measure) {
    case TDeepMeasure::Area:
      return sheet.NetArea();
    case TDeepMeasure::Cost:
      return sheet.Cost;
    case TDeepMeasure::Sheets:
      break;
  }
  return 1.0;
}

double ResultValue(const TSchemes& result, TDeepMeasure measure) {
  double value = 0.0;
  for (const TPacket& layout : result.Items) value += layout.Count * SheetValue(layout, measure);
  return value;
}

}  // namespace vexlin
