#include "input/ui/shape_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>
#include <vector>

namespace vexlin {
namespace {

// Sketch units: the shape lies in 0..140 across and 0..85 up, with room around it for
// the dimension lines.
constexpr QSize kPictureSize(200, 160);
constexpr double kLeft = 30;
constexpr double kBase = 125;
constexpr double kGap = 14;  // from an edge to its dimension line

QPointF At(double x, double y) {
  return {kLeft + x, kBase - y};
}
QPointF At(QPointF model) {
  return At(model.x(), model.y());
}

// A labelled dimension from one sketch point to another. Given anticlockwise round the
// shape, a positive offset puts the line outside; 0 draws it across the shape.
struct TDimension {
  QPointF From;
  QPointF To;
  const char* Name;
  double Offset = kGap;
};

struct TSketch {
  QPainterPath Outline;
  std::vector<TDimension> Dimensions;
  std::vector<QLineF> Guides;  // dashed helpers from the shape to a dimension's end
};

QPainterPath Polygon(std::initializer_list<QPointF> corners) {
  QPolygonF polygon;
  for (const QPointF& corner : corners) polygon << At(corner);
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}

double Degrees(QPointF from, QPointF to) {
  return std::atan2(to.y() - from.y(), to.x() - from.x()) * 180 / std::numbers::pi;
}

// A circular segment on the chord from left to right, closed by the arc above the chord.
QPainterPath Segment(QPointF left, QPointF right, QPointF centre) {
  const double radius = std::hypot(right.x() - centre.x(), right.y() - centre.y());
  const double start = Degrees(centre, right);
  const double sweep = std::fmod(Degrees(centre, left) - start + 720, 360);
  QPainterPath path(At(left));
  path.lineTo(At(right));
  path.arcTo(QRectF(At(centre.x() - radius, centre.y() + radius), QSizeF(2 * radius, 2 * radius)),
             start, sweep);
  path.closeSubpath();
  return path;
}

TSketch Triangle1() {
  return {Polygon({{0, 0}, {140, 0}, {40, 85}}),
          {{{0, 0}, {140, 0}, "A"}, {{140, 0}, {40, 85}, "B"}, {{40, 85}, {0, 0}, "C"}},
          {}};
}

TSketch Triangle2() {
  return {
      Polygon({{0, 0}, {140, 0}, {0, 85}}), {{{0, 0}, {140, 0}, "G"}, {{0, 85}, {0, 0}, "H"}}, {}};
}

TSketch Trapezium1() {
  return {Polygon({{0, 0}, {140, 0}, {110, 85}, {30, 85}}),
          {{{0, 0}, {140, 0}, "G"},
           {{110, 85}, {30, 85}, "G1"},
           {{30, 85}, {0, 85}, "G2"},
           {{140, 0}, {140, 85}, "H"}},
          {{At(0, 0), At(0, 85)}, {At(110, 85), At(140, 85)}}};
}

TSketch Trapezium2() {
  return {Polygon({{0, 0}, {140, 0}, {90, 85}, {0, 85}}),
          {{{0, 0}, {140, 0}, "G1"}, {{90, 85}, {0, 85}, "G"}, {{0, 85}, {0, 0}, "H"}},
          {}};
}

TSketch Trapezium3() {
  return {Polygon({{0, 0}, {100, 0}, {140, 85}, {40, 85}}),
          {{{0, 0}, {100, 0}, "G"},
           {{140, 85}, {40, 85}, "G"},
           {{40, 85}, {0, 85}, "G1"},
           {{140, 0}, {140, 85}, "H"}},
          {{At(0, 0), At(0, 85)}, {At(100, 0), At(140, 0)}}};
}

// Chord 140 and height 45: less than half a disc.
TSketch Disc1() {
  return {Segment({0, 0}, {140, 0}, {70, -31.94}),
          {{{0, 0}, {140, 0}, "G"}, {{70, 0}, {70, 45}, "H", 0}},
          {}};
}

// Chord 100 and height 85: more than half a disc.
TSketch Disc2() {
  return {Segment({20, 0}, {120, 0}, {70, 27.79}),
          {{{20, 0}, {120, 0}, "G"}, {{70, 0}, {70, 85}, "H", 0}},
          {}};
}

struct TShapeEntry {
  const char* Name;
  QStringList Parameters;
  TSketch (*Sketch)();
};

const std::vector<TShapeEntry>& Shapes() {
  static const std::vector<TShapeEntry> shapes = {
      {"Triangle1", {"A", "B", "C"}, Triangle1},
      {"Triangle2", {"G", "H"}, Triangle2},
      {"Trapezium1", {"G", "G1", "G2", "H"}, Trapezium1},
      {"Trapezium2", {"G", "G1", "H"}, Trapezium2},
      {"Trapezium3", {"G", "G1", "H"}, Trapezium3},
      {"Disc1", {"G", "H"}, Disc1},
      {"Disc2", {"G", "H"}, Disc2},
  };
  return shapes;
}

const TShapeEntry* FindShape(const QString& name) {
  for (const TShapeEntry& entry : Shapes()) {
    if (name == QLatin1String(entry.Name)) return &entry;
  }
  return nullptr;
}

QPointF Unit(QPointF vector) {
  return vector / std::hypot(vector.x(), vector.y());
}

void DrawArrowHead(QPainter& painter, QPointF tip, QPointF inwards) {
  const QPointF side(-inwards.y(), inwards.x());
  painter.drawPolygon(
      QPolygonF{tip, tip + inwards * 7 + side * 2.5, tip + inwards * 7 - side * 2.5});
}

void DrawDimension(QPainter& painter, const TDimension& dimension) {
  const QPointF from = At(dimension.From);
  const QPointF to = At(dimension.To);
  const QPointF along = Unit(to - from);
  const QPointF outwards(-along.y(), along.x());
  const QPointF shift = outwards * dimension.Offset;
  if (dimension.Offset != 0) {
    painter.drawLine(from + outwards * 3, from + shift + outwards * 4);
    painter.drawLine(to + outwards * 3, to + shift + outwards * 4);
  }
  painter.drawLine(from + shift, to + shift);
  DrawArrowHead(painter, from + shift, along);
  DrawArrowHead(painter, to + shift, -along);
  const QPointF centre = (from + to) / 2 + outwards * (dimension.Offset + 9);
  painter.drawText(QRectF(centre - QPointF(12, 8), QSizeF(24, 16)), Qt::AlignCenter,
                   dimension.Name);
}

void DrawSketch(QPainter& painter, const TSketch& sketch) {
  painter.setPen(QPen(QColor(0, 0, 128), 2));
  painter.setBrush(QColor(200, 220, 255));
  painter.drawPath(sketch.Outline);
  painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
  for (const QLineF& guide : sketch.Guides) painter.drawLine(guide);
  painter.setPen(QColor(160, 0, 0));
  painter.setBrush(QColor(160, 0, 0));
  for (const TDimension& dimension : sketch.Dimensions) DrawDimension(painter, dimension);
}

}  // namespace

const QStringList& StandardShapeNames() {
  static const QStringList names = [] {
    QStringList list;
    for (const TShapeEntry& entry : Shapes()) list << entry.Name;
    return list;
  }();
  return names;
}

QStringList StandardShapeParameters(const QString& shape) {
  const TShapeEntry* entry = FindShape(shape);
  return entry != nullptr ? entry->Parameters : QStringList();
}

QPixmap StandardShapePicture(const QString& shape) {
  const TShapeEntry* entry = FindShape(shape);
  if (entry == nullptr) return {};
  QPixmap picture(kPictureSize);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawSketch(painter, entry->Sketch());
  return picture;
}

}  // namespace vexlin
