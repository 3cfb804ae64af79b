#include "input/ui/configure_tab.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "input/ui/color_box.h"
#include "model/ini_file.h"
#include "support/window_fixture.h"

namespace vexlin {

namespace {

template <typename T>
T& Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(name);
  if (child == nullptr) qFatal("no child %s", name);
  return *child;
}

QLineEdit& Edit(TSDIAppForm& window, const char* name) {
  return Child<QLineEdit>(window.ConfigureTab(), name);
}

TColorBox& Colors(TSDIAppForm& window, const char* name) {
  return Child<TColorBox>(window.ConfigureTab(), name);
}

void Click(TSDIAppForm& window, const char* button) {
  QTest::mouseClick(&Child<QAbstractButton>(window.ConfigureTab(), button), Qt::LeftButton);
}

void ChooseKey(TSDIAppForm& window, const QString& key) {
  auto& keys = Child<QComboBox>(window.ConfigureTab(), "ComboBoxInterfaceCaption");
  keys.setCurrentIndex(keys.findText(key));
}

// Control keys of the window (tabs, buttons, labels, check boxes, groups) plus the tool
// button's hint.
constexpr int kHintEntries = 67;

}  // namespace

class ConfigureTabTest : public QObject {
  Q_OBJECT

 private slots:
  // ---- options file ----

