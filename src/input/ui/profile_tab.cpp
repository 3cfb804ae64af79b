#include "input/ui/profile_tab.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>
#include <string>
#include <vector>

#include "input/dxf_import.h"
#include "input/grid_readers.h"
#include "input/profile_file.h"
#include "input/profile_list.h"
#include "input/ui/cell_fault_view.h"
#include "input/ui/paint_box.h"
#include "input/ui/profile_previews.h"
#include "input/ui/shape_pictures.h"
#include "model/ui/caption_texts.h"
#include "uikit/string_grid.h"
#include "uikit/tab_context.h"
#include "uikit/ui_services.h"

namespace vexlin {
namespace {

constexpr int kListRows = 100;
constexpr const char* kPictureNames[] = {"ImageTri1", "ImageTri2",  "ImageTra1", "ImageTra2",
                                         "ImageTra3", "ImageDisc1", "ImageDisc2"};

QLineEdit* Edit(const char* name, QWidget& parent) {
  auto* edit = new QLineEdit(&parent);
  edit->setObjectName(name);
  return edit;
}

QLabel* Caption(const char* name, QWidget& parent) {
  auto* caption = new QLabel(&parent);
  caption->setObjectName(name);
  return caption;
}

}  // namespace

TProfileTab::TProfileTab(TTabContext& context, TProfileLists& lists, TDxfImport& dxf,
                         QWidget* parent)
    : QWidget(parent), context_(context), lists_(lists), dxf_(dxf) {
  setObjectName("TabSheetAnyShape");
  // The list with its preview beside the definition of a new profile: both fit the
  // smallest window, and a larger one gives the preview the room.
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildListSide(), 1);
  layout->addWidget(BuildEditGroup());
  RefreshCaptions();
}

QWidget* TProfileTab::BuildListSide() {
  auto* side = new QWidget(this);
  grid_ = new TStringGrid(kListRows, {197, 75}, side);
  grid_->setObjectName("StringGridAnyShape");
  // Descriptions are the program's; only quantities are typed.
  for (int row = 1; row < kListRows; ++row) grid_->SetFixedCell(0, row, {});
  connect(grid_, &QTableWidget::currentCellChanged, this, &TProfileTab::StringGridAnyShapeClick);

  auto* buttons = new QGridLayout();
  open_ = AddButton("AnyShapeOpen", *side);
  save_ = AddButton("AnyShapeSave", *side);
  saveAs_ = AddButton("AnyShapeSaveAs", *side);
  delete_ = AddButton("AnyShapeDelete", *side);
  deleteAll_ = AddButton("AnyShapeDeleteAll", *side);
  // Two rows: five buttons in one are too narrow for their texts.
  buttons->addWidget(open_, 0, 0);
  buttons->addWidget(save_, 0, 1);
  buttons->addWidget(saveAs_, 0, 2);
  buttons->addWidget(delete_, 1, 0);
  buttons->addWidget(deleteAll_, 1, 1);
  buttons->setColumnStretch(3, 1);
  connect(open_, &QPushButton::clicked, this, &TProfileTab::AnyShapeOpenClick);
  connect(save_, &QPushButton::clicked, this, &TProfileTab::AnyShapeSaveClick);
  connect(saveAs_, &QPushButton::clicked, this, &TProfileTab::AnyShapeSaveAsClick);
  connect(delete_, &QPushButton::clicked, this, &TProfileTab::AnyShapeDeleteClick);
  connect(deleteAll_, &QPushButton::clicked, this, &TProfileTab::AnyShapeDeleteAllClick);

  fileLabel_ = Caption("LabelFileName_AnyShape", *side);
  fileName_ = Edit("EditAnyShapeFileName", *side);
  fileName_->setReadOnly(true);
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(grid_, 1, Qt::AlignLeft);
  column->addWidget(BuildListPreview(), 1);
  column->addLayout(buttons);
  column->addWidget(fileLabel_);
  column->addWidget(fileName_);
  return side;
}

