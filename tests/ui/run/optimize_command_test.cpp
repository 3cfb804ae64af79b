#include <QAction>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>
#include <array>
#include <functional>

#include "input/ui/configure_tab.h"
#include "input/ui/list_tab.h"
#include "optimizer/vexlin.h"
#include "output/ui/layout_tab.h"
#include "output/ui/report_tab.h"
#include "support/window_driving.h"
#include "support/window_fixture.h"
#include "uikit/string_grid.h"

namespace vexlin {

namespace {

constexpr const char* kSheets = "[SHEET1]\nLABEL=Board\nLENGTH=2440\nWIDTH=1220\nQTY=4\n";
constexpr const char* kParts =
    "[PART1]\nLABEL=Door\nLENGTH=700\nWIDTH=400\nQTY=6\n"
    "[PART2]\nLABEL=Shelf\nLENGTH=560\nWIDTH=300\nROTATE=n\nQTY=4\n";

constexpr const char* kOptions =
    "[OPTION]\nMEASURE=mm\nBLADE_WIDTH=3\nFAST_OPTIMIZE=F\nCOST_OPTIMIZE=F\n";
constexpr const char* kManySheets = "[SHEET1]\nLABEL=Stock\nLENGTH=2440\nWIDTH=1220\nQTY=100\n";

// Part rows P1 to Pcount; row gives the length, width and quantity of row i.
QByteArray PartRows(int count, const std::function<std::array<int, 3>(int)>& row) {
  QByteArray parts;
  for (int i = 1; i <= count; ++i) {
    const std::array<int, 3> values = row(i);
    parts += QString("[PART%1]\nLABEL=P%1\nLENGTH=%2\nWIDTH=%3\nQTY=%4\n")
                 .arg(i)
                 .arg(values[0])
                 .arg(values[1])
                 .arg(values[2])
                 .toUtf8();
  }
  return parts;
}

// Many part types in normal mode: a run of several seconds at the least.
QByteArray ManyParts() {
  return PartRows(150, [](int i) {
    return std::array<int, 3>{100 + i * 37 % 500, 80 + i * 53 % 300, 2 + i % 4};
  });
}

// Some two thousand pieces of 120 types: the fast search makes kFastSearchSteps steps, fewer
// than the bar has units, the deep search works for a few seconds.
constexpr const char* kDeepOptions =
    "[OPTION]\nMEASURE=mm\nBLADE_WIDTH=0\nFAST_OPTIMIZE=T\nCOST_OPTIMIZE=F\nGUILLOTINE=F\n"
    "DEEP_OPTIMIZE=T\nDEEP_SECONDS=600\n";
constexpr int kFastSearchSteps = 168;
constexpr const char* kDeepSheets = "[SHEET1]\nLABEL=Board\nLENGTH=2440\nWIDTH=1220\nQTY=5000\n";

QByteArray DeepParts() {
  return PartRows(120, [](int i) {
    return std::array<int, 3>{300 + i * 137 % 1500, 100 + i * 89 % 450, 10 + i % 15};
  });
}

// A shown window with the small job's result on show, its lists then replaced by the long job's.
TSDIAppForm& OpenLongJobAfterAResult(TWindowFixture& fixture) {
  TSDIAppForm& window = OpenShownJob(fixture, kSheets, kParts, kOptions);
  StartOptimize(window);
  window.SheetsTab().ReadFile(fixture.Write("many.sht", kManySheets));
  window.PartsTab().ReadFile(fixture.Write("many.prt", ManyParts()));
  return window;
}

QAction& Action(TSDIAppForm& window, const char* name) {
  return *window.findChild<QAction*>(name);
}

QWidget& ToolButton(TSDIAppForm& window, const char* action) {
  return *window.findChild<QToolBar*>("ToolBar")->widgetForAction(&Action(window, action));
}

// What the window shows of a result.
QStringList ShownResult(TSDIAppForm& window) {
  QStringList shown = window.ReportTab().Lines();
  for (const TPacket& layout : window.Engine().BestResult.Items) {
    shown << QString::fromStdString(layout.Signature());
  }
  shown << Child<QLabel>(window.LayoutTab(), "LabelSheetLabel").text()
        << Child<QLabel>(window.LayoutTab(), "LabelCost").text();
  return shown;
}

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

