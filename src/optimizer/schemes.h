#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "model/packet.h"

namespace vexlin {

class TIniFile;

// A list of layouts: the candidate pool of a run, the work lists of the searches and the
// final result. Each layout's Count is the number of sheets cut to it.
class TSchemes {
 public:
  std::vector<TPacket> Items;

  size_t Size() const { return Items.size(); }
  bool Empty() const { return Items.empty(); }
  TPacket& operator[](size_t i) { return Items[i]; }
  const TPacket& operator[](size_t i) const { return Items[i]; }

  void Clear() { Items.clear(); }
  void Assign(const TSchemes& other) { Items = other.Items; }
  // The candidate filter: keeps a copy of the layout unless a kept layout is as good.
  void OfferScheme(const TPacket& layout, bool guillotine, int32_t level);
  // Counts one more use of a layout: merged into an equal layout of the same sheet type,
  // otherwise appended.
  void AddUsage(const TPacket& layout);
  // Offers made between these two calls compare with a compact copy of the kept layouts'
  // sizes and counts; nothing but OfferScheme may change the list in between.
  void BeginOffers();
  void EndOffers();

  double TotalWasteArea() const;
  double UsedPercent() const;
  double AreaLessWorstWaste() const;
  double TotalNetArea() const;
  double TotalCost() const;

  void LoadFromIni(const TIniFile& ini, std::string_view prefix);
  void SaveToIni(TIniFile& ini, std::string_view prefix) const;

 private:
  // The sheet and where the counts of one layout stand in keptCounts_, with what rules out
  // most comparisons at once: the types of positive count (folded into 64 bits) and the total.
  struct TKeptKey {
    int32_t Length;
    int32_t Width;
    int32_t Index;
    size_t FirstCount;
    size_t CountSize;
    uint64_t Positive;
    int64_t Total;
  };

  // One offer under way.
  struct TOffer {
    const TPacket& Layout;
    double Fill;
    bool Guillotine;
    TKeptKey Key;
    std::optional<bool> Cuttable;  // the guillotine test, made at most once
    bool Stored = false;
  };

  bool Accepts(TOffer& offer);
  // Compares the offer with kept layout k, a rival by MayCompete; false when that ends the
  // offer.
  bool MeetKept(TOffer& offer, size_t k);
  void ReplaceDominated(TOffer& offer, size_t k);
  // False when the counts of a cannot all be at most those of b.
  static bool MayBeWithin(const TKeptKey& a, const TKeptKey& b) {
    if (a.CountSize != b.CountSize) return true;
    return (a.Positive & ~b.Positive) == 0 && a.Total <= b.Total;
  }
  // False when the two layouts leave each other alone: other sheets, or neither's counts
  // within the other's. Most kept layouts fail this, so it is tested inline.
  static bool MayCompete(const TKeptKey& a, const TKeptKey& b) {
    return a.Length == b.Length && a.Width == b.Width && a.Index == b.Index &&
           (MayBeWithin(a, b) || MayBeWithin(b, a));
  }
  // Appends the layout's counts to counts and describes them.
  static TKeptKey Summary(const TPacket& layout, std::vector<int32_t>& counts);
  TKeptKey Mirror(const TPacket& layout) { return Summary(layout, keptCounts_); }
  void MirrorItems();
  void Overwrite(size_t k, const TPacket& layout);

  bool offering_ = false;
  bool mirrorValid_ = false;
  std::vector<TKeptKey> keptKeys_;  // one per layout of Items during an offer
  std::vector<int32_t> keptCounts_;
  std::vector<int32_t> freshCounts_;  // the counts of the layout on offer
};

}  // namespace vexlin