QGroupBox* TProfileTab::BuildEditGroup() {
  editGroup_ = new QGroupBox(this);
  editGroup_->setObjectName("GroupBoxEditShape");
  shapes_ = new QComboBox(editGroup_);
  shapes_->setObjectName("ComboBoxStandShape");
  shapes_->addItems(StandardShapeNames());
  shapes_->setCurrentIndex(-1);
  connect(shapes_, &QComboBox::activated, this, &TProfileTab::ComboBoxStandShapeChange);
  add_ = AddButton("ButtonAddAnyShape", *editGroup_);
  importDxf_ = AddButton("ButtonImportDXF", *editGroup_);
  connect(add_, &QPushButton::clicked, this, &TProfileTab::ButtonAddAnyShapeClick);
  connect(importDxf_, &QPushButton::clicked, this, &TProfileTab::ButtonImportDXFClick);
  labelCaption_ = Caption("LabelSelectLabel", *editGroup_);
  label_ = Edit("EditSelectLabel", *editGroup_);
  qtyCaption_ = Caption("LabelSelectQty", *editGroup_);
  qty_ = Edit("EditSelectQty", *editGroup_);
  qty_->setText("1");
  parameters_ = new TStringGrid(2, {200, 98}, editGroup_);
  parameters_->setObjectName("StringGridStandardPara");

  auto* form = new QFormLayout();
  form->addRow(shapes_);
  form->addRow(labelCaption_, label_);
  form->addRow(qtyCaption_, qty_);
  auto* top = new QHBoxLayout();
  top->addLayout(form);
  top->addWidget(BuildPreviewPanel(), 0, Qt::AlignTop);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(add_);
  buttons->addWidget(importDxf_);
  auto* column = new QVBoxLayout(editGroup_);
  column->addLayout(top);
  column->addWidget(parameters_, 1);
  column->addLayout(buttons);
  return editGroup_;
}

// The pictures and the DXF box share one place; at most one of them shows.
QWidget* TProfileTab::BuildPreviewPanel() {
  auto* panel = new QWidget(editGroup_);
  panel->setObjectName("PanelShapePreview");
  const QStringList& names = StandardShapeNames();
  for (int i = 0; i < kShapeCount; ++i) {
    QLabel* picture = Caption(kPictureNames[i], *panel);
    picture->setPixmap(StandardShapePicture(names[i]));
    picture->setFixedSize(picture->sizeHint());
    picture->hide();
    pictures_[static_cast<size_t>(i)] = picture;
  }
  dxfBox_ = new TPaintBox(panel);
  dxfBox_->setObjectName("PaintBoxShowSelectShape");
  dxfBox_->setFixedSize(pictures_[0]->size());
  dxfBox_->SetPaintHandler([this](QPainter& painter, QSize size) { OnShowDXF(painter, size); });
  dxfBox_->hide();
  panel->setFixedSize(dxfBox_->size());
  return panel;
}

// Keeps its room while hidden, so the tab does not jump as the selection moves.
TPaintBox* TProfileTab::BuildListPreview() {
  listPreview_ = new TPaintBox(this);
  listPreview_->setObjectName("PaintBoxShowAnyShpe");
  listPreview_->setMinimumSize(200, 120);
  QSizePolicy keepRoom = listPreview_->sizePolicy();
  keepRoom.setRetainSizeWhenHidden(true);
  listPreview_->setSizePolicy(keepRoom);
  listPreview_->SetPaintHandler(
      [this](QPainter& painter, QSize size) { OnPaintAnyShape(painter, size); });
  listPreview_->hide();
  return listPreview_;
}

QPushButton* TProfileTab::AddButton(const char* name, QWidget& parent) {
  auto* button = new QPushButton(&parent);
  button->setObjectName(name);
  return button;
}

void TProfileTab::RefreshCaptions() {
  ApplyCaption(*open_, "Load File Button");
  ApplyCaption(*save_, "Save File Button");
  ApplyCaption(*saveAs_, "Save As Button");
  ApplyCaption(*delete_, "Delete Button");
  ApplyCaption(*deleteAll_, "Delete All Button");
  ApplyCaption(*fileLabel_, "Opened File Caption");
  ApplyCaption(*editGroup_, "Select Profile Caption");
  ApplyCaption(*add_, "Add Profile Button");
  ApplyCaption(*importDxf_, "Import DXF Button");
  ApplyCaption(*labelCaption_, "Part Label Caption");
  ApplyCaption(*qtyCaption_, "Part Qty Caption");
  grid_->SetHeadings({CaptionText("Part Label Caption"), CaptionText("Part Qty Caption")});
  parameters_->SetHeadings({CaptionText("Standard Profile Var Name Caption"),
                            CaptionText("Standard Profile Value Caption")});
}

bool TProfileTab::ReadAnyShapeGrid() {
  const std::optional<TCellFault> fault = ReadProfileQuantities(grid_->DataRows(), lists_.Profiles);
  if (!fault) return true;
  ShowCellFault(context_, *this, *grid_, *fault);
  return false;
}

void TProfileTab::ShowAnyShapeList() {
  TGrid rows;
  for (const TProfileRow& row : ProfileListRows(lists_)) {
    rows.push_back({row.Description, row.Quantity});
  }
  grid_->SetDataRows(rows);
  StringGridAnyShapeClick();
}

void TProfileTab::ShowOnlyPreview(QWidget* preview) {
  for (QLabel* picture : pictures_) picture->hide();
  dxfBox_->hide();
  if (preview != nullptr) preview->show();
}