  // The window stays live: the bar moves, and "Start Optimize" cannot start a second run,
  // neither at once nor replayed once the first has ended.
  void TheBarMovesWhileARunWorksAndASecondStartIsRefused() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenLongJobAfterAResult(fixture);
    StartOptimizeInBackground(window);
    QProgressBar& bar = window.ProgressBar();
    QSet<int> positions;
    QDeadlineTimer deadline(std::chrono::minutes(1));
    while (RunInProgress(window) && positions.size() < 5 && !deadline.hasExpired()) {
      QTest::qWait(10);
      positions.insert(bar.value());
    }
    QVERIFY(positions.size() >= 5);
    QVERIFY(RunInProgress(window));
    QVERIFY(bar.isVisible());
    QVERIFY(!ToolButton(window, "StartOptimize").isEnabled());
    QTest::mouseClick(&ToolButton(window, "StartOptimize"), Qt::LeftButton);
    Action(window, "StartOptimize").trigger();
    Action(window, "StopOptimize").trigger();
    WaitForRunEnd(window);
    QTest::qWait(200);
    QVERIFY(!RunInProgress(window));
    QVERIFY(!bar.isVisible());
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  // Stop ends the run soon, keeps the result shown before it, and gives the window back.
  void StopKeepsTheShownResultAndFreesTheWindow() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenLongJobAfterAResult(fixture);
    const QStringList before = ShownResult(window);
    StartOptimizeInBackground(window);
    QTRY_VERIFY_WITH_TIMEOUT(window.ProgressBar().value() > 3, 60000);
    QVERIFY(!window.SheetsTab().isEnabled());
    QVERIFY(!window.ConfigureTab().isEnabled());
    for (const char* command : {"ButtonManual", "ButtonLoadLayout", "ButtonLayoutAgain"}) {
      QVERIFY(!Child<QPushButton>(window.LayoutTab(), command).isEnabled());
    }
    QVERIFY(Child<QScrollBar>(window.LayoutTab(), "ScrollBarSchemes").isEnabled());
    QElapsedTimer stopping;
    stopping.start();
    QTest::mouseClick(&ToolButton(window, "StopOptimize"), Qt::LeftButton);
    WaitForRunEnd(window);
    QVERIFY(stopping.elapsed() < 5000);
    QCOMPARE(ShownResult(window), before);
    QVERIFY(fixture.Services.Messages.isEmpty());
    QVERIFY(ToolButton(window, "StartOptimize").isEnabled());
    QVERIFY(!ToolButton(window, "StopOptimize").isEnabled());
    QVERIFY(window.SheetsTab().isEnabled());
    QVERIFY(window.ConfigureTab().isEnabled());
    QVERIFY(Child<QPushButton>(window.LayoutTab(), "ButtonManual").isEnabled());
    QVERIFY(Child<QPushButton>(window.LayoutTab(), "ButtonLoadLayout").isEnabled());
  }

  // Stop while the deep search works ends it with the best result found so far, which the
  // window shows in place of the one before; the bar moves during the deep search.
  void StopDuringTheDeepSearchShowsItsResult() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenShownJob(fixture, kSheets, kParts, kDeepOptions);
    StartOptimize(window);
    const QStringList before = ShownResult(window);
    window.SheetsTab().ReadFile(fixture.Write("many.sht", kDeepSheets));
    window.PartsTab().ReadFile(fixture.Write("many.prt", DeepParts()));
    StartOptimizeInBackground(window);
    QTRY_VERIFY_WITH_TIMEOUT(window.ProgressBar().value() > kFastSearchSteps + 4, 60000);
    QElapsedTimer stopping;
    stopping.start();
    QTest::mouseClick(&ToolButton(window, "StopOptimize"), Qt::LeftButton);
    WaitForRunEnd(window);
    QVERIFY(stopping.elapsed() < 5000);
    QVERIFY(fixture.Services.Messages.isEmpty());
    QVERIFY(ShownResult(window) != before);
    QVERIFY(window.ReportTab().Lines().contains("Deep search ended by the Stop button"));
    QCOMPARE(window.Engine().Deep.End, TDeepEnd::Stopped);
  }

  // Closing the program mid-run ends the run with it, at once.
  void ClosingTheWindowWhileARunWorksEndsTheRun() {
    TWindowFixture fixture;
    StartOptimizeInBackground(OpenLongJobAfterAResult(fixture));
    QTest::qWait(100);
    QElapsedTimer closing;
    closing.start();
    fixture.Open();
    QVERIFY(closing.elapsed() < 5000);
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
