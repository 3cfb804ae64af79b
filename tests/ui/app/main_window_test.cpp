#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QtTest>

#include "app/about_box.h"
#include "app/splash_form.h"
#include "input/ui/offcuts_tab.h"
#include "input/ui/profile_tab.h"
#include "support/window_fixture.h"
#include "uikit/string_grid.h"

namespace vexlin {

namespace {

// Where the widget's label sits: a button whose text is wider shows it cut off.
int ButtonTextRoom(QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
}

// The visible buttons whose text is cut off and the visible controls outside the page.
QStringList MisfitsOf(QWidget& page) {
  QStringList misfits;
  const QSize needed = page.minimumSizeHint();
  if (needed.width() > page.width() || needed.height() > page.height()) {
    misfits << QString("squeezed below %1 x %2").arg(needed.width()).arg(needed.height());
  }
  for (QWidget* child : page.findChildren<QWidget*>()) {
    if (!child->isVisible()) continue;
    auto* button = qobject_cast<QPushButton*>(child);
    if (button != nullptr &&
        button->fontMetrics().horizontalAdvance(button->text()) > ButtonTextRoom(*button)) {
      misfits << "cut off: " + button->text();
    }
    if (!page.rect().contains(QRect(child->mapTo(&page, QPoint(0, 0)), child->size()))) {
      misfits << "outside: " + child->objectName() + " " + child->metaObject()->className();
    }
  }
  return misfits;
}

QAction& MenuAction(TSDIAppForm& window, const QString& text) {
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text() == text) return *action;
  }
  qFatal("no menu entry %s", qPrintable(text));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartsWithSevenTabsInOrderOnSheets() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    QTabWidget& pages = window.PageControl();
    QStringList titles;
    for (int tab = 0; tab < pages.count(); ++tab) titles << pages.tabText(tab);
    QCOMPARE(titles, QStringList({"Sheets", "Parts", "Profile", "Offcuts", "Configure", "Layout",
                                  "Report"}));
    QCOMPARE(pages.currentIndex(), 0);
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  void WithoutDefaultFilesTheGridsAreEmpty() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    QCOMPARE(window.SheetsTab().Grid().RowCount(), 501);
    QCOMPARE(window.PartsTab().Grid().RowCount(), 501);
    QCOMPARE(window.OffcutsTab().Grid().RowCount(), 101);
    QCOMPARE(window.SheetsTab().Grid().Cell(1, 1), QString());
    QCOMPARE(window.SheetsTab().Grid().Cell(0, 0), QString("Label "));
    QCOMPARE(window.PartsTab().Grid().Cell(5, 0), QString("Rec/Cir"));
    // A missing file still names the file the next "Save" writes.
    QCOMPARE(window.SheetsTab().FileName(), fixture.PathOf("default.sht"));
  }

  void ReadsTheDefaultFilesOfItsFolder() {
    TWindowFixture fixture;
    fixture.Write("default.sht",
                  "[SHEET1]\nLABEL=Board\nLENGTH=2000\nWIDTH=1000\nQTY=3\nCOST=12.5\n");
    fixture.Write("default.ofc", "[SHEET1]\nLABEL=Rest\nLENGTH=500\nWIDTH=400\nQTY=1\n");
    fixture.Write("default.cap", "[CAPTION]\nTab Parts=Pieces\n");
    TSDIAppForm& window = fixture.Open();
    QCOMPARE(window.SheetsTab().Grid().Cell(0, 1), QString("Board"));
    QCOMPARE(window.SheetsTab().findChild<QLineEdit*>("EditTotalSheetsArea")->text(),
             QString("6000000"));
    QCOMPARE(window.SheetsTab().findChild<QLineEdit*>("EditTotalSheetsCost")->text(),
             QString("37.5"));
    QCOMPARE(window.OffcutsTab().Grid().Cell(0, 1), QString("Rest"));
    QCOMPARE(window.PartsTab().Grid().Cell(0, 1), QString());
    QCOMPARE(window.PageControl().tabText(1), QString("Pieces"));
  }

  void ReadsAllSixDefaultFiles() {
    TWindowFixture fixture;
    fixture.Write("default.opt", "[OPTION]\nBLADE_WIDTH=3\nMEASURE=mm\n");
    fixture.Write("default.cap", "[CAPTION]\nTab Report=Summary\n");
    fixture.Write("default.sht", "[SHEET1]\nLABEL=Board\nLENGTH=2000\nWIDTH=1000\nQTY=3\n");
    fixture.Write("default.prt", "[PART1]\nLABEL=Door\nLENGTH=600\nWIDTH=400\nQTY=2\n");
    fixture.Write("default.ofc", "[SHEET1]\nLABEL=Rest\nLENGTH=500\nWIDTH=400\nQTY=1\n");
    fixture.Write("default.apt",
                  "[STR]\nCN=1\n[STR0TZ]\nN=Triangle2\nP1=300\nP2=200\nDX=0\n"
                  "[STR0]\nL=T1\nQ=1\n");
    TSDIAppForm& window = fixture.Open();
    QCOMPARE(window.findChild<QLineEdit*>("EditBladeWidth")->text(), QString("3"));
    QCOMPARE(window.PageControl().tabText(6), QString("Summary"));
    QCOMPARE(window.PartsTab().Grid().Cell(0, 1), QString("Door"));
    QCOMPARE(window.OffcutsTab().Grid().Cell(0, 1), QString("Rest"));
    QCOMPARE(window.Profiles().Profiles.Size(), size_t{1});
    QVERIFY(fixture.Services.Messages.isEmpty());
    QCOMPARE(window.PageControl().currentIndex(), 0);
  }

  void KeepsItsMinimumSize() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    window.show();
    window.resize(500, 400);
    QCOMPARE(window.size(), QSize(781, 575));
  }

  void EveryTabFitsTheSmallestWindow() {
    TWindowFixture fixture;
    fixture.Write("default.apt",
                  "[STR]\nCN=1\n[STR0TZ]\nN=Trapezium1\nP1=300\nP2=100\nP3=50\nP4=200\nDX=0\n"
                  "[STR0]\nL=T1\nQ=1\n");
    TSDIAppForm& window = fixture.Open();
    // Everything the Profile tab can show: a chosen shape's picture and a profile's preview.
    TProfileTab& profiles = window.ProfileTab();
    profiles.findChild<QComboBox*>("ComboBoxStandShape")->setCurrentIndex(2);
    profiles.ComboBoxStandShapeChange();
    profiles.findChild<TStringGrid*>("StringGridAnyShape")->SetCurrentCell(0, 1);
    window.resize(781, 575);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(781, 575));
    QTabWidget& pages = window.PageControl();
    for (int tab = 0; tab < pages.count(); ++tab) {
      pages.setCurrentIndex(tab);
      QCoreApplication::processEvents();
      QWidget& page = *pages.currentWidget();
      const QStringList misfits = MisfitsOf(page);
      QVERIFY2(misfits.isEmpty(), qPrintable(page.objectName() + ": " + misfits.join("; ")));
    }
  }

  void SplashClosesItselfAfterAboutTwoSeconds() {
    TComeInForm splash;
    QElapsedTimer shown;
    shown.start();
    splash.exec();
    QVERIFY(shown.elapsed() >= 1900);
    QVERIFY(shown.elapsed() < 5000);
  }

  void MenusOpenTheHelpSectionsInsteadOfTheNetwork() {
    TWindowFixture fixture;
    QDir().mkpath(fixture.PathOf("help"));
    fixture.Write("help/vexlinhelp.html", "<html></html>");
    TSDIAppForm& window = fixture.Open();
    for (const char* entry : {"&Support", "&Update", "&Online", "&Question"}) {
      MenuAction(window, entry).trigger();
    }
    QStringList opened;
    for (const QUrl& address : fixture.Services.Opened) {
      opened << (address.isLocalFile() ? address.fragment() : address.scheme());
    }
    QCOMPARE(opened, QStringList({"support", "update", "about", "mailto"}));
  }

  void AboutBoxLinksToTheHelpAndTheSupportMail() {
    TWindowFixture fixture;
    QDir().mkpath(fixture.PathOf("help"));
    fixture.Write("help/vexlinhelp.html", "<html></html>");
    TAboutBox about(fixture.Services, fixture.PathOf("").toStdString());
    QCOMPARE(about.windowTitle(), QString("About Vexlin Cutting Optimizer"));
    for (QLabel* label : about.findChildren<QLabel*>()) {
      if (label->text().startsWith("<a ")) emit label->linkActivated("#");
    }
    QCOMPARE(fixture.Services.Opened.size(), 2);
    QCOMPARE(fixture.Services.Opened[0].fragment(), QString("about"));
    QCOMPARE(fixture.Services.Opened[1].scheme(), QString("mailto"));
  }

  void StartsFromTheCurrentFolderAsTheProgramDoes() {
    TWindowFixture fixture;
    fixture.Write("default.prt", "[PART1]\nLABEL=Leg\nLENGTH=600\nWIDTH=80\nQTY=4\n");
    const QString before = QDir::currentPath();
    QDir::setCurrent(fixture.PathOf(""));
    TSDIAppForm window(fixture.Services, std::filesystem::current_path());
    QDir::setCurrent(before);
    QCOMPARE(window.PartsTab().Grid().Cell(0, 1), QString("Leg"));
  }

  void HelpOpensThePageOfTheProgramFolder() {
    TWindowFixture fixture;
    QDir().mkpath(fixture.PathOf("help"));
    fixture.Write("help/vexlinhelp.html", "<html></html>");
    TSDIAppForm& window = fixture.Open();
    window.HelpClick();
    QCOMPARE(fixture.Services.Opened.size(), 1);
    QCOMPARE(QFileInfo(fixture.Services.Opened.front().toLocalFile()).canonicalFilePath(),
             QFileInfo(fixture.PathOf("help/vexlinhelp.html")).canonicalFilePath());
  }
};

}  // namespace vexlin

QTEST_MAIN(vexlin::MainWindowTest)
#include "main_window_test.moc"
