#include "output/ui/layout_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <tuple>

#include "model/ui/caption_texts.h"
#include "optimizer/vexlin.h"
#include "output/layout_facts.h"
#include "output/offcut_generator.h"
#include "output/ui/layout_view.h"
#include "output/ui/manual_editing.h"
#include "output/ui/print_commands.h"
#include "output/ui/result_commands.h"
#include "uikit/string_grid.h"
#include "uikit/tab_context.h"
#include "uikit/ui_services.h"

namespace vexlin {
namespace {

constexpr int kInfoWidth = 250;
constexpr int kListItemsShown = 20;
constexpr int kMargin = 10;

template <typename Commands>
struct TCommandButton {
  const char* Name;
  const char* CaptionKey;
  void (Commands::*Click)();
};

constexpr TCommandButton<TResultCommands> kResultButtons[] = {
    {"ButtonSaveLayout", "Save Layout Button", &TResultCommands::ButtonSaveLayoutClick},
    {"ButtonLoadLayout", "Load Layout Button", &TResultCommands::ButtonLoadLayoutClick},
    {"ButtonExportDXF", "Export DXF Button", &TResultCommands::ButtonExportDXFClick},
    {"ButtonExportGCode", "Export G Code Button", &TResultCommands::ButtonExportGCodeClick},
    {"ButtonSaveToHtml", "Export HTML Button", &TResultCommands::ButtonSaveToHtmlClick},
    {"ButtonSaveOffcuts", "Save Offcut Button", &TResultCommands::ButtonSaveOffcutsClick},
    {"ButtonLayoutAgain", "Auto Rearrange Button", &TResultCommands::ButtonLayoutAgainClick},
};

constexpr TCommandButton<TPrintCommands> kPrintButtons[] = {
    {"ButtonPrintAll", "Print All Button", &TPrintCommands::ButtonPrintAllClick},
    {"ButtonPrintCurrentPage", "Print Current Button",
     &TPrintCommands::ButtonPrintCurrentPageClick},
    {"ButtonPrintReport", "Print Report Button", &TPrintCommands::ButtonPrintReportClick},
    {"ButtonExportPDF", "Export PDF Button", &TPrintCommands::ButtonExportPDFClick},
};

// Adds a button per entry to column, each with its caption key for the caption refresh.
template <typename Commands, size_t N>
void AddCommandButtons(QWidget& tab, QVBoxLayout& column, Commands* commands,
                       const TCommandButton<Commands> (&entries)[N],
                       std::vector<std::pair<QPushButton*, const char*>>& buttons) {
  for (const TCommandButton<Commands>& entry : entries) {
    auto* button = new QPushButton(&tab);
    button->setObjectName(entry.Name);
    QObject::connect(button, &QPushButton::clicked, commands, entry.Click);
    column.addWidget(button);
    buttons.emplace_back(button, entry.CaptionKey);
  }
}

void AddFactRow(QGridLayout& grid, QLabel* caption, QLabel* value) {
  const int row = grid.rowCount();
  grid.addWidget(caption, row, 0);
  grid.addWidget(value, row, 1);
}

}  // namespace

TLayoutTab::TLayoutTab(TTabContext& context, TVexlin& engine, TVexlin& relayoutEngine,
                       QWidget* parent)
    : QWidget(parent), context_(context) {
  setObjectName("TabSheetLayout");
  commands_ = new TResultCommands(context, *this, engine, relayoutEngine);
  printCommands_ = new TPrintCommands(context, *this, engine);
  view_ = new TLayoutView(this);
  manual_ = new TManualEditing(*this, *view_);
  auto* info = new QVBoxLayout();
  info->setContentsMargins(0, 0, 0, kMargin);
  info->addWidget(infoGroup_ = BuildInfoGroup());
  // The view keeps its own margin at the right and the bottom.
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin, 0, 0);
  layout->addLayout(info);
  layout->addWidget(view_, 1);
  layout->addLayout(BuildResultButtons());
  RefreshCaptions();
}

QLayout* TLayoutTab::BuildResultButtons() {
  auto* column = new QVBoxLayout();
  column->setContentsMargins(0, 0, kMargin, kMargin);
  AddManualButtons(*column);
  AddCommandButtons(*this, *column, commands_, kResultButtons, resultButtons_);
  AddCommandButtons(*this, *column, printCommands_, kPrintButtons, resultButtons_);
  column->addStretch(1);
  return column;
}

