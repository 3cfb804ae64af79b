#include "optimizer/deep/sheet_fill.h"

namespace vexlin {

TPattern FillSheet(const TDeepJob& job, int32_t sheet, const std::vector<int32_t>& order,
                   const std::vector<int64_t>& left, TFitRule rule, bool splitAcross) {
  const TDeepSheet& stock = job.Sheets[static_cast<size_t>(sheet)];
  TSheetPacker packer(stock.Length, stock.Width, job.Guillotine, splitAcross);
  TPattern pattern;
  pattern.Sheet = sheet;
  pattern.Counts.assign(job.Parts.size(), 0);
  for (const int32_t i : order) {
    const TDeepPart& part = job.Parts[static_cast<size_t>(i)];
    TFitChoice choice;
    while (pattern.Counts[i] < left[i] &&
           packer.Find(part.Length, part.Width, part.Rotatable, rule, choice)) {
      packer.Place(choice);
      pattern.Pieces.push_back({i, choice.Place.Left, choice.Place.Top, choice.Turned});
      ++pattern.Counts[i];
      pattern.UsedArea += part.Area;
    }
  }
  return pattern;
}

}  // namespace vexlin
