#include "output/ui/layout_tab.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "model/ui/caption_texts.h"

namespace vexlin {

TLayoutTab::TLayoutTab(QWidget* parent) : QWidget(parent) {
  setObjectName("TabSheetLayout");
  auto* facts = new QVBoxLayout();
  sheetHead_ = AddCaptionLabel("LabelSheetHead");
  label_ = AddCaptionLabel("LabelLayoutLabel");
  length_ = AddCaptionLabel("LabelLayoutLength");
  width_ = AddCaptionLabel("LabelLayoutWidth");
  qty_ = AddCaptionLabel("LabelLayoutQty");
  cost_ = AddCaptionLabel("LabelLayoutCost");
  area_ = AddCaptionLabel("LabelLayoutArea");
  waste_ = AddCaptionLabel("LabelLayoutWaste");
  utilization_ = AddCaptionLabel("LabelLayoutUtilization");
  partsInLayout_ = AddCaptionLabel("LabelPartsInLayout");
  for (QLabel* caption : {sheetHead_, label_, length_, width_, qty_, cost_, area_, waste_,
                          utilization_, partsInLayout_}) {
    facts->addWidget(caption);
  }
  facts->addStretch(1);

  auto* switches = new QHBoxLayout();
  showLabel_ = AddSwitch("ShowLabel", true);
  showLengthXWidth_ = AddSwitch("ShowLengthXWidth", false);
  showXYPos_ = AddSwitch("ShowXYPos", false);
  showOffcuts_ = AddSwitch("ShowOffcuts", false);
  for (QCheckBox* box : {showLabel_, showLengthXWidth_, showXYPos_, showOffcuts_}) {
    switches->addWidget(box);
  }
  switches->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(switches);
  layout->addLayout(facts, 1);
  RefreshCaptions();
}

QLabel* TLayoutTab::AddCaptionLabel(const char* name) {
  auto* caption = new QLabel(this);
  caption->setObjectName(name);
  return caption;
}

QCheckBox* TLayoutTab::AddSwitch(const char* name, bool checked) {
  auto* box = new QCheckBox(this);
  box->setObjectName(name);
  box->setChecked(checked);
  return box;
}

TDrawSwitches TLayoutTab::Switches() const {
  return {showLabel_->isChecked(), showXYPos_->isChecked(), showLengthXWidth_->isChecked()};
}

bool TLayoutTab::ShowOffcuts() const { return showOffcuts_->isChecked(); }

void TLayoutTab::RefreshCaptions() {
  ApplyCaption(*label_, "Layout Sheet Label Caption");
  ApplyCaption(*length_, "Layout Sheet Length Caption");
  ApplyCaption(*width_, "Layout Sheet Width Caption");
  ApplyCaption(*qty_, "Layout Sheet Qty Caption");
  ApplyCaption(*cost_, "Layout Sheet Cost Caption");
  ApplyCaption(*area_, "Area Caption");
  ApplyCaption(*waste_, "Waste Area Caption");
  ApplyCaption(*utilization_, "Layout Sheet Utilization Caption");
  ApplyCaption(*partsInLayout_, "Parts in Layout Caption");
  ApplyCaption(*sheetHead_, "Tab Sheets");
  ApplyCaption(*showOffcuts_, "Tab Offcuts");
  ApplyCaption(*showXYPos_, "Left Top Caption");
  showLabel_->setText(CaptionText("Part Label Caption"));
  showLengthXWidth_->setText(CaptionText("Part Length Caption") + " x " +
                             CaptionText("Part Width Caption"));
}

}  // namespace vexlin
