#pragma once

#include <QDialog>

namespace vexlin {

// The start-up window: borderless, centred, about two seconds long, after which the main
// window takes input.
class TComeInForm : public QDialog {
  Q_OBJECT

 public:
  explicit TComeInForm(QWidget* parent = nullptr);

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  int ticks_ = 0;
};

}  // namespace vexlin
