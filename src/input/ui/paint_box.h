#pragma once

#include <QWidget>
#include <functional>

class QPainter;

namespace vexlin {

// A blank drawing area whose content the owner paints on demand, so a preview follows
// the data and the colours in force at each repaint.
class TPaintBox : public QWidget {
  Q_OBJECT

 public:
  using TPaintHandler = std::function<void(QPainter& painter, QSize size)>;

  explicit TPaintBox(QWidget* parent = nullptr);

  void SetPaintHandler(TPaintHandler handler) { handler_ = std::move(handler); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TPaintHandler handler_;
};

}  // namespace vexlin
