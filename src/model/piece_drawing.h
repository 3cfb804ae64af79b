#pragma once

#include <string_view>

#include "model/canvas.h"
#include "model/ext_polyline.h"
#include "model/geometry.h"
#include "model/stock2d.h"
#include "model/trapezium_list.h"

namespace vexlin {

// Which annotations a drawn piece carries besides its outline.
struct TDrawSwitches {
  bool ShowLabels = true;
  bool ShowPositions = false;
  bool ShowSizes = false;
};

// A placed piece drawn on a screen canvas, `offset` being the device point of the sheet's
// top-left corner and `scale` device units per model unit. The pen takes the offcut
// colour for offcut pieces, the part colour otherwise. A profile piece takes its outline
// from shapes: the result's, unless the piece is a preview of the Profile tab's.
void DrawOnCanvas(const T2DStock& piece, TPoint offset, TCanvas& canvas, TColor offcutColor,
                  TColor partColor, const TDrawSwitches& switches, double scale,
                  const TTrapeziumList& shapes = ProfileShapes());
// The same on the printer's canvas, in the pen the printer already has.
void PrintOnCanvas(const T2DStock& piece, TPoint offset, TCanvas& printerCanvas,
                   const TDrawSwitches& switches, double scale);

// A profile outline with its top-left corner at the device point `deviceCorner`; `origin`
// is the piece's place on the sheet, for the position texts.
void DrawOutline(const TExtPolyline& outline, TPoint deviceCorner, TPoint origin, TColor partColor,
                 const TDrawSwitches& switches, std::string_view label, double scale,
                 TCanvas& canvas);
void PrintOutline(const TExtPolyline& outline, TPoint deviceCorner, TPoint origin,
                  const TDrawSwitches& switches, std::string_view label, double scale,
                  TCanvas& printerCanvas);

}  // namespace vexlin
