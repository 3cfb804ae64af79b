#include "app/program_art.h"

#include <QPainter>

namespace vexlin {

QPixmap ProgramPicture(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const double unit = size / 16.0;
  painter.setPen(QPen(QColor(0x2E, 0x5E, 0x3A), unit * 0.6));
  painter.setBrush(QColor(0xD9, 0xB8, 0x7C));
  painter.drawRect(QRectF(unit, unit * 3, unit * 14, unit * 10));
  painter.setBrush(QColor(0x4F, 0xA3, 0xD9));
  painter.drawRect(QRectF(unit * 1.5, unit * 3.5, unit * 6, unit * 5));
  painter.drawRect(QRectF(unit * 8, unit * 3.5, unit * 6.5, unit * 5));
  painter.setBrush(QColor(0x9B, 0xD1, 0x6F));
  painter.drawEllipse(QRectF(unit * 1.5, unit * 9, unit * 3.5, unit * 3.5));
  painter.setBrush(QColor(0x4F, 0xA3, 0xD9));
  painter.drawRect(QRectF(unit * 5.5, unit * 9, unit * 9, unit * 3.5));
  return picture;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 64, 128}) icon.addPixmap(ProgramPicture(size));
  return icon;
}

}  // namespace vexlin
