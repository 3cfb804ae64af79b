#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/edge_lines.h"

namespace vexlin {

class TPacket;

// One crossing of the grid of piece edges.
struct TPointunit {
  uint8_t Kind = 1;   // 0 inside a piece, 1 free, 2 on a piece outline, 3 on a cut line
  uint8_t Right = 1;  // step to the right: 0 blocked, 1 open, 2 cut
  uint8_t Down = 1;   // step downwards: 0 blocked, 1 open, 2 cut
};

// Decides whether a layout can be cut with straight edge-to-edge cuts only. Cut lines
// grow from the sheet border along the grid of piece edges, each new cut joining two
// existing ones without crossing a piece; the layout is cuttable when every piece
// outline ends up on a cut. Reused between calls to keep its arrays.
class TGuillotine {
 public:
  bool IsGuillotine(const TPacket& packet);

 private:
  TPointunit& Node(size_t row, size_t column) { return Nodes[row * XLines.size() + column]; }
  void CollectLines(const TPacket& packet);
  void MarkPiece(size_t left, size_t top, size_t right, size_t bottom);
  void MarkBorder();
  template <bool kVertical>
  bool ExtendCuts();
  template <bool kVertical>
  bool ExtendLine(size_t line);

  std::vector<int32_t> XLines;
  std::vector<int32_t> YLines;
  std::vector<TPointunit> Nodes;  // one row per Y line, one entry per X line
  size_t outlineNodes_ = 0;       // outline nodes not yet on a cut
  // The piece edges of CollectLines, and the line of each.
  std::vector<int32_t> xEdges_;
  std::vector<int32_t> yEdges_;
  std::vector<uint32_t> xLineOf_;
  std::vector<uint32_t> yLineOf_;
  TEdgeLines edgeLines_;
  // The inner lines with nodes cut across them since their last pass.
  std::vector<uint8_t> columnsPending_;
  std::vector<uint8_t> rowsPending_;
};

}  // namespace vexlin