  void WithoutOptionsFileShowsTheDefaults() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    QCOMPARE(Edit(window, "EditBladeWidth").text(), QString("0"));
    QCOMPARE(Edit(window, "EditMeasure").text(), QString("inch"));
    QCOMPARE(Edit(window, "EditPrinterFontSize").text(), QString("12"));
    for (const char* name :
         {"EditWidthEdge", "EditHeightEdige", "EditMinOffcutLength1", "EditMinOffcutLength2"}) {
      QCOMPARE(Edit(window, name).text(), QString("0"));
    }
    QCOMPARE(Edit(window, "EditDrillDepth").text(), QString("-0.02"));
    QCOMPARE(Edit(window, "EditSafetyHeigth").text(), QString("0.02"));
    for (const char* name : {"CheckBoxFastSpeed", "CheckBoxCostOptimize", "CheckBoxGuillotine"}) {
      QVERIFY(Child<QCheckBox>(window.ConfigureTab(), name).isChecked());
    }
    auto& deep = Child<QCheckBox>(window.ConfigureTab(), "CheckBoxDeepOptimize");
    QVERIFY(!deep.isChecked());
    QCOMPARE(deep.text(), QString("Deep Optimize"));
    QCOMPARE(Edit(window, "EditDeepSeconds").text(), QString("10"));
    QCOMPARE(Child<QLabel>(window.ConfigureTab(), "LabelSetupDeepSeconds").text(),
             QString("Deep Seconds"));
    QCOMPARE(Colors(window, "ColorBoxSheets").Color(), TColor{32768});
    QCOMPARE(Colors(window, "ColorBoxSheets").currentText(), QString("Green"));
    QCOMPARE(Colors(window, "ColorBoxParts").currentText(), QString("Aqua"));
    QCOMPARE(Colors(window, "ColorBoxEdge").currentText(), QString("Gray"));
    QCOMPARE(Colors(window, "ColorBoxOffcuts").currentText(), QString("Lime"));
    const QStringList colorLabels = {"Sheets Color", "Parts Color",
                                     "Length Edge & Width Edge Color", "Offcuts Color"};
    QStringList shownLabels;
    for (const char* name : {"LabelSetupSheetColor", "LabelSetupPartsColor", "LabelSetupEdgeColor",
                             "LabelOffcutsColor"}) {
      shownLabels << Child<QLabel>(window.ConfigureTab(), name).text();
    }
    QCOMPARE(shownLabels, colorLabels);
    QLineEdit& decimals = Edit(window, "EditDecimal");
    QCOMPARE(decimals.text(), QString("3"));
    QVERIFY(decimals.isHidden());
    QVERIFY(!decimals.isEnabled());
  }

  void FlagsNeedAnExactCapitalT() {
    TWindowFixture fixture;
    fixture.Write("default.opt", "[OPTION]\nFAST_OPTIMIZE=t\nCOST_OPTIMIZE=T\nGUILLOTINE=1\n");
    TSDIAppForm& window = fixture.Open();
    QVERIFY(!Child<QCheckBox>(window.ConfigureTab(), "CheckBoxFastSpeed").isChecked());
    QVERIFY(Child<QCheckBox>(window.ConfigureTab(), "CheckBoxCostOptimize").isChecked());
    QVERIFY(!Child<QCheckBox>(window.ConfigureTab(), "CheckBoxGuillotine").isChecked());
  }

  void SheetColourFromFile_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<uint>("color");
    QTest::addColumn<QString>("shown");
    QTest::newRow("red") << QByteArray("255") << 255u << "Red";
    QTest::newRow("empty") << QByteArray("") << 32768u << "Green";
    QTest::newRow("not a number") << QByteArray("red") << 32768u << "Green";
    QTest::newRow("not standard") << QByteArray("1193046") << 0x123456u << "#563412";
  }

  void SheetColourFromFile() {
    QFETCH(QByteArray, value);
    QFETCH(uint, color);
    QFETCH(QString, shown);
    TWindowFixture fixture;
    fixture.Write("default.opt", "[OPTION]\nSHEET_COLOR=" + value + "\n");
    TColorBox& box = Colors(fixture.Open(), "ColorBoxSheets");
    QCOMPARE(box.Color(), TColor{color});
    QCOMPARE(box.currentText(), shown);
  }

  void SaveConfigureWritesEveryKeyAndKeepsOtherSections() {
    TWindowFixture fixture;
    fixture.Write("default.opt", "[JOB]\nOWNER=Ann\n");
    TSDIAppForm& window = fixture.Open();
    Edit(window, "EditBladeWidth").setText("3.5");
    Edit(window, "EditWidthEdge").setText("5");
    Edit(window, "EditHeightEdige").setText("7");
    Edit(window, "EditMeasure").setText("mm");
    Child<QCheckBox>(window.ConfigureTab(), "CheckBoxGuillotine").setChecked(false);
    Child<QCheckBox>(window.ConfigureTab(), "CheckBoxDeepOptimize").setChecked(true);
    Edit(window, "EditDeepSeconds").setText("60");
    Colors(window, "ColorBoxSheets").SetColor(0xFF0000);
    Colors(window, "ColorBoxOffcuts").SetColor(0x123456);
    const TOptionSettings saved = window.ConfigureTab().Settings();
    Click(window, "ButtonSaveOptions");

    TIniFile file(fixture.PathOf("default.opt").toStdString());
    const std::vector<std::string> keys = {
        "BLADE_WIDTH",     "FAST_OPTIMIZE", "COST_OPTIMIZE", "GUILLOTINE",   "MEASURE",
        "PRINTERFONTSIZE", "LENGTH_EDGE",   "WIDTH_EDGE",    "SCRAP_LEN1",   "SCRAP_LEN2",
        "SHEET_COLOR",     "PART_COLOR",    "EDGE_COLOR",    "OFFCUT_COLOR", "DRILL_DEPTH",
        "SAFETY_HEIGTH",   "DEEP_OPTIMIZE", "DEEP_SECONDS"};
    QVERIFY(file.ReadSectionKeys("OPTION") == keys);
    QCOMPARE(file.ReadString("OPTION", "WIDTH_EDGE", ""), std::string("5"));
    QCOMPARE(file.ReadString("OPTION", "LENGTH_EDGE", ""), std::string("7"));
    QCOMPARE(file.ReadString("OPTION", "GUILLOTINE", ""), std::string("F"));
    QCOMPARE(file.ReadString("OPTION", "DEEP_OPTIMIZE", ""), std::string("T"));
    QCOMPARE(file.ReadString("OPTION", "DEEP_SECONDS", ""), std::string("60"));
    QCOMPARE(file.ReadString("OPTION", "SHEET_COLOR", ""), std::string("16711680"));
    QCOMPARE(file.ReadString("JOB", "OWNER", ""), std::string("Ann"));

    QVERIFY(fixture.Open().ConfigureTab().Settings() == saved);
  }

  // ---- options checked for a run ----

  void ReadOptionReportsTheFailingBox_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    QTest::newRow("blade") << "EditBladeWidth"
                           << "define blade width format error in configure tab";
    QTest::newRow("captioned width edge") << "EditHeightEdige"
                                          << "define width edge format error in configure tab";
    QTest::newRow("captioned length edge") << "EditWidthEdge"
                                           << "define length edge format error in configure tab";
    QTest::newRow("min width") << "EditMinOffcutLength2"
                               << "define Min. Scrap Width format error in setup tab";
    QTest::newRow("deep seconds")
        << "EditDeepSeconds"
        << "define deep seconds format error in configure tab (a whole number from 1 to 3600)";
  }

  void ReadOptionReportsTheFailingBox() {
    QFETCH(QString, box);
    QFETCH(QString, message);
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit& edit = Edit(window, qPrintable(box));
    edit.setText("abc");
    QVERIFY(!window.ConfigureTab().ReadOption());
    QCOMPARE(window.PageControl().currentWidget(), &window.ConfigureTab());
    QVERIFY(edit.hasFocus());
    QCOMPARE(edit.selectedText(), QString("abc"));
    QCOMPARE(fixture.Services.Messages, QStringList{message});
  }

  // ---- colour boxes ----

  void CustomColourTakesThePickedColour() {
    TWindowFixture fixture;
    TColorBox& box = Colors(fixture.Open(), "ColorBoxParts");
    fixture.Services.ColorAnswer = QColor(0x12, 0x34, 0x56);
    QTest::keyClick(&box, Qt::Key_End);
    QCOMPARE(box.Color(), TColor{0x563412});
    QCOMPARE(box.currentText(), QString("#123456"));
    // A picked standard colour selects its own entry rather than a custom one.
    fixture.Services.ColorAnswer = QColor(Qt::red);
    QTest::keyClick(&box, Qt::Key_End);
    QCOMPARE(box.currentText(), QString("Red"));
    // A cancelled dialog keeps the colour there was.
    fixture.Services.ColorAnswer.reset();
    QTest::keyClick(&box, Qt::Key_End);
    QCOMPARE(box.currentText(), QString("Red"));
    QCOMPARE(box.Color(), TColor{0x0000FF});
  }

  // ---- captions ----

  void LoadCaptionRenamesTheTabAndItsColourLabel() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    fixture.Services.OpenAnswers.push_back(
        fixture.Write("pieces.cap", "[CAPTION]\nTab Parts=Pieces\nColor Caption=Colour\n"));
    Click(window, "ButtonLoadCaption");
    QCOMPARE(window.PageControl().tabText(1), QString("Pieces"));
    QCOMPARE(Child<QLabel>(window.ConfigureTab(), "LabelSetupPartsColor").text(),
             QString("Pieces Colour"));
    const TFileDialogRequest& dialog = fixture.Services.Dialogs.front();
    QCOMPARE(dialog.Title, QString("Open File ..."));
    QCOMPARE(dialog.Filter, QString("Open File ...(*.cap) (*.cap)"));
    QCOMPARE(dialog.DefaultExtension, QString("Cap"));
  }

  void ToolButtonTakesOnlyAHint() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    fixture.Services.OpenAnswers.push_back(fixture.Write(
        "go.cap", "[CAPTION]\nStart Optimize Button=Go\n[HINT]\nStart Optimize Button=Run now\n"));
    Click(window, "ButtonLoadCaption");
    auto* action = window.findChild<QAction*>("StartOptimize");
    QCOMPARE(action->toolTip(), QString("Run now"));
    QCOMPARE(action->text(), QString("Start Optimize"));
  }

  void CustomCaptionShowsTheEditor() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    auto& group = Child<QGroupBox>(window.ConfigureTab(), "GroupBoxSetupCaption");
    QCOMPARE(group.title(), QString("Custom ANY Language && Material Caption"));
    QVERIFY(group.isHidden());
    Click(window, "CheckBoxCustomCaption");
    QVERIFY(!group.isHidden());
    Click(window, "CheckBoxCustomCaption");
    QVERIFY(group.isHidden());
    QCOMPARE(Child<QComboBox>(window.ConfigureTab(), "ComboBoxInterfaceCaption").count(), 164);
  }

  void ChoosingAKeyShowsItsTexts_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("captionShown");
    QTest::addColumn<bool>("hintShown");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("control") << "Blade Width Caption" << true << true << "Blade Width"
                             << "Part to part gap";
    QTest::newRow("message") << "MSG_LABEL_ISNT_UNIQUE" << true << false << "label isn't unique"
                             << "";
    QTest::newRow("text") << "Sqr Caption" << true << false << ".sq."
                          << "";
    QTest::newRow("tool button") << "Start Optimize Button" << false << true << ""
                                 << "Start optimize job";
    QTest::newRow("separator") << "----------TAB-------------------" << true << true << ""
                               << "";
  }

  void ChoosingAKeyShowsItsTexts() {
    QFETCH(QString, key);
    QFETCH(bool, captionShown);
    QFETCH(bool, hintShown);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    // Start from a key that fills and shows both boxes.
    ChooseKey(window, "Print All Button");
    ChooseKey(window, key);
    QLineEdit& captionBox = Edit(window, "EditModifyCaption");
    QLineEdit& hintBox = Edit(window, "EditModifyHint");
    QCOMPARE(!captionBox.isHidden(), captionShown);
    QCOMPARE(!hintBox.isHidden(), hintShown);
    QCOMPARE(captionBox.text(), caption);
    QCOMPARE(hintBox.text(), hint);
  }

  void ConfirmRenamesLive() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    ChooseKey(window, "Length Edge Caption");
    Edit(window, "EditModifyCaption").setText("Long Edge");
    Edit(window, "EditModifyHint").setText("Taken off both ends");
    Click(window, "ButtonConfirmCaption");
    QLabel& label = Child<QLabel>(window.ConfigureTab(), "LabelSetupLengthEdge");
    QCOMPARE(label.text(), QString("Long Edge"));
    QCOMPARE(Edit(window, "EditWidthEdge").toolTip(), QString("Taken off both ends"));
    QCOMPARE(Child<QLabel>(window.ConfigureTab(), "LabelSetupEdgeColor").text(),
             QString("Long Edge & Width Edge Color"));

    ChooseKey(window, "Tab Parts");
    Edit(window, "EditModifyCaption").setText("Pieces");
    Click(window, "ButtonConfirmCaption");
    QCOMPARE(window.PageControl().tabText(1), QString("Pieces"));
  }

  void ClickingIntoABoxSelectsItsText() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    window.show();
    window.PageControl().setCurrentWidget(&window.ConfigureTab());
    Click(window, "CheckBoxCustomCaption");
    ChooseKey(window, "Print All Button");
    for (const char* name : {"EditModifyCaption", "EditModifyHint"}) {
      QLineEdit& box = Edit(window, name);
      QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(3, box.height() / 2));
      QCOMPARE(box.selectedText(), box.text());
    }
  }

  void SaveCaptionWritesEveryKeyAndKeepsTheRest() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    fixture.Services.SaveAnswers.push_back(fixture.Write("mine.cap", "[NOTE]\nBY=Ann\n"));
    Click(window, "ButtonSaveCaption");
    TIniFile file(fixture.PathOf("mine.cap").toStdString());
    QCOMPARE(file.ReadSectionKeys("CAPTION").size(), size_t{156});
    QCOMPARE(file.ReadSectionKeys("HINT").size(), size_t{kHintEntries});
    QVERIFY(!file.ValueExists("CAPTION", "Start Optimize Button"));
    QCOMPARE(file.ReadString("HINT", "Start Optimize Button", ""),
             std::string("Start optimize job"));
    QCOMPARE(file.ReadString("NOTE", "BY", ""), std::string("Ann"));
    const TFileDialogRequest& dialog = fixture.Services.Dialogs.front();
    QCOMPARE(dialog.Title, QString("Save As ..."));
    QCOMPARE(dialog.Filter, QString("Save As ...(*.cap) (*.cap)"));
    QCOMPARE(dialog.DefaultExtension, QString("cap"));
  }

  void SetAsDefaultIsReadAtTheNextStart() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    ChooseKey(window, "Tab Parts");
    Edit(window, "EditModifyCaption").setText("Pieces");
    Click(window, "ButtonConfirmCaption");
    Click(window, "ButtonSetAsDefaultCaption");
    QVERIFY(QFile::exists(fixture.PathOf("default.cap")));
    QCOMPARE(fixture.Open().PageControl().tabText(1), QString("Pieces"));
  }

  // ---- layout ----

  void FitsTheSmallestWindowWithTheEditorShown() {
    TWindowFixture fixture;
    TSDIAppForm& window = fixture.Open();
    window.show();
    window.PageControl().setCurrentWidget(&window.ConfigureTab());
    Click(window, "CheckBoxCustomCaption");
    QCoreApplication::processEvents();
    const QSize needed = window.ConfigureTab().minimumSizeHint();
    const QSize given = window.ConfigureTab().size();
    QVERIFY2(needed.width() <= given.width() && needed.height() <= given.height(),
             qPrintable(QString("needs %1x%2, has %3x%4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(given.width())
                            .arg(given.height())));
  }
};

}  // namespace vexlin

QTEST_MAIN(vexlin::ConfigureTabTest)
#include "configure_tab_test.moc"
