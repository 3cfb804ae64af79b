#include "optimizer/deep/plan_builder.h"

#include <algorithm>
#include <numeric>

#include "optimizer/deep/sheet_fill.h"

namespace vexlin {
namespace {

// A sheet of no value is taken before any other.
constexpr double kLeastValue = 1e-9;

double LeastValuePerArea(const TDeepJob& job) {
  double least = 0.0;
  for (const TDeepSheet& sheet : job.Sheets) {
    const double perArea = sheet.Value / sheet.Area;
    if (sheet.Value > 0.0 && (least == 0.0 || perArea < least)) least = perArea;
  }
  return least > 0.0 ? least : 1.0;
}

double PaidFor(const TPattern& pattern, const std::vector<double>& prices) {
  double paid = 0.0;
  for (size_t i = 0; i < pattern.Counts.size(); ++i) paid += pattern.Counts[i] * prices[i];
  return paid;
}

}  // namespace

TPlanBuilder::TPlanBuilder(const TDeepJob& job, const TChainStyle& style, uint64_t seed)
    : job_(job), style_(style), random_(seed) {
  const double perArea = LeastValuePerArea(job);
  for (const TDeepPart& part : job.Parts) prices_.push_back(part.Area * perArea);
}

std::vector<int32_t> TPlanBuilder::ShakenOrder() {
  std::vector<double> keys(prices_.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    keys[i] = prices_[i] * (1.0 + style_.Noise * (2.0 * random_.Unit() - 1.0));
  }
  std::vector<int32_t> order(prices_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&keys](int32_t a, int32_t b) { return keys[a] > keys[b]; });
  return order;
}

// The sheet type that pays best for its value, filled from what is left.
TPattern TPlanBuilder::BestSheet(const std::vector<int64_t>& left,
                                 const std::vector<int64_t>& stock) {
  const std::vector<int32_t> order = ShakenOrder();
  TPattern best;
  double bestScore = -1.0;
  for (size_t t = 0; t < job_.Sheets.size(); ++t) {
    if (stock[t] <= 0) continue;
    TPattern filled =
        FillSheet(job_, static_cast<int32_t>(t), order, left, style_.Rule, style_.SplitAcross);
    if (filled.Pieces.empty()) continue;
    const double score = PaidFor(filled, prices_) / std::max(job_.Sheets[t].Value, kLeastValue);
    if (score > bestScore) {
      bestScore = score;
      best = std::move(filled);
    }
  }
  return best;
}

bool TPlanBuilder::NextPlan(std::vector<TPattern>& patterns,
                            const std::function<bool()>& interrupted) {
  std::vector<int64_t> left;
  for (const TDeepPart& part : job_.Parts) left.push_back(part.Demand);
  std::vector<int64_t> stock;
  for (const TDeepSheet& sheet : job_.Sheets) stock.push_back(sheet.Stock);
  std::vector<TPattern> plan;
  while (std::any_of(left.begin(), left.end(), [](int64_t n) { return n > 0; })) {
    if (interrupted()) return false;
    TPattern best = BestSheet(left, stock);
    if (best.Pieces.empty()) return false;
    for (size_t i = 0; i < left.size(); ++i) left[i] -= best.Counts[i];
    --stock[static_cast<size_t>(best.Sheet)];
    plan.push_back(std::move(best));
  }
  LearnPrices(plan);
  for (TPattern& pattern : plan) patterns.push_back(std::move(pattern));
  return true;
}

void TPlanBuilder::LearnPrices(const std::vector<TPattern>& plan) {
  std::vector<double> paid(prices_.size(), 0.0);
  std::vector<double> pieces(prices_.size(), 0.0);
  for (const TPattern& pattern : plan) {
    const double value = job_.Sheets[static_cast<size_t>(pattern.Sheet)].Value;
    for (size_t i = 0; i < pattern.Counts.size(); ++i) {
      if (pattern.Counts[i] == 0) continue;
      paid[i] += pattern.Counts[i] * job_.Parts[i].Area * value / pattern.UsedArea;
      pieces[i] += pattern.Counts[i];
    }
  }
  for (size_t i = 0; i < prices_.size(); ++i) {
    if (pieces[i] == 0.0) continue;
    prices_[i] += style_.Learning * (paid[i] / pieces[i] - prices_[i]);
  }
}

}  // namespace vexlin
