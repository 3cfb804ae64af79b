#include "optimizer/deep/lower_bound.h"

#include <algorithm>
#include <cmath>

#include "model/panels.h"
#include "optimizer/schemes.h"

namespace vexlin {
namespace {

bool SameSize(const T2DStock& a, const T2DStock& b) {
  return (a.Length == b.Length && a.Width == b.Width) ||
         (a.Length == b.Width && a.Width == b.Length);
}

}  // namespace

TDeepMeasure JobMeasure(const TPanels& sheets, bool costMode) {
  if (costMode) return TDeepMeasure::Cost;
  for (const T2DStock& sheet : sheets) {
    if (!SameSize(sheet, sheets[0])) return TDeepMeasure::Area;
  }
  return TDeepMeasure::Sheets;
}

TLowerBound JobLowerBound(const TPanels& parts, const TPanels& sheets, bool costMode) {
  TLowerBound bound;
  bound.Measure = JobMeasure(sheets, costMode);
  if (bound.Measure != TDeepMeasure::Sheets || sheets.Empty()) return bound;
  double area = 0.0;
  for (const T2DStock& part : parts) area += part.Count * part.GrossArea();
  bound.Value = std::ceil(area / sheets[0].GrossArea() - 1e-9);
  return bound;
}

double ResultValue(const TSchemes& result, TDeepMeasure measure) {
  double value = 0.0;
  for (const TPacket& layout : result.Items) {
    switch (measure) {
      case TDeepMeasure::Sheets:
        value += layout.Count;
        break;
      case TDeepMeasure::Area:
        value += layout.Count * layout.NetArea();
        break;
      case TDeepMeasure::Cost:
        value += static_cast<double>(layout.Count) * layout.Cost;
        break;
    }
  }
  return value;
}

}  // namespace vexlin
