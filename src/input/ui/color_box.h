#pragma once

#include <QComboBox>

#include "model/canvas.h"

namespace vexlin {

class TUiServices;

// A drop-down of the sixteen standard colours with swatches, plus "Custom..." for the
// colour dialog. Values are 0x00BBGGRR, the form the options file stores; a value that is
// not a standard colour gets an entry of its own so it survives a save.
class TColorBox : public QComboBox {
  Q_OBJECT

 public:
  explicit TColorBox(TUiServices& services, QWidget* parent = nullptr);

  TColor Color() const { return color_; }
  void SetColor(TColor color);

 private:
  void Activated(int index);
  int AddColorItem(const QString& name, TColor color, int position);
  int CustomPickerIndex() const { return count() - 1; }

  TUiServices& services_;
  TColor color_ = 0;
  int customIndex_ = -1;  // the entry of a non-standard value, once there is one
};

}  // namespace vexlin
