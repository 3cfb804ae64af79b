#include "support/result_validity.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "model/guillotine.h"
#include "model/packet.h"
#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

using TFaults = std::vector<std::string>;

// A piece as the check sees it: its rectangle in 64 bits, so that no sum can wrap.
struct TBox {
  int64_t Left;
  int64_t Top;
  int64_t Right;
  int64_t Bottom;
  size_t Piece;
};

TBox BoxOf(const T2DStock& piece, size_t i) {
  return {piece.Origin.X, piece.Origin.Y, int64_t{piece.Origin.X} + piece.Length,
          int64_t{piece.Origin.Y} + piece.Width, i};
}

std::string LayoutName(size_t n) {
  return "layout " + std::to_string(n + 1);
}

std::string PieceName(const TPacket& layout, size_t n, size_t i) {
  return LayoutName(n) + ", piece " + std::to_string(i + 1) + " (" + layout.Pieces[i].Label + ")";
}

bool IsPart(const T2DStock& piece) {
  return !IsOffcutLabel(piece.Label);
}

bool KnownPartType(const TVexlin& engine, const T2DStock& piece) {
  return piece.Index >= 0 && static_cast<size_t>(piece.Index) < engine.Parts.Size();
}

// A profile row's pieces may be shorter along the row than their type: the row is trimmed.
bool Fits(int32_t pieceLength, int32_t pieceWidth, const T2DStock& type) {
  if (pieceWidth != type.Width) return false;
  return type.Shape == kShapeProfile ? pieceLength <= type.Length : pieceLength == type.Length;
}

void CheckSheet(const TVexlin& engine, const TPacket& layout, size_t n, TFaults& faults) {
  const bool known = layout.Index >= 0 && static_cast<size_t>(layout.Index) < engine.Sheets.Size();
  if (!known || engine.Sheets[layout.Index].Length != layout.Length ||
      engine.Sheets[layout.Index].Width != layout.Width) {
    faults.push_back(LayoutName(n) + ": its sheet is not one of the job's sheet types");
  }
  if (layout.Count < 1) faults.push_back(LayoutName(n) + ": cut from no sheet");
}

void CheckPartPiece(const TVexlin& engine, const TPacket& layout, size_t n, size_t i,
                    TFaults& faults) {
  const T2DStock& piece = layout.Pieces[i];
  if (!KnownPartType(engine, piece)) {
    faults.push_back(PieceName(layout, n, i) + ": of no part type of the job");
    return;
  }
  const T2DStock& type = engine.Parts[piece.Index];
  if (Fits(piece.Length, piece.Width, type)) return;
  if (!Fits(piece.Width, piece.Length, type)) {
    faults.push_back(PieceName(layout, n, i) + ": not the size of its part type");
  } else if (!type.Rotatable) {
    faults.push_back(PieceName(layout, n, i) + ": turned, but its part type may not turn");
  }
}

void CheckPieces(const TVexlin& engine, const TPacket& layout, size_t n, TFaults& faults) {
  const TBox sheet{0, 0, layout.Length, layout.Width, 0};
  for (size_t i = 0; i < layout.Pieces.Size(); ++i) {
    const T2DStock& piece = layout.Pieces[i];
    const TBox box = BoxOf(piece, i);
    if (piece.Length <= 0 || piece.Width <= 0 || box.Left < sheet.Left || box.Top < sheet.Top ||
        box.Right > sheet.Right || box.Bottom > sheet.Bottom) {
      faults.push_back(PieceName(layout, n, i) + ": not inside the sheet");
    }
    if (IsPart(piece)) CheckPartPiece(engine, layout, n, i, faults);
  }
}

// The engine pairs trapezia of one profile head to tail in a row, the second given a half
// turn, their boxes overlapping; any other two pieces must at most touch.
bool MayOverlap(const T2DStock& a, const T2DStock& b) {
  if (a.Shape != kShapeProfile || b.Shape != kShapeProfile || a.Index != b.Index) return false;
  if (IsOffcutLabel(a.Label) || (a.Orientation - b.Orientation + 4) % 4 != 2) return false;
  const TRect p = a.GetRect();
  const TRect q = b.GetRect();
  return (p.Top == q.Top && p.Bottom == q.Bottom) || (p.Left == q.Left && p.Right == q.Right);
}

