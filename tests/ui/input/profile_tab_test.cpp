#include "input/ui/profile_tab.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "input/ui/configure_tab.h"
#include "model/text_table.h"
#include "model/ui/qt_canvas.h"
#include "support/window_fixture.h"
#include "uikit/string_grid.h"

namespace vexlin {
namespace {

const QStringList kPictures = {"ImageTri1", "ImageTri2",  "ImageTra1", "ImageTra2",
                               "ImageTra3", "ImageDisc1", "ImageDisc2"};

// A 100 x 50 rectangle as one lightweight polyline.
const QByteArray kRectangleDxf =
    "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n90\n4\n70\n1\n"
    "10\n0\n20\n0\n10\n100\n20\n0\n10\n100\n20\n50\n10\n0\n20\n50\n"
    "0\nENDSEC\n0\nEOF\n";
const QByteArray kLinesOnlyDxf =
    "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n0\n20\n0\n11\n10\n21\n0\n"
    "0\nLINE\n10\n10\n20\n0\n11\n10\n21\n5\n0\nENDSEC\n0\nEOF\n";

// Drives the Profile tab of a fresh window through its controls.
class TProfileTabDriver {
 public:
  explicit TProfileTabDriver(TWindowFixture& fixture)
      : fixture_(fixture), tab_(fixture.Open().ProfileTab()) {}

  TProfileTab& Tab() { return tab_; }
  template <typename T>
  T& Control(const char* name) {
    T* control = tab_.findChild<T*>(name);
    if (control == nullptr) qFatal("no control %s", name);
    return *control;
  }
  TStringGrid& List() { return Control<TStringGrid>("StringGridAnyShape"); }
  TStringGrid& Parameters() { return Control<TStringGrid>("StringGridStandardPara"); }
  QWidget& DxfBox() { return Control<QWidget>("PaintBoxShowSelectShape"); }
  QWidget& ListPreview() { return Control<QWidget>("PaintBoxShowAnyShpe"); }
  void Click(const char* button) { Control<QPushButton>(button).click(); }

  // As the user picks an item of the shape box.
  void Choose(const QString& shape) {
    auto& box = Control<QComboBox>("ComboBoxStandShape");
    const int index = box.findText(shape);
    box.setCurrentIndex(index);
    emit box.activated(index);
  }
  void SetValues(const QStringList& values) {
    for (int i = 0; i < values.size(); ++i) Parameters().SetCell(1, i + 1, values[i]);
  }
  void Add(const QString& label, const QString& shape, const QStringList& values,
           const QString& quantity = "1") {
    Choose(shape);
    SetValues(values);
    Control<QLineEdit>("EditSelectLabel").setText(label);
    Control<QLineEdit>("EditSelectQty").setText(quantity);
    Click("ButtonAddAnyShape");
  }
  void ImportDxf(const QString& name, const QByteArray& content) {
    fixture_.Services.OpenAnswers.push_back(fixture_.Write(name, content));
    Click("ButtonImportDXF");
  }
  QStringList Row(int row) { return {List().Cell(0, row), List().Cell(1, row)}; }
  QStringList VisiblePictures() {
    QStringList shown;
    for (const QString& name : kPictures) {
      if (!Control<QLabel>(name.toLatin1().constData()).isHidden()) shown << name;
    }
    return shown;
  }
  QColor PartColor() {
    return ToQColor(static_cast<TColor>(fixture_.Window().ConfigureTab().Settings().PartColor));
  }
  bool ShowsPartColor(QWidget& box) {
    const QImage picture = box.grab().toImage();
    const QColor part = PartColor();
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (picture.pixelColor(x, y) == part) return true;
      }
    }
    return false;
  }

 private:
  TWindowFixture& fixture_;
  TProfileTab& tab_;
};

}  // namespace

class ProfileTabTest : public QObject {
  Q_OBJECT

 private slots:
  void StartsWithNothingPreviewedAndFollowsTheCaptions() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    QCOMPARE(tab.Row(0), QStringList({"Label", "Qty"}));
    QCOMPARE(tab.List().RowCount(), 100);
    QCOMPARE(tab.Parameters().Cell(1, 0), QString("Value"));
    QCOMPARE(tab.Control<QGroupBox>("GroupBoxEditShape").title(), QString("Select Profile"));
    QCOMPARE(tab.Control<QLineEdit>("EditSelectQty").text(), QString("1"));
    QVERIFY(tab.Control<QLineEdit>("EditAnyShapeFileName").isReadOnly());
    QVERIFY(tab.VisiblePictures().isEmpty());
    QVERIFY(tab.DxfBox().isHidden());
    QVERIFY(tab.ListPreview().isHidden());

