#include "output/ui/layout_tab.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "input/ui/list_tab.h"
#include "model/stock2d.h"
#include "optimizer/vexlin.h"
#include "output/ui/report_tab.h"
#include "support/window_driving.h"
#include "support/window_fixture.h"
#include "uikit/string_grid.h"

namespace vexlin {

namespace {

// Three sheet types that each hold one door, so the run gives three layouts, each with
// room left for offcuts.
constexpr const char* kSheets =
    "[SHEET1]\nLABEL=Large\nLENGTH=1000\nWIDTH=500\nQTY=1\n"
    "[SHEET2]\nLABEL=Medium\nLENGTH=800\nWIDTH=450\nQTY=1\n"
    "[SHEET3]\nLABEL=Small\nLENGTH=700\nWIDTH=420\nQTY=1\n";
constexpr const char* kParts =
    "[PART1]\nLABEL=Door\nLENGTH=600\nWIDTH=400\nROTATE=n\nQTY=3\n"
    "[PART2]\nLABEL=Spare\nLENGTH=900\nWIDTH=10\nROTATE=n\nQTY=0\n";
constexpr const char* kOptions = "[OPTION]\nMEASURE=mm\nBLADE_WIDTH=3\nWIDTH_EDGE=10\n";

const QColor kOffcutColour(0, 255, 0);  // the default offcut colour option

QString Text(TSDIAppForm& window, const char* label) {
  return Child<QLabel>(window.LayoutTab(), label).text();
}

QScrollBar& Scroll(TSDIAppForm& window) {
  return Child<QScrollBar>(window.LayoutTab(), "ScrollBarSchemes");
}

QComboBox& LayoutList(TSDIAppForm& window) {
  return Child<QComboBox>(window.LayoutTab(), "ComboBoxLayoutList");
}

TSDIAppForm& OpenJob(TWindowFixture& fixture) {
  return OpenShownJob(fixture, kSheets, kParts, kOptions);
}

int PartPieces(const TPacket& layout) {
  int count = 0;
  for (const T2DStock& piece : layout.Pieces) count += IsOffcutLabel(piece.Label) ? 0 : 1;
  return count;
}

}  // namespace

class LayoutTabTest : public QObject {
  Q_OBJECT

 private slots:
  void ARunShowsItsFirstLayoutWithItsFactsAndParts() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenJob(fixture);
    StartOptimize(window);
    QVERIFY(fixture.Services.Messages.isEmpty());
    QCOMPARE(window.PageControl().currentWidget(), &window.LayoutTab());
    QCOMPARE(window.Engine().BestResult.Size(), size_t{3});
    QComboBox& list = LayoutList(window);
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.itemText(0), QString("1 / 3"));
    QCOMPARE(list.itemText(2), QString("3 / 3"));
    QCOMPARE(list.currentIndex(), 0);
    QCOMPARE(Scroll(window).maximum(), 2);
    QCOMPARE(Scroll(window).value(), 0);
    QCOMPARE(Scroll(window).toolTip(), QString("TOTAL:3\r\nCURRENT:1"));
    QVERIFY(!window.ReportTab().Lines().isEmpty());

    const TPacket& layout = window.Engine().BestResult[0];
    QCOMPARE(Text(window, "LabelSheetLabel"), QString::fromStdString(layout.Label));
    QCOMPARE(Text(window, "LabelSheetNumber"), QString("1"));
    QVERIFY(Text(window, "LabelSheetLength").endsWith(" mm"));
    QVERIFY(Text(window, "LabelArea").endsWith(".sq.mm"));
    QVERIFY(Text(window, "LabelWasteArea").endsWith(".sq.mm."));
    QVERIFY(Text(window, "LabelUtilization").endsWith("%"));
    QCOMPARE(Text(window, "LabelCost"), QString("0"));

