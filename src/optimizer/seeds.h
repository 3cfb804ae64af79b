#pragma once

#include <cstdint>
#include <vector>

#include "model/packet.h"
#include "model/panels.h"

namespace vexlin {

// The library of blocks of parts ("seeds") built once per run; seed 0 is always an
// empty block. Sheets are filled only from these blocks.
class TSeeds {
 public:
  int32_t MaxLength = 0;
  int32_t MaxWidth = 0;
  std::vector<TPacket> SeedList;
  TPanels SeedParts;  // the demand list with its full counts

  void Clear();
  void SetMaxLength(int32_t value) { MaxLength = value; }
  void SetMaxWidth(int32_t value) { MaxWidth = value; }
  void GenerateSeeds();
};

}  // namespace vexlin
