#include <QApplication>
#include <QScreen>
#include <filesystem>

#include "app/product_info.h"
#include "app/sdi_app_form.h"
#include "app/splash_form.h"
#include "uikit/ui_services.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(vexlin::kProductTitle);
  QApplication::setApplicationDisplayName(vexlin::kProductTitle);
  QApplication::setApplicationVersion(vexlin::kVersion);
  vexlin::TDesktopServices services;
  // The program folder is the folder the program was started from.
  vexlin::TSDIAppForm form(services, std::filesystem::current_path());
  // A roomy start where the screen allows it, centred on the desktop.
  const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
  form.resize(form.size().expandedTo(QSize(1024, 720)).boundedTo(desktop.size()));
  form.move(desktop.center() - form.rect().center());
  vexlin::TComeInForm splash;
  splash.exec();
  form.show();
  return QApplication::exec();
}
