#include "input/ui/list_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "input/grid_totals.h"
#include "input/list_files.h"
#include "input/text_import.h"
#include "input/ui/cell_fault_view.h"
#include "model/ui/caption_texts.h"
#include "uikit/string_grid.h"
#include "uikit/tab_context.h"
#include "uikit/ui_services.h"

namespace vexlin {

namespace {

QString ListWord(TGridKind kind) {
  switch (kind) {
    case TGridKind::Sheets:
      return "Sheets";
    case TGridKind::Parts:
      return "Parts";
    case TGridKind::Offcuts:
      return "Offcuts";
  }
  return {};
}

QString FileExtension(TGridKind kind) {
  switch (kind) {
    case TGridKind::Sheets:
      return "sht";
    case TGridKind::Parts:
      return "prt";
    case TGridKind::Offcuts:
      return "ofc";
  }
  return {};
}

QList<int> ColumnWidths(TGridKind kind) {
  if (kind == TGridKind::Parts) return {96, 57, 59, 60, 47, 70};
  return {96, 64, 64, 64, 64};
}

QStringList Headings(TGridKind kind) {
  if (kind == TGridKind::Parts) {
    return {CaptionText("Part Label Caption"), CaptionText("Part Length Caption"),
            CaptionText("Part Width Caption"), CaptionText("Part Rotate Caption"),
            CaptionText("Part Qty Caption"),   CaptionText("Part Shape Caption")};
  }
  return {CaptionText("Layout Sheet Label Caption"), CaptionText("Layout Sheet Length Caption"),
          CaptionText("Layout Sheet Width Caption"), CaptionText("Layout Sheet Qty Caption"),
          CaptionText("Layout Sheet Cost Caption")};
}

QLineEdit* ReadOnlyBox(const QString& name, QWidget& parent) {
  auto* box = new QLineEdit("0", &parent);
  box->setObjectName(name);
  box->setReadOnly(true);
  return box;
}

// The grid is the store, so a part row keeps its codes: an emptied row may turn.
constexpr const char* kTurnable = "R";

}  // namespace

TListTab::TListTab(TGridKind kind, TTabContext& context, QWidget* parent)
    : QWidget(parent), kind_(kind), context_(context), word_(ListWord(kind)) {
  setObjectName("TabSheet" + word_);
  const int rows = static_cast<int>(GridDataRows(kind)) + 1;
  grid_ = new TStringGrid(rows, ColumnWidths(kind), this);
  grid_->setObjectName("StringGrid" + word_);
  grid_->setToolTip("Click Cell and Type Data, or Double Click Cell and Edit it");
  connect(grid_, &TStringGrid::EnterPressed, this, &TListTab::EnterPressed);

  auto* side = new QWidget(this);
  buttons_ = new QVBoxLayout(side);
  open_ = AddButton("Open");
  save_ = AddButton("Save");
  saveAs_ = AddButton("Saveas");
  delete_ = AddButton("Delete");
  deleteAll_ = AddButton("DeleteAll");
  importTxt_ = AddButton("ImportTxt");
  connect(open_, &QPushButton::clicked, this, &TListTab::OpenClick);
  connect(save_, &QPushButton::clicked, this, &TListTab::SaveClick);
  connect(saveAs_, &QPushButton::clicked, this, &TListTab::SaveAsClick);
  connect(delete_, &QPushButton::clicked, this, &TListTab::DeleteClick);
  connect(deleteAll_, &QPushButton::clicked, this, &TListTab::DeleteAllClick);
  connect(importTxt_, &QPushButton::clicked, this, &TListTab::ImportTxtClick);
  BuildTotalsPanel(*side);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(grid_);
  layout->addWidget(side);
  layout->addStretch(1);
  RefreshCaptions();
}

QPushButton* TListTab::AddButton(const char* name) {
  auto* button = new QPushButton(this);
  button->setObjectName(word_ + name);
  buttons_->addWidget(button);
  return button;
}

void TListTab::BuildTotalsPanel(QWidget& panel) {
  auto* totals = new QGridLayout();
  areaLabel_ = new QLabel(&panel);
  areaLabel_->setObjectName("LabelTotalArea_" + word_);
  qtyLabel_ = new QLabel(&panel);
  qtyLabel_->setObjectName("LabelQty_" + word_);
  area_ = ReadOnlyBox("EditTotal" + word_ + "Area", panel);
  quantity_ = ReadOnlyBox("EditTotal" + word_ + "Number", panel);
  totals->addWidget(areaLabel_, 0, 0);
  totals->addWidget(area_, 0, 1);
  totals->addWidget(qtyLabel_, 1, 0);
  totals->addWidget(quantity_, 1, 1);
  if (kind_ != TGridKind::Parts) {
    costLabel_ = new QLabel(&panel);
    costLabel_->setObjectName("LabelCost_" + word_);
    cost_ = ReadOnlyBox("EditTotal" + word_ + "Cost", panel);
    totals->addWidget(costLabel_, 2, 0);
    totals->addWidget(cost_, 2, 1);
  }
  fileLabel_ = new QLabel(&panel);
  fileLabel_->setObjectName("LabelFileName_" + word_);
  fileName_ = new QLineEdit(&panel);
  fileName_->setObjectName("Edit" + word_ + "FileName");
  buttons_->addStretch(1);
  buttons_->addLayout(totals);
  buttons_->addWidget(fileLabel_);
  buttons_->addWidget(fileName_);
}

QString TListTab::FileName() const {
  return fileName_->text();
}

void TListTab::RefreshCaptions() {
  ApplyCaption(*open_, "Load File Button");
  ApplyCaption(*save_, "Save File Button");
  ApplyCaption(*saveAs_, "Save As Button");
  ApplyCaption(*delete_, "Delete Button");
  ApplyCaption(*deleteAll_, "Delete All Button");
  ApplyCaption(*importTxt_, "Import From TXT Button");
  ApplyCaption(*areaLabel_, "Total Area Caption");
  ApplyCaption(*qtyLabel_, "Total Qty Caption");
  if (costLabel_ != nullptr) ApplyCaption(*costLabel_, "Total Cost Caption");
  ApplyCaption(*fileLabel_, "Opened File Caption");
  grid_->SetHeadings(Headings(kind_));
}

bool TListTab::ComputeTotals() {
  if (!context_.ReadOption()) return false;
  TGrid rows = grid_->DataRows();
  TGridTotals totals;
  const std::optional<TCellFault> fault = ComputeGridTotals(rows, kind_, totals);
  grid_->SetDataRows(rows);
  if (fault) {
    ShowFault(*fault);
    return false;
  }
  const TGridTotalsTexts texts = GridTotalsTexts(totals, kind_);
  area_->setText(ToQString(texts.Area));
  quantity_->setText(ToQString(texts.Quantity));
  if (cost_ != nullptr) cost_->setText(ToQString(texts.Cost));
  return true;
}

void TListTab::ShowFault(const TCellFault& fault) {
  ShowCellFault(context_, *this, *grid_, fault);
}

// Enter moves to the next cell in reading order, except from the very last cell.
void TListTab::EnterPressed() {
  const int columns = grid_->columnCount();
  const int row = grid_->Row();
  const int column = grid_->currentColumn();
  const bool lastCell = row == grid_->RowCount() - 1 && column == columns - 1;
  if (!lastCell && row >= 1 && column >= 0) {
    const int next = row * columns + column + 1;
    grid_->SetCurrentCell(next % columns, next / columns);
  }
  ComputeTotals();
}

void TListTab::EmptyRow(int row) {
  for (int column = 0; column < grid_->columnCount(); ++column) grid_->SetCell(column, row, {});
  if (kind_ == TGridKind::Parts) {
    grid_->SetCell(static_cast<int>(kPartRotate), row, kTurnable);
    grid_->SetCell(static_cast<int>(kPartShape), row, kTurnable);
  }
}

void TListTab::DeleteClick() {
  const int row = grid_->Row();
  if (row >= 1) EmptyRow(row);
  ComputeTotals();
}

void TListTab::DeleteAllClick() {
  for (int row = 1; row < grid_->RowCount(); ++row) EmptyRow(row);
  ComputeTotals();
}

// A file that is no list leaves the grid and the file name as they were.
void TListTab::ReadFile(const QString& path) {
  const TListFileRead file = ReadListFile(ToStdString(path), kind_);
  if (!file.Refusal.empty()) {
    context_.Services.ShowMessage(this, ToQString(file.Refusal));
    return;
  }
  const auto dataRows = static_cast<size_t>(grid_->RowCount() - 1);
  grid_->SetRowCount(static_cast<int>(GrownDataRows(dataRows, file.Rows.size())) + 1);
  DeleteAllClick();
  grid_->FillDataRows(file.Rows);
  fileName_->setText(path);
  if (!file.Unread.empty()) context_.Services.ShowMessage(this, ToQString(file.Unread));
  ComputeTotals();
}

void TListTab::SaveFile(const QString& path) {
  const std::string fault = WriteListFile(ToStdString(path), grid_->DataRows(), kind_);
  if (!fault.empty()) context_.Services.ShowMessage(this, ToQString(fault));
  fileName_->setText(path);
}

void TListTab::ReadTxtFile(const QString& path) {
  TGrid rows = grid_->DataRows();
  const std::string fault = vexlin::ReadTxtFile(ToStdString(path), kind_, rows);
  grid_->SetDataRows(rows);
  if (!fault.empty()) context_.Services.ShowMessage(this, MessageText(fault));
}

void TListTab::OpenClick() {
  const auto path = AskOpenPath(context_.Services, this, FileExtension(kind_));
  if (path) ReadFile(*path);
}

// Without a file name there is nowhere to save to but where the user chooses.
void TListTab::SaveClick() {
  if (fileName_->text().isEmpty()) {
    SaveAsClick();
    return;
  }
  SaveFile(fileName_->text());
}

void TListTab::SaveAsClick() {
  // The offcut dialog's filter has always been headed "Save File ...".
  const auto path =
      AskSavePath(context_.Services, this, FileExtension(kind_),
                  kind_ == TGridKind::Offcuts ? "MSG_SAVE_FILE_TITLE" : "MSG_SAVE_AS_FILE_TITLE");
  if (path) SaveFile(*path);
}

void TListTab::ImportTxtClick() {
  const auto path = AskOpenPath(context_.Services, this, "txt");
  if (path) ReadTxtFile(*path);
}

}  // namespace vexlin
