#include "output/ui/manual_editing.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "model/ui/caption_texts.h"
#include "output/ui/layout_tab.h"
#include "output/ui/layout_view.h"

namespace vexlin {

TManualEditing::TManualEditing(TLayoutTab& tab, TLayoutView& view)
    : QObject(&tab), tab_(tab), view_(view) {
  view_.PaintBox().installEventFilter(this);
}

void TManualEditing::ButtonManualClick() {
  dragging_ = false;
  if (!modeOn_) StartManual();
}

void TManualEditing::ButtonConfirmClick() {
  if (modeOn_) EndManual();
}

void TManualEditing::ButtonCancelManualClick() {
  TPacket* layout = tab_.CurrentLayout();
  if (layout != nullptr && backup_) layout->AssignPacket(*backup_);
  EndManual();
}

void TManualEditing::StartManual() {
  const TPacket* layout = tab_.CurrentLayout();
  if (layout == nullptr) return;
  backup_ = *layout;
  view_.PaintBox().raise();
  modeOn_ = true;
  tab_.ShowManualMode(true);
}

void TManualEditing::EndManual() {
  modeOn_ = false;
  dragging_ = false;
  drag_ = TManualDrag{};
  view_.EndDrag();
  tab_.ShowManualMode(false);
  backup_.reset();
  tab_.ShowScheme();
}

bool TManualEditing::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &view_.PaintBox()) return false;
  if (event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    PartMouseDown(mouse->button(), mouse->position().toPoint());
  } else if (event->type() == QEvent::MouseMove) {
    MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
  }
  return false;
}

void TManualEditing::PartMouseDown(Qt::MouseButton button, QPoint at) {
  TPacket* layout = tab_.CurrentLayout();
  if (!modeOn_ || layout == nullptr) return;
  if (button == Qt::RightButton) {
    if (!dragging_) return;
    if (!MayTurn(*layout, drag_)) {
      view_.SetHint(ToStdString(MessageText("MSG_PART_CANT_BE_ROTATED")));
      return;
    }
    drag_.Turned = !drag_.Turned;
    ShowDragAt(at);
  } else if (!dragging_) {
    Pick(*layout, at);
  } else {
    Drop(*layout);
  }
}

void TManualEditing::Pick(TPacket& layout, QPoint at) {
  if (PickPart(layout, at.x(), at.y(), view_.ViewScale(), drag_) < 0) return;
  dragging_ = true;
  dragRect_ = kNoDragRect;
  view_.ShowDrag(drag_.PieceIndex, dragRect_);
}

void TManualEditing::Drop(TPacket& layout) {
  AutoFillInRect(layout, drag_, dragRect_, 1.0 / view_.ViewScale(),
                 tab_.ReportSettings().BladeWidth);
  dragging_ = false;
  drag_ = TManualDrag{};
  view_.EndDrag();
  tab_.ShowScheme();
  view_.PaintBox().raise();
}

void TManualEditing::ShowDragAt(QPoint at) {
  dragRect_ = DragRectAt(drag_, at.x(), at.y());
  view_.ShowDrag(drag_.PieceIndex, dragRect_);
}

void TManualEditing::MouseMove(QPoint at) {
  if (modeOn_ && dragging_) {
    ShowDragAt(at);
    return;
  }
  const TPacket* layout = tab_.CurrentLayout();
  view_.SetHint(layout == nullptr ? std::string()
                                  : HoverDescription(*layout, at.x(), at.y(), view_.ViewScale(),
                                                     tab_.ShowOffcuts()));
}

}  // namespace vexlin
