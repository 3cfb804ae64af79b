#include "output/ui/manual_editing.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>
#include <tuple>
#include <vector>

#include "input/ui/list_tab.h"
#include "model/stock2d.h"
#include "optimizer/vexlin.h"
#include "output/manual_placement.h"
#include "output/ui/layout_tab.h"
#include "output/ui/layout_view.h"
#include "support/window_driving.h"
#include "support/window_fixture.h"

namespace vexlin {

namespace {

// Two doors on one sheet, with room below them for one more.
constexpr const char* kSheets = "[SHEET1]\nLABEL=Board\nLENGTH=1000\nWIDTH=700\nQTY=1\n";
constexpr const char* kParts = "[PART1]\nLABEL=Door\nLENGTH=400\nWIDTH=300\nROTATE=n\nQTY=2\n";
constexpr const char* kTurnableParts = "[PART1]\nLABEL=Door\nLENGTH=400\nWIDTH=300\nQTY=2\n";
constexpr const char* kOptions = "[OPTION]\nMEASURE=mm\nBLADE_WIDTH=3\n";

const QColor kPartColour(0, 255, 255);  // the default part outline colour option

using TPieceFacts = std::tuple<std::string, int32_t, int32_t, int32_t, int32_t>;

std::vector<TPieceFacts> Facts(const TPacket& layout) {
  std::vector<TPieceFacts> facts;
  for (const T2DStock& piece : layout.Pieces) {
    facts.emplace_back(piece.Label, piece.Origin.X, piece.Origin.Y, piece.Length, piece.Width);
  }
  return facts;
}

int PartPieces(const TPacket& layout) {
  int count = 0;
  for (const T2DStock& piece : layout.Pieces) count += IsOffcutLabel(piece.Label) ? 0 : 1;
  return count;
}

QWidget& PaintBox(TSDIAppForm& window) {
  return Child<QWidget>(window.LayoutTab(), "PaintBoxLayout");
}

TPacket& Shown(TSDIAppForm& window) {
  return *window.LayoutTab().CurrentLayout();
}

double Scale(TSDIAppForm& window) {
  return Child<TLayoutView>(window.LayoutTab(), "LayoutView").ViewScale();
}

// The middle of the first door in paint-box pixels.
QPoint FirstDoorCentre(TSDIAppForm& window) {
  const TRect r = PieceRectPixels(Shown(window).Pieces[0], Scale(window));
  return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

// Picks the first door at its middle, turns it with each right click, and drops it with
// its outline in the sheet's bottom-right corner; returns where the door must land.
TPoint MoveFirstDoorToTheCorner(TSDIAppForm& window, int rightClicks = 0) {
  const TPacket& layout = Shown(window);
  const T2DStock door = layout.Pieces[0];
  const bool turned = rightClicks % 2 == 1;
  const int32_t length = turned ? door.Width : door.Length;
  const int32_t width = turned ? door.Length : door.Width;
  const TPoint target{layout.Length - length, layout.Width - width};
  const TRect r = PieceRectPixels(door, Scale(window));
  const QPoint grab = FirstDoorCentre(window);
  QWidget& box = PaintBox(window);
  QTest::mouseClick(&box, Qt::LeftButton, {}, grab);
  for (int i = 0; i < rightClicks; ++i) QTest::mouseClick(&box, Qt::RightButton, {}, grab);
  const QPoint held = grab - QPoint(r.Left, r.Top);
  const QPoint drop =
      turned ? QPoint(box.width() - r.Width() + held.y(), box.height() - r.Length() + held.x())
             : QPoint(box.width() - r.Length() + held.x(), box.height() - r.Width() + held.y());
  // A move to where the pointer already is sends nothing, so it gets there in two steps.
  QTest::mouseMove(&box, drop - QPoint(1, 1));
  QTest::mouseMove(&box, drop);
  QTest::mouseClick(&box, Qt::LeftButton, {}, drop);
  return target;
}

bool HasPartAt(const TPacket& layout, TPoint origin) {
  for (const T2DStock& piece : layout.Pieces) {
    if (!IsOffcutLabel(piece.Label) && piece.Origin == origin) return true;
  }
  return false;
}

bool Shown(TSDIAppForm& window, const char* button) {
  return Child<QPushButton>(window.LayoutTab(), button).isVisible();
}

TSDIAppForm& RunJob(TWindowFixture& fixture, const char* parts = kParts) {
  return RunShownJob(fixture, kSheets, parts, kOptions, 1);
}

}  // namespace

class ManualEditingTest : public QObject {
  Q_OBJECT

