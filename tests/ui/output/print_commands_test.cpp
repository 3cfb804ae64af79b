#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
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
constexpr const char* kPrintButtons[] = {"ButtonPrintAll", "ButtonPrintCurrentPage",
                                         "ButtonPrintReport"};

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
    const QStringList captions = {"Print All", "Print Current", "Print Report"};
    const QStringList hints = {"Print All, include report and all layouts", "Print Current Layout",
                               "Print Summary Report"};
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
