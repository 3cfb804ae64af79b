#include "model/guillotine.h"

#include <algorithm>

#include "model/packet.h"

namespace vexlin {
namespace {

constexpr uint8_t kInside = 0;
constexpr uint8_t kOutline = 2;
constexpr uint8_t kCut = 3;
constexpr uint8_t kBlocked = 0;
constexpr uint8_t kOpen = 1;
constexpr uint8_t kCutStep = 2;

}  // namespace

bool TGuillotine::IsGuillotine(const TPacket& packet) {
  CollectLines(packet);
  Nodes.assign(XLines.size() * YLines.size(), TPointunit{});
  for (size_t i = 0; i < packet.Pieces.Size(); ++i) {
    MarkPiece(xLineOf_[2 * i], yLineOf_[2 * i], xLineOf_[2 * i + 1], yLineOf_[2 * i + 1]);
  }
  MarkBorder();
  outlineNodes_ = static_cast<size_t>(std::count_if(
      Nodes.begin(), Nodes.end(), [](const TPointunit& node) { return node.Kind == kOutline; }));
  columnsPending_.assign(XLines.size(), 1);
  rowsPending_.assign(YLines.size(), 1);
  // Cuts only ever grow, so the answer is known once no outline node is left uncut.
  bool changed = true;
  while (changed && outlineNodes_ > 0) {
    changed = ExtendCuts<true>();
    changed = ExtendCuts<false>() || changed;
  }
  return outlineNodes_ == 0;
}

// Slots 2i and 2i + 1 hold the near and far edge of piece i; the sheet's own edges take the
// two slots after the pieces.
void TGuillotine::CollectLines(const TPacket& packet) {
  const size_t pieces = packet.Pieces.Size();
  xEdges_.resize(2 * pieces + 2);
  yEdges_.resize(2 * pieces + 2);
  for (size_t i = 0; i < pieces; ++i) {
    const TRect rect = packet.Pieces[i].GetRect();
    xEdges_[2 * i] = rect.Left;
    xEdges_[2 * i + 1] = rect.Right;
    yEdges_[2 * i] = rect.Top;
    yEdges_[2 * i + 1] = rect.Bottom;
  }
  xEdges_[2 * pieces] = 0;
  xEdges_[2 * pieces + 1] = packet.Length;
  yEdges_[2 * pieces] = 0;
  yEdges_[2 * pieces + 1] = packet.Width;
  edgeLines_.Gather(xEdges_, XLines, xLineOf_);
  edgeLines_.Gather(yEdges_, YLines, yLineOf_);
}

void TGuillotine::MarkPiece(size_t left, size_t top, size_t right, size_t bottom) {
  const auto set = [this](size_t row, size_t column, int kind, int rightStep, int downStep) {
    TPointunit& node = Node(row, column);
    if (kind >= 0) node.Kind = static_cast<uint8_t>(kind);
    if (rightStep >= 0) node.Right = static_cast<uint8_t>(rightStep);
    if (downStep >= 0) node.Down = static_cast<uint8_t>(downStep);
  };
  constexpr int kKeep = -1;
  set(top, left, kOutline, kOpen, kOpen);
  set(top, right, kOutline, kKeep, kOpen);
  set(bottom, left, kOutline, kOpen, kKeep);
  set(bottom, right, kOutline, kKeep, kKeep);
  for (size_t column = left + 1; column < right; ++column) {
    set(top, column, kOutline, kOpen, kBlocked);
    set(bottom, column, kOutline, kOpen, kKeep);
  }
  for (size_t row = top + 1; row < bottom; ++row) {
    set(row, left, kOutline, kBlocked, kOpen);
    set(row, right, kOutline, kKeep, kOpen);
    for (size_t column = left + 1; column < right; ++column) {
      set(row, column, kInside, kBlocked, kBlocked);
    }
  }
}

void TGuillotine::MarkBorder() {
  const size_t lastRow = YLines.size() - 1;
  const size_t lastColumn = XLines.size() - 1;
  for (size_t column = 0; column <= lastColumn; ++column) {
    for (size_t row : {size_t{0}, lastRow}) {
      Node(row, column).Kind = kCut;
      Node(row, column).Right = kCutStep;
    }
  }
  for (size_t row = 0; row <= lastRow; ++row) {
    for (size_t column : {size_t{0}, lastColumn}) {
      Node(row, column).Kind = kCut;
      Node(row, column).Down = kCutStep;
    }
  }
}

// One pass over the inner lines of one direction that nodes were cut on since their last
// pass: a line whose nodes stayed as they were would yield no new cut. Cuts only grow, and
// each pass extends every cut its lines allow, so skipping those lines reaches the very cuts
// that passes over all lines reach.
template <bool kVertical>
bool TGuillotine::ExtendCuts() {
  std::vector<uint8_t>& pending = kVertical ? columnsPending_ : rowsPending_;
  bool changed = false;
  for (size_t line = 1; line + 1 < pending.size(); ++line) {
    if (!pending[line]) continue;
    pending[line] = 0;
    changed = ExtendLine<kVertical>(line) || changed;
  }
  return changed;
}

// A cut runs from one cut node to the next when nothing blocks the way. A cut node whose
// step onwards is blocked (a piece lies beyond it) ends the cut, so a cut never crosses a
// thin piece.
template <bool kVertical>
bool TGuillotine::ExtendLine(size_t line) {
  const size_t columns = XLines.size();
  const size_t steps = kVertical ? YLines.size() : columns;
  // Neighbouring nodes along a line lie this far apart in the array.
  const size_t stride = kVertical ? columns : 1;
  std::vector<uint8_t>& crossing = kVertical ? rowsPending_ : columnsPending_;
  TPointunit* first = &Nodes[kVertical ? line : line * columns];
  const auto onward = [](TPointunit& node) -> uint8_t& {
    return kVertical ? node.Down : node.Right;
  };
  bool changed = false;
  bool open = false;
  size_t start = 0;
  for (size_t step = 0; step < steps; ++step) {
    TPointunit& node = first[step * stride];
    if (node.Kind == kInside || (node.Kind == kOutline && onward(node) == kBlocked)) {
      open = false;
    } else if (node.Kind == kCut && !open) {
      if (onward(node) != kBlocked) {
        start = step;
        open = true;
      }
    } else if (node.Kind == kCut) {
      for (size_t between = start + 1; between < step; ++between) {
        TPointunit& passed = first[between * stride];
        if (passed.Kind == kCut) continue;
        if (passed.Kind == kOutline) --outlineNodes_;
        passed.Kind = kCut;
        onward(passed) = kCutStep;
        crossing[between] = 1;
        changed = true;
      }
      start = step;
      open = onward(node) != kBlocked;
    }
  }
  return changed;
}

}  // namespace vexlin
