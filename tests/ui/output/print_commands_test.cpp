#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "input/ui/configure_tab.h"
#include "optimizer/vexlin.h"
#include "output/ui/layout_tab.h"
#include "support/window_driving.h"
#include "support/window_fixture.h"

namespace vexlin {

namespace {

// Three sheet types that each hold one door, so the run gives three layouts.
constexpr const char* kSheets =
    "[SHEET1]\nLABEL=Large\nLENGTH=1000\nWIDTH=500\nQTY=1\n"
    "[SHEET2]\nLABEL=Medium\nLENGTH=800\nWIDTH=450\nQTY=1\n"
    "[SHEET3]\nLABEL=Small\nLENGTH=700\nWIDTH=420\nQTY=1\n";
constexpr const char* kParts = "[PART1]\nLABEL=Door\nLENGTH=600\nWIDTH=400\nROTATE=n\nQTY=3\n";
constexpr const char* kOptions = "[OPTION]\nMEASURE=mm\nBLADE_WIDTH=3\nWIDTH_EDGE=10\n";

constexpr const char* kEmpty = "Layout is empty, please optimize first.";
constexpr const char* kNoPrinter =
    "Nothing was printed: no printer is ready. Choose one with \"Print Setup...\" in the File "
    "menu, or save the pages with \"Export PDF\".";
constexpr const char* kPrintButtons[] = {"ButtonPrintAll", "ButtonPrintCurrentPage",
                                         "ButtonPrintReport", "ButtonExportPDF"};

TSDIAppForm& OpenJob(TWindowFixture& fixture) {
  return OpenShownJob(fixture, kSheets, kParts, kOptions);
}

TSDIAppForm& RunJob(TWindowFixture& fixture) {
  return RunShownJob(fixture, kSheets, kParts, kOptions, 3);
}

// The window's printer writes a PDF file into the fixture's folder instead.
QString PrintToFile(TWindowFixture& fixture, const QString& name) {
  QPrinter& printer = fixture.Window().Printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(fixture.PathOf(name));
  return fixture.PathOf(name);
}

qsizetype PageCount(const QString& pdf) {
  QFile file(pdf);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  static const QRegularExpression page("/Type\\s*/Page(?!s)");
  return QString::fromLatin1(file.readAll()).count(page);
}

QLineEdit& FontSizeBox(TSDIAppForm& window) {
  return Child<QLineEdit>(window.ConfigureTab(), "EditPrinterFontSize");
}

}  // namespace

class PrintCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void TheButtonsTakeTheirCaptionsAndHints() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenJob(fixture);
    const QStringList captions = {"Print All", "Print Current", "Print Report", "Export PDF"};
    const QStringList hints = {
        "Print All, include report and all layouts", "Print Current Layout", "Print Summary Report",
        "Export the report and all layouts as a PDF file, no printer needed"};
    for (int i = 0; i < captions.size(); ++i) {
      const QPushButton& button = Child<QPushButton>(window.LayoutTab(), kPrintButtons[i]);
      QCOMPARE(button.text(), captions[i]);
      QCOMPARE(button.toolTip(), hints[i]);
    }
  }

  void BeforeARunEveryCommandRefusesAndPrintsNothing() {
    TWindowFixture fixture;
    TSDIAppForm& window = OpenJob(fixture);
    for (const char* button : kPrintButtons) {
      const QString pdf = PrintToFile(fixture, QString(button) + ".pdf");
      fixture.Services.Messages.clear();
      ClickLayoutButton(window, button);
      QCOMPARE(fixture.Services.Messages, QStringList{kEmpty});
      QVERIFY(!QFile::exists(pdf));
    }
  }

  void PrintAllPrintsTheReportThenEveryLayoutOnAPageOfItsOwn() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    const QString pdf = PrintToFile(fixture, "all.pdf");
    ClickLayoutButton(window, "ButtonPrintAll");
    QVERIFY(fixture.Services.Messages.isEmpty());
    QCOMPARE(PageCount(pdf), 1 + 3);
  }

  // The pages "Print All" prints, into a file the user names, whatever the printer.
  void ExportPdfWritesTheReportThenEveryLayoutWithoutAPrinter() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    fixture.Services.SaveAnswers.push_back(fixture.PathOf("pages.pdf"));
    ClickLayoutButton(window, "ButtonExportPDF");
    QVERIFY(fixture.Services.Messages.isEmpty());
    QCOMPARE(fixture.Services.Dialogs.size(), 1);
    QVERIFY(fixture.Services.Dialogs.front().Filter.contains("*.pdf"));
    QCOMPARE(PageCount(fixture.PathOf("pages.pdf")), 1 + 3);

    fixture.Services.SaveAnswers.push_back(fixture.PathOf("missing/pages.pdf"));
    ClickLayoutButton(window, "ButtonExportPDF");
    QCOMPARE(fixture.Services.Messages.size(), 1);
    QVERIFY(fixture.Services.Messages.front().contains("missing/pages.pdf"));
  }

  // A printer that cannot start a document, as none when no printer is set up, is named as
  // the reason, rather than nothing happening.
  void APrintButtonWithoutAPrinterSaysWhy() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
      ClickLayoutButton(window, "ButtonPrintReport");
      QCOMPARE(fixture.Services.Messages, QStringList{kNoPrinter});
      // A printer chosen afterwards still prints.
      fixture.Services.Messages.clear();
      const QString later = PrintToFile(fixture, "later.pdf");
      ClickLayoutButton(window, "ButtonPrintReport");
      QVERIFY(fixture.Services.Messages.isEmpty());
      QCOMPARE(PageCount(later), 1);
    }
    PrintToFile(fixture, "missing/out.pdf");
    for (const char* button : {"ButtonPrintAll", "ButtonPrintCurrentPage", "ButtonPrintReport"}) {
      fixture.Services.Messages.clear();
      ClickLayoutButton(window, button);
      QCOMPARE(fixture.Services.Messages, QStringList{kNoPrinter});
    }
  }

  void PrintCurrentAndPrintReportPrintOnePage() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    for (const char* button : {"ButtonPrintCurrentPage", "ButtonPrintReport"}) {
      const QString pdf = PrintToFile(fixture, QString(button) + ".pdf");
      ClickLayoutButton(window, button);
      QCOMPARE(PageCount(pdf), 1);
    }
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  // Printing goes on in the size put back into the box.
  void ARefusedFontSizeIsReportedAndSetBackTo12() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    FontSizeBox(window).setText("abc");
    const QString report = PrintToFile(fixture, "report.pdf");
    ClickLayoutButton(window, "ButtonPrintReport");
    QCOMPARE(fixture.Services.Messages, QStringList{"Printer Font Size 'abc'."});
    QCOMPARE(FontSizeBox(window).text(), QString("12"));
    QCOMPARE(PageCount(report), 1);

    fixture.Services.Messages.clear();
    FontSizeBox(window).setText("6");
    const QString layout = PrintToFile(fixture, "layout.pdf");
    ClickLayoutButton(window, "ButtonPrintCurrentPage");
    QCOMPARE(fixture.Services.Messages, QStringList{"Printer Font Size '6' <8."});
    QCOMPARE(FontSizeBox(window).text(), QString("12"));
    QCOMPARE(PageCount(layout), 1);
  }
};

}  // namespace vexlin

QTEST_MAIN(vexlin::PrintCommandsTest)
#include "print_commands_test.moc"