 private slots:
  void ManualSwapsTheButtonsAndLocksTheWindowUntilConfirmed() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    QVERIFY(!Shown(window, "ButtonConfirm"));
    QVERIFY(!Shown(window, "ButtonCancelManual"));
    QCOMPARE(Child<QPushButton>(window.LayoutTab(), "ButtonManual").text(), QString("Manual"));
    ClickLayoutButton(window, "ButtonManual");
    QVERIFY(!Shown(window, "ButtonManual"));
    QVERIFY(Shown(window, "ButtonConfirm"));
    QVERIFY(Shown(window, "ButtonCancelManual"));
    QVERIFY(!Child<QScrollBar>(window.LayoutTab(), "ScrollBarSchemes").isEnabled());
    QVERIFY(!Child<QPushButton>(window.LayoutTab(), "ButtonSaveLayout").isEnabled());
    QVERIFY(!window.SheetsTab().isEnabled());
    ClickLayoutButton(window, "ButtonConfirm");
    QVERIFY(Shown(window, "ButtonManual"));
    QVERIFY(!Shown(window, "ButtonConfirm"));
    QVERIFY(!Shown(window, "ButtonCancelManual"));
    QVERIFY(Child<QScrollBar>(window.LayoutTab(), "ScrollBarSchemes").isEnabled());
    QVERIFY(window.SheetsTab().isEnabled());
  }

  void ClicksOutsideTheModeMoveNothing() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    const std::vector<TPieceFacts> before = Facts(Shown(window));
    MoveFirstDoorToTheCorner(window);
    QVERIFY(Facts(Shown(window)) == before);
  }