    Texts().SetText("Standard Profile Value Caption", "Wert");
    tab.Tab().RefreshCaptions();
    QCOMPARE(tab.Parameters().Cell(1, 0), QString("Wert"));
  }

  void ChoosingAShapeShowsItsPictureAndParameterNames() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Choose("Trapezium1");
    QCOMPARE(tab.VisiblePictures(), QStringList({"ImageTra1"}));
    QCOMPARE(tab.Parameters().RowCount(), 5);
    tab.SetValues({"100", "60"});
    tab.Choose("Disc2");
    QCOMPARE(tab.VisiblePictures(), QStringList({"ImageDisc2"}));
    QCOMPARE(tab.Parameters().RowCount(), 3);
    QCOMPARE(tab.Parameters().Cell(0, 1), QString("G"));
    QCOMPARE(tab.Parameters().Cell(0, 2), QString("H"));
    QCOMPARE(tab.Parameters().Cell(1, 1), QString("100"));  // typed values stay
    QCOMPARE(tab.Parameters().Cell(1, 2), QString("60"));
    QVERIFY(!tab.Control<QLabel>("ImageDisc2").pixmap().isNull());
  }

  void AddDefinesAProfileFromAStandardShape() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Add("T1", "Triangle2", {"300", "200"});
    QCOMPARE(tab.Row(1), QStringList({"T1 [300X200]", "1"}));
    tab.Add("T2", "Disc2", {"10", "6"}, "3");
    QCOMPARE(tab.Row(2), QStringList({"T2 [10.167X6]", "3"}));
    QCOMPARE(tab.Row(3), QStringList({"", ""}));
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  // Each row: label, quantity, shape, message; then the parameter values.
  void AddRefusesWithItsMessage_data() {
    QTest::addColumn<QStringList>("entry");
    QTest::addColumn<QStringList>("values");
    const QString quantityError = "Current part quantity format error.";
    const QString invalid = "profile variant value is invalid";
    const QStringList triangle2 = {"300", "200"};
    QTest::newRow("empty label") << QStringList{"", "1", "Triangle2",
                                                "Select profile label is empty"}
                                 << triangle2;
    QTest::newRow("quantity text")
        << QStringList{"N", "x", "Triangle2", quantityError} << triangle2;
    QTest::newRow("quantity 0") << QStringList{"N", "0", "Triangle2", quantityError} << triangle2;
    QTest::newRow("duplicate") << QStringList{"T1", "1", "Triangle2", "label isn't unique"}
                               << triangle2;
    QTest::newRow("no triangle") << QStringList{"N", "1", "Triangle1", invalid}
                                 << QStringList{"1", "2", "3"};
    QTest::newRow("value text") << QStringList{"N", "1", "Disc1", invalid}
                                << QStringList{"10", "abc"};
  }
  void AddRefusesWithItsMessage() {
    QFETCH(QStringList, entry);
    QFETCH(QStringList, values);
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Add("T1", "Triangle2", {"300", "200"});
    tab.Add(entry[0], entry[2], values, entry[1]);
    QCOMPARE(fixture.Services.Messages, QStringList({entry[3]}));
    QCOMPARE(tab.Row(1), QStringList({"T1 [300X200]", "1"}));
    QCOMPARE(tab.Row(2), QStringList({"", ""}));
  }

  // A bad quantity in the list is reported, yet the new profile is still added.
  void AddReadsTheQuantitiesBackFirst() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Add("T1", "Triangle2", {"300", "200"});
    tab.List().SetCell(1, 1, "7");
    tab.Add("T2", "Triangle2", {"30", "20"});
    QCOMPARE(tab.Row(1), QStringList({"T1 [300X200]", "7"}));
    tab.List().SetCell(1, 1, "many");
    tab.Add("T3", "Triangle2", {"30", "20"});
    QCOMPARE(fixture.Services.Messages, QStringList({"Current part quantity format error."}));
    QCOMPARE(tab.Row(3), QStringList({"T3 [30X20]", "1"}));
  }

  void SelectingAListedProfilePreviewsIt() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Add("T1", "Trapezium2", {"100", "60", "40"});
    tab.List().SetCurrentCell(0, 1);
    QVERIFY(!tab.ListPreview().isHidden());
    QVERIFY(tab.ShowsPartColor(tab.ListPreview()));
    tab.List().SetCurrentCell(0, 4);
    QVERIFY(tab.ListPreview().isHidden());
  }

  void LoadReportsBadEntriesAndKeepsTheOthers() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    const QString path =
        fixture.Write("mixed.apt",
                      "[STR]\nCN=4\n"
                      "[STR0TZ]\nN=Triangle2\nP1=300\nP2=200\nDX=0\n[STR0]\nL=T1\nQ=2\n"
                      "[STR1TZ]\nN=Hexagon\nP1=1\nDX=0\n[STR1]\nL=H1\nQ=1\n"
                      "[STR2TZ]\nN=Disc2\nP1=10\nP2=6\nDX=0\n[STR2]\nL=T1\nQ=1\n"
                      "[STR3TZ]\nN=Trapezium2\nP1=100\nP2=60\nP3=40\nDX=0\n[STR3]\nL=T3\nQ=4\n");
    fixture.Services.OpenAnswers.push_back(path);
    tab.Click("AnyShapeOpen");
    QCOMPARE(fixture.Services.Dialogs.last().Title, QString("Open File ..."));
    QVERIFY(fixture.Services.Dialogs.last().Filter.contains("(*.apt)"));
    QCOMPARE(fixture.Services.Messages,
             QStringList({"profile variant value is invalid", "label isn't unique"}));
    QCOMPARE(tab.Row(1), QStringList({"T1 [300X200]", "2"}));
    QCOMPARE(tab.Row(2), QStringList({"T3 [100X40]", "4"}));
    QCOMPARE(tab.Row(3), QStringList({"", ""}));
    QCOMPARE(tab.Control<QLineEdit>("EditAnyShapeFileName").text(), path);
  }

  void SavedProfilesLoadAsTheyWere() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Add("T1", "Triangle2", {"300", "200"});
    tab.Add("D1", "Disc1", {"10", "2.5"});
    tab.List().SetCell(1, 2, "5");
    const QString path = fixture.PathOf("saved.apt");
    fixture.Services.SaveAnswers.push_back(path);
    tab.Click("AnyShapeSaveAs");
    QCOMPARE(fixture.Services.Dialogs.last().Title, QString("Save As ..."));
    QCOMPARE(tab.Control<QLineEdit>("EditAnyShapeFileName").text(), path);
    const QStringList saved[] = {tab.Row(1), tab.Row(2)};
    QCOMPARE(saved[1][1], QString("5"));

    tab.Click("AnyShapeDeleteAll");
    tab.Tab().ReadAnyShapeFile(path);
    QCOMPARE(tab.Row(1), saved[0]);
    QCOMPARE(tab.Row(2), saved[1]);
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  void ABadQuantityStopsTheSave() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Add("T1", "Triangle2", {"300", "200"});
    tab.List().SetCell(1, 1, "-2");
    fixture.Services.SaveAnswers.push_back(fixture.PathOf("never.apt"));
    tab.Click("AnyShapeSaveAs");
    QCOMPARE(fixture.Services.Messages, QStringList({"Current part quantity format error."}));
    QVERIFY(!QFile::exists(fixture.PathOf("never.apt")));
    QCOMPARE(tab.Control<QLineEdit>("EditAnyShapeFileName").text(), fixture.PathOf("default.apt"));
  }

  void DeleteRemovesTheSelectedProfileAndDeleteAllEveryOne() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Add("T1", "Triangle2", {"300", "200"});
    tab.Add("T2", "Triangle2", {"30", "20"});
    tab.Add("T3", "Triangle2", {"3", "2"});
    tab.List().SetCurrentCell(1, 2);
    tab.Click("AnyShapeDelete");
    QCOMPARE(tab.Row(1), QStringList({"T1 [300X200]", "1"}));
    QCOMPARE(tab.Row(2), QStringList({"T3 [3X2]", "1"}));
    QCOMPARE(tab.Row(3), QStringList({"", ""}));
    tab.List().SetCurrentCell(1, 7);
    tab.Click("AnyShapeDelete");
    QCOMPARE(tab.Row(2), QStringList({"T3 [3X2]", "1"}));

    tab.Click("AnyShapeDeleteAll");
    for (int row = 1; row <= 3; ++row) QCOMPARE(tab.Row(row), QStringList({"", ""}));
    QCOMPARE(fixture.Window().Profiles().Profiles.Size(), size_t{0});
    QVERIFY(fixture.Window().Profiles().Shapes->Empty());
  }

  void AnImportedOutlineIsPreviewedAndAdded() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Choose("Triangle2");
    tab.SetValues({"300", "200"});
    tab.ImportDxf("rectangle.dxf", kRectangleDxf);
    QCOMPARE(fixture.Services.Dialogs.last().Title, QString("Open File ..."));
    QVERIFY(fixture.Services.Dialogs.last().Filter.contains("(*.dxf)"));
    QVERIFY(fixture.Services.Messages.isEmpty());
    QVERIFY(!tab.DxfBox().isHidden());
    QVERIFY(tab.VisiblePictures().isEmpty());
    QCOMPARE(tab.Parameters().RowCount(), 2);
    QCOMPARE(tab.Parameters().Cell(0, 1), QString());
    QVERIFY(tab.ShowsPartColor(tab.DxfBox()));

    tab.Control<QLineEdit>("EditSelectLabel").setText("R1");
    tab.Click("ButtonAddAnyShape");
    tab.Control<QLineEdit>("EditSelectLabel").setText("R2");
    tab.Click("ButtonAddAnyShape");
    QCOMPARE(tab.Row(1), QStringList({"R1 [100X50]", "1"}));
    QCOMPARE(tab.Row(2), QStringList({"R2 [100X50]", "1"}));

    // Choosing a standard shape again drops the outline.
    tab.Choose("Triangle2");
    QVERIFY(tab.DxfBox().isHidden());
    tab.Add("T1", "Triangle2", {"300", "200"});
    QCOMPARE(tab.Row(3), QStringList({"T1 [300X200]", "1"}));
  }

  void ARefusedImportFallsBackToTheStandardShape() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Choose("Triangle2");
    tab.ImportDxf("rectangle.dxf", kRectangleDxf);
    tab.ImportDxf("lines.dxf", kLinesOnlyDxf);
    QCOMPARE(fixture.Services.Messages,
             QStringList({"Not find polylines in DXF file, or disconnected polylines present"}));
    QVERIFY(tab.DxfBox().isHidden());
    QCOMPARE(tab.VisiblePictures(), QStringList({"ImageTri2"}));
    QCOMPARE(tab.Parameters().Cell(0, 2), QString("H"));

    tab.SetValues({"300", "200"});
    tab.Control<QLineEdit>("EditSelectLabel").setText("T1");
    tab.Click("ButtonAddAnyShape");
    QCOMPARE(tab.Row(1), QStringList({"T1 [300X200]", "1"}));
  }

  // A flat outline was taken as a profile of height 0, and the run then divided by it.
  void AFlatOutlineIsRefusedWithTheFileNamed() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Choose("Triangle2");
    tab.ImportDxf("flat.dxf",
                  "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n10\n0\n20\n0\n10\n100\n20\n0\n"
                  "0\nENDSEC\n0\nEOF\n");
    QCOMPARE(
        fixture.Services.Messages,
        QStringList{"DXF outline encloses no area (zero length, zero height or a flat line):\n" +
                    fixture.PathOf("flat.dxf")});
    QVERIFY(tab.DxfBox().isHidden());
    tab.Control<QLineEdit>("EditSelectLabel").setText("LINE");
    tab.Click("ButtonAddAnyShape");
    QCOMPARE(tab.Row(1), QStringList({"", ""}));
  }

  void LoadingAFileDropsTheImportedOutline() {
    TWindowFixture fixture;
    TProfileTabDriver tab(fixture);
    tab.Choose("Triangle2");
    tab.ImportDxf("rectangle.dxf", kRectangleDxf);
    tab.Tab().ReadAnyShapeFile(fixture.PathOf("missing.apt"));
    QVERIFY(tab.DxfBox().isHidden());
    tab.SetValues({"300", "200"});
    tab.Control<QLineEdit>("EditSelectLabel").setText("T1");
    tab.Click("ButtonAddAnyShape");
    QCOMPARE(tab.Row(1), QStringList({"T1 [300X200]", "1"}));
  }
};

}  // namespace vexlin

QTEST_MAIN(vexlin::ProfileTabTest)
#include "profile_tab_test.moc"
