#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/packet.h"
#include "model/panels.h"
#include "optimizer/index_seeds.h"

namespace vexlin {

class TSchemes;

// The library of blocks of parts ("seeds") built once per run; seed 0 is always an empty
// block. Sheets are filled only from these blocks, the largest fitting ones first.
class TSeeds {
 public:
  int32_t MaxLength = 0;  // largest sheet length of the run, kerf included
  int32_t MaxWidth = 0;
  std::vector<TPacket> SeedList;
  TPanels SeedParts;  // the demand list with its full counts
  TIndexSeedsSet LengthIndex{true};
  TIndexSeedsSet WidthIndex{false};
  std::unordered_set<std::string> KnownSignatures;
  std::deque<TPacket> PendingSeeds;
  // Steps the run's progress bar; may be empty.
  std::function<void()> ProgressStep;

  TSeeds();
  void Clear();
  void SetMaxLength(int32_t value) { MaxLength = value; }
  void SetMaxWidth(int32_t value) { MaxWidth = value; }
  void AddSeed(const TPacket& seed);
  void GenBaseSeeds();
  void GenerateSeeds();
  // Fills the sheet from every seed and offers each filled sheet to target.
  void GenSchemesForSheet(const TPanels& available, const TPacket& sheet, int32_t level,
                          int corner, bool random, TSchemes& target);
};

}  // namespace vexlin
