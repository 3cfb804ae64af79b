#pragma once

#include <QColor>
#include <QWidget>
#include <cstddef>

namespace vexlin {

class TSDIAppForm;
class TWindowFixture;

// The named child control; the test stops when there is none.
template <typename T>
T& Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(name);
  if (child == nullptr) qFatal("no child %s", name);
  return *child;
}

// How many pixels of the widget's picture have exactly this colour.
int PixelsOf(QWidget& widget, const QColor& colour);
// Presses the toolbar's "Start Optimize" and waits until the run has ended.
void StartOptimize(TSDIAppForm& window);
// Presses "Start Optimize" and returns while the run works.
void StartOptimizeInBackground(TSDIAppForm& window);
// Whether a run is at work: "Stop" is enabled only then.
bool RunInProgress(TSDIAppForm& window);
// Lets the window work until the run has ended; the test stops after five minutes.
void WaitForRunEnd(TSDIAppForm& window);
// Clicks a button of the Layout tab with the mouse.
void ClickLayoutButton(TSDIAppForm& window, const char* button);
// Writes the job's default files, then opens the window shown at 1000x700, as views need
// a real size to lay themselves out.
TSDIAppForm& OpenShownJob(TWindowFixture& fixture, const char* sheets, const char* parts,
                          const char* options);
// The same, then "Start Optimize"; the test stops unless the run gives that many layouts.
TSDIAppForm& RunShownJob(TWindowFixture& fixture, const char* sheets, const char* parts,
                         const char* options, size_t layouts);

}  // namespace vexlin
