#include "optimizer/deep/sheet_count_bound.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/panels.h"
#include "model/rounding.h"

namespace vexlin {
namespace {

// Each family maps a size x of a side of capacity c to a weight; whatever fits side by side
// along that side weighs at most the weight of c. Applied to both sides, a sheet's pieces
// weigh at most the product of the two full weights (Fekete & Schepers).
enum class TDffKind { Identity, Staircase, Threshold, Halving };

struct TDff {
  TDffKind Kind = TDffKind::Identity;
  int64_t Param = 0;
};

int64_t DffValue(const TDff& f, int64_t x, int64_t c) {
  const int64_t p = f.Param;
  switch (f.Kind) {
    case TDffKind::Identity:
      return x;
    case TDffKind::Staircase:  // Fekete & Schepers' u^(k), scaled by c * k
      return (p + 1) * x % c == 0 ? x * p : (p + 1) * x / c * c;
    case TDffKind::Threshold:  // small sizes weigh nothing, large ones the whole side
      return x < p ? 0 : (x > c - p ? c : x);
    case TDffKind::Halving:  // Carlier, Clautiaux & Moukrim: counts of p that fit
      if (2 * x > c) return 2 * (c / p - (c - x) / p);
      return 2 * x == c ? c / p : 2 * (x / p);
  }
  return x;
}

constexpr int64_t kStaircaseSteps = 10;
// Item evaluations per pass: keeps a job of a thousand part types within a few milliseconds.
constexpr int64_t kWork = 600'000;

struct TAxis {
  int64_t Capacity = 0;
  std::vector<int64_t> Sizes;  // distinct, ascending

  uint32_t IndexOf(int64_t size) const {
    return static_cast<uint32_t>(std::lower_bound(Sizes.begin(), Sizes.end(), size) -
                                 Sizes.begin());
  }
};

// A part type as the ways it may lie on the sheet: its sides' positions in the axes' lists.
struct TItem {
  int64_t Count = 0;
  int Ways = 0;
  int64_t X[2] = {0, 0};
  int64_t Y[2] = {0, 0};
  uint32_t XAt[2] = {0, 0};
  uint32_t YAt[2] = {0, 0};
};

// A threshold list of at most n entries, spread evenly over the candidates.
std::vector<int64_t> Spread(const std::vector<int64_t>& all, size_t n) {
  if (all.size() <= n) return all;
  std::vector<int64_t> picked;
  for (size_t i = 0; i < n; ++i) picked.push_back(all[i * all.size() / n]);
  return picked;
}

std::vector<TDff> Candidates(const TAxis& axis, size_t perFamily) {
  std::vector<TDff> list{{TDffKind::Identity, 0}};
  for (int64_t k = 1; k <= kStaircaseSteps; ++k) list.push_back({TDffKind::Staircase, k});
  std::vector<int64_t> thresholds;
  for (int64_t size : axis.Sizes) {
    if (size >= 1 && 2 * size <= axis.Capacity) thresholds.push_back(size);
  }
  for (int64_t p : Spread(thresholds, perFamily)) {
    list.push_back({TDffKind::Threshold, p});
    list.push_back({TDffKind::Halving, p});
  }
  return list;
}

class TDffBound {
 public:
  TDffBound(const TPanels& parts, int32_t length, int32_t width, bool turnAll) {
    x_.Capacity = length;
    y_.Capacity = width;
    for (const T2DStock& part : parts) AddItem(part, turnAll || part.Rotatable);
    for (TAxis* axis : {&x_, &y_}) {
      std::sort(axis->Sizes.begin(), axis->Sizes.end());
      axis->Sizes.erase(std::unique(axis->Sizes.begin(), axis->Sizes.end()), axis->Sizes.end());
    }
    for (TItem& item : items_) {
      for (int w = 0; w < item.Ways; ++w) {
        item.XAt[w] = x_.IndexOf(item.X[w]);
        item.YAt[w] = y_.IndexOf(item.Y[w]);
      }
    }
  }

