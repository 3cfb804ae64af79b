#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

#include "input/profile_list.h"
#include "input/ui/configure_tab.h"
#include "input/ui/list_tab.h"
#include "input/ui/offcuts_tab.h"
#include "model/packet.h"
#include "model/stock2d.h"
#include "optimizer/vexlin.h"
#include "output/ui/layout_tab.h"
#include "output/ui/report_tab.h"
#include "support/window_driving.h"
#include "support/window_fixture.h"
#include "uikit/string_grid.h"

namespace vexlin {

namespace {

// Three sheet types that each hold one door, so the run gives three layouts, each with
// room left for offcuts.
constexpr const char* kSheets =
    "[SHEET1]\nLABEL=Large\nLENGTH=1000\nWIDTH=500\nQTY=1\nCOST=30\n"
    "[SHEET2]\nLABEL=Medium\nLENGTH=800\nWIDTH=450\nQTY=1\n"
    "[SHEET3]\nLABEL=Small\nLENGTH=700\nWIDTH=420\nQTY=1\n";
constexpr const char* kParts =
    "[PART1]\nLABEL=Door\nLENGTH=600\nWIDTH=400\nROTATE=n\nQTY=3\n"
    "[PART2]\nLABEL=Shelf\nLENGTH=200\nWIDTH=50\nROTATE=y\nQTY=2\n";
constexpr const char* kOptions = "[OPTION]\nMEASURE=mm\nBLADE_WIDTH=3\nWIDTH_EDGE=10\n";

constexpr const char* kEmpty = "Layout is empty, please optimize first.";

// Every command button with the dialog it opens: title, filter and default extension.
struct TCommandDialog {
  const char* Button;
  const char* Title;
  const char* Filter;
  const char* DefaultExtension;
};

constexpr TCommandDialog kResultDialogs[] = {
    {"ButtonSaveLayout", "Save File ...", "Save File ...(*.lyt) (*.lyt)", "lyt"},
    {"ButtonExportDXF", "Save As ...", "Save As ...(*.dxf) (*.dxf)", ""},
    {"ButtonExportGCode", "Save As ...", "Save As ...(*.gnc) (*.gnc)", ""},
    {"ButtonSaveToHtml", "Save As ...", "Save As ...(*.html) (*.html)", "html"},
    {"ButtonSaveOffcuts", "Save As ...", "Save As ...(*.ofc) (*.ofc)", "ofc"},
    {"ButtonLoadLayout", "Open File ...", "Open File ...(*.lyt) (*.lyt)", "lyt"},
};

TSDIAppForm& OpenJob(TWindowFixture& fixture) {
  return OpenShownJob(fixture, kSheets, kParts, kOptions);
}

TSDIAppForm& RunJob(TWindowFixture& fixture) {
  return RunShownJob(fixture, kSheets, kParts, kOptions, 3);
}

// Runs a command whose save dialog the user answers with name.
void SaveAs(TWindowFixture& fixture, const char* button, const QString& name) {
  fixture.Services.SaveAnswers.push_back(fixture.PathOf(name));
  ClickLayoutButton(fixture.Window(), button);
}

QStringList FilesOf(TWindowFixture& fixture, const QString& pattern) {
  return QDir(fixture.PathOf(".")).entryList({pattern}, QDir::Files, QDir::Name);
}

QStringList LinesOf(TWindowFixture& fixture, const QString& name) {
  return QString::fromUtf8(fixture.Read(name)).split("\r\n");
}

// The parts of a layout as label and count per type, offcut pieces left out.
QMap<QString, int> PartsOf(const TPacket& layout) {
  QMap<QString, int> parts;
  for (const T2DStock& piece : layout.Pieces) {
    if (!IsOffcutLabel(piece.Label)) ++parts[QString::fromStdString(piece.Label)];
  }
  return parts;
}

}  // namespace

class ResultCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void TheButtonsTakeTheirCaptionsAndHints() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenJob(fixture);
    const QStringList captions = {"Save Result", "Load Result",  "Export DXF",    "Export G Code",
                                  "Export HTML", "Save Offcuts", "Auto Rearrange"};
    const char* names[] = {"ButtonSaveLayout",  "ButtonLoadLayout", "ButtonExportDXF",
                           "ButtonExportGCode", "ButtonSaveToHtml", "ButtonSaveOffcuts",
                           "ButtonLayoutAgain"};
    for (int i = 0; i < captions.size(); ++i) {
      QCOMPARE(Child<QPushButton>(window.LayoutTab(), names[i]).text(), captions[i]);
    }
    QCOMPARE(Child<QPushButton>(window.LayoutTab(), "ButtonExportDXF").toolTip(),
             QString("Export AUTOCAD DXF File"));
    QCOMPARE(Child<QPushButton>(window.LayoutTab(), "ButtonExportGCode").toolTip(),
             QString("Export G code"));
  }

  void EveryCommandRefusesAnEmptyResultWithoutADialog() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenJob(fixture);
    for (const char* button : {"ButtonSaveLayout", "ButtonExportDXF", "ButtonExportGCode",
                               "ButtonSaveToHtml", "ButtonSaveOffcuts", "ButtonLayoutAgain"}) {
      fixture.Services.Messages.clear();
      ClickLayoutButton(window, button);
      QCOMPARE(fixture.Services.Messages, QStringList{kEmpty});
    }
    QVERIFY(fixture.Services.Dialogs.isEmpty());
    QVERIFY(fixture.Services.Opened.isEmpty());
  }

  // Each dialog as its command words it; cancelling any of them writes nothing.
  void TheDialogsAreWordedForTheirFilesAndACancelWritesNothing() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    const QStringList before = FilesOf(fixture, "*");
    for (const TCommandDialog& expected : kResultDialogs) {
      fixture.Services.Dialogs.clear();
      ClickLayoutButton(window, expected.Button);
      QCOMPARE(fixture.Services.Dialogs.size(), 1);
      const TFileDialogRequest& dialog = fixture.Services.Dialogs.front();
      QCOMPARE(dialog.Title, QString(expected.Title));
      QCOMPARE(dialog.Filter, QString(expected.Filter));
      QCOMPARE(dialog.DefaultExtension, QString(expected.DefaultExtension));
    }
    QCOMPARE(FilesOf(fixture, "*"), before);
    QVERIFY(fixture.Services.Messages.isEmpty());
    QVERIFY(fixture.Services.Opened.isEmpty());
    QCOMPARE(window.Engine().BestResult.Size(), size_t{3});
  }

  void ASavedResultLoadsBackInPlaceOfALaterRun() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    const QStringList report = window.ReportTab().Lines();
    SaveAs(fixture, "ButtonSaveLayout", "result.lyt");
    QVERIFY(fixture.Read("result.lyt").contains("[LYTSC]"));

    window.PartsTab().Grid().SetCell(4, 1, "1");
    StartOptimize(window);
    QCOMPARE(window.Engine().BestResult.Size(), size_t{1});
    QVERIFY(window.ReportTab().Lines() != report);
    window.PageControl().setCurrentWidget(&window.SheetsTab());

    fixture.Services.OpenAnswers.push_back(fixture.PathOf("result.lyt"));
    ClickLayoutButton(window, "ButtonLoadLayout");
    QVERIFY(fixture.Services.Messages.isEmpty());
    QCOMPARE(window.ReportTab().Lines(), report);
    QCOMPARE(window.Engine().BestResult.Size(), size_t{3});
    QCOMPARE(window.PageControl().currentWidget(), &window.LayoutTab());
    QCOMPARE(Child<QComboBox>(window.LayoutTab(), "ComboBoxLayoutList").count(), 3);
    QCOMPARE(Child<QLabel>(window.LayoutTab(), "LabelSheetLabel").text(),
             QString::fromStdString(window.Engine().BestResult[0].Label));
    QCOMPARE(window.PartsTab().Grid().Cell(4, 1), QString("1"));  // the grids stay as typed
  }

  // A result whose file holds no layouts replaces the shown one and says so.
  void LoadingAFileWithoutLayoutsLeavesAnEmptyResult() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    fixture.Services.OpenAnswers.push_back(fixture.PathOf("missing.lyt"));
    ClickLayoutButton(window, "ButtonLoadLayout");
    QCOMPARE(fixture.Services.Messages, QStringList{kEmpty});
    QVERIFY(window.Engine().BestResult.Empty());
    QVERIFY(!Child<QWidget>(window.LayoutTab(), "DrawPanelSheet").isVisible());
    fixture.Services.Messages.clear();
    ClickLayoutButton(window, "ButtonExportDXF");
    QCOMPARE(fixture.Services.Messages, QStringList{kEmpty});
  }

  // A damaged file is refused with a message naming it; the result shown, its view and its
  // report stay as they were.
  void ADamagedResultFileIsRefusedAndTheShownResultStays() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    const QStringList report = window.ReportTab().Lines();
    const QString label = Child<QLabel>(window.LayoutTab(), "LabelSheetLabel").text();
    const QString path = VEXLIN_TEST_DATA_DIR "/damaged-results/index-beyond-part-list.lyt";
    fixture.Services.OpenAnswers.push_back(path);
    ClickLayoutButton(window, "ButtonLoadLayout");
    QCOMPARE(fixture.Services.Messages.size(), 1);
    QVERIFY(
        fixture.Services.Messages.front().startsWith("The result file " + path + " is damaged"));
    QCOMPARE(window.Engine().BestResult.Size(), size_t{3});
    QCOMPARE(window.ReportTab().Lines(), report);
    QCOMPARE(Child<QLabel>(window.LayoutTab(), "LabelSheetLabel").text(), label);
    QVERIFY(Child<QWidget>(window.LayoutTab(), "DrawPanelSheet").isVisible());
  }

  // A result keeps the outlines of its profiles whatever the Profile tab holds when it is
  // loaded: its report and its drawings are those of the run.
  void ALoadedResultKeepsItsProfilesWhateverTheProfileTabHolds() {
    TWindowFixture fixture;
    fixture.Write("default.apt",
                  "[STR]\nCN=1\n[STR0TZ]\nN=Triangle2\nP1=200\nP2=100\nDX=0\n"
                  "[STR0]\nL=TRI\nQ=2\n");
    TSDIAppForm& window = OpenShownJob(fixture, kSheets, kParts, kOptions);
    StartOptimize(window);
    const QStringList report = window.ReportTab().Lines();
    QVERIFY(report.join("\n").contains("TRI"));
    SaveAs(fixture, "ButtonSaveLayout", "result.lyt");
    SaveAs(fixture, "ButtonExportDXF", "run.dxf");
    DeleteAllProfiles(window.Profiles());
    QCOMPARE(AddStandardShape(window.Profiles(), "TRI", "Triangle2", {"60", "30"}, 1), "");
    StartOptimize(window);  // a later run with the other profile
    fixture.Services.OpenAnswers.push_back(fixture.PathOf("result.lyt"));
    ClickLayoutButton(window, "ButtonLoadLayout");
    SaveAs(fixture, "ButtonExportDXF", "load.dxf");
    QVERIFY(fixture.Services.Messages.isEmpty());
    QCOMPARE(window.ReportTab().Lines(), report);
    const auto withoutClock = [&](const char* name) {
      QStringList lines = LinesOf(fixture, name);
      return lines.replaceInStrings(QRegularExpression("^Vexlin cutting optimizer.*"), "");
    };
    QCOMPARE(withoutClock("load_1.dxf"), withoutClock("run_1.dxf"));
  }

  void DxfAndGCodeExportsWriteOneFilePerLayout() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    SaveAs(fixture, "ButtonExportDXF", "cut.dxf");
    QCOMPARE(FilesOf(fixture, "*.dxf"), (QStringList{"cut_1.dxf", "cut_2.dxf", "cut_3.dxf"}));
    QCOMPARE(LinesOf(fixture, "cut_1.dxf").mid(0, 4), (QStringList{"0", "SECTION", "2", "HEADER"}));

    TOptionSettings settings = window.ConfigureTab().Settings();
    settings.DrillDepth = "-1.5";  // the heights are copied as typed at the time of the export
    window.ConfigureTab().SetSettings(settings);
    SaveAs(fixture, "ButtonExportGCode", "cut");
    QCOMPARE(FilesOf(fixture, "*.gnc"), (QStringList{"cut_1.gnc", "cut_2.gnc", "cut_3.gnc"}));
    const QStringList program = LinesOf(fixture, "cut_2.gnc");
    QCOMPARE(program.front(), "!" + QString::fromStdString(window.Engine().BestResult[1].Label));
    QVERIFY(program.contains("G1 Z -1.5"));
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  void AWriteErrorIsShownInTheWarningBox() {
    TWindowFixture fixture;
    RunJob(fixture);
    for (const char* button : {"ButtonSaveLayout", "ButtonExportDXF", "ButtonExportGCode",
                               "ButtonSaveToHtml", "ButtonSaveOffcuts"}) {
      fixture.Services.Messages.clear();
      SaveAs(fixture, button, "no-such-folder/out");
      QCOMPARE(fixture.Services.Messages.size(), 1);
      QVERIFY(fixture.Services.Messages.front() != kEmpty);
    }
    QVERIFY(fixture.Services.Opened.isEmpty());
  }

  void TheHtmlPageIsWrittenWithItsPicturesAndOpened() {
    TWindowFixture fixture;
    RunJob(fixture);
    SaveAs(fixture, "ButtonSaveToHtml", "cut.html");
    QCOMPARE(FilesOf(fixture, "*.svg").size(), 3);
    const QString page = QString::fromUtf8(fixture.Read("cut.html"));
    for (const QString& picture : FilesOf(fixture, "*.svg")) {
      QVERIFY(page.contains("<img src=\"" + picture + "\">"));
    }
    QCOMPARE(page.count("<table"), 4);
    QCOMPARE(fixture.Services.Opened, QList<QUrl>{QUrl::fromLocalFile(fixture.PathOf("cut.html"))});
  }

  void SavedOffcutsLoadIntoTheOffcutsTab() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    SaveAs(fixture, "ButtonSaveOffcuts", "left.ofc");
    const QByteArray file = fixture.Read("left.ofc");
    QVERIFY(file.contains("[SHEET1]"));
    window.OffcutsTab().ReadFile(fixture.PathOf("left.ofc"));
    const QString label = window.OffcutsTab().Grid().Cell(0, 1);
    QVERIFY(label.startsWith("L_0_" + QString::fromStdString(window.Engine().BestResult[0].Label) +
                             "_OFFCUT_"));
    QVERIFY(!window.OffcutsTab().Grid().Cell(1, 1).isEmpty());
  }

  // The smallest offcut to keep is read afresh: a faulty box is shown before any dialog.
  void SavingOffcutsRefusesAFaultyMinimumSize() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    Child<QLineEdit>(window.ConfigureTab(), "EditMinOffcutLength2").setText("-5");
    ClickLayoutButton(window, "ButtonSaveOffcuts");
    QCOMPARE(fixture.Services.Messages,
             QStringList{"define Min. Scrap Width format error in setup tab"});
    QCOMPARE(window.PageControl().currentWidget(), &window.ConfigureTab());
    QVERIFY(fixture.Services.Dialogs.isEmpty());
  }

  void AutoRearrangeKeepsTheLayoutsSheetAndRedrawsIt() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    Child<QComboBox>(window.LayoutTab(), "ComboBoxLayoutList").setCurrentIndex(1);
    const TPacket before = window.Engine().BestResult[1];
    window.ReportTab().SetLines({});
    ClickLayoutButton(window, "ButtonLayoutAgain");
    QVERIFY(fixture.Services.Messages.isEmpty());
    const TPacket& after = window.Engine().BestResult[1];
    QCOMPARE(after.Label, before.Label);
    QCOMPARE(after.Index, before.Index);
    QCOMPARE(after.Count, before.Count);
    QCOMPARE(PartsOf(after), PartsOf(before));
    QCOMPARE(window.LayoutTab().CurrentLayoutIndex(), 1);
    QCOMPARE(Child<QLabel>(window.LayoutTab(), "LabelSheetLabel").text(),
             QString::fromStdString(before.Label));
    QVERIFY(Child<QWidget>(window.LayoutTab(), "DrawPanelSheet").isVisible());
    QVERIFY(!window.ReportTab().Lines().isEmpty());
  }
};

}  // namespace vexlin

QTEST_MAIN(vexlin::ResultCommandsTest)
#include "result_commands_test.moc"
