#include "input/ui/cell_fault_view.h"

#include "model/ui/caption_texts.h"
#include "uikit/string_grid.h"
#include "uikit/tab_context.h"
#include "uikit/ui_services.h"

namespace vexlin {

void ShowCellFault(TTabContext& context, QWidget& tab, TStringGrid& grid, const TCellFault& fault) {
  context.ShowTab(tab);
  grid.SelectCell(static_cast<int>(fault.Column), static_cast<int>(fault.Row) + 1);
  context.Services.ShowMessage(&tab, ToQString(fault.Message));
}

}  // namespace vexlin