void CheckOverlaps(const TPacket& layout, size_t n, TFaults& faults) {
  std::vector<TBox> boxes;
  for (size_t i = 0; i < layout.Pieces.Size(); ++i) boxes.push_back(BoxOf(layout.Pieces[i], i));
  std::sort(boxes.begin(), boxes.end(), [](const TBox& a, const TBox& b) {
    return a.Left < b.Left || (a.Left == b.Left && a.Piece < b.Piece);
  });
  for (size_t a = 0; a < boxes.size(); ++a) {
    for (size_t b = a + 1; b < boxes.size() && boxes[b].Left < boxes[a].Right; ++b) {
      if (boxes[b].Top >= boxes[a].Bottom || boxes[a].Top >= boxes[b].Bottom) continue;
      const size_t first = std::min(boxes[a].Piece, boxes[b].Piece);
      const size_t second = std::max(boxes[a].Piece, boxes[b].Piece);
      if (MayOverlap(layout.Pieces[first], layout.Pieces[second])) continue;
      faults.push_back(PieceName(layout, n, second) + ": overlaps piece " +
                       std::to_string(first + 1));
    }
  }
}

// Pieces of each part type on one sheet of the layout.
std::vector<int64_t> PiecesPerType(const TVexlin& engine, const TPacket& layout) {
  std::vector<int64_t> counts(engine.Parts.Size(), 0);
  for (const T2DStock& piece : layout.Pieces) {
    if (IsPart(piece) && KnownPartType(engine, piece)) ++counts[piece.Index];
  }
  return counts;
}

void CheckTypeCounts(const TPacket& layout, size_t n, const std::vector<int64_t>& pieces,
                     TFaults& faults) {
  if (layout.TypeCounts.Size() != pieces.size()) {
    faults.push_back(LayoutName(n) + ": its counts do not list every part type");
    return;
  }
  for (size_t t = 0; t < pieces.size(); ++t) {
    if (layout.TypeCounts[t].Count != pieces[t]) {
      faults.push_back(LayoutName(n) + ": counts " + std::to_string(layout.TypeCounts[t].Count) +
                       " of part type " + std::to_string(t + 1) + " but holds " +
                       std::to_string(pieces[t]));
    }
  }
}

void CheckDemand(const TVexlin& engine, const std::vector<int64_t>& cut,
                 const TValidityRules& rules, TFaults& faults) {
  for (size_t t = 0; t < cut.size(); ++t) {
    const int64_t demand = engine.Parts[t].Count;
    if (cut[t] == demand || (rules.StockShort && cut[t] < demand)) continue;
    faults.push_back("part type " + std::to_string(t + 1) + " (" + engine.Parts[t].Label +
                     "): " + std::to_string(cut[t]) + " pieces cut, " + std::to_string(demand) +
                     " demanded");
  }
}

void CheckStock(const TVexlin& engine, const std::vector<int64_t>& used, TFaults& faults) {
  for (size_t s = 0; s < used.size(); ++s) {
    if (used[s] <= engine.Sheets[s].Count) continue;
    faults.push_back("sheet type " + std::to_string(s + 1) + " (" + engine.Sheets[s].Label +
                     "): " + std::to_string(used[s]) + " sheets used, " +
                     std::to_string(engine.Sheets[s].Count) + " in stock");
  }
}

// Offcuts are cut from what the parts leave, and where no remnant keeps the layout cuttable
// they are taken as they come; the cutting rule binds the parts.
TPacket PartsOf(const TPacket& layout) {
  TPacket parts;
  parts.SetLength(layout.Length).SetWidth(layout.Width);
  for (const T2DStock& piece : layout.Pieces) {
    if (IsPart(piece)) parts.Pieces.AddCopy(piece);
  }
  return parts;
}

}  // namespace

std::vector<std::string> ResultFaults(const TVexlin& engine, const TValidityRules& rules) {
  TFaults faults;
  std::vector<int64_t> cut(engine.Parts.Size(), 0);
  std::vector<int64_t> used(engine.Sheets.Size(), 0);
  TGuillotine guillotine;
  for (size_t n = 0; n < engine.BestResult.Size(); ++n) {
    const TPacket& layout = engine.BestResult[n];
    CheckSheet(engine, layout, n, faults);
    CheckPieces(engine, layout, n, faults);
    CheckOverlaps(layout, n, faults);
    const std::vector<int64_t> pieces = PiecesPerType(engine, layout);
    CheckTypeCounts(layout, n, pieces, faults);
    for (size_t t = 0; t < pieces.size(); ++t) cut[t] += pieces[t] * layout.Count;
    if (layout.Index >= 0 && static_cast<size_t>(layout.Index) < used.size()) {
      used[layout.Index] += layout.Count;
    }
    if (rules.Guillotine && !guillotine.IsGuillotine(PartsOf(layout))) {
      faults.push_back(LayoutName(n) + ": cannot be cut with guillotine cuts");
    }
  }
  CheckDemand(engine, cut, rules, faults);
  CheckStock(engine, used, faults);
  return faults;
}

}  // namespace vexlin
