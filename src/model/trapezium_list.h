#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "model/trapezium.h"

namespace vexlin {

// The profile shape list: owned shape records with unique names, in the order they were
// added. A record found by name stays valid until the list changes.
class TTrapeziumList {
 public:
  size_t Size() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  TTrapezium& operator[](size_t i) { return items_[i]; }
  const TTrapezium& operator[](size_t i) const { return items_[i]; }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  // Exact, case-sensitive match; nullptr when there is none.
  const TTrapezium* FindByName(std::string_view name) const;
  TTrapezium* FindByName(std::string_view name);
  // A record of the same name takes the shape in place; otherwise a copy is appended.
  void AddOrReplace(const TTrapezium& shape);
  void DeleteByName(std::string_view name);
  void ClearList() { items_.clear(); }

 private:
  std::vector<TTrapezium> items_;
};

// The one profile shape list of the program.
TTrapeziumList& ProfileShapes();

}  // namespace vexlin
