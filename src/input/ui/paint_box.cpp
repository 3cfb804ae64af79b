#include "input/ui/paint_box.h"

#include <QPainter>

namespace vexlin {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {}

void TPaintBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  if (handler_) handler_(painter, size());
}

}  // namespace vexlin
