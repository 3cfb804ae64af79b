#pragma once

#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/piece_drawing.h"
#include "output/report.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;
class QScrollBar;
class QVBoxLayout;

namespace vexlin {

class TLayoutView;
class TManualEditing;
class TPacket;
class TPrintCommands;
class TResultCommands;
class TStringGrid;
class TVexlin;
struct TLayoutFacts;
struct TOptionValues;
struct TTabContext;

// The Layout tab: browsing the layouts of the last run one at a time, each drawn to scale
// with its facts and the parts it holds, and the view switches that every drawing of
// pieces follows; the result's commands (saving, loading, exports, offcuts, re-layout,
// printing) act on the engine's result from its buttons.
class TLayoutTab : public QWidget {
  Q_OBJECT

 public:
  // relayoutEngine serves only to lay out one sheet again.
  TLayoutTab(TTabContext& context, TVexlin& engine, TVexlin& relayoutEngine,
             QWidget* parent = nullptr);

  TDrawSwitches Switches() const;
  bool ShowOffcuts() const;
  void RefreshCaptions();

  // After a successful run: browsing starts again at the first layout, on this tab. The
  // engine's result is what the tab shows until the next run.
  void ShowResult(TVexlin& engine, const TOptionValues& values);
  // Before the result is replaced: nothing of it stays on show.
  void HideLayout();
  void ShowScheme();
  // The layout shown, -1 before the first result.
  int32_t CurrentLayoutIndex() const { return currentLayoutIndex_; }
  // Of the result shown, with the offcuts switch as it is now.
  TReportSettings ReportSettings() const;
  // The layout shown, nullptr when none.
  TPacket* CurrentLayout();
  // Whether parts are being moved by hand, when nothing else of the window may be used.
  bool ManualModeOn() const;
  // Swaps the Manual button for Confirm and Cancel, and locks everything else, or back.
  void ShowManualMode(bool on);
  // While a run works the result on show may be browsed, but not changed or written out.
  void LockForRun(bool on);

 private:
  QGroupBox* BuildInfoGroup();
  QLabel* AddCaptionLabel(const char* name);
  QLabel* AddValueLabel(const char* name);
  QCheckBox* AddSwitch(const char* name, bool checked);
  QLayout* BuildResultButtons();
  void AddManualButtons(QVBoxLayout& column);
  QPushButton* AddManualButton(QVBoxLayout& column, const char* name,
                               void (TManualEditing::*click)());
  void ResetLayoutBrowsing();
  void ScrollBarSchemesChange();
  void ComboBoxChangeSchemeIndex();
  void ShowPacket(TPacket& layout);
  void ShowFacts(const TLayoutFacts& facts);
  size_t LayoutCount() const;

  TTabContext& context_;
  TVexlin* engine_ = nullptr;
  TResultCommands* commands_ = nullptr;
  TPrintCommands* printCommands_ = nullptr;
  TManualEditing* manual_ = nullptr;
  TReportSettings settings_;  // of the run whose layouts are browsed
  int32_t currentLayoutIndex_ = -1;

  QGroupBox* infoGroup_ = nullptr;
  QPushButton* manualButton_ = nullptr;
  QPushButton* confirmButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QScrollBar* schemes_ = nullptr;
  QComboBox* layoutList_ = nullptr;
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
  QLabel* sheetLabel_ = nullptr;
  QLabel* sheetNumber_ = nullptr;
  QLabel* sheetLength_ = nullptr;
  QLabel* sheetWidth_ = nullptr;
  QLabel* sheetCost_ = nullptr;
  QLabel* sheetArea_ = nullptr;
  QLabel* wasteArea_ = nullptr;
  QLabel* utilizationValue_ = nullptr;
  QLabel* lowerBound_ = nullptr;
  QLabel* lowerBoundValue_ = nullptr;
  QLabel* gap_ = nullptr;
  QLabel* gapValue_ = nullptr;
  QCheckBox* showLabel_ = nullptr;
  QCheckBox* showLengthXWidth_ = nullptr;
  QCheckBox* showXYPos_ = nullptr;
  QCheckBox* showOffcuts_ = nullptr;
  TStringGrid* partsInLayoutGrid_ = nullptr;
  TLayoutView* view_ = nullptr;
  // Each result button with its caption key.
  std::vector<std::pair<QPushButton*, const char*>> resultButtons_;
};

}  // namespace vexlin
