#include "support/grid_typing.h"

#include <QLineEdit>
#include <QtTest>

#include "uikit/string_grid.h"

namespace vexlin {

void TypeIntoCell(TStringGrid& grid, int column, int row, const QString& text) {
  grid.SetCurrentCell(column, row);
  if (text.isEmpty()) {
    QTest::keyClick(&grid, Qt::Key_Return);
    return;
  }
  QTest::keyClicks(&grid, text.left(1));
  auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(grid.currentIndex()));
  QVERIFY2(editor != nullptr, "typing did not open the cell editor");
  QTest::keyClicks(editor, text.mid(1));
  QTest::keyClick(editor, Qt::Key_Return);
  // The editor hands its text over in a queued call, as between two keystrokes.
  QCoreApplication::processEvents();
}

void TypeRow(TStringGrid& grid, int row, const QStringList& cells) {
  for (int column = 0; column < cells.size(); ++column) {
    TypeIntoCell(grid, column, row, cells[column]);
  }
}

}  // namespace vexlin
