#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace vexlin {

// The standard profile shapes as the Profile tab offers them: names, parameter names and
// a sketch of each showing where its parameters lie.

// "Triangle1" ... "Disc2" in the order of the shape box.
const QStringList& StandardShapeNames();

// The parameter names of a shape in parameter-grid order; empty for an unknown name.
QStringList StandardShapeParameters(const QString& shape);

// The shape with its parameters as labelled dimension lines; a null pixmap for an unknown
// name. Sketches are drawn with y upwards, as the shape is thought of.
QPixmap StandardShapePicture(const QString& shape);

}  // namespace vexlin
