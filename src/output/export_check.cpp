#include "output/export_check.h"

#include "model/stock2d.h"
#include "model/text_table.h"
#include "model/trapezium_list.h"
#include "optimizer/schemes.h"

namespace vexlin {
namespace {

bool Exportable(const T2DStock& piece) {
  if (piece.Shape == kShapeRectangle || piece.Shape == kShapeDisc) return true;
  return piece.Shape == kShapeProfile && piece.Orientation >= 0 && piece.Orientation <= 3 &&
         ProfileShapes().FindByName(piece.Label) != nullptr;
}

}  // namespace

std::string UnexportablePieceMessage(const TSchemes& result) {
  for (size_t n = 0; n < result.Size(); ++n) {
    for (const T2DStock& piece : result[n].Pieces) {
      if (!Exportable(piece)) {
        return FilledText("MSG_PIECE_CANT_BE_EXPORTED", {piece.Label, std::to_string(n + 1)});
      }
    }
  }
  return {};
}

}  // namespace vexlin
