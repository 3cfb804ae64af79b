#include "optimizer/schemes.h"

#include <algorithm>
#include <string>

#include "model/guillotine_memo.h"
#include "model/ini_file.h"

namespace vexlin {
namespace {

// How two count vectors of the same part types compare entry by entry.
struct TCountOrder {
  bool NewWithin = true;   // every count of the new layout is at most the kept one's
  bool KeptWithin = true;  // every count of the kept layout is at most the new one's
};

TCountOrder CompareCounts(const int32_t* fresh, const int32_t* kept, size_t size) {
  TCountOrder order;
  for (size_t i = 0; i < size && (order.NewWithin || order.KeptWithin); ++i) {
    if (fresh[i] > kept[i]) order.NewWithin = false;
    if (fresh[i] < kept[i]) order.KeptWithin = false;
  }
  return order;
}

// Of two layouts with the same counts: the fuller one, else the one whose free space is
// in fewer and larger pieces.
bool NewIsBetter(const TPacket& fresh, double freshFill, const TPacket& kept) {
  const double gain = freshFill - kept.FillPercent();
  if (gain > 0.5) return true;
  if (gain < -0.5) return false;
  if (fresh.FreeRects.Size() != kept.FreeRects.Size()) {
    return fresh.FreeRects.Size() < kept.FreeRects.Size();
  }
  const double freshLargest = fresh.LargestFreeArea();
  const double keptLargest = kept.LargestFreeArea();
  if (freshLargest != keptLargest) return freshLargest > keptLargest;
  return fresh.TotalFreeArea() > kept.TotalFreeArea();
}

std::string SectionName(std::string_view prefix) {
  return std::string(prefix) + "SC";
}

}  // namespace

void TSchemes::BeginOffers() {
  offering_ = true;
  mirrorValid_ = false;
}

void TSchemes::EndOffers() {
  offering_ = false;
  mirrorValid_ = false;
  keptKeys_.clear();
  keptCounts_.clear();
}

TSchemes::TKeptKey TSchemes::Summary(const TPacket& layout, std::vector<int32_t>& counts) {
  TKeptKey key{
      layout.Length, layout.Width, layout.Index, counts.size(), layout.TypeCounts.Size(), 0, 0};
  for (size_t i = 0; i < layout.TypeCounts.Size(); ++i) {
    const int32_t count = layout.TypeCounts[i].Count;
    counts.push_back(count);
    if (count > 0) key.Positive |= uint64_t{1} << (i % 64);
    key.Total += count;
  }
  return key;
}

void TSchemes::MirrorItems() {
  keptKeys_.clear();
  keptCounts_.clear();
  for (const TPacket& item : Items) keptKeys_.push_back(Mirror(item));
}

void TSchemes::Overwrite(size_t k, const TPacket& layout) {
  Items[k] = layout;
  keptKeys_[k] = Mirror(layout);
}

void TSchemes::OfferScheme(const TPacket& layout, bool guillotine, int32_t level) {
  const double fill = layout.FillPercent();
  if (level < 9 && fill < 92 - 3 * level) return;
  // Outside a run of offers the list may have changed since the last one.
  if (!mirrorValid_) MirrorItems();
  mirrorValid_ = offering_;
  freshCounts_.clear();
  TOffer offer{layout, fill, guillotine, Summary(layout, freshCounts_), std::nullopt};
  for (size_t k = Items.size(); k-- > 0;) {
    if (MayCompete(offer.Key, keptKeys_[k]) && !MeetKept(offer, k)) return;
  }
  if (!offer.Stored && Accepts(offer)) {
    Items.push_back(layout);
    keptKeys_.push_back(Mirror(layout));
  }
}

bool TSchemes::Accepts(TOffer& offer) {
  if (!offer.Guillotine) return true;
  if (!offer.Cuttable) offer.Cuttable = ThreadGuillotineMemo().IsGuillotine(offer.Layout);
  return *offer.Cuttable;
}

bool TSchemes::MeetKept(TOffer& offer, size_t k) {
  const TKeptKey& key = keptKeys_[k];
  const TCountOrder order = CompareCounts(freshCounts_.data(), keptCounts_.data() + key.FirstCount,
                                          std::min(freshCounts_.size(), key.CountSize));
  if (order.NewWithin && order.KeptWithin) {
    if (NewIsBetter(offer.Layout, offer.Fill, Items[k]) && Accepts(offer)) {
      Overwrite(k, offer.Layout);
    }
    return false;
  }
  if (order.NewWithin) return false;
  if (order.KeptWithin) ReplaceDominated(offer, k);
  return true;
}

// The first dominated layout met, from the back, takes the new one's place; the others go.
void TSchemes::ReplaceDominated(TOffer& offer, size_t k) {
  if (offer.Stored) {
    Items.erase(Items.begin() + static_cast<std::ptrdiff_t>(k));
    keptKeys_.erase(keptKeys_.begin() + static_cast<std::ptrdiff_t>(k));
  } else if (Accepts(offer)) {
    Overwrite(k, offer.Layout);
    offer.Stored = true;
  }
}

void TSchemes::AddUsage(const TPacket& layout) {
  for (TPacket& item : Items) {
    if (item.Index == layout.Index && item.TypeCounts.SameCounts(layout.TypeCounts)) {
      item.Count += layout.Count;
      return;
    }
  }
  Items.push_back(layout);
}

double TSchemes::TotalWasteArea() const {
  double total = 0.0;
  for (const TPacket& item : Items) total += item.Count * item.WasteArea();
  return total;
}

double TSchemes::UsedPercent() const {
  double used = 0.0;
  double gross = 0.0;
  for (const TPacket& item : Items) {
    used += item.Count * (item.GrossArea() - item.WasteArea());
    gross += item.Count * item.GrossArea();
  }
  return used * 100 / (gross + 0.000001);
}

double TSchemes::AreaLessWorstWaste() const {
  double total = 0.0;
  const TPacket* worst = nullptr;
  double worstFill = 0.0;
  for (const TPacket& item : Items) {
    total += item.Count * item.GrossArea();
    if (item.Count <= 0) continue;
    const double fill = item.FillPercent();
    if (worst == nullptr || fill < worstFill) {
      worst = &item;
      worstFill = fill;
    }
  }
  return worst != nullptr ? total - worst->WasteArea() : total;
}

double TSchemes::TotalNetArea() const {
  double total = 0.0;
  for (const TPacket& item : Items) total += item.Count * item.NetArea();
  return total;
}

double TSchemes::TotalCost() const {
  double total = 0.0;
  for (const TPacket& item : Items) total += static_cast<double>(int64_t{item.Count} * item.Cost);
  return total;
}

void TSchemes::LoadFromIni(const TIniFile& ini, std::string_view prefix) {
  const std::string section = SectionName(prefix);
  const int32_t count = ini.ReadCount(section, "CN");
  for (int32_t i = 0; i < count; ++i) {
    TPacket layout;
    layout.LoadFromIni(ini, section + std::to_string(i));
    AddUsage(layout);
  }
}

void TSchemes::SaveToIni(TIniFile& ini, std::string_view prefix) const {
  const std::string section = SectionName(prefix);
  ini.WriteInteger(section, "CN", static_cast<int32_t>(Items.size()));
  for (size_t i = 0; i < Items.size(); ++i) Items[i].SaveToIni(ini, section + std::to_string(i));
}

}  // namespace vexlin
