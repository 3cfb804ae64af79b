#pragma once

#include "input/ui/list_tab.h"

namespace vexlin {

// The Offcuts tab: a list tab whose rows can also be moved into the sheet grid, one with
// "Add" or all with "Add All", so remnants of earlier jobs are cut first.
class TOffcutsTab : public TListTab {
  Q_OBJECT

 public:
  TOffcutsTab(TTabContext& context, TListTab& sheets, QWidget* parent = nullptr);

  void RefreshCaptions() override;

 public slots:
  void ButtonAddCurrentOffcutClick();
  void ButtonAddAllOffcutsClick();

 private:
  TListTab& sheets_;
  QPushButton* add_ = nullptr;
  QPushButton* addAll_ = nullptr;
};

}  // namespace vexlin
