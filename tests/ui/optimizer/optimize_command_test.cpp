#include <QAction>
#include <QTabWidget>
#include <QtTest>

#include "input/ui/list_tab.h"
#include "input/ui/string_grid.h"
#include "output/ui/layout_tab.h"
#include "output/ui/report_tab.h"
#include "support/window_driving.h"
#include "support/window_fixture.h"

namespace vexlin {

namespace {

constexpr const char* kSheets = "[SHEET1]\nLABEL=Board\nLENGTH=2440\nWIDTH=1220\nQTY=4\n";
constexpr const char* kParts =
    "[PART1]\nLABEL=Door\nLENGTH=700\nWIDTH=400\nQTY=6\n"
    "[PART2]\nLABEL=Shelf\nLENGTH=560\nWIDTH=300\nROTATE=n\nQTY=4\n";

}  // namespace

class OptimizeCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void ARunShowsTheFirstLayoutAndTheReport() {
    TWindowFixture fixture;
    fixture.Write("default.sht", kSheets);
    fixture.Write("default.prt", kParts);
    fixture.Write("default.opt", "[OPTION]\nMEASURE=mm\nBLADE_WIDTH=3\n");
    TSDIAppForm& window = fixture.Open();
    StartOptimize(window);
    QVERIFY(fixture.Services.Messages.isEmpty());
    QCOMPARE(window.PageControl().currentWidget(), &window.LayoutTab());
    const QStringList lines = window.ReportTab().Lines();
    QVERIFY(lines.size() > 10);
    QVERIFY(lines.filter("Board").size() >= 1);
    QVERIFY(lines.filter("Shelf").size() >= 1);
    QCOMPARE(window.SheetsTab().Grid().Cell(4, 1), QString("0"));
  }

  void ARefusedGridSelectsItsCellAndKeepsTheLastReport() {
    TWindowFixture fixture;
    fixture.Write("default.sht", kSheets);
    fixture.Write("default.prt", kParts);
    TSDIAppForm& window = fixture.Open();
    StartOptimize(window);
    const QStringList report = window.ReportTab().Lines();
    window.PartsTab().Grid().SetCell(4, 3, "2");  // a quantity without a label
    StartOptimize(window);
    QCOMPARE(fixture.Services.Messages, QStringList{"Current part Label can't be empty."});
    QCOMPARE(window.PageControl().currentWidget(), &window.PartsTab());
    QCOMPARE(window.PartsTab().Grid().Row(), 3);
    QCOMPARE(window.PartsTab().Grid().currentColumn(), 0);
    QCOMPARE(window.ReportTab().Lines(), report);
  }

  void EmptyListsAndEngineRefusalsAreReported() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    StartOptimize(window);
    window.SheetsTab().Grid().SetCell(1, 1, "100");
    window.SheetsTab().Grid().SetCell(2, 1, "100");
    window.SheetsTab().Grid().SetCell(3, 1, "1");
    StartOptimize(window);
    window.PartsTab().Grid().SetCell(0, 1, "P");
    window.PartsTab().Grid().SetCell(1, 1, "10");
    window.PartsTab().Grid().SetCell(2, 1, "10");
    window.PartsTab().Grid().SetCell(4, 1, "1");
    StartOptimize(window);
    QCOMPARE(fixture.Services.Messages,
             QStringList({"Sheets data is empty.", "Parts data is empty.",
                          "Current sheet Label can't be empty."}));
    QVERIFY(window.ReportTab().Lines().isEmpty());
  }
};

}  // namespace vexlin

QTEST_MAIN(vexlin::OptimizeCommandTest)
#include "optimize_command_test.moc"
