#include "output/offcut_generator.h"

#include <cstddef>
#include <limits>
#include <string>

#include "model/guillotine.h"
#include "model/packet.h"
#include "model/rounding.h"

namespace vexlin {
namespace {

constexpr size_t kNoChoice = std::numeric_limits<size_t>::max();

// A remnant's score, area / (length + width), kept as a fraction so that equal scores
// compare equal and the first of them wins.
struct TScore {
  Int128 Area = 0;
  Int128 Sides = 1;
};

TScore ScoreOf(const TRect& rect) {
  return TScore{Int128{rect.Length()} * rect.Width(), Int128{rect.Length()} + rect.Width()};
}

bool Above(const TScore& a, const TScore& b) {
  return a.Area * b.Sides > b.Area * a.Sides;
}

class TOffcutMaker {
 public:
  TOffcutMaker(TPacket& layout, int32_t bladeWidth, bool guillotine)
      : layout_(layout), scratch_(layout), bladeWidth_(bladeWidth), guillotine_(guillotine) {}

  void Run() {
    layout_.RebuildFreeSpace();
    while (!layout_.FreeRects.Empty()) {
      const size_t choice = ChooseRect();
      if (choice == kNoChoice) {
        if (guillotine_ && AnyAreaLeft()) TakeRemainingInOrder();
        return;
      }
      PlaceAndName(layout_.FreeRects.Record(choice));
    }
  }

 private:
  size_t ChooseRect() {
    size_t choice = kNoChoice;
    TScore best;
    for (size_t i = 0; i < layout_.FreeRects.Size(); ++i) {
      const TScore score = ScoreOf(layout_.FreeRects[i]);
      if (!Above(score, best)) continue;
      if (guillotine_ && !KeepsCuttable(layout_.FreeRects.Record(i))) continue;
      choice = i;
      best = score;
    }
    return choice;
  }

  // Remnants without area are nothing to cut, whatever the cutting mode.
  bool AnyAreaLeft() const {
    for (const TRect& rect : layout_.FreeRects) {
      if (Above(ScoreOf(rect), TScore{})) return true;
    }
    return false;
  }

  bool KeepsCuttable(const T2DStock& rect) {
    scratch_.AssignPacket(layout_);
    scratch_.PlacePiece(rect);
    return cuttability_.IsGuillotine(scratch_);
  }

  // Nothing keeps the layout cuttable: the remnants are taken as they come.
  void TakeRemainingInOrder() {
    const size_t count = layout_.FreeRects.Size();
    for (size_t i = 0; i < count && i < layout_.FreeRects.Size(); ++i) {
      PlaceAndName(layout_.FreeRects.Record(0));
    }
  }

  // Takes a copy: placing the rectangle rebuilds the free list it came from.
  void PlaceAndName(T2DStock rect) {
    layout_.PlacePiece(rect);
    T2DStock& piece = layout_.Pieces.Back();
    if (piece.Length > bladeWidth_ && piece.Width > bladeWidth_) {
      piece.SetLabel("OFFCUT_" + std::to_string(offcutNumber_++));
    } else {
      piece.SetLabel("ZEROOFFCUT_" + std::to_string(sliverNumber_++));
    }
  }

  TPacket& layout_;
  TPacket scratch_;
  TGuillotine cuttability_;
  int32_t bladeWidth_;
  bool guillotine_;
  int32_t offcutNumber_ = 1;
  int32_t sliverNumber_ = 1;
};

}  // namespace

void GenerateOffcutParts(TPacket& layout, int32_t bladeWidth, bool guillotine) {
  TOffcutMaker(layout, bladeWidth, guillotine).Run();
}

}  // namespace vexlin
