#include "output/layout_picture.h"

#include "model/packet.h"
#include "model/rounding.h"
#include "optimizer/schemes.h"
#include "output/dxf_export.h"
#include "output/export_check.h"
#include "output/svg_canvas.h"

namespace vexlin {

void DrawLayout(const TPacket& layout, TCanvas& canvas, TPoint offset, double scale,
                const TPictureStyle& style) {
  canvas.SetPenColor(style.SheetColor);
  canvas.Rectangle(offset.X, offset.Y,
                   offset.X + static_cast<int32_t>(RoundHalfEven(scale * layout.NetLength())),
                   offset.Y + static_cast<int32_t>(RoundHalfEven(scale * layout.NetWidth())));
  for (const T2DStock& piece : layout.Pieces) {
    if (!IsShownPiece(piece, style.ShowOffcuts)) continue;
    DrawOnCanvas(piece, offset, canvas, style.OffcutColor, style.PartColor, style.Switches, scale);
  }
}

std::string ExportLayoutPictures(std::string_view chosenName, const TSchemes& result,
                                 const TPictureStyle& style, int32_t widthPixels,
                                 std::vector<std::string>& fileNames) {
  constexpr int32_t kMargin = 1;
  if (std::string refusal = UnexportablePieceMessage(result); !refusal.empty()) return refusal;
  for (size_t i = 0; i < result.Size(); ++i) {
    const TPacket& layout = result[i];
    const double scale = layout.NetLength() > 0 ? double(widthPixels) / layout.NetLength() : 1.0;
    const int32_t height = static_cast<int32_t>(RoundHalfEven(scale * layout.NetWidth()));
    TSvgCanvas canvas(widthPixels + 2 * kMargin, height + 2 * kMargin);
    DrawLayout(layout, canvas, TPoint{kMargin, kMargin}, scale, style);
    const std::string fileName = LayoutFileName(chosenName, i, ".svg");
    if (std::string error = canvas.SaveToFile(fileName); !error.empty()) return error;
    fileNames.push_back(fileName);
  }
  return {};
}

}  // namespace vexlin
