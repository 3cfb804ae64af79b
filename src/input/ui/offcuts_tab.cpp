#include "input/ui/offcuts_tab.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "input/offcut_rows.h"
#include "model/ui/caption_texts.h"
#include "uikit/string_grid.h"

namespace vexlin {

TOffcutsTab::TOffcutsTab(TTabContext& context, TListTab& sheets, QWidget* parent)
    : TListTab(TGridKind::Offcuts, context, parent), sheets_(sheets) {
  add_ = new QPushButton(this);
  add_->setObjectName("ButtonAddCurrentOffcut");
  addAll_ = new QPushButton(this);
  addAll_->setObjectName("ButtonAddAllOffcuts");
  ButtonColumn().insertWidget(0, addAll_);
  ButtonColumn().insertWidget(0, add_);
  connect(add_, &QPushButton::clicked, this, &TOffcutsTab::ButtonAddCurrentOffcutClick);
  connect(addAll_, &QPushButton::clicked, this, &TOffcutsTab::ButtonAddAllOffcutsClick);
  RefreshCaptions();
}

void TOffcutsTab::RefreshCaptions() {
  TListTab::RefreshCaptions();
  ApplyCaption(*add_, "Add Offcuts Button");
  ApplyCaption(*addAll_, "Add All Offcuts Button");
}

void TOffcutsTab::ButtonAddCurrentOffcutClick() {
  const int row = Grid().Row();
  if (row < 1) return;
  TGrid offcuts = Grid().DataRows();
  TGrid sheets = sheets_.Grid().DataRows();
  AddCurrentOffcutRow(offcuts, static_cast<size_t>(row - 1), sheets);
  sheets_.Grid().SetDataRows(sheets);
  DeleteClick();
}

void TOffcutsTab::ButtonAddAllOffcutsClick() {
  TGrid offcuts = Grid().DataRows();
  TGrid sheets = sheets_.Grid().DataRows();
  AddAllOffcutRows(offcuts, sheets);
  sheets_.Grid().SetDataRows(sheets);
  DeleteAllClick();
}

}  // namespace vexlin
