#include "output/layout_picture.h"

#include <limits>

#include "model/packet.h"
#include "model/rounding.h"
#include "optimizer/schemes.h"
#include "output/dxf_export.h"
#include "output/export_check.h"
#include "output/report.h"
#include "output/sheet_view_geometry.h"
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

namespace {

// The sheet as the Layout tab shows it: the trims in the edge colour round the usable area in
// the sheet colour, the pieces on top.
TSvgCanvas DrawSheetPicture(const TPacket& layout, const TReportSettings& settings,
                            const TPictureStyle& style, int32_t widthPixels) {
  const TSheetViewGeometry view =
      FitSheetView(layout, settings, widthPixels, std::numeric_limits<int32_t>::max());
  TSvgCanvas canvas(view.SheetWidth, view.SheetHeight);
  canvas.FillRect(0, 0, view.SheetWidth, view.SheetHeight, style.EdgeColor);
  canvas.FillRect(view.UsableLeft, view.UsableTop, view.UsableLeft + view.UsableWidth,
                  view.UsableTop + view.UsableHeight, style.SheetColor);
  DrawLayout(layout, canvas, TPoint{view.UsableLeft, view.UsableTop}, view.Scale, style);
  return canvas;
}

}  // namespace

std::string ExportLayoutPictures(std::string_view chosenName, const TSchemes& result,
                                 const TReportSettings& settings, const TPictureStyle& style,
                                 int32_t widthPixels, std::vector<std::string>& fileNames) {
  if (std::string refusal = UnexportablePieceMessage(result); !refusal.empty()) return refusal;
  for (size_t i = 0; i < result.Size(); ++i) {
    const TSvgCanvas canvas = DrawSheetPicture(result[i], settings, style, widthPixels);
    const std::string fileName = LayoutFileName(chosenName, i, ".svg");
    if (std::string error = canvas.SaveToFile(fileName); !error.empty()) return error;
    fileNames.push_back(fileName);
  }
  return {};
}

}  // namespace vexlin
