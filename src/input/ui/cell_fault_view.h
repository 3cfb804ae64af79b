#pragma once

class QWidget;

namespace vexlin {

class TStringGrid;
struct TCellFault;
struct TTabContext;

// A refused cell as every grid reports it: its tab shown, the cell selected and focused,
// then the message.
void ShowCellFault(TTabContext& context, QWidget& tab, TStringGrid& grid, const TCellFault& fault);

}  // namespace vexlin
