#include "uikit/string_grid.h"

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
    : QTableWidget(rowCount - 1, static_cast<int>(columnWidths.size()), parent) {
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  int columnsWidth = 0;
  for (int column = 0; column < columnCount(); ++column) {
    setColumnWidth(column, columnWidths[column]);
    columnsWidth += columnWidths[column];
  }
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  BuildHeading();
  // Never narrower than its columns as first laid out, never wider than they are now: no
  // empty band in a wide window, and a widened column scrolls sideways in a narrow one.
  setMinimumWidth(WidthFor(columnsWidth));
  setSizePolicy(QSizePolicy::Maximum, sizePolicy().verticalPolicy());
}

void TStringGrid::BuildHeading() {
  QHeaderView& heading = *horizontalHeader();
  heading.setSectionResizeMode(QHeaderView::Interactive);
  heading.setStretchLastSection(false);
  // A heading cell selects nothing, as the heading row of the program's grids never did.
  heading.setSectionsClickable(false);
  heading.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (int column = 0; column < columnCount(); ++column) {
    setHorizontalHeaderItem(column, new QTableWidgetItem());
  }
  connect(&heading, &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
}

int TStringGrid::WidthFor(int columnsWidth) const {
  return 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + columnsWidth;
}

QSize TStringGrid::sizeHint() const {
  return {WidthFor(horizontalHeader()->length()), QTableWidget::sizeHint().height()};
}

int TStringGrid::RowCount() const {
  return rowCount() + 1;
}

void TStringGrid::SetRowCount(int rows) {
  setRowCount(rows - 1);
}

int TStringGrid::Row() const {
  return currentRow() + 1;
}

QString TStringGrid::Cell(int column, int row) const {
  const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
  return cell != nullptr ? cell->text() : QString();
}

void TStringGrid::SetCell(int column, int row, const QString& text) {
  if (row == 0) {
    horizontalHeaderItem(column)->setText(text);
    return;
  }
  QTableWidgetItem* cell = item(row - 1, column);
  if (cell == nullptr) {
    if (text.isEmpty()) return;
    setItem(row - 1, column, new QTableWidgetItem(text));
  } else {
    cell->setText(text);
  }
}

void TStringGrid::SetFixedCell(int column, int row, const QString& text) {
  auto* cell = new QTableWidgetItem(text);
  cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  setItem(row - 1, column, cell);
}

void TStringGrid::SetHeadings(const QStringList& headings) {
  for (int column = 0; column < columnCount() && column < headings.size(); ++column) {
    SetCell(column, 0, headings[column]);
  }
}

TGrid TStringGrid::DataRows() const {
  TGrid rows(static_cast<size_t>(RowCount() - 1));
  for (int row = 1; row < RowCount(); ++row) {
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
  if (static_cast<int>(rows.size()) > rowCount()) setRowCount(static_cast<int>(rows.size()));
  for (size_t row = 0; row < rows.size(); ++row) {
    for (int column = 0; column < columnCount(); ++column) {
      SetCell(column, static_cast<int>(row) + 1,
              ToQString(CellText(rows[row], static_cast<size_t>(column))));
    }
  }
}

void TStringGrid::ClearDataRows() {
  for (int row = 1; row < RowCount(); ++row) {
    for (int column = 0; column < columnCount(); ++column) SetCell(column, row, QString());
  }
}

void TStringGrid::SetCurrentCell(int column, int row) {
  setCurrentCell(row - 1, column);
}

void TStringGrid::SelectCell(int column, int row) {
  SetCurrentCell(column, row);
  setFocus();
}

void TStringGrid::cut() {
  copy();
  if (Row() >= 1) SetCell(currentColumn(), Row(), {});
}

void TStringGrid::copy() {
  if (Row() >= 1) QGuiApplication::clipboard()->setText(Cell(currentColumn(), Row()));
}

void TStringGrid::paste() {
  if (Row() >= 1) SetCell(currentColumn(), Row(), QGuiApplication::clipboard()->text());
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
