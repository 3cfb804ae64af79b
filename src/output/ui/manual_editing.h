#pragma once

#include <QObject>
#include <QPoint>
#include <optional>

#include "model/packet.h"
#include "output/manual_placement.h"

namespace vexlin {

class TLayoutTab;
class TLayoutView;

// Moving and turning parts of the shown layout by hand. While the mode is on the tab's
// other controls are off; Cancel puts back the layout as it was when the mode started.
// Outside the mode the pointer over the view describes the piece under it.
class TManualEditing : public QObject {
  Q_OBJECT

 public:
  TManualEditing(TLayoutTab& tab, TLayoutView& view);

  bool ModeOn() const { return modeOn_; }

  void ButtonManualClick();
  void ButtonConfirmClick();
  void ButtonCancelManualClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StartManual();
  void EndManual();
  void PartMouseDown(Qt::MouseButton button, QPoint at);
  void MouseMove(QPoint at);
  void Pick(TPacket& layout, QPoint at);
  void Drop(TPacket& layout);
  void ShowDragAt(QPoint at);

  TLayoutTab& tab_;
  TLayoutView& view_;
  bool modeOn_ = false;
  bool dragging_ = false;
  TManualDrag drag_;
  TRect dragRect_;
  std::optional<TPacket> backup_;
};

}  // namespace vexlin
