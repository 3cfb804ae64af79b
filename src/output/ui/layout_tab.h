#pragma once

#include <QWidget>

#include "model/piece_drawing.h"

class QCheckBox;
class QLabel;

namespace vexlin {

// The Layout tab: the view switches that every drawing of pieces follows, and the
// captions of the shown sheet's facts.
class TLayoutTab : public QWidget {
  Q_OBJECT

 public:
  explicit TLayoutTab(QWidget* parent = nullptr);

  TDrawSwitches Switches() const;
  bool ShowOffcuts() const;
  void RefreshCaptions();

 private:
  QLabel* AddCaptionLabel(const char* name);
  QCheckBox* AddSwitch(const char* name, bool checked);

  QLabel* sheetHead_ = nullptr;
  QLabel* label_ = nullptr;
  QLabel* length_ = nullptr;
  QLabel* width_ = nullptr;
  QLabel* qty_ = nullptr;
  QLabel* cost_ = nullptr;
  QLabel* area_ = nullptr;
  QLabel* waste_ = nullptr;
  QLabel* utilization_ = nullptr;
  QLabel* partsInLayout_ = nullptr;
  QCheckBox* showLabel_ = nullptr;
  QCheckBox* showLengthXWidth_ = nullptr;
  QCheckBox* showXYPos_ = nullptr;
  QCheckBox* showOffcuts_ = nullptr;
};

}  // namespace vexlin