void TProfileTab::ComboBoxStandShapeChange() {
  dxf_.OutlineSelected = false;
  const int chosen = shapes_->currentIndex();
  ShowOnlyPreview(chosen >= 0 ? pictures_[static_cast<size_t>(chosen)] : nullptr);
  const QStringList names = StandardShapeParameters(shapes_->currentText());
  parameters_->SetRowCount(static_cast<int>(names.size()) + 1);
  for (int i = 0; i < names.size(); ++i) parameters_->SetFixedCell(0, i + 1, names[i]);
}

void TProfileTab::ForgetDxfOutline() {
  if (dxfBox_->isHidden()) return;
  if (shapes_->currentIndex() >= 0) {
    ComboBoxStandShapeChange();
  } else {
    ShowOnlyPreview(nullptr);
  }
}

TShapeParams TProfileTab::ParameterTexts() const {
  TShapeParams texts;
  for (size_t i = 0; i < texts.size(); ++i) {
    texts[i] = ToStdString(parameters_->Cell(1, static_cast<int>(i) + 1));
  }
  return texts;
}

void TProfileTab::ButtonAddAnyShapeClick() {
  const std::string label = ToStdString(label_->text());
  // Without a label nothing else is looked at, the typed quantities included.
  if (!label.empty()) ReadAnyShapeGrid();
  const std::string message = AddAnyShape(lists_, dxf_, label, ToStdString(qty_->text()),
                                          ToStdString(shapes_->currentText()), ParameterTexts());
  if (!message.empty()) {
    context_.Services.ShowMessage(this, ToQString(message));
    return;
  }
  ShowAnyShapeList();
}

void TProfileTab::ButtonImportDXFClick() {
  const auto path = AskOpenPath(context_.Services, this, "dxf");
  if (!path) return;
  const TDxfReadResult read = ImportDXF(dxf_, ToStdString(*path));
  if (!read.Accepted) {
    if (!read.Message.empty()) context_.Services.ShowMessage(this, ToQString(read.Message));
    ForgetDxfOutline();
    return;
  }
  // An outline has no parameters.
  parameters_->SetRowCount(2);
  parameters_->SetFixedCell(0, 1, {});
  ShowOnlyPreview(dxfBox_);
  dxfBox_->update();
}

void TProfileTab::OnShowDXF(QPainter& painter, QSize size) {
  PaintDxfPreview(painter, size, dxf_.Outline, context_.PictureStyle());
}

int TProfileTab::SelectedProfile() const {
  const int row = grid_->Row();
  return row >= 1 && row <= static_cast<int>(lists_.Profiles.Size()) ? row - 1 : -1;
}

void TProfileTab::StringGridAnyShapeClick() {
  listPreview_->hide();
  if (SelectedProfile() < 0) return;
  listPreview_->show();
  listPreview_->update();
}

void TProfileTab::OnPaintAnyShape(QPainter& painter, QSize size) {
  const int profile = SelectedProfile();
  if (profile < 0) return;
  PaintProfilePreview(painter, size, lists_.Profiles[static_cast<size_t>(profile)], *lists_.Shapes,
                      context_.PictureStyle());
}

void TProfileTab::ReadAnyShapeFile(const QString& path) {
  for (const std::string& message : vexlin::ReadAnyShapeFile(lists_, dxf_, ToStdString(path))) {
    context_.Services.ShowMessage(this, ToQString(message));
  }
  ShowAnyShapeList();
  fileName_->setText(path);
  ForgetDxfOutline();
}

void TProfileTab::SaveAnyShapeFile(const QString& path) {
  if (!ReadAnyShapeGrid()) return;
  const std::string fault = vexlin::SaveAnyShapeFile(lists_, ToStdString(path));
  if (!fault.empty()) {
    context_.Services.ShowMessage(this, ToQString(fault));
    return;
  }
  fileName_->setText(path);
}

void TProfileTab::AnyShapeOpenClick() {
  const auto path = AskOpenPath(context_.Services, this, "apt");
  if (path) ReadAnyShapeFile(*path);
}

// Without a file name there is nowhere to save to but where the user chooses.
void TProfileTab::AnyShapeSaveClick() {
  if (fileName_->text().isEmpty()) {
    AnyShapeSaveAsClick();
    return;
  }
  SaveAnyShapeFile(fileName_->text());
}

void TProfileTab::AnyShapeSaveAsClick() {
  const auto path = AskSavePath(context_.Services, this, "apt");
  if (path) SaveAnyShapeFile(*path);
}

void TProfileTab::AnyShapeDeleteClick() {
  const int profile = SelectedProfile();
  if (profile < 0) return;
  DeleteProfile(lists_, static_cast<size_t>(profile));
  ShowAnyShapeList();
}

void TProfileTab::AnyShapeDeleteAllClick() {
  DeleteAllProfiles(lists_);
  ShowAnyShapeList();
}

}  // namespace vexlin
