#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include "input/ui/offcuts_tab.h"
#include "model/text_table.h"
#include "support/grid_typing.h"
#include "support/window_fixture.h"
#include "uikit/string_grid.h"

namespace vexlin {

namespace {

QString Total(TListTab& tab, const QString& name) {
  return tab.findChild<QLineEdit*>(name)->text();
}

TSDIAppForm& ShownWindow(TWindowFixture& fixture, QSize size) {
  TSDIAppForm& window = fixture.Open();
  window.resize(size);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) qFatal("window not shown");
  return window;
}

// Drags the right edge of a heading cell as a user widens the column.
void DragColumnEdge(TStringGrid& grid, int column, int by) {
  QHeaderView& heading = *grid.horizontalHeader();
  const int edge = heading.sectionViewportPosition(column) + heading.sectionSize(column) - 1;
  const QPoint from(edge, heading.height() / 2);
  QTest::mousePress(heading.viewport(), Qt::LeftButton, {}, from);
  QTest::mouseMove(heading.viewport(), from + QPoint(by, 0));
  QTest::mouseRelease(heading.viewport(), Qt::LeftButton, {}, from + QPoint(by, 0));
}

QString SheetSections(int first, int last) {
  QString text;
  for (int n = first; n <= last; ++n) {
    text += QString("[SHEET%1]\nLABEL=S%1\nLENGTH=100\nWIDTH=50\nQTY=1\n").arg(n);
  }
  return text;
}

}  // namespace

class ListTabTest : public QObject {
  Q_OBJECT

 private slots:
  void EnterMovesInReadingOrderButNotFromTheLastCell() {
    TWindowFixture fixture;
    TStringGrid& grid = fixture.Open().SheetsTab().Grid();
    grid.SetCurrentCell(4, 1);
    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(grid.Row(), 2);
    QCOMPARE(grid.currentColumn(), 0);
    grid.SetCurrentCell(2, 1);
    QTest::keyClick(&grid, Qt::Key_Enter);
    QCOMPARE(grid.currentColumn(), 3);
    grid.SetCurrentCell(4, 500);
    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(grid.Row(), 500);
    QCOMPARE(grid.currentColumn(), 4);
  }

