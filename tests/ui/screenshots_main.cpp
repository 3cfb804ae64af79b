#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <cstdio>

#include "app/sdi_app_form.h"
#include "input/ui/profile_tab.h"
#include "support/fake_services.h"
#include "support/window_driving.h"
#include "uikit/string_grid.h"

namespace {

// What a user would have on screen: a shape chosen, a profile previewed, the job run.
void ShowTheJob(vexlin::TSDIAppForm& window) {
  vexlin::TProfileTab& profiles = window.ProfileTab();
  profiles.findChild<QComboBox*>("ComboBoxStandShape")->setCurrentIndex(2);
  profiles.ComboBoxStandShapeChange();
  profiles.findChild<vexlin::TStringGrid*>("StringGridAnyShape")->SetCurrentCell(0, 1);
  profiles.StringGridAnyShapeClick();
  // The run works in the background; the tabs show its result only once it has ended.
  vexlin::StartOptimize(window);
}

}  // namespace

// Renders every tab of the window started in a job folder to PNG files, so the look can be
// reviewed without a display. Usage: vexlin-screenshots JOB_FOLDER OUTPUT_FOLDER
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: vexlin-screenshots JOB_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  const QString folder = QDir(argv[1]).absolutePath();
  const QDir output(argv[2]);
  vexlin::TFakeServices services;
  vexlin::TSDIAppForm window(services, folder.toStdString());
  window.resize(1280, 800);
  window.show();
  ShowTheJob(window);
  QTabWidget& pages = window.PageControl();
  for (int tab = 0; tab < pages.count(); ++tab) {
    pages.setCurrentIndex(tab);
    QApplication::processEvents();
    const QString name = QString("%1-%2.png").arg(tab + 1).arg(pages.widget(tab)->objectName());
    if (!window.grab().save(output.filePath(name))) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath(name)));
      return 1;
    }
  }
  for (const QString& message : services.Messages)
    std::fprintf(stderr, "%s\n", qPrintable(message));
  return services.Messages.isEmpty() ? 0 : 1;
}
