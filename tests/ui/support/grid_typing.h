#pragma once

#include <QString>

namespace vexlin {

class TStringGrid;

// Types a text into a cell as a user does: select the cell, type (the first key opens the
// editor), then press Enter in the editor.
void TypeIntoCell(TStringGrid& grid, int column, int row, const QString& text);

// Fills a row's cells from the first column on, pressing Enter after each.
void TypeRow(TStringGrid& grid, int row, const QStringList& cells);

}  // namespace vexlin
