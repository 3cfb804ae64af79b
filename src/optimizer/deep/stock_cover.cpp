#include "optimizer/deep/stock_cover.h"

#include <algorithm>
#include <numeric>

namespace vexlin {
namespace {

// The search's budget: nodes, each costing a pass over the needs and the sheet types.
constexpr int64_t kMostNodes = 200'000;
constexpr int64_t kWork = 10'000'000;
constexpr Int128 kNoCover = Int128{1} << 120;

Int128 CeilDivide(Int128 a, Int128 b) {
  return (a + b - 1) / b;
}

class TCoverSearch {
 public:
  TCoverSearch(const std::vector<TCoverStock>& stock, std::vector<TCoverNeed> needs,
               int64_t leastSheets)
      : needs_(std::move(needs)) {
    // Cheapest per unit of capacity first, so that the first choices found are good ones.
    std::vector<size_t> order(stock.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&stock](size_t a, size_t b) {
      return Int128{stock[a].Value} * stock[b].Capacity <
             Int128{stock[b].Value} * stock[a].Capacity;
    });
    int64_t allSheets = 0;
    for (size_t i : order) {
      stock_.push_back(stock[i]);
      allSheets += stock[i].Count;
    }
    for (TCoverNeed& need : needs_) {
      std::vector<char> types;
      Int128 capacity = 0;
      for (size_t i : order) {
        const bool marked = i < need.Types.size() && need.Types[i] != 0;
        types.push_back(marked ? 1 : 0);
        if (marked) capacity += Int128{stock[i].Capacity} * stock[i].Count;
      }
      need.Types = std::move(types);
      need.Amount = std::clamp<Int128>(need.Amount, 0, capacity);
    }
    sheetsLeft_ = std::clamp<int64_t>(leastSheets, 0, allSheets);
    const auto nodeWork = static_cast<int64_t>((needs_.size() + 1) * (stock_.size() + 1));
    nodeLimit_ = std::clamp<int64_t>(kWork / nodeWork, 1000, kMostNodes);
    byValue_.resize(stock_.size());
    std::iota(byValue_.begin(), byValue_.end(), size_t{0});
    std::stable_sort(byValue_.begin(), byValue_.end(),
                     [this](size_t a, size_t b) { return stock_[a].Value < stock_[b].Value; });
  }

  Int128 Run() {
    const Int128 root = Relaxed(0);
    Search(0);
    return aborted_ || best_ == kNoCover ? root : best_;
  }

 private:
  // A value no completion from this depth on can beat; kNoCover when none covers.
  Int128 Relaxed(size_t depth) const {
    Int128 bound = Cheapest(depth);
    for (const TCoverNeed& need : needs_) bound = std::max(bound, Fractional(need, depth));
    return bound;
  }

  // The need covered by whole sheets in order and a fraction of the last one.
  Int128 Fractional(const TCoverNeed& need, size_t depth) const {
    Int128 left = need.Amount;
    Int128 value = 0;
    for (size_t t = depth; t < stock_.size() && left > 0; ++t) {
      if (need.Types[t] == 0) continue;
      const TCoverStock& sheet = stock_[t];
      const Int128 whole = Int128{sheet.Capacity} * sheet.Count;
      if (whole < left) {
        value += Int128{sheet.Value} * sheet.Count;
        left -= whole;
        continue;
      }
      const Int128 full = left / sheet.Capacity;
      value += full * sheet.Value +
               CeilDivide((left - full * sheet.Capacity) * sheet.Value, sheet.Capacity);
      left = 0;
    }
    return left > 0 ? kNoCover : value;
  }

  // The cheapest sheets still open, as many as are still asked for.
  Int128 Cheapest(size_t depth) const {
    int64_t left = sheetsLeft_;
    Int128 value = 0;
    for (size_t t : byValue_) {
      if (left <= 0) break;
      if (t < depth) continue;
      const int64_t take = std::min(left, stock_[t].Count);
      value += Int128{take} * stock_[t].Value;
      left -= take;
    }
    return left > 0 ? kNoCover : value;
  }

  bool Covered() const {
    if (sheetsLeft_ > 0) return false;
    return std::all_of(needs_.begin(), needs_.end(),
                       [](const TCoverNeed& need) { return need.Amount <= 0; });
  }

  int64_t MostUseful(size_t t) const {
    const TCoverStock& sheet = stock_[t];
    int64_t most = std::max<int64_t>(sheetsLeft_, 0);
    for (const TCoverNeed& need : needs_) {
      if (need.Types[t] == 0 || need.Amount <= 0) continue;
      const Int128 sheets = CeilDivide(need.Amount, sheet.Capacity);
      most = static_cast<int64_t>(std::max<Int128>(most, std::min<Int128>(sheets, sheet.Count)));
    }
    return std::min(most, sheet.Count);
  }

  void Use(size_t t, int64_t sheets) {
    const TCoverStock& sheet = stock_[t];
    value_ += Int128{sheets} * sheet.Value;
    sheetsLeft_ -= sheets;
    for (TCoverNeed& need : needs_) {
      if (need.Types[t] != 0) need.Amount -= Int128{sheets} * sheet.Capacity;
    }
  }

  void Search(size_t depth) {
    if (++nodes_ > nodeLimit_) {
      aborted_ = true;
      return;
    }
    if (Covered()) {
      best_ = std::min(best_, value_);
      return;
    }
    if (depth == stock_.size()) return;
    const Int128 bound = Relaxed(depth);
    if (bound == kNoCover || value_ + bound >= best_) return;
    for (int64_t sheets = MostUseful(depth); sheets >= 0 && !aborted_; --sheets) {
      Use(depth, sheets);
      Search(depth + 1);
      Use(depth, -sheets);
    }
  }

  std::vector<TCoverStock> stock_;
  std::vector<TCoverNeed> needs_;
  std::vector<size_t> byValue_;
  int64_t sheetsLeft_ = 0;
  Int128 value_ = 0;
  Int128 best_ = kNoCover;
  int64_t nodes_ = 0;
  int64_t nodeLimit_ = kMostNodes;
  bool aborted_ = false;
};

}  // namespace

Int128 LeastCover(const std::vector<TCoverStock>& stock, std::vector<TCoverNeed> needs,
                  int64_t leastSheets) {
  return TCoverSearch(stock, std::move(needs), leastSheets).Run();
}

}  // namespace vexlin
