#include "support/window_fixture.h"

#include <QFile>

#include "model/text_table.h"

namespace vexlin {

TWindowFixture::TWindowFixture() = default;

QString TWindowFixture::PathOf(const QString& name) const {
  return folder_.filePath(name);
}

QString TWindowFixture::Write(const QString& name, const QByteArray& bytes) const {
  QFile file(PathOf(name));
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return PathOf(name);
}

QByteArray TWindowFixture::Read(const QString& name) const {
  QFile file(PathOf(name));
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

TSDIAppForm& TWindowFixture::Open() {
  window_.reset();
  Texts().ResetToDefaults();
  window_ = std::make_unique<TSDIAppForm>(Services, folder_.path().toStdString());
  return *window_;
}

}  // namespace vexlin