  int64_t Best() const {
    if (items_.empty()) return 0;
    const int64_t n = static_cast<int64_t>(items_.size());
    const TWeights identityX = Weights({}, x_);
    const TWeights identityY = Weights({}, y_);
    const auto single = static_cast<size_t>(std::max<int64_t>(4, kWork / (4 * n)));
    int64_t best = BigItems();
    for (const TDff& f : Candidates(x_, single)) {
      best = std::max(best, Pair(Weights(f, x_), identityY));
    }
    for (const TDff& g : Candidates(y_, single)) {
      best = std::max(best, Pair(identityX, Weights(g, y_)));
    }
    const auto side = static_cast<int64_t>(std::sqrt(static_cast<double>(kWork / n)));
    const auto cross = static_cast<size_t>(std::max<int64_t>(1, (side - 1 - kStaircaseSteps) / 2));
    std::vector<TWeights> gs;
    for (const TDff& g : Candidates(y_, cross)) gs.push_back(Weights(g, y_));
    for (const TDff& f : Candidates(x_, cross)) {
      const TWeights fx = Weights(f, x_);
      for (const TWeights& gy : gs) best = std::max(best, Pair(fx, gy));
    }
    return best;
  }

 private:
  void AddItem(const T2DStock& part, bool turnable) {
    TItem item;
    item.Count = part.Count;
    const auto addWay = [&](int64_t x, int64_t y) {
      if (x > x_.Capacity || y > y_.Capacity) return;
      item.X[item.Ways] = x;
      item.Y[item.Ways] = y;
      ++item.Ways;
      x_.Sizes.push_back(x);
      y_.Sizes.push_back(y);
    };
    addWay(part.Length, part.Width);
    if (turnable && part.Length != part.Width) addWay(part.Width, part.Length);
    if (item.Ways > 0 && item.Count > 0) items_.push_back(item);
  }

  // Pieces longer than half the sheet both ways cannot share a sheet.
  int64_t BigItems() const {
    int64_t count = 0;
    for (const TItem& item : items_) {
      bool big = true;
      for (int w = 0; w < item.Ways; ++w) {
        big = big && 2 * item.X[w] > x_.Capacity && 2 * item.Y[w] > y_.Capacity;
      }
      if (big) count += item.Count;
    }
    return count;
  }

  // One function's weights of every size of an axis, and of the whole side.
  struct TWeights {
    std::vector<int64_t> Of;
    int64_t Full = 0;
  };

  static TWeights Weights(const TDff& f, const TAxis& axis) {
    TWeights weights;
    weights.Of.reserve(axis.Sizes.size());
    for (int64_t size : axis.Sizes) weights.Of.push_back(DffValue(f, size, axis.Capacity));
    weights.Full = DffValue(f, axis.Capacity, axis.Capacity);
    return weights;
  }

  // Each part lies the way it weighs least, so no sheet can hold more than its full weight.
  int64_t Pair(const TWeights& f, const TWeights& g) const {
    const Int128 full = Int128{f.Full} * g.Full;
    if (full <= 0) return 0;
    Int128 total = 0;
    for (const TItem& item : items_) {
      Int128 least = Int128{f.Of[item.XAt[0]]} * g.Of[item.YAt[0]];
      if (item.Ways == 2) least = std::min(least, Int128{f.Of[item.XAt[1]]} * g.Of[item.YAt[1]]);
      total += least * item.Count;
    }
    return static_cast<int64_t>((total + full - 1) / full);
  }

  TAxis x_;
  TAxis y_;
  std::vector<TItem> items_;
};

}  // namespace

int64_t SheetCountBound(const TPanels& parts, int32_t length, int32_t width, bool turnAll) {
  if (length <= 0 || width <= 0) return 0;
  return TDffBound(parts, length, width, turnAll).Best();
}

}  // namespace vexlin
