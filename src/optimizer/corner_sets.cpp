#include "optimizer/corner_sets.h"

#include <array>

#include "model/run_options.h"
#include "optimizer/schemes.h"
#include "optimizer/seeds.h"

namespace vexlin {
namespace {

// Fast mode runs only the leading calls of each set.
constexpr std::array<TCornerCall, 8> kStandardCalls = {
    {{1, false}, {4, false}, {2, false}, {3, false}, {1, true}, {2, true}, {3, true}, {4, true}}};
constexpr size_t kStandardFastCalls = 2;

constexpr std::array<TCornerCall, 8> kShortCalls = {
    {{1, false}, {4, false}, {1, true}, {2, false}, {3, false}, {2, true}, {3, true}, {4, true}}};
constexpr size_t kShortFastCalls = 3;

}  // namespace

TPacket MakeSheetPacket(const T2DStock& sheet, const TPanels& parts) {
  TPacket packet(parts);
  packet.SetLength(sheet.Length).SetWidth(sheet.Width).SetIndex(sheet.Index);
  packet.SetLabel(sheet.Label).SetCost(sheet.Cost).SetCount(1).SetOrigin({0, 0});
  packet.ResetFreeSpace();
  return packet;
}

void FillWithCorners(TSeeds& seeds, const TPanels& available, const TPacket& sheet, int32_t level,
                     std::span<const TCornerCall> calls, TSchemes& target) {
  for (const TCornerCall& call : calls) {
    seeds.GenSchemesForSheet(available, sheet, level, call.Corner, call.Random, target);
  }
}

void FillStandardCorners(TSeeds& seeds, const TPanels& available, const TPacket& sheet,
                         int32_t level, TSchemes& target) {
  const std::span<const TCornerCall> calls(kStandardCalls);
  FillWithCorners(seeds, available, sheet, level,
                  FastMode ? calls.first(kStandardFastCalls) : calls, target);
}

void FillShortCorners(TSeeds& seeds, const TPanels& available, const TPacket& sheet, int32_t level,
                      TSchemes& target) {
  const std::span<const TCornerCall> calls(kShortCalls);
  FillWithCorners(seeds, available, sheet, level, FastMode ? calls.first(kShortFastCalls) : calls,
                  target);
}

}  // namespace vexlin
