#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

#include "model/geometry.h"
#include "output/layout_picture.h"
#include "output/report.h"

class QFrame;
class QLabel;

namespace vexlin {

class TPacket;
class TPaintBox;

// The drawing of the shown layout: a panel for the pointer's information on top, below it
// the whole sheet in the edge colour with the usable area in the sheet colour inside, the
// pieces painted on it to scale. The sheet fills the room the view has and follows its size.
class TLayoutView : public QWidget {
  Q_OBJECT

 public:
  explicit TLayoutView(QWidget* parent = nullptr);

  // Sizes and shows the sheet panels for the layout; the layout must outlive the showing
  // (until the next ShowSheet or HideSheet). The hints wait for the pointer's handler.
  void ShowSheet(const TPacket& layout, const TReportSettings& settings, const TPictureStyle& style,
                 const std::string& sheetHint, const std::string& usableHint);
  // Paints the pieces afresh, after the layout's pieces changed.
  void RepaintLayout();
  void HideSheet();

  // Pixels per unit of the sheet shown.
  double ViewScale() const { return viewScale_; }
  // The drawing area whose pixels are those of the sheet's usable corner.
  QWidget& PaintBox();
  // Paints the layout without the dragged piece and its outline as a focus rectangle at
  // dragRect; EndDrag paints it whole again.
  void ShowDrag(int32_t hiddenPiece, const TRect& dragRect);
  void EndDrag();
  // The description of the piece under the pointer, at the right of the information panel.
  void SetHint(const std::string& text);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceSheet();
  void PaintLayout(QPainter& painter) const;
  void PaintDragRect(QPainter& painter) const;

  QFrame* mouseInfo_ = nullptr;
  QLabel* hint_ = nullptr;
  QWidget* sheet_ = nullptr;
  QWidget* usable_ = nullptr;
  TPaintBox* paintBox_ = nullptr;
  const TPacket* layout_ = nullptr;
  TReportSettings settings_;
  TPictureStyle style_;
  double viewScale_ = 0;
  int32_t hiddenPiece_ = -1;
  TRect dragRect_{-1, -1, -1, -1};
};

}  // namespace vexlin
