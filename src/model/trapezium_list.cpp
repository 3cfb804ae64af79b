#include "model/trapezium_list.h"

#include <algorithm>
#include <utility>

namespace vexlin {

const TTrapezium* TTrapeziumList::FindByName(std::string_view name) const {
  const auto it = std::ranges::find(items_, name, &TTrapezium::Name);
  return it != items_.end() ? &*it : nullptr;
}

TTrapezium* TTrapeziumList::FindByName(std::string_view name) {
  return const_cast<TTrapezium*>(std::as_const(*this).FindByName(name));
}

void TTrapeziumList::AddOrReplace(const TTrapezium& shape) {
  if (TTrapezium* existing = FindByName(shape.Name)) {
    existing->Assign(shape);
  } else {
    items_.push_back(shape);
  }
}

void TTrapeziumList::DeleteByName(std::string_view name) {
  const auto it = std::ranges::find(items_, name, &TTrapezium::Name);
  if (it != items_.end()) items_.erase(it);
}

TTrapeziumList& ProfileShapes() {
  static TTrapeziumList list;
  return list;
}

}  // namespace vexlin
