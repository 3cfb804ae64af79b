#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/guillotine.h"
#include "model/packet.h"

namespace vexlin {

class TIniFile;

// A list of layouts: the candidate pool of a run, the work lists of the searches and the
// final result. Each layout's Count is the number of sheets cut to it.
class TSchemes {
 public:
  std::vector<TPacket> Items;

  TSchemes();
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

  double TotalWasteArea() const;
  double UsedPercent() const;
  double AreaLessWorstWaste() const;
  double TotalNetArea() const;
  double TotalCost() const;

  void LoadFromIni(const TIniFile& ini, std::string_view prefix);
  void SaveToIni(TIniFile& ini, std::string_view prefix) const;

 private:
  // Kept between offers so its arrays are reused.
  TGuillotine guillotine_;
};

}  // namespace vexlin