  // The heading was the grid's first row: it scrolled away and took the cursor.
  void TheHeadingStaysWhileTheGridScrollsAndNeverTakesTheCursor() {
    TWindowFixture fixture;
    TSDIAppForm& window = ShownWindow(fixture, QSize(781, 575));
    TStringGrid& grid = window.SheetsTab().Grid();
    QHeaderView& heading = *grid.horizontalHeader();
    grid.SelectCell(2, 1);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_PageUp);
    QCOMPARE(grid.Row(), 1);
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid.Row(), 500);
    QVERIFY(grid.rowAt(0) > 400);
    QVERIFY(heading.isVisible());
    QVERIFY(heading.geometry().bottom() < grid.viewport()->geometry().top());
    QCOMPARE(heading.model()->headerData(0, Qt::Horizontal).toString(), QString("Label "));
    Texts().SetText("Layout Sheet Length Caption", "Longueur");
    window.SheetsTab().RefreshCaptions();
    QCOMPARE(heading.model()->headerData(1, Qt::Horizontal).toString(), QString("Longueur"));
    QCOMPARE(grid.Cell(1, 0), QString("Longueur"));
    TypeIntoCell(grid, 0, 500, "Last");
    QCOMPARE(grid.Cell(0, 500), QString("Last"));
    QCOMPARE(grid.Row(), 500);
  }

  // Captions and labels wider than their column could not be read whole.
  void EveryGridsColumnsCanBeWidenedByTheUser() {
    TWindowFixture fixture;
    TSDIAppForm& window = ShownWindow(fixture, QSize(1000, 700));
    const QList<TStringGrid*> grids = window.findChildren<TStringGrid*>();
    QCOMPARE(grids.size(), 6);
    for (TStringGrid* grid : grids) {
      for (int column = 0; column < grid->columnCount(); ++column) {
        QCOMPARE(grid->horizontalHeader()->sectionResizeMode(column), QHeaderView::Interactive);
      }
    }
    window.PageControl().setCurrentWidget(&window.PartsTab());
    TStringGrid& grid = window.PartsTab().Grid();
    DragColumnEdge(grid, 0, 100);
    QCOMPARE(grid.columnWidth(0), 196);
    QCoreApplication::processEvents();
    // With room in the window the grid widens with its column: the last one stays in view.
    const int last = grid.columnCount() - 1;
    QVERIFY(grid.columnViewportPosition(last) + grid.columnWidth(last) <= grid.viewport()->width());
  }

  void TypedSheetRowsAreTotalledWithAnEmptyCostWrittenAsZero() {
    TWindowFixture fixture;
    TListTab& sheets = fixture.Open().SheetsTab();
    TypeRow(sheets.Grid(), 1, {"Board", "2000", "1000", "3", "12.5"});
    TypeRow(sheets.Grid(), 2, {"Free", "1000", "500", "2"});
    QCOMPARE(sheets.Grid().Row(), 2);
    QCOMPARE(sheets.Grid().currentColumn(), 4);
    QCOMPARE(sheets.Grid().Cell(4, 2), QString("0"));
    QCOMPARE(Total(sheets, "EditTotalSheetsArea"), QString("7000000"));
    QCOMPARE(Total(sheets, "EditTotalSheetsNumber"), QString("5"));
    QCOMPARE(Total(sheets, "EditTotalSheetsCost"), QString("37.5"));
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  void PartCodesAreRewrittenAndAZeroQuantityAccepted() {
    TWindowFixture fixture;
    TListTab& parts = fixture.Open().PartsTab();
    TypeRow(parts.Grid(), 1, {"Door", "600", "400", "n", "2", "c"});
    TypeRow(parts.Grid(), 2, {"Shelf", "500", "300", "x", "0", "r"});
    TypeRow(parts.Grid(), 3, {"Side", "700", "300", "", "1"});
    QCOMPARE(parts.Grid().Cell(3, 1), QString("N"));
    QCOMPARE(parts.Grid().Cell(5, 1), QString("C"));
    QCOMPARE(parts.Grid().Cell(3, 2), QString("R"));
    QCOMPARE(parts.Grid().Cell(5, 2), QString("R"));
    QCOMPARE(parts.Grid().Cell(3, 3), QString("R"));
    QCOMPARE(Total(parts, "EditTotalPartsNumber"), QString("3"));
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  void EachRefusedCellIsSelectedAndTheTotalsKept_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("message");
    const int sheets = static_cast<int>(TGridKind::Sheets);
    const int parts = static_cast<int>(TGridKind::Parts);
    const int offcuts = static_cast<int>(TGridKind::Offcuts);
    QTest::newRow("sheet length") << sheets << QStringList{"S", "x", "1", "1"} << 1
                                  << "Current sheet Length format error.";
    QTest::newRow("sheet width") << sheets << QStringList{"S", "1", "0", "1"} << 2
                                 << "Current sheet Width format error.";
    QTest::newRow("sheet qty 0") << sheets << QStringList{"S", "1", "1", "0"} << 3
                                 << "Current sheet quantity format error.";
    QTest::newRow("sheet cost") << sheets << QStringList{"S", "1", "1", "1", "-2"} << 4
                                << "Current sheet cost format error.";
    QTest::newRow("offcut length") << offcuts << QStringList{"O", "-1", "1", "1"} << 1
                                   << "Current offcut Length format error.";
    QTest::newRow("offcut width") << offcuts << QStringList{"O", "1", "w", "1"} << 2
                                  << "Current offcut Width format error.";
    QTest::newRow("offcut qty") << offcuts << QStringList{"O", "1", "1", "1.5"} << 3
                                << "Current offcut quantity format error.";
    QTest::newRow("offcut cost") << offcuts << QStringList{"O", "1", "1", "1", "c"} << 4
                                 << "Current offcut cost format error.";
    QTest::newRow("part length") << parts << QStringList{"P", "99999999", "1", "R", "1"} << 1
                                 << "Current part Length format error.";
    QTest::newRow("part width") << parts << QStringList{"P", "1", "", "R", "1"} << -1 << "";
    QTest::newRow("part qty") << parts << QStringList{"P", "1", "1", "R", "-1"} << 4
                              << "Current part quantity format error.";
  }

  void EachRefusedCellIsSelectedAndTheTotalsKept() {
    QFETCH(int, kind);
    QFETCH(QStringList, row);
    QFETCH(int, column);
    QFETCH(QString, message);
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    TListTab& tab = kind == static_cast<int>(TGridKind::Sheets)  ? window.SheetsTab()
                    : kind == static_cast<int>(TGridKind::Parts) ? window.PartsTab()
                                                                 : window.OffcutsTab();
    window.PageControl().setCurrentIndex(4);
    for (int cell = 0; cell < row.size(); ++cell) tab.Grid().SetCell(cell, 3, row[cell]);
    tab.Grid().SetCurrentCell(0, 7);
    tab.DeleteClick();
    if (column < 0) {  // a row without all its sizes is not looked at
      QVERIFY(fixture.Services.Messages.isEmpty());
      return;
    }
    QCOMPARE(fixture.Services.Messages, QStringList{message});
    QCOMPARE(tab.Grid().Row(), 3);
    QCOMPARE(tab.Grid().currentColumn(), column);
    QCOMPARE(window.PageControl().currentWidget(), &tab);
    const QString word = tab.objectName().mid(QString("TabSheet").size());
    QCOMPARE(Total(tab, "EditTotal" + word + "Number"), QString("0"));
  }

  void DeleteEmptiesOneRowAndDeleteAllEveryRow() {
    TWindowFixture fixture;
    fixture.Write("default.prt",
                  "[PART1]\nLABEL=A\nLENGTH=10\nWIDTH=10\nROTATE=N\nQTY=1\nSHAPE=C\n"
                  "[PART2]\nLABEL=B\nLENGTH=20\nWIDTH=10\nQTY=2\n");
    TListTab& parts = fixture.Open().PartsTab();
    QCOMPARE(Total(parts, "EditTotalPartsNumber"), QString("3"));
    parts.Grid().SetCurrentCell(2, 1);
    parts.DeleteClick();
    QCOMPARE(parts.Grid().Cell(0, 1), QString());
    QCOMPARE(parts.Grid().Cell(3, 1), QString("R"));
    QCOMPARE(parts.Grid().Cell(5, 1), QString("R"));
    QCOMPARE(parts.Grid().Cell(0, 2), QString("B"));
    QCOMPARE(Total(parts, "EditTotalPartsNumber"), QString("2"));
    parts.DeleteAllClick();
    QCOMPARE(parts.Grid().Cell(0, 2), QString());
    QCOMPARE(parts.Grid().Cell(3, 500), QString("R"));
    QCOMPARE(Total(parts, "EditTotalPartsNumber"), QString("0"));
  }

  void LoadingClosesGapsAndKeepsToTheGridsRows() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    const QString sheets = fixture.Write("gaps.sht",
                                         "[SHEET7]\nLABEL=Seven\nLENGTH=1\nWIDTH=1\nQTY=1\n"
                                         "[SHEET3]\nLABEL=Three\nLENGTH=1\nWIDTH=1\nQTY=1\n");
    fixture.Services.OpenAnswers = {sheets};
    window.SheetsTab().OpenClick();
    QCOMPARE(window.SheetsTab().Grid().Cell(0, 1), QString("Three"));
    QCOMPARE(window.SheetsTab().Grid().Cell(0, 2), QString("Seven"));
    QCOMPARE(window.SheetsTab().Grid().Cell(0, 3), QString());
    QCOMPARE(window.SheetsTab().FileName(), sheets);
    QCOMPARE(fixture.Services.Dialogs.back().Title, QString("Open File ..."));
    QCOMPARE(fixture.Services.Dialogs.back().Filter, QString("Open File ...(*.sht) (*.sht)"));

    window.OffcutsTab().ReadFile(fixture.Write("many.ofc", SheetSections(1, 150).toUtf8()));
    QCOMPARE(window.OffcutsTab().Grid().Cell(0, 100), QString("S100"));
    QCOMPARE(window.OffcutsTab().Grid().RowCount(), 101);
  }

  // Save writes every row of a grid an import grew; a load used to keep only 500 of them.
  void RowsBeyondTheGridLoadBackAfterASave() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    TListTab& parts = window.PartsTab();
    QStringList lines;
    for (int n = 1; n <= 605; ++n) lines << QString("P%1\t10\t5\tN\t1\tC").arg(n);
    parts.ReadTxtFile(fixture.Write("parts.txt", lines.join("\n").toUtf8()));
    const QString path = fixture.PathOf("many.prt");
    parts.SaveFile(path);
    TListTab& fresh = fixture.Open().PartsTab();
    QCOMPARE(fresh.Grid().RowCount(), 501);
    fresh.ReadFile(path);
    QCOMPARE(fresh.Grid().RowCount(), 611);
    QCOMPARE(fresh.Grid().Cell(0, 605), QString("P605"));
    QCOMPARE(fresh.Grid().Cell(5, 605), QString("C"));
    QCOMPARE(fresh.Grid().Cell(3, 610), QString("R"));
    QCOMPARE(Total(fresh, "EditTotalPartsNumber"), QString("605"));
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  void AFileThatIsNoListIsRefusedAndTheGridKept() {
    TWindowFixture fixture;
    fixture.Write("default.sht", SheetSections(1, 2).toUtf8());
    TSDIAppForm& window = fixture.Open();
    TListTab& sheets = window.SheetsTab();
    const QString before = sheets.FileName();
    QByteArray noise;
    for (int i = 0; i < 2048; ++i) noise += static_cast<char>((i * 7919 + 13) % 256);
    fixture.Services.OpenAnswers = {fixture.Write("noise.sht", noise)};
    sheets.OpenClick();
    QCOMPARE(fixture.Services.Messages.size(), 1);
    QVERIFY(fixture.Services.Messages[0].startsWith("No section of this list"));
    QVERIFY(fixture.Services.Messages[0].endsWith("noise.sht"));
    QCOMPARE(sheets.Grid().Cell(0, 2), QString("S2"));
    QCOMPARE(sheets.FileName(), before);
    QCOMPARE(Total(sheets, "EditTotalSheetsNumber"), QString("2"));
  }

  // A section line with a comment used to drop its part without a word.
  void RowsNotTakenAreNamedAndTheRestLoaded() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    TListTab& parts = window.PartsTab();
    const QString path =
        fixture.Write("odd.prt",
                      "[PART0]\nLABEL=zero\n[PART1]\nLABEL=A\nLENGTH=10\nWIDTH=5\nQTY=1\n"
                      "[PART2] ; spare\nLABEL=B\nLENGTH=20\nWIDTH=5\nQTY=2\n[PART3]\n");
    parts.ReadFile(path);
    QCOMPARE(parts.Grid().Cell(0, 2), QString("B"));
    QCOMPARE(Total(parts, "EditTotalPartsNumber"), QString("3"));
    QCOMPARE(fixture.Services.Messages, QStringList{"These entries of the file were not read:\n" +
                                                    path + "\n[PART0]\n[PART3]"});
    QCOMPARE(parts.FileName(), path);
  }

  void SavingNumbersTheStoredRowsAfresh() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    TListTab& sheets = window.SheetsTab();
    const QString path = fixture.Write("job.sht", SheetSections(1, 10).toUtf8());
    for (int row : {1, 4, 9}) sheets.Grid().SetCell(0, row, QString("R%1").arg(row));
    sheets.Grid().SetCell(4, 6, "5");  // a cost alone is no row
    sheets.SaveFile(path);
    const QByteArray saved = fixture.Read("job.sht");
    QVERIFY(saved.contains("[SHEET3]\r\nLABEL=R9"));
    QVERIFY(!saved.contains("[SHEET4]"));
    QCOMPARE(sheets.FileName(), path);
  }

  void SaveWithoutAFileNameAsksForOne() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    TListTab& offcuts = window.OffcutsTab();
    offcuts.findChild<QLineEdit*>("EditOffcutsFileName")->clear();
    offcuts.Grid().SetCell(0, 1, "Rest");
    fixture.Services.SaveAnswers = {fixture.PathOf("rest.ofc")};
    offcuts.SaveClick();
    QCOMPARE(fixture.Services.Dialogs.back().Title, QString("Save As ..."));
    QCOMPARE(fixture.Services.Dialogs.back().Filter, QString("Save File ...(*.ofc) (*.ofc)"));
    QVERIFY(fixture.Read("rest.ofc").contains("LABEL=Rest"));
  }

  void AMissingFileLoadsEmptyAndSaveCreatesIt() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    TListTab& sheets = window.SheetsTab();
    sheets.Grid().SetCell(0, 1, "Old");
    sheets.ReadFile(fixture.PathOf("new.sht"));
    QCOMPARE(sheets.Grid().Cell(0, 1), QString());
    sheets.Grid().SetCell(0, 1, "New");
    sheets.SaveClick();
    QVERIFY(fixture.Read("new.sht").contains("LABEL=New"));
  }

  void ImportTxtFillsCellsUnchecked() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    TListTab& sheets = window.SheetsTab();
    QStringList lines{"Panel A\t2440\t1220\t5", "Wide\t1\t2\t3\t4\t5\t6"};
    for (int n = 0; n < 598; ++n) lines << QString("L%1").arg(n);
    fixture.Services.OpenAnswers = {fixture.Write("sheets.txt", lines.join("\n").toUtf8())};
    sheets.ImportTxtClick();
    QCOMPARE(fixture.Services.Dialogs.back().Filter, QString("Open File ...(*.txt) (*.txt)"));
    QCOMPARE(sheets.Grid().Cell(3, 1), QString("5"));
    QCOMPARE(sheets.Grid().Cell(4, 1), QString());
    QCOMPARE(sheets.Grid().Cell(4, 2), QString("4\t5\t6"));
    QCOMPARE(sheets.Grid().RowCount(), 601);
    QCOMPARE(Total(sheets, "EditTotalSheetsNumber"), QString("0"));

    TListTab& parts = window.PartsTab();
    parts.ReadTxtFile(fixture.Write("parts.txt", "Leg\t600\t80\tn\t4\tc\n"));
    QCOMPARE(parts.Grid().Cell(3, 1), QString("n"));
    QVERIFY(parts.ComputeTotals());
    QCOMPARE(parts.Grid().Cell(3, 1), QString("N"));
    QCOMPARE(parts.Grid().Cell(5, 1), QString("C"));

    sheets.ReadTxtFile(fixture.PathOf("missing.txt"));
    QCOMPARE(fixture.Services.Messages, QStringList{"Can't read import txt file"});
    QCOMPARE(sheets.Grid().Cell(0, 1), QString());
  }

  void OffcutsMoveIntoTheSheetGrid() {
    TWindowFixture fixture;
    fixture.Write("default.sht", "[SHEET1]\nLABEL=Board\nLENGTH=2000\nWIDTH=1000\nQTY=1\n");
    fixture.Write("default.ofc",
                  "[SHEET1]\nLABEL=R1\nLENGTH=500\nWIDTH=400\nQTY=1\n"
                  "[SHEET2]\nLABEL=R2\nLENGTH=300\nWIDTH=200\nQTY=2\n"
                  "[SHEET3]\nLABEL=R3\nLENGTH=300\nWIDTH=200\nQTY=2\n");
    TSDIAppForm& window = fixture.Open();
    window.OffcutsTab().Grid().SetCurrentCell(0, 2);
    window.OffcutsTab().ButtonAddCurrentOffcutClick();
    QCOMPARE(window.SheetsTab().Grid().Cell(0, 2), QString("R2"));
    QCOMPARE(window.OffcutsTab().Grid().Cell(0, 2), QString());
    QCOMPARE(Total(window.OffcutsTab(), "EditTotalOffcutsNumber"), QString("3"));
    window.OffcutsTab().ButtonAddAllOffcutsClick();
    QCOMPARE(window.SheetsTab().Grid().Cell(0, 3), QString("R1"));
    QCOMPARE(window.SheetsTab().Grid().Cell(0, 4), QString("R3"));
    QCOMPARE(Total(window.OffcutsTab(), "EditTotalOffcutsNumber"), QString("0"));
  }
};

}  // namespace vexlin

QTEST_MAIN(vexlin::ListTabTest)
#include "list_tab_test.moc"