void TLayoutTab::AddManualButtons(QVBoxLayout& column) {
  manualButton_ = AddManualButton(column, "ButtonManual", &TManualEditing::ButtonManualClick);
  confirmButton_ = AddManualButton(column, "ButtonConfirm", &TManualEditing::ButtonConfirmClick);
  cancelButton_ =
      AddManualButton(column, "ButtonCancelManual", &TManualEditing::ButtonCancelManualClick);
  confirmButton_->hide();
  cancelButton_->hide();
}

QPushButton* TLayoutTab::AddManualButton(QVBoxLayout& column, const char* name,
                                         void (TManualEditing::*click)()) {
  auto* button = new QPushButton(this);
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, manual_, click);
  column.addWidget(button);
  return button;
}

QGroupBox* TLayoutTab::BuildInfoGroup() {
  auto* group = new QGroupBox(this);
  group->setObjectName("GroupBoxLayoutInfo");
  group->setFixedWidth(kInfoWidth);
  schemes_ = new QScrollBar(Qt::Horizontal, group);
  schemes_->setObjectName("ScrollBarSchemes");
  schemes_->setRange(0, 0);
  schemes_->setPageStep(1);  // a click beside the handle moves one layout, as an arrow does
  layoutList_ = new QComboBox(group);
  layoutList_->setObjectName("ComboBoxLayoutList");
  layoutList_->setMaxVisibleItems(kListItemsShown);
  connect(schemes_, &QScrollBar::valueChanged, this, &TLayoutTab::ScrollBarSchemesChange);
  connect(layoutList_, &QComboBox::currentIndexChanged, this,
          &TLayoutTab::ComboBoxChangeSchemeIndex);

  sheetHead_ = AddCaptionLabel("LabelSheetHead");
  auto* facts = new QGridLayout();
  AddFactRow(*facts, label_ = AddCaptionLabel("LabelLayoutLabel"),
             sheetLabel_ = AddValueLabel("LabelSheetLabel"));
  AddFactRow(*facts, qty_ = AddCaptionLabel("LabelLayoutQty"),
             sheetNumber_ = AddValueLabel("LabelSheetNumber"));
  AddFactRow(*facts, length_ = AddCaptionLabel("LabelLayoutLength"),
             sheetLength_ = AddValueLabel("LabelSheetLength"));
  AddFactRow(*facts, width_ = AddCaptionLabel("LabelLayoutWidth"),
             sheetWidth_ = AddValueLabel("LabelSheetWidth"));
  AddFactRow(*facts, cost_ = AddCaptionLabel("LabelLayoutCost"),
             sheetCost_ = AddValueLabel("LabelCost"));
  AddFactRow(*facts, area_ = AddCaptionLabel("LabelLayoutArea"),
             sheetArea_ = AddValueLabel("LabelArea"));
  AddFactRow(*facts, waste_ = AddCaptionLabel("LabelLayoutWaste"),
             wasteArea_ = AddValueLabel("LabelWasteArea"));
  AddFactRow(*facts, utilization_ = AddCaptionLabel("LabelLayoutUtilization"),
             utilizationValue_ = AddValueLabel("LabelUtilization"));
  AddFactRow(*facts, lowerBound_ = AddCaptionLabel("LabelLayoutLowerBound"),
             lowerBoundValue_ = AddValueLabel("LabelLowerBound"));
  AddFactRow(*facts, gap_ = AddCaptionLabel("LabelLayoutGap"),
             gapValue_ = AddValueLabel("LabelGap"));
  // Shown only with a result of the deep search.
  for (QLabel* label : {lowerBound_, lowerBoundValue_, gap_, gapValue_}) label->hide();
  facts->setColumnStretch(1, 1);

  auto* switches = new QGridLayout();
  showLabel_ = AddSwitch("ShowLabel", true);
  showLengthXWidth_ = AddSwitch("ShowLengthXWidth", false);
  showXYPos_ = AddSwitch("ShowXYPos", false);
  showOffcuts_ = AddSwitch("ShowOffcuts", false);
  switches->addWidget(showLabel_, 0, 0);
  switches->addWidget(showLengthXWidth_, 0, 1);
  switches->addWidget(showXYPos_, 1, 0);
  switches->addWidget(showOffcuts_, 1, 1);

  partsInLayout_ = AddCaptionLabel("LabelPartsInLayout");
  partsInLayoutGrid_ = new TStringGrid(1, {150, 50}, group);
  partsInLayoutGrid_->setObjectName("StringGridPartsInLayout");
  partsInLayoutGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  auto* column = new QVBoxLayout(group);
  column->addWidget(schemes_);
  column->addWidget(layoutList_);
  column->addWidget(sheetHead_);
  column->addLayout(facts);
  column->addLayout(switches);
  column->addWidget(partsInLayout_);
  // The grid takes the rest of the group, down to its bottom.
  column->addWidget(partsInLayoutGrid_, 1);
  return group;
}