  void ADroppedPartMovesToTheNearestFreeCornerAndConfirmKeepsIt() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    const int parts = PartPieces(Shown(window));
    QCOMPARE(parts, 2);
    const TPoint picked = Shown(window).Pieces[0].Origin;
    ClickLayoutButton(window, "ButtonManual");
    const TPoint corner = MoveFirstDoorToTheCorner(window);
    QVERIFY(!(corner == picked));
    QVERIFY(!HasPartAt(Shown(window), picked));
    QVERIFY(HasPartAt(Shown(window), corner));
    QCOMPARE(PartPieces(Shown(window)), parts);
    QCOMPARE(Shown(window).TypeCounts[0].Count, 2);
    ClickLayoutButton(window, "ButtonConfirm");
    QVERIFY(HasPartAt(window.Engine().BestResult[0], corner));
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  void CancelRestoresTheLayoutWithItsOffcutsExactly() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    const std::vector<TPieceFacts> before = Facts(Shown(window));
    ClickLayoutButton(window, "ButtonManual");
    const TPoint corner = MoveFirstDoorToTheCorner(window);
    QVERIFY(HasPartAt(Shown(window), corner));
    ClickLayoutButton(window, "ButtonCancelManual");
    QVERIFY(Facts(Shown(window)) == before);
  }

  void ARightClickWhileDraggingTurnsThePartAndASecondTurnsItBack() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture, kTurnableParts);
    const T2DStock door = Shown(window).Pieces[0];
    ClickLayoutButton(window, "ButtonManual");
    const TPoint turnedCorner = MoveFirstDoorToTheCorner(window, 1);
    const T2DStock& turned = Shown(window).Pieces[1];
    QVERIFY(turned.Origin == turnedCorner);
    QCOMPARE(turned.Length, door.Width);
    QCOMPARE(turned.Width, door.Length);
    ClickLayoutButton(window, "ButtonCancelManual");
    ClickLayoutButton(window, "ButtonManual");
    const TPoint corner = MoveFirstDoorToTheCorner(window, 2);
    const T2DStock& unturned = Shown(window).Pieces[1];
    QVERIFY(unturned.Origin == corner);
    QCOMPARE(unturned.Length, door.Length);
    QCOMPARE(unturned.Orientation, door.Orientation);
  }

  // The optimizer never turns a part whose Rotate is N, and neither does the hand.
  void APartThatMayNotTurnIsNotTurnedAndTheHintSaysWhy() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    const T2DStock door = Shown(window).Pieces[0];
    ClickLayoutButton(window, "ButtonManual");
    QWidget& box = PaintBox(window);
    const QPoint grab = FirstDoorCentre(window);
    QTest::mouseClick(&box, Qt::LeftButton, {}, grab);
    QTest::mouseClick(&box, Qt::RightButton, {}, grab);
    QCOMPARE(Child<QLabel>(window.LayoutTab(), "LabelHint").text(),
             QString("This part can't be rotated: its Rotate is N."));
    QTest::mouseMove(&box, grab + QPoint(1, 1));
    QTest::mouseMove(&box, grab);
    QTest::mouseClick(&box, Qt::LeftButton, {}, grab);
    ClickLayoutButton(window, "ButtonConfirm");
    QCOMPARE(PartPieces(Shown(window)), 2);
    for (const T2DStock& piece : Shown(window).Pieces) {
      if (IsOffcutLabel(piece.Label)) continue;
      QCOMPARE(piece.Length, door.Length);
      QCOMPARE(piece.Orientation, door.Orientation);
    }
    QVERIFY(fixture.Services.Messages.isEmpty());
  }

  void ThePickedPartIsLeftOutOfTheViewWhileDragged() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    QWidget& box = PaintBox(window);
    const int bothDoors = PixelsOf(box, kPartColour);
    ClickLayoutButton(window, "ButtonManual");
    QTest::mouseClick(&box, Qt::LeftButton, {}, FirstDoorCentre(window));
    const int oneDoor = PixelsOf(box, kPartColour);
    QVERIFY(oneDoor > 0);
    QVERIFY(oneDoor < bothDoors);
    ClickLayoutButton(window, "ButtonCancelManual");
    QCOMPARE(PixelsOf(box, kPartColour), bothDoors);
  }

  void SwitchingTabWhileEditingShowsTheLockMessage() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    ClickLayoutButton(window, "ButtonManual");
    window.PageControl().setCurrentWidget(&window.SheetsTab());
    QCOMPARE(fixture.Services.Messages,
             QStringList{"before you confirm or cancel the manual in layout, all are DISABLE."});
    QCOMPARE(window.PageControl().currentWidget(), &window.SheetsTab());
    QVERIFY(!window.SheetsTab().isEnabled());
    window.PageControl().setCurrentWidget(&window.LayoutTab());
    ClickLayoutButton(window, "ButtonCancelManual");
    window.PageControl().setCurrentWidget(&window.SheetsTab());
    QCOMPARE(fixture.Services.Messages.size(), 1);
  }

  void HoveringAPieceDescribesIt() {
    TWindowFixture fixture;
    TSDIAppForm& window = RunJob(fixture);
    QLabel& hint = Child<QLabel>(window.LayoutTab(), "LabelHint");
    // The pointer may still be where an earlier test left it, and a move there sends nothing.
    QTest::mouseMove(&PaintBox(window), FirstDoorCentre(window) - QPoint(1, 1));
    QTest::mouseMove(&PaintBox(window), FirstDoorCentre(window));
    QCOMPARE(hint.text(), QString::fromStdString(Shown(window).Pieces[0].DescribeText()));
    QVERIFY(hint.text().contains("Door"));
    QVERIFY(hint.geometry().right() >
            Child<QWidget>(window.LayoutTab(), "PanelMouseInfo").width() / 2);
  }
};

}  // namespace vexlin

QTEST_MAIN(vexlin::ManualEditingTest)
#include "manual_editing_test.moc"
