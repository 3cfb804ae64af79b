#include "output/ui/layout_view.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "input/ui/paint_box.h"
#include "model/packet.h"
#include "model/ui/caption_texts.h"
#include "model/ui/qt_canvas.h"
#include "output/manual_placement.h"
#include "output/sheet_view_geometry.h"

namespace vexlin {
namespace {

constexpr int kMouseInfoHeight = 24;
// Kept free below the information panel and at the right and the bottom of the room; the
// sheet panel's border may reach into the last.
constexpr int kGap = 10;
constexpr int kHintMargin = 4;

QWidget* ColouredPanel(QWidget* parent, const char* name) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(name);
  panel->setAutoFillBackground(true);
  return panel;
}

void SetColour(QWidget& widget, QPalette::ColorRole role, TColor colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(colour));
  widget.setPalette(palette);
}

}  // namespace

TLayoutView::TLayoutView(QWidget* parent) : QWidget(parent) {
  setObjectName("LayoutView");
  mouseInfo_ = new QFrame(this);
  mouseInfo_->setObjectName("PanelMouseInfo");
  mouseInfo_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  hint_ = new QLabel(mouseInfo_);
  hint_->setObjectName("LabelHint");
  hint_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  sheet_ = ColouredPanel(this, "DrawPanelSheet");
  usable_ = ColouredPanel(sheet_, "DrawPanelUsableSheet");
  paintBox_ = new TPaintBox(usable_);
  paintBox_->setObjectName("PaintBoxLayout");
  paintBox_->setMouseTracking(true);  // the hint follows the pointer without a button down
  paintBox_->SetPaintHandler([this](QPainter& painter, QSize) { PaintLayout(painter); });
  sheet_->hide();
}

void TLayoutView::ShowSheet(const TPacket& layout, const TReportSettings& settings,
                            const TPictureStyle& style, const std::string& sheetHint,
                            const std::string& usableHint) {
  layout_ = &layout;
  settings_ = settings;
  style_ = style;
  SetColour(*sheet_, QPalette::Window, style.EdgeColor);
  SetColour(*usable_, QPalette::Window, style.SheetColor);
  // The paint box clears to its base colour, which must be the sheet's.
  SetColour(*paintBox_, QPalette::Base, style.SheetColor);
  // Status tips, not tool tips: the pointer's handler shows them, not a pop-up.
  sheet_->setStatusTip(ToQString(sheetHint));
  usable_->setStatusTip(ToQString(usableHint));
  PlaceSheet();
  sheet_->show();
}

void TLayoutView::RepaintLayout() {
  paintBox_->hide();
  paintBox_->show();
}

QWidget& TLayoutView::PaintBox() {
  return *paintBox_;
}

void TLayoutView::ShowDrag(int32_t hiddenPiece, const TRect& dragRect) {
  hiddenPiece_ = hiddenPiece;
  dragRect_ = dragRect;
  paintBox_->update();
}

void TLayoutView::EndDrag() {
  ShowDrag(-1, kNoDragRect);
}

void TLayoutView::SetHint(const std::string& text) {
  hint_->setText(ToQString(text));
}

void TLayoutView::HideSheet() {
  sheet_->hide();
  layout_ = nullptr;
}

void TLayoutView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceSheet();
}

void TLayoutView::PlaceSheet() {
  const int roomWidth = width() - kGap;
  mouseInfo_->setGeometry(0, 0, roomWidth, kMouseInfoHeight);
  hint_->setGeometry(kHintMargin, 0, roomWidth - 2 * kHintMargin, kMouseInfoHeight);
  if (layout_ == nullptr) return;
  const int top = kMouseInfoHeight + kGap;
  const TSheetViewGeometry view =
      FitSheetView(*layout_, settings_, roomWidth, height() - top - kGap);
  viewScale_ = view.Scale;
  sheet_->setGeometry(0, top, view.SheetWidth, view.SheetHeight);
  usable_->setGeometry(view.UsableLeft, view.UsableTop, view.UsableWidth, view.UsableHeight);
  paintBox_->setGeometry(0, 0, view.UsableWidth, view.UsableHeight);
}

void TLayoutView::PaintLayout(QPainter& painter) const {
  if (layout_ == nullptr) return;
  TQtCanvas canvas(painter);  // starts with a black pen one pixel wide
  if (hiddenPiece_ < 0) {
    DrawLayout(*layout_, canvas, TPoint{0, 0}, viewScale_, style_);
    return;
  }
  TPacket shown = *layout_;
  shown.Pieces.Delete(static_cast<size_t>(hiddenPiece_));
  DrawLayout(shown, canvas, TPoint{0, 0}, viewScale_, style_);
  PaintDragRect(painter);
}

// Drawn afresh on every paint, so it never needs erasing.
void TLayoutView::PaintDragRect(QPainter& painter) const {
  if (dragRect_ == kNoDragRect) return;
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(QPoint(dragRect_.Left, dragRect_.Top),
                         QPoint(dragRect_.Right - 1, dragRect_.Bottom - 1)));
}

}  // namespace vexlin