QLabel* TLayoutTab::AddCaptionLabel(const char* name) {
  auto* caption = new QLabel(this);
  caption->setObjectName(name);
  return caption;
}

QLabel* TLayoutTab::AddValueLabel(const char* name) {
  QLabel* value = AddCaptionLabel(name);
  value->setText("_");
  return value;
}

QCheckBox* TLayoutTab::AddSwitch(const char* name, bool checked) {
  auto* box = new QCheckBox(this);
  box->setObjectName(name);
  box->setChecked(checked);
  connect(box, &QCheckBox::clicked, this, &TLayoutTab::ShowScheme);
  return box;
}

TDrawSwitches TLayoutTab::Switches() const {
  return {showLabel_->isChecked(), showXYPos_->isChecked(), showLengthXWidth_->isChecked()};
}

bool TLayoutTab::ShowOffcuts() const {
  return showOffcuts_->isChecked();
}

TReportSettings TLayoutTab::ReportSettings() const {
  TReportSettings settings = settings_;
  settings.ShowOffcuts = ShowOffcuts();
  return settings;
}

void TLayoutTab::ShowResult(TVexlin& engine, const TOptionValues& values) {
  engine_ = &engine;
  settings_ = ReportSettingsOf(values, ShowOffcuts());
  ResetLayoutBrowsing();
  context_.ShowTab(*this);
  setFocus();
  ShowScheme();
}

TPacket* TLayoutTab::CurrentLayout() {
  const size_t index = static_cast<size_t>(currentLayoutIndex_);
  if (currentLayoutIndex_ < 0 || index >= LayoutCount()) return nullptr;
  return &engine_->BestResult[index];
}

bool TLayoutTab::ManualModeOn() const {
  return manual_->ModeOn();
}

void TLayoutTab::ShowManualMode(bool on) {
  manualButton_->setVisible(!on);
  confirmButton_->setVisible(on);
  cancelButton_->setVisible(on);
  infoGroup_->setEnabled(!on);
  for (const auto& entry : resultButtons_) entry.first->setEnabled(!on);
  if (context_.LockForManual) context_.LockForManual(on);
}

void TLayoutTab::LockForRun(bool on) {
  manualButton_->setEnabled(!on);
  for (const auto& entry : resultButtons_) entry.first->setEnabled(!on);
}

size_t TLayoutTab::LayoutCount() const {
  return engine_ != nullptr ? engine_->BestResult.Size() : 0;
}

// The controls are set quietly: the caller shows the layout once they all agree.
void TLayoutTab::ResetLayoutBrowsing() {
  const QSignalBlocker scrollQuiet(schemes_);
  const QSignalBlocker listQuiet(layoutList_);
  const size_t count = LayoutCount();
  schemes_->setRange(0, static_cast<int>(count) - 1);
  currentLayoutIndex_ = 0;
  schemes_->setValue(0);
  layoutList_->clear();
  for (size_t i = 0; i < count; ++i) layoutList_->addItem(ToQString(LayoutListItem(i, count)));
  layoutList_->setCurrentIndex(currentLayoutIndex_);
}

// Every fact of the layout goes with it, so none of a replaced result lingers.
void TLayoutTab::HideLayout() {
  view_->HideSheet();
  ShowFacts(TLayoutFacts{});
  partsInLayoutGrid_->setRowCount(1);
  const QSignalBlocker scrollQuiet(schemes_);
  const QSignalBlocker listQuiet(layoutList_);
  schemes_->setRange(0, 0);
  schemes_->setValue(0);
  schemes_->setToolTip({});
  layoutList_->clear();
}

