#include "output/sheet_view_geometry.h"

#include <algorithm>

#include "model/packet.h"
#include "model/rounding.h"
#include "output/report.h"

namespace vexlin {
namespace {

// The panels keep a small border round the drawing, as the view always had.
constexpr int32_t kSheetMargin = 7;
constexpr int32_t kUsableInset = 3;

int32_t Pixels(double length, double scale) {
  return static_cast<int32_t>(RoundHalfEven(length * scale));
}

}  // namespace

TSheetViewGeometry FitSheetView(const TPacket& layout, const TReportSettings& settings,
                                int32_t roomWidth, int32_t roomHeight) {
  const double fullLength = double(layout.Length) + 2.0 * settings.LengthEdge;
  const double fullWidth = double(layout.Width) + 2.0 * settings.WidthEdge;
  const double sx = std::max(roomWidth, 0) / fullLength;
  const double sy = std::max(roomHeight, 0) / fullWidth;
  TSheetViewGeometry view;
  view.Scale = sx > sy ? sy : sx;
  const int32_t edgeX = Pixels(settings.LengthEdge, view.Scale);
  const int32_t edgeY = Pixels(settings.WidthEdge, view.Scale);
  const int32_t usableLength = Pixels(double(layout.Length) - settings.BladeWidth, view.Scale);
  const int32_t usableWidth = Pixels(double(layout.Width) - settings.BladeWidth, view.Scale);
  view.SheetWidth = usableLength + 2 * edgeX + kSheetMargin;
  view.SheetHeight = usableWidth + 2 * edgeY + kSheetMargin;
  view.UsableLeft = edgeX + kUsableInset;
  view.UsableTop = edgeY + kUsableInset;
  view.UsableWidth = usableLength + 1;
  view.UsableHeight = usableWidth + 1;
  return view;
}

}  // namespace vexlin
