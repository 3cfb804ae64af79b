#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/panels.h"
#include "optimizer/deep/deep_search.h"
#include "optimizer/schemes.h"
#include "optimizer/seeds.h"

namespace vexlin {

// The engine of one optimisation: it takes the sheets, parts and profile parts, checks
// them, and runs the seed, scheme and result phases. Every operation that can fail
// returns the message to show; an empty text means success.
class TVexlin {
 public:
  int32_t BestCount = 0;
  TSeeds Seeds;
  TSchemes AllSchemes;
  TSchemes BestResult;
  TPanels Parts;  // rectangles and discs first, then profiles, in the order added
  TPanels Sheets;
  TPanels SheetsLeft;
  TDeepSummary Deep;  // what the deep search proved of BestResult; Ran is false without it

  void Clear();
  std::string AddSheet(std::string_view label, int32_t length, int32_t width, int32_t count,
                       int32_t cost);
  std::string AddPart(std::string_view label, int32_t length, int32_t width, bool rotatable,
                      int32_t count, uint8_t shape);
  std::string AddProfile(const T2DStock& piece);
  std::string CheckPartCount();
  void AddBladeWidth();
  std::string CheckPartSizes() const;

  std::string GenAllSeeds();
  void GenAllSchemes();
  std::string GenBestResult();
  std::string GenBestCostResult();

  // Common end of both searches: drops unused layouts (normal search only), orders the
  // layouts by utilisation and their pieces by position, and counts the sheets left.
  void FinishResult(bool dropUnused);
  // SheetsLeft := Sheets less the sheets the result cuts.
  void CountSheetsLeft();

 private:
};

}  // namespace vexlin
