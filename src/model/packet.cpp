#include "model/packet.h"

#include <algorithm>
#include <array>

#include "model/ini_file.h"

namespace vexlin {
namespace {

// Where a part's top-left corner goes for the corners 1 to 4 of a free rectangle.
TPoint CornerPosition(const TRect& free, const T2DStock& part, int corner) {
  switch (corner) {
    case 1:
      return {free.Left, free.Top};
    case 2:
      return {free.Left, free.Bottom - part.Width};
    case 3:
      return {free.Right - part.Length, free.Top};
    default:
      return {free.Right - part.Length, free.Bottom - part.Width};
  }
}

// As T2DStock::GrossArea of the rectangle's record.
double RectArea(const TRect& rect) {
  return static_cast<double>(rect.Length()) * static_cast<double>(rect.Width());
}

bool FitsIn(const TRect& free, int32_t length, int32_t width) {
  return free.Length() >= length && free.Width() >= width;
}

}  // namespace

TPacket::TPacket() {
  ResetFreeSpace();
}

TPacket::TPacket(const TPanels& demand) : TPacket() {
  TypeCounts = demand;
  for (T2DStock& entry : TypeCounts) entry.Count = 0;
}

void TPacket::AssignPacket(const TPacket& source) {
  *this = source;
}

void TPacket::ClearPacket() {
  for (T2DStock& entry : TypeCounts) entry.Count = 0;
  ResetFreeSpace();
  Pieces.ClearAll();
}

void TPacket::ResetFreeSpace() {
  FreeRects.ResetToSheet(GetRect());
}

void TPacket::CutFreeSpace(const T2DStock& piece) {
  FreeRects.Cut(piece.GetRect());
}

void TPacket::AddFreeRect(const TRect& rect) {
  FreeRects.Add(rect);
}

void TPacket::RebuildFreeSpace() {
  ResetFreeSpace();
  for (const T2DStock& piece : Pieces) CutFreeSpace(piece);
}

void TPacket::PlacePart(const T2DStock& piece) {
  Pieces.AddCopy(piece);
  TypeCounts.AddCountOf(piece);
  CutFreeSpace(piece);
}

void TPacket::PlacePiece(const T2DStock& piece) {
  Pieces.AddCopy(piece);
  CutFreeSpace(piece);
}

void TPacket::RecordPart(const T2DStock& piece) {
  Pieces.AddCopy(piece);
  TypeCounts.AddCountOf(piece);
}

void TPacket::AddPacketPieces(TPacket& block) {
  for (T2DStock& piece : block.Pieces) {
    piece.Origin.X += block.Origin.X;
    piece.Origin.Y += block.Origin.Y;
    PlacePart(piece);
  }
}

void TPacket::ChooseCorner(const T2DStock& part, size_t freeIndex, T2DStock& result,
                           int preferredCorner) const {
  const TRect free = FreeRects[freeIndex];
  // The four placements side by side, so that one pass over the free list sums all four
  // overlaps at once; sides clamped at zero give an empty overlap no area without a branch.
  std::array<int32_t, 4> left, top, right, bottom;
  for (size_t c = 0; c < 4; ++c) {
    const TPoint origin = CornerPosition(free, part, static_cast<int>(c) + 1);
    left[c] = origin.X;
    top[c] = origin.Y;
    right[c] = origin.X + part.Length;
    bottom[c] = origin.Y + part.Width;
  }
  std::array<int64_t, 4> scores{};
  for (const TRect& other : FreeRects) {
    for (size_t c = 0; c < 4; ++c) {
      const int32_t length = std::min(other.Right, right[c]) - std::max(other.Left, left[c]);
      const int32_t width = std::min(other.Bottom, bottom[c]) - std::max(other.Top, top[c]);
      scores[c] += int64_t{std::max(length, 0)} * std::max(width, 0);
    }
  }
  const int64_t best = *std::min_element(scores.begin(), scores.end());
  int chosen = preferredCorner;
  if (scores.at(static_cast<size_t>(preferredCorner - 1)) != best) {
    chosen = 4;
    while (scores[chosen - 1] != best) --chosen;
  }
  result = part;
  result.Origin = CornerPosition(free, part, chosen);
}

void TPacket::PlaceAtCorner(T2DStock& part, size_t freeIndex, int preferredCorner) const {
  T2DStock outline;
  outline.Origin = part.Origin;
  outline.Length = part.Length;
  outline.Width = part.Width;
  T2DStock placed;
  ChooseCorner(outline, freeIndex, placed, preferredCorner);
  part.Origin = placed.Origin;
}

bool TPacket::NoRoomFor(const T2DStock& part) const {
  for (const TRect& free : FreeRects) {
    if (FitsIn(free, part.Length, part.Width)) return false;
    if (part.Rotatable && FitsIn(free, part.Width, part.Length)) return false;
  }
  return true;
}

void TPacket::JoinPackets(bool vertical, const TPacket& a, const TPacket& b) {
  if (this == &a || this == &b) {
    const TPacket copyA(a);
    const TPacket copyB(b);
    JoinPackets(vertical, copyA, copyB);
    return;
  }
  const bool sidesMatch = vertical ? a.Length == b.Length : a.Width == b.Width;
  const bool aFirst = !sidesMatch || a.TypeCounts.CountsAbove(b.TypeCounts);
  const TPacket& first = aFirst ? a : b;
  const TPacket& second = aFirst ? b : a;
  AssignPacket(first);
  TPoint offset = first.Origin;
  if (vertical) {
    offset.Y += first.Width;
    Width = first.Width + second.Width;
  } else {
    offset.X += first.Length;
    Length = first.Length + second.Length;
  }
  RebuildFreeSpace();
  for (const T2DStock& piece : second.Pieces) {
    RecordPart(piece);
    Pieces.Back().Origin = TPoint{piece.Origin.X + offset.X, piece.Origin.Y + offset.Y};
  }
}

void TPacket::Transpose() {
  Turn();
  for (T2DStock& piece : Pieces) {
    piece.Origin = TPoint{piece.Origin.Y, piece.Origin.X};
    piece.Turn();
  }
  for (TRect& free : FreeRects) free = TRect{free.Top, free.Left, free.Bottom, free.Right};
}

void TPacket::ShrinkLengths(int32_t d) {
  Length -= 2 * d;
  for (T2DStock& piece : Pieces) piece.Length -= 2 * d;
}

void TPacket::SortPieces() {
  // Stable: pieces at equal positions keep their order.
  std::stable_sort(Pieces.begin(), Pieces.end(), [](const T2DStock& a, const T2DStock& b) {
    return a.Origin.Y < b.Origin.Y || (a.Origin.Y == b.Origin.Y && a.Origin.X < b.Origin.X);
  });
}

int32_t TPacket::SingleTypeIndex() const {
  int32_t found = -1;
  for (size_t i = 0; i < TypeCounts.Size(); ++i) {
    if (TypeCounts[i].Count <= 0) continue;
    if (found >= 0) return -1;
    found = static_cast<int32_t>(i);
  }
  return found;
}

double TPacket::Utilisation() const {
  const bool allCount = TotalCount() == static_cast<int64_t>(Pieces.Size());
  double material = 0.0;
  for (const T2DStock& piece : Pieces) {
    if (allCount || !IsOffcutLabel(piece.Label)) material += piece.MaterialArea();
  }
  return material / (static_cast<double>(Length) * Width + 0.1) * 100;
}

double TPacket::WasteArea() const {
  return (100 - Utilisation()) * (static_cast<double>(Length) * Width) / 100;
}

double TPacket::FillPercent() const {
  double covered = 0.0;
  for (const T2DStock& piece : Pieces) {
    if (piece.Shape == kShapeRectangle || piece.Shape == kShapeDisc) {
      covered += piece.GrossArea();
    } else if (piece.Shape == kShapeProfile) {
      covered += piece.MaterialArea() * piece.AreaFactor;
    }
  }
  return covered / (static_cast<double>(Length) * Width) * 100;
}

double TPacket::CostScore(double x) const {
  // A free sheet scores as if it cost 1; its cost itself stays 0 for the reports.
  const double cost = Cost == 0 ? 1.0 : Cost;
  return GrossArea() / cost / x * FillPercent();
}

double TPacket::LayoutScore(bool costMode, double x) const {
  return costMode ? CostScore(x) : FillPercent();
}

int64_t TPacket::FreeOverlapArea64(const TRect& rect) const {
  int64_t sum = 0;
  for (const TRect& free : FreeRects) {
    const TRect overlap = Intersection(free, rect);
    if (!overlap.IsEmpty()) sum += overlap.Area();
  }
  return sum;
}

double TPacket::FreeOverlapArea(const T2DStock& rect) const {
  return static_cast<double>(FreeOverlapArea64(rect.GetRect()));
}

double TPacket::LargestFreeArea() const {
  double largest = 0.0;
  for (const TRect& free : FreeRects) largest = std::max(largest, RectArea(free));
  return largest;
}

double TPacket::TotalFreeArea() const {
  double total = 0.0;
  for (const TRect& free : FreeRects) total += RectArea(free);
  return total;
}

std::string TPacket::Signature() const {
  std::string text = std::to_string(Length) + ' ' + std::to_string(Width);
  for (const T2DStock& entry : TypeCounts) text += ' ' + std::to_string(entry.Count);
  return text;
}

void TPacket::LoadFromIni(const TIniFile& ini, std::string_view prefix) {
  const std::string pk = std::string(prefix) + "PK";
  T2DStock::LoadFromIni(ini, pk);
  TypeCounts.LoadFromIni(ini, pk + "N");
  Pieces.LoadFromIni(ini, pk + "U");
}

void TPacket::SaveToIni(TIniFile& ini, std::string_view prefix) const {
  const std::string pk = std::string(prefix) + "PK";
  T2DStock::SaveToIni(ini, pk);
  TypeCounts.SaveToIni(ini, pk + "N");
  Pieces.SaveToIni(ini, pk + "U");
}

}  // namespace vexlin
