#include "input/grid_totals.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <numbers>

#include "input/grid_readers.h"
#include "model/pub_func.h"
#include "model/rounding.h"

namespace vexlin {
namespace {

// Costs are never negative. No real job comes near the limit, but a sum of products of
// 32-bit values must still not wrap.
int64_t AddClamped(int64_t sum, Int128 term) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  return static_cast<int64_t>(std::min(Int128{sum} + term, Int128{kMax}));
}

double PartArea(const T2DStock& part) {
  const double area = static_cast<double>(part.Length) * part.Width;
  return part.Shape == kShapeDisc ? area * std::numbers::pi / 4 : area;
}

std::optional<TCellFault> AddStockRow(TGridRow& row, size_t r, TGridKind kind, TGridTotals& sum) {
  if (!AllCellsFilled(row, {kStockLength, kStockWidth, kStockQty})) return std::nullopt;
  T2DStock stock;
  if (auto fault = ReadStockRow(row, r, kind, stock)) return fault;
  sum.Area += static_cast<double>(stock.Length) * stock.Width * stock.Count;
  sum.Cost = AddClamped(sum.Cost, Int128{stock.Cost} * stock.Count);
  sum.Quantity += stock.Count;
  return std::nullopt;
}

std::optional<TCellFault> AddPartRow(TGridRow& row, size_t r, TGridTotals& sum) {
  if (!AllCellsFilled(row, {kPartLength, kPartWidth, kPartQty})) return std::nullopt;
  T2DStock part;
  if (auto fault = ReadPartRow(row, r, false, part)) return fault;
  sum.Area += part.Count * PartArea(part);
  sum.Quantity += part.Count;
  return std::nullopt;
}

std::string GeneralText(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

// A cost sum may exceed what the 32-bit converter takes.
std::string ThousandthsText(int64_t value) {
  std::string text = std::to_string(value / 1000);
  if (const int64_t fraction = value % 1000; fraction != 0) {
    std::string digits = std::to_string(fraction + 1000).substr(1);
    text += '.' + digits.erase(digits.find_last_not_of('0') + 1);
  }
  return text;
}

}  // namespace

std::optional<TCellFault> ComputeGridTotals(TGrid& rows, TGridKind kind, TGridTotals& totals) {
  TGridTotals sum;
  for (size_t r = 0; r < rows.size(); ++r) {
    auto fault =
        kind == TGridKind::Parts ? AddPartRow(rows[r], r, sum) : AddStockRow(rows[r], r, kind, sum);
    if (fault) return fault;
  }
  totals = sum;
  return std::nullopt;
}

TGridTotalsTexts GridTotalsTexts(const TGridTotals& totals, TGridKind kind) {
  TGridTotalsTexts texts;
  texts.Area = kind == TGridKind::Offcuts ? PubFunc().AreaToText(totals.Area)
                                          : GeneralText(totals.Area / 1000000);
  texts.Quantity = std::to_string(totals.Quantity);
  texts.Cost = ThousandthsText(totals.Cost);
  return texts;
}

}  // namespace vexlin
