#include <QtTest>

#include "input/ui/list_tab.h"
#include "input/ui/string_grid.h"
#include "support/window_fixture.h"

namespace vexlin {

class ListTabTest : public QObject {
  Q_OBJECT

 private slots:
  void EnterMovesInReadingOrder() {
    TWindowFixture fixture;
    TStringGrid& grid = fixture.Open().SheetsTab().Grid();
    grid.SelectCell(4, 1);
    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(grid.currentRow(), 2);
    QCOMPARE(grid.currentColumn(), 0);
  }
};

}  // namespace vexlin

QTEST_MAIN(vexlin::ListTabTest)
#include "list_tab_test.moc"