    auto& grid = Child<TStringGrid>(window.LayoutTab(), "StringGridPartsInLayout");
    QCOMPARE(grid.Cell(0, 0), QString("Label"));
    QCOMPARE(grid.Cell(1, 0), QString("Qty"));
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.Cell(0, 1), QString("Door"));
    QCOMPARE(grid.Cell(0, 2), QString("Spare"));
    QCOMPARE(grid.Cell(1, 1).toInt() + grid.Cell(1, 2).toInt(), PartPieces(layout));
  }

  // The sheet with its trims fills the view's room and follows the view's size.
  void TheSheetIsDrawnToScaleInsideTheView() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenJob(fixture);
    StartOptimize(window);
    auto& view = Child<QWidget>(window.LayoutTab(), "LayoutView");
    auto& sheet = Child<QWidget>(window.LayoutTab(), "DrawPanelSheet");
    auto& usable = Child<QWidget>(window.LayoutTab(), "DrawPanelUsableSheet");
    auto& info = Child<QWidget>(window.LayoutTab(), "PanelMouseInfo");
    QVERIFY(sheet.isVisible());
    QCOMPARE(info.width(), view.width() - 10);
    QCOMPARE(sheet.y(), info.height() + 10);
    QVERIFY(view.rect().contains(sheet.geometry()));
    QVERIFY(sheet.width() >= view.width() - 18 || sheet.geometry().bottom() >= view.height() - 18);
    QVERIFY(usable.x() > 3);
    QCOMPARE(usable.y(), 3);
    QCOMPARE(Child<QWidget>(window.LayoutTab(), "PaintBoxLayout").size(), usable.size());
    QVERIFY(sheet.statusTip().startsWith("Length Edge: 10mm"));
    QVERIFY(usable.statusTip().contains("USABLE LENGTH: "));

    const int wide = sheet.width();
    window.resize(800, 600);
    QApplication::processEvents();
    QVERIFY(sheet.width() < wide);
    QCOMPARE(Child<QWidget>(window.LayoutTab(), "PaintBoxLayout").size(), usable.size());
  }

  void ScrollBarAndLayoutListMoveTogether() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenJob(fixture);
    StartOptimize(window);
    const TSchemes& result = window.Engine().BestResult;
    Scroll(window).setValue(2);
    QCOMPARE(LayoutList(window).currentIndex(), 2);
    QCOMPARE(Text(window, "LabelSheetLabel"), QString::fromStdString(result[2].Label));
    QCOMPARE(Scroll(window).toolTip(), QString("TOTAL:3\r\nCURRENT:3"));
    LayoutList(window).setCurrentIndex(1);
    QCOMPARE(Scroll(window).value(), 1);
    QCOMPARE(Text(window, "LabelSheetLabel"), QString::fromStdString(result[1].Label));
    QCOMPARE(Scroll(window).toolTip(), QString("TOTAL:3\r\nCURRENT:2"));
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  void KeptOffcutsAreDrawnOnlyWhenShown() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenJob(fixture);
    StartOptimize(window);
    auto& paintBox = Child<QWidget>(window.LayoutTab(), "PaintBoxLayout");
    QCOMPARE(PixelsOf(paintBox, kOffcutColour), 0);
    QTest::mouseClick(&Child<QCheckBox>(window.LayoutTab(), "ShowOffcuts"), Qt::LeftButton);
    QVERIFY(PixelsOf(paintBox, kOffcutColour) > 0);
    QTest::mouseClick(&Child<QCheckBox>(window.LayoutTab(), "ShowOffcuts"), Qt::LeftButton);
    QCOMPARE(PixelsOf(paintBox, kOffcutColour), 0);
  }

  // Only a result that the deep search made has a bound and a gap to show; hiding the
  // layout takes them away with the other facts.
  void TheBoundAndGapShowOnlyWithADeepResult() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenJob(fixture);
    StartOptimize(window);
    auto& bound = Child<QLabel>(window.LayoutTab(), "LabelLowerBound");
    QVERIFY(!bound.isVisible());
    window.Engine().Deep = {true, TDeepEnd::WorkDone, TDeepMeasure::Area, 750000e6, 900000e6};
    window.LayoutTab().ShowScheme();
    QVERIFY(bound.isVisible());
    QCOMPARE(bound.text(), QString("750000.sq.mm"));
    QCOMPARE(Text(window, "LabelGap"), QString("20%"));
    QVERIFY(Child<QLabel>(window.LayoutTab(), "LabelLayoutGap").isVisible());
    window.LayoutTab().HideLayout();
    QVERIFY(!bound.isVisible());
    QCOMPARE(Text(window, "LabelGap"), QString());
  }

  void ASwitchBeforeAnyRunSaysThereIsNoLayout() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenJob(fixture);
    QTest::mouseClick(&Child<QCheckBox>(window.LayoutTab(), "ShowLabel"), Qt::LeftButton);
    QCOMPARE(fixture.Services.Messages, QStringList{"Layout is empty, please optimize first."});
    QVERIFY(!Child<QWidget>(window.LayoutTab(), "DrawPanelSheet").isVisible());
  }

  // Everything the Layout tab tells of the result on show, to see that it stays whole.
  static QStringList Facts(TSDIAppForm& window) {
    QStringList facts;
    for (const char* label :
         {"LabelSheetLabel", "LabelSheetNumber", "LabelSheetLength", "LabelSheetWidth", "LabelCost",
          "LabelArea", "LabelWasteArea", "LabelUtilization", "LabelLowerBound", "LabelGap"}) {
      facts << Text(window, label);
    }
    for (int i = 0; i < LayoutList(window).count(); ++i) facts << LayoutList(window).itemText(i);
    const auto& grid = Child<TStringGrid>(window.LayoutTab(), "StringGridPartsInLayout");
    for (int row = 1; row < grid.rowCount(); ++row) facts << grid.Cell(0, row) + grid.Cell(1, row);
    facts << QString::number(Scroll(window).maximum()) << Scroll(window).toolTip();
    return facts;
  }

  // The engine refuses the job: the result on show stays whole, with its drawing, report
  // and every fact; before any result, a refusal leaves nothing half shown either.
  void ARefusedRunKeepsTheShownResultWhole() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenJob(fixture);
    window.PartsTab().Grid().SetCell(1, 1, "5000");
    StartOptimize(window);
    QCOMPARE(fixture.Services.Messages.size(), 1);
    QVERIFY(!Child<QWidget>(window.LayoutTab(), "DrawPanelSheet").isVisible());
    QCOMPARE(Facts(window),
             QStringList({"_", "_", "_", "_", "_", "_", "_", "_", "_", "_", "0", ""}));
    window.PartsTab().Grid().SetCell(1, 1, "600");
    StartOptimize(window);
    Scroll(window).setValue(1);
    const QStringList shown = Facts(window);
    const QStringList report = window.ReportTab().Lines();
    window.PartsTab().Grid().SetCell(1, 1, "5000");
    StartOptimize(window);
    QCOMPARE(fixture.Services.Messages.size(), 2);
    QCOMPARE(Facts(window), shown);
    QCOMPARE(window.ReportTab().Lines(), report);
    QVERIFY(Child<QWidget>(window.LayoutTab(), "DrawPanelSheet").isVisible());
    QTest::mouseClick(&Child<QCheckBox>(window.LayoutTab(), "ShowLabel"), Qt::LeftButton);
    QCOMPARE(fixture.Services.Messages.size(), 2);
    QCOMPARE(Facts(window), shown);
  }
};

}  // namespace vexlin

QTEST_MAIN(vexlin::LayoutTabTest)
#include "layout_tab_test.moc"
