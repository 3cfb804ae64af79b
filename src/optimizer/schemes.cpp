#include "optimizer/schemes.h"

#include <algorithm>
#include <optional>
#include <string>

#include "model/ini_file.h"

namespace vexlin {
namespace {

// How two count vectors of the same part types compare entry by entry.
struct TCountOrder {
  bool NewWithin = true;   // every count of the new layout is at most the kept one's
  bool KeptWithin = true;  // every count of the kept layout is at most the new one's
};

TCountOrder CompareCounts(const TPanels& fresh, const TPanels& kept) {
  TCountOrder order;
  for (size_t i = 0; i < fresh.Size() && (order.NewWithin || order.KeptWithin); ++i) {
    if (fresh[i].Count > kept[i].Count) order.NewWithin = false;
    if (fresh[i].Count < kept[i].Count) order.KeptWithin = false;
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

bool SameSheet(const TPacket& a, const TPacket& b) {
  return a.Length == b.Length && a.Width == b.Width && a.Index == b.Index;
}

std::string SectionName(std::string_view prefix) {
  return std::string(prefix) + "SC";
}

}  // namespace

TSchemes::TSchemes() {
  Items.reserve(2048);
}

void TSchemes::OfferScheme(const TPacket& layout, bool guillotine, int32_t level) {
  const double fill = layout.FillPercent();
  if (level < 9 && fill < 92 - 3 * level) return;
  // The layout does not change during the offer, so it is tested at most once.
  std::optional<bool> cuttable;
  const auto accepted = [&] {
    if (!guillotine) return true;
    if (!cuttable) cuttable = guillotine_.IsGuillotine(layout);
    return *cuttable;
  };
  bool stored = false;
  for (size_t k = Items.size(); k-- > 0;) {
    TPacket& kept = Items[k];
    if (!SameSheet(kept, layout)) continue;
    const TCountOrder order = CompareCounts(layout.TypeCounts, kept.TypeCounts);
    if (order.NewWithin && order.KeptWithin) {
      if (NewIsBetter(layout, fill, kept) && accepted()) kept = layout;
      return;
    }
    if (order.NewWithin) return;
    if (!order.KeptWithin) continue;
    if (stored) {
      Items.erase(Items.begin() + static_cast<std::ptrdiff_t>(k));
    } else if (accepted()) {
      kept = layout;
      stored = true;
    }
  }
  if (!stored && accepted()) Items.push_back(layout);
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
  // Every layout has sections of its own, so a damaged count cannot exceed them.
  const int64_t count = std::min<int64_t>(ini.ReadInteger(section, "CN", 0),
                                          static_cast<int64_t>(ini.SectionCount()));
  for (int64_t i = 0; i < count; ++i) {
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
