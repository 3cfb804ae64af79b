#include "input/ui/string_grid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include "model/ui/caption_texts.h"

namespace vexlin {

namespace {

constexpr int kRowHeight = 20;

bool IsEnter(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TStringGrid::TStringGrid(int rowCount, const QList<int>& columnWidths, QWidget* parent)
    : QTableWidget(rowCount, static_cast<int>(columnWidths.size()), parent) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  for (int column = 0; column < columnCount(); ++column) {
    setColumnWidth(column, columnWidths[column]);
  }
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  // Exactly as wide as its columns: no empty band in a wide window, no sideways
  // scrolling in a narrow one.
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < columnCount(); ++column) width += columnWidth(column);
  setFixedWidth(width);
  for (int column = 0; column < columnCount(); ++column) {
    auto* heading = new QTableWidgetItem();
    heading->setFlags(Qt::ItemIsEnabled);
    heading->setBackground(palette().button());
    setItem(0, column, heading);
  }
}

QString TStringGrid::Cell(int column, int row) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell != nullptr ? cell->text() : QString();
}

void TStringGrid::SetCell(int column, int row, const QString& text) {
  QTableWidgetItem* cell = item(row, column);
  if (cell == nullptr) {
    if (text.isEmpty()) return;
    setItem(row, column, new QTableWidgetItem(text));
  } else {
    cell->setText(text);
  }
}

void TStringGrid::SetHeadings(const QStringList& headings) {
  for (int column = 0; column < columnCount() && column < headings.size(); ++column) {
    item(0, column)->setText(headings[column]);
  }
}

TGrid TStringGrid::DataRows() const {
  TGrid rows(static_cast<size_t>(rowCount() - 1));
  for (int row = 1; row < rowCount(); ++row) {
    TGridRow& cells = rows[static_cast<size_t>(row - 1)];
    cells.resize(static_cast<size_t>(columnCount()));
    for (int column = 0; column < columnCount(); ++column) {
      cells[static_cast<size_t>(column)] = ToStdString(Cell(column, row));
    }
  }
  return rows;
}

void TStringGrid::SetDataRows(const TGrid& rows) {
  ClearDataRows();
  FillDataRows(rows);
}

void TStringGrid::FillDataRows(const TGrid& rows) {
  if (static_cast<int>(rows.size()) >= rowCount()) setRowCount(static_cast<int>(rows.size()) + 1);
  for (size_t row = 0; row < rows.size(); ++row) {
    for (int column = 0; column < columnCount(); ++column) {
      SetCell(column, static_cast<int>(row) + 1,
              ToQString(CellText(rows[row], static_cast<size_t>(column))));
    }
  }
}

void TStringGrid::ClearDataRows() {
  for (int row = 1; row < rowCount(); ++row) {
    for (int column = 0; column < columnCount(); ++column) SetCell(column, row, QString());
  }
}

void TStringGrid::SelectCell(int column, int row) {
  setCurrentCell(row, column);
  setFocus();
}

void TStringGrid::cut() {
  copy();
  if (currentRow() >= 1) SetCell(currentColumn(), currentRow(), {});
}

void TStringGrid::copy() {
  if (currentRow() >= 1) QGuiApplication::clipboard()->setText(Cell(currentColumn(), currentRow()));
}

void TStringGrid::paste() {
  if (currentRow() >= 1)
    SetCell(currentColumn(), currentRow(), QGuiApplication::clipboard()->text());
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
  if (IsEnter(event->key()) && state() != QAbstractItemView::EditingState) {
    emit EnterPressed();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

// The item delegate closes its editor with this hint when Enter was pressed in it.
void TStringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  QTableWidget::closeEditor(editor, hint);
  if (hint == QAbstractItemDelegate::SubmitModelCache) emit EnterPressed();
}

}  // namespace vexlin