void TLayoutTab::ScrollBarSchemesChange() {
  currentLayoutIndex_ = schemes_->value();
  {
    const QSignalBlocker listQuiet(layoutList_);
    layoutList_->setCurrentIndex(currentLayoutIndex_);
  }
  ShowScheme();
}

void TLayoutTab::ComboBoxChangeSchemeIndex() {
  currentLayoutIndex_ = layoutList_->currentIndex();
  {
    const QSignalBlocker scrollQuiet(schemes_);
    schemes_->setValue(currentLayoutIndex_);
  }
  ShowScheme();
}

void TLayoutTab::ShowScheme() {
  if (currentLayoutIndex_ < 0) {
    context_.Services.ShowMessage(this, MessageText("MSG_LAYOUT_IS_EMPTY"));
    return;
  }
  const size_t index = static_cast<size_t>(currentLayoutIndex_);
  const size_t count = LayoutCount();
  if (index >= count) return;
  schemes_->setToolTip(ToQString(ScrollHint(index, count)));
  ShowPacket(engine_->BestResult[index]);
}

void TLayoutTab::ShowPacket(TPacket& layout) {
  const TLayoutFacts facts = LayoutFactsOf(layout, settings_, engine_->Deep);
  ShowFacts(facts);
  view_->ShowSheet(layout, settings_, context_.PictureStyle(), facts.SheetHint, facts.UsableHint);
  GenerateOffcutParts(layout, settings_.BladeWidth, settings_.Guillotine);
  view_->RepaintLayout();
  partsInLayoutGrid_->SetRowCount(static_cast<int>(facts.PartRows.size()) + 1);
  partsInLayoutGrid_->SetDataRows(facts.PartRows);
}

void TLayoutTab::ShowFacts(const TLayoutFacts& facts) {
  utilizationValue_->setText(ToQString(facts.Utilization));
  wasteArea_->setText(ToQString(facts.WasteArea));
  sheetLabel_->setText(ToQString(facts.Label));
  sheetLength_->setText(ToQString(facts.Length));
  sheetWidth_->setText(ToQString(facts.Width));
  sheetNumber_->setText(ToQString(facts.Quantity));
  sheetCost_->setText(ToQString(facts.Cost));
  sheetArea_->setText(ToQString(facts.Area));
  // Only a result of the deep search has a bound to show.
  for (const auto& [caption, value, text] :
       {std::tuple{lowerBound_, lowerBoundValue_, &facts.LowerBound},
        std::tuple{gap_, gapValue_, &facts.Gap}}) {
    value->setText(ToQString(*text));
    caption->setVisible(!text->empty());
    value->setVisible(!text->empty());
  }
}

void TLayoutTab::RefreshCaptions() {
  ApplyCaption(*label_, "Layout Sheet Label Caption");
  ApplyCaption(*length_, "Layout Sheet Length Caption");
  ApplyCaption(*width_, "Layout Sheet Width Caption");
  ApplyCaption(*qty_, "Layout Sheet Qty Caption");
  ApplyCaption(*cost_, "Layout Sheet Cost Caption");
  ApplyCaption(*area_, "Area Caption");
  ApplyCaption(*waste_, "Waste Area Caption");
  ApplyCaption(*utilization_, "Layout Sheet Utilization Caption");
  ApplyCaption(*lowerBound_, "Lower Bound Caption");
  ApplyCaption(*gap_, "Gap Caption");
  ApplyCaption(*partsInLayout_, "Parts in Layout Caption");
  ApplyCaption(*sheetHead_, "Tab Sheets");
  ApplyCaption(*showOffcuts_, "Tab Offcuts");
  ApplyCaption(*showXYPos_, "Left Top Caption");
  showLabel_->setText(CaptionText("Part Label Caption"));
  showLengthXWidth_->setText(CaptionText("Part Length Caption") + " x " +
                             CaptionText("Part Width Caption"));
  for (const auto& [button, key] : resultButtons_) ApplyCaption(*button, key);
  ApplyCaption(*manualButton_, "Manual Button");
  ApplyCaption(*confirmButton_, "Manual Confirm Button");
  ApplyCaption(*cancelButton_, "Manual Cancel Button");
  partsInLayoutGrid_->SetHeadings(
      {CaptionText("Part Label Caption"), CaptionText("Part Qty Caption")});
}

}  // namespace vexlin
