#pragma once

#include <QSize>

class QPainter;

namespace vexlin {

class T2DStock;
class TExtPolyline;
class TTrapeziumList;
struct TPictureStyle;

// The Profile tab's previews, drawn by the layout drawing so that they look as the
// profile will on a sheet.

// A listed profile scaled to the box, leaving 80 pixels across and 10 down for its texts.
// shapes holds the profile's outline.
void PaintProfilePreview(QPainter& painter, QSize box, const T2DStock& piece,
                         const TTrapeziumList& shapes, const TPictureStyle& style);

// The imported DXF outline scaled to the box inside a one-pixel border.
void PaintDxfPreview(QPainter& painter, QSize box, const TExtPolyline& outline,
                     const TPictureStyle& style);

}  // namespace vexlin
