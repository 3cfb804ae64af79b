#include "model/panels.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "model/ini_file.h"
#include "model/rounding.h"

namespace vexlin {

void TPanels::Delete(size_t i) {
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
}

void TPanels::Exchange(size_t i, size_t j) {
  std::swap(items_[i], items_[j]);
}

void TPanels::AddCountOf(const T2DStock& record) {
  items_.at(static_cast<size_t>(record.Index)).Count += record.Count;
}

void TPanels::SubtractCountOf(const T2DStock& record) {
  items_.at(static_cast<size_t>(record.Index)).Count -= record.Count;
}

void TPanels::AddCounts(const TPanels& other) {
  for (size_t i = 0; i < items_.size(); ++i) AddCountOf(other.items_[i]);
}

void TPanels::SubtractCounts(const TPanels& other) {
  for (size_t i = 0; i < items_.size(); ++i) SubtractCountOf(other.items_[i]);
}

int64_t TPanels::TotalCount() const {
  int64_t total = 0;
  for (const T2DStock& item : items_) total += item.Count;
  return total;
}

bool TPanels::AllCountsZero() const {
  for (const T2DStock& item : items_) {
    if (item.Count > 0) return false;
  }
  return true;
}

bool TPanels::AnyCountExceeds(const TPanels& other) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].Count > other.items_[i].Count) return true;
  }
  return false;
}

bool TPanels::CountsWithin(const TPanels& other) const {
  return !AnyCountExceeds(other);
}

bool TPanels::SameCounts(const TPanels& other) const {
  // Lists of different lengths meet when a damaged layouts file is loaded.
  if (items_.size() != other.items_.size()) return false;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].Count != other.items_[i].Count) return false;
  }
  return true;
}

bool TPanels::CountsAbove(const TPanels& other) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].Count != other.items_[i].Count) return items_[i].Count > other.items_[i].Count;
  }
  return false;
}

int64_t TPanels::ShareDeviation(const TPanels& other) const {
  std::vector<int64_t> shares(items_.size());
  int64_t sum = 0;
  for (size_t i = 0; i < items_.size(); ++i) {
    const int64_t served = int64_t{other.items_[i].Count} * 100;
    shares[i] = items_[i].Count != 0 ? served / items_[i].Count : served;
    sum += shares[i];
  }
  const int64_t mean = sum / static_cast<int64_t>(items_.size());
  int64_t deviation = 0;
  for (int64_t share : shares) deviation += std::llabs(mean - share);
  return deviation;
}

int64_t TPanels::DemandValue(const TPanels& remaining, const TPanels& demand,
                             const TPanels& weights) const {
  double value = 0.0;
  for (size_t i = 0; i < items_.size(); ++i) {
    const int32_t count = items_[i].Count;
    if (remaining.items_[i].Count < count) return -1;
    if (demand.items_[i].Count < 1) continue;
    value += static_cast<double>(count) * weights.items_[i].Count * remaining.items_[i].Count /
             demand.items_[i].Count;
  }
  return RoundHalfEven(value);
}

void TPanels::LoadFromIni(const TIniFile& ini, std::string_view prefix) {
  const std::string base = std::string(prefix) + "PNS";
  const int32_t count = ini.ReadCount(base, "CN");
  for (int32_t i = 0; i < count; ++i) {
    T2DStock record;
    record.LoadFromIni(ini, base + std::to_string(i));
    AddCopy(record);
  }
}

void TPanels::SaveToIni(TIniFile& ini, std::string_view prefix) const {
  const std::string base = std::string(prefix) + "PNS";
  ini.WriteInteger(base, "CN", static_cast<int32_t>(items_.size()));
  for (size_t i = 0; i < items_.size(); ++i) items_[i].SaveToIni(ini, base + std::to_string(i));
}

}  // namespace vexlin
