#pragma once

#include <QTableWidget>

#include "input/grid_rows.h"

namespace vexlin {

// An editable grid of texts under a fixed heading, as the program's input grids are: the
// user clicks a cell and types, or double-clicks it to edit, and drags a heading's edge to
// widen its column. Enter is reported whether or not a cell was being edited, so the tab
// can move on and refresh its totals.
// Its own operations count rows as the program always has: row 0 is the heading and the
// data rows are 1 .. RowCount() - 1. The table widget's operations count data rows from 0.
class TStringGrid : public QTableWidget {
  Q_OBJECT

 public:
  // rowCount counts the heading row.
  TStringGrid(int rowCount, const QList<int>& columnWidths, QWidget* parent = nullptr);

  // The heading row included.
  int RowCount() const;
  void SetRowCount(int rows);
  // The current row; 0 when no cell is current, as the heading never is.
  int Row() const;

  // Row 0 reads and writes the heading.
  QString Cell(int column, int row) const;
  void SetCell(int column, int row, const QString& text);
  // A cell the program fills and the user cannot edit.
  void SetFixedCell(int column, int row, const QString& text);
  void SetHeadings(const QStringList& headings);

  // Data rows 1 .. last as the core's rows (data row 1 is rows[0]).
  TGrid DataRows() const;
  // Empties every data row, grows to hold all rows, and fills them in order.
  void SetDataRows(const TGrid& rows);
  // Writes the rows from data row 1 on and leaves the rows after them as they are.
  void FillDataRows(const TGrid& rows);
  void ClearDataRows();
  void SetCurrentCell(int column, int row);
  // Makes the cell current and gives the grid the focus.
  void SelectCell(int column, int row);

  // As wide as its columns, so a widened column widens the grid while the tab has room.
  QSize sizeHint() const override;

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

 private:
  int WidthFor(int columnsWidth) const;
  void BuildHeading();
};

}  // namespace vexlin
