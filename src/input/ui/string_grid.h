#pragma once

#include <QTableWidget>

#include "input/grid_rows.h"

namespace vexlin {

// An editable grid of texts whose row 0 is the heading row, as the program's input grids
// are: the user clicks a cell and types, or double-clicks it to edit. Enter is reported
// whether or not a cell was being edited, so the tab can move on and refresh its totals.
class TStringGrid : public QTableWidget {
  Q_OBJECT

 public:
  // rowCount counts the heading row.
  TStringGrid(int rowCount, const QList<int>& columnWidths, QWidget* parent = nullptr);

  QString Cell(int column, int row) const;
  void SetCell(int column, int row, const QString& text);
  void SetHeadings(const QStringList& headings);

  // Data rows 1 .. last as the core's rows (data row 1 is rows[0]).
  TGrid DataRows() const;
  // Empties every data row, grows to hold all rows, and fills them in order.
  void SetDataRows(const TGrid& rows);
  // Writes the rows from data row 1 on and leaves the rows after them as they are.
  void FillDataRows(const TGrid& rows);
  void ClearDataRows();
  // Makes the cell current and gives the grid the focus.
  void SelectCell(int column, int row);

 public slots:
  // The clipboard commands of the toolbar and the Edit menu, on the current cell.
  void cut();
  void copy();
  void paste();

 signals:
  void EnterPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
};

}  // namespace vexlin
