#include "optimizer/deep/cover_layouts.h"

#include <algorithm>
#include <numeric>

#include "optimizer/corner_sets.h"
#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

TPacket PatternLayout(const TVexlin& engine, const TPattern& pattern) {
  if (pattern.Layout != nullptr) return *pattern.Layout;
  TPacket layout = MakeSheetPacket(engine.Sheets[static_cast<size_t>(pattern.Sheet)], engine.Parts);
  for (const TDeepPiece& placed : pattern.Pieces) {
    T2DStock piece = engine.Parts[static_cast<size_t>(placed.Part)];
    piece.Count = 1;
    if (placed.Turned) piece.Turn();
    piece.Origin = TPoint{placed.X, placed.Y};
    layout.RecordPart(piece);
  }
  return layout;
}

// Takes the last pieces of each part type off the layout, as many as spare[i] allows.
void TakeOffSpare(TPacket& layout, std::vector<int64_t>& spare) {
  for (size_t k = layout.Pieces.Size(); k-- > 0;) {
    const size_t part = static_cast<size_t>(layout.Pieces[k].Index);
    if (spare[part] == 0) continue;
    --spare[part];
    layout.TypeCounts.SubtractCountOf(layout.Pieces[k]);
    layout.Pieces.Delete(k);
  }
}

bool HasSpare(const TPattern& pattern, const std::vector<int64_t>& spare) {
  for (size_t i = 0; i < spare.size(); ++i) {
    if (spare[i] > 0 && pattern.Counts[i] > 0) return true;
  }
  return false;
}

std::optional<TDeepPiece> EnginePiece(const TDeepJob& job, const T2DStock& piece) {
  if (piece.Index < 0 || static_cast<size_t>(piece.Index) >= job.Parts.size()) return {};
  const TDeepPart& part = job.Parts[static_cast<size_t>(piece.Index)];
  const bool upright = piece.Length == part.Length && piece.Width == part.Width;
  const bool turned = piece.Length == part.Width && piece.Width == part.Length;
  if (!upright && !turned) return {};
  return TDeepPiece{piece.Index, piece.Origin.X, piece.Origin.Y, !upright};
}

std::vector<int64_t> SparePieces(const TDeepJob& job, const std::vector<TPattern>& patterns,
                                 const std::vector<int64_t>& uses) {
  std::vector<int64_t> spare(job.Parts.size(), 0);
  for (size_t i = 0; i < spare.size(); ++i) spare[i] = -job.Parts[i].Demand;
  for (size_t p = 0; p < patterns.size(); ++p) {
    for (size_t i = 0; i < spare.size(); ++i) spare[i] += uses[p] * patterns[p].Counts[i];
  }
  return spare;
}

}  // namespace

std::optional<std::vector<TDeepPiece>> PatternPieces(const TDeepJob& job, const TPattern& pattern) {
  if (pattern.Layout == nullptr) return pattern.Pieces;
  const TPanels& pieces = pattern.Layout->Pieces;
  std::vector<TDeepPiece> placed;
  for (size_t k = 0; k < pieces.Size(); ++k) {
    for (size_t j = 0; j < k; ++j) {
      if (Intersects(pieces[j].GetRect(), pieces[k].GetRect())) return {};
    }
    const std::optional<TDeepPiece> piece = EnginePiece(job, pieces[k]);
    if (!piece) return {};
    placed.push_back(*piece);
  }
  return placed;
}

std::vector<TPattern> CoverSheets(const TDeepJob& job, const std::vector<TPattern>& patterns,
                                  const std::vector<int64_t>& uses, std::vector<size_t>& kept) {
  std::vector<int64_t> spare = SparePieces(job, patterns, uses);
  std::vector<TPattern> sheets;
  for (size_t p = 0; p < uses.size(); ++p) {
    const std::optional<std::vector<TDeepPiece>> pieces = PatternPieces(job, patterns[p]);
    for (int64_t use = 0; use < uses[p]; ++use) {
      if (!pieces) {
        kept.push_back(p);
        continue;
      }
      TPattern sheet;
      sheet.Sheet = patterns[p].Sheet;
      for (const TDeepPiece& piece : *pieces) {
        int64_t& extra = spare[static_cast<size_t>(piece.Part)];
        if (extra > 0) {
          --extra;
        } else {
          sheet.Pieces.push_back(piece);
        }
      }
      sheets.push_back(std::move(sheet));
    }
  }
  return sheets;
}

std::vector<TPacket> CoverLayouts(const TVexlin& engine, const TDeepJob& job,
                                  const std::vector<TPattern>& patterns,
                                  const std::vector<int64_t>& uses) {
  std::vector<int64_t> spare = SparePieces(job, patterns, uses);
  std::vector<size_t> order(patterns.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&patterns](size_t a, size_t b) {
    return patterns[a].UsedArea < patterns[b].UsedArea;
  });
  std::vector<TPacket> layouts;
  for (const size_t p : order) {
    int64_t left = uses[p];
    while (left > 0 && HasSpare(patterns[p], spare)) {
      TPacket layout = PatternLayout(engine, patterns[p]);
      TakeOffSpare(layout, spare);
      layout.Count = 1;
      layout.RebuildFreeSpace();
      if (!layout.Pieces.Empty()) layouts.push_back(std::move(layout));
      --left;
    }
    if (left == 0) continue;
    TPacket layout = PatternLayout(engine, patterns[p]);
    layout.Count = static_cast<int32_t>(left);
    layout.RebuildFreeSpace();
    layouts.push_back(std::move(layout));
  }
  return layouts;
}

}  // namespace vexlin
