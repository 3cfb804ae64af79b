#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/free_rects.h"
#include "model/panels.h"
#include "model/stock2d.h"

namespace vexlin {

class TIniFile;

// One rectangle filled with placed pieces: the sheet of a layout, or a block of parts
// that the search builds and stamps into sheets. The free space is kept as the list of
// maximal free rectangles, in an order the search depends on.
class TPacket : public T2DStock {
 public:
  TPanels TypeCounts;  // pieces per part type, aligned with the demand list
  TPanels Pieces;
  TFreeRects FreeRects;

  // An empty packet with one 0 x 0 free rectangle.
  TPacket();
  // As TPacket(), with a zero count per entry of the demand list.
  explicit TPacket(const TPanels& demand);
  TPacket(const TPacket&) = default;
  TPacket& operator=(const TPacket&) = default;
  TPacket(TPacket&&) = default;
  TPacket& operator=(TPacket&&) = default;

  // Copies the sheet fields and the counts, pieces and free rectangles of source.
  void AssignPacket(const TPacket& source);
  void ClearPacket();

  void ResetFreeSpace();
  void CutFreeSpace(const T2DStock& piece);
  void AddFreeRect(const TRect& rect);
  void RebuildFreeSpace();

  void PlacePart(const T2DStock& piece);
  // Places without counting: offcut pieces are not parts.
  void PlacePiece(const T2DStock& piece);
  // Counts without cutting the free space.
  void RecordPart(const T2DStock& piece);
  // Stamps a block's pieces at the block's origin (the block's pieces are moved).
  void AddPacketPieces(TPacket& block);
  void ChooseCorner(const T2DStock& part, size_t freeIndex, T2DStock& result,
                    int preferredCorner) const;
  void PlaceAtCorner(T2DStock& part, size_t freeIndex, int preferredCorner) const;
  bool NoRoomFor(const T2DStock& part) const;

  void JoinPackets(bool vertical, const TPacket& a, const TPacket& b);
  void Transpose();
  void ShrinkLengths(int32_t d);
  void SortPieces();

  int64_t TotalCount() const { return TypeCounts.TotalCount(); }
  int32_t SingleTypeIndex() const;
  double Utilisation() const;
  double WasteArea() const;
  double FillPercent() const;
  double CostScore(double x) const;
  double LayoutScore(bool costMode, double x) const;
  double FreeOverlapArea(const T2DStock& rect) const;
  // The same sum, exact.
  int64_t FreeOverlapArea64(const TRect& rect) const;
  double LargestFreeArea() const;
  double TotalFreeArea() const;
  std::string Signature() const;

  // The sheet, its counts and its pieces; free rectangles are not stored.
  void LoadFromIni(const TIniFile& ini, std::string_view prefix);
  void SaveToIni(TIniFile& ini, std::string_view prefix) const;
};

}  // namespace vexlin
