#include "input/ui/profile_tab.h"

#include "app/tab_context.h"

namespace vexlin {

TProfileTab::TProfileTab(TTabContext& /*context*/, TProfileLists& /*lists*/, TDxfImport& /*dxf*/,
                         QWidget* parent)
    : QWidget(parent) {
  setObjectName("TabSheetAnyShape");
}

bool TProfileTab::ReadAnyShapeGrid() { return true; }
void TProfileTab::ReadAnyShapeFile(const QString& /*path*/) {}
void TProfileTab::SaveAnyShapeFile(const QString& /*path*/) {}
void TProfileTab::ShowAnyShapeList() {}
void TProfileTab::RefreshCaptions() {}

}  // namespace vexlin
