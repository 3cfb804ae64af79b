#include "support/window_driving.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QImage>
#include <QPushButton>
#include <QtTest>

#include "optimizer/vexlin.h"
#include "output/ui/layout_tab.h"
#include "support/window_fixture.h"

namespace vexlin {

int PixelsOf(QWidget& widget, const QColor& colour) {
  const QImage image = widget.grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour ? 1 : 0;
  }
  return count;
}

void StartOptimize(TSDIAppForm& window) {
  StartOptimizeInBackground(window);
  WaitForRunEnd(window);
}

void StartOptimizeInBackground(TSDIAppForm& window) {
  window.findChild<QAction*>("StartOptimize")->trigger();
}

bool RunInProgress(TSDIAppForm& window) {
  return window.findChild<QAction*>("StopOptimize")->isEnabled();
}

void WaitForRunEnd(TSDIAppForm& window) {
  QDeadlineTimer deadline(std::chrono::minutes(5));
  while (RunInProgress(window)) {
    if (deadline.hasExpired()) qFatal("the run did not end");
    QTest::qWait(5);
  }
}

void ClickLayoutButton(TSDIAppForm& window, const char* button) {
  QTest::mouseClick(&Child<QPushButton>(window.LayoutTab(), button), Qt::LeftButton);
}

TSDIAppForm& OpenShownJob(TWindowFixture& fixture, const char* sheets, const char* parts,
                          const char* options) {
  fixture.Write("default.sht", sheets);
  fixture.Write("default.prt", parts);
  fixture.Write("default.opt", options);
  TSDIAppForm& window = fixture.Open();
  window.resize(1000, 700);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) qFatal("window not shown");
  return window;
}

TSDIAppForm& RunShownJob(TWindowFixture& fixture, const char* sheets, const char* parts,
                         const char* options, size_t layouts) {
  TSDIAppForm& window = OpenShownJob(fixture, sheets, parts, options);
  StartOptimize(window);
  if (window.Engine().BestResult.Size() != layouts) qFatal("the job gave another layout count");
  return window;
}

}  // namespace vexlin
