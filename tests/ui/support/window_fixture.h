#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "app/sdi_app_form.h"
#include "support/fake_services.h"

namespace vexlin {

// A main window started from a folder of the test's own, with the built-in captions,
// driven through fake dialogs.
class TWindowFixture {
 public:
  TWindowFixture();

  // Writes a file into the program folder; returns its path.
  QString Write(const QString& name, const QByteArray& bytes) const;
  QString PathOf(const QString& name) const;
  QByteArray Read(const QString& name) const;
  // Creates (or re-creates) the main window, reading the folder's default files.
  TSDIAppForm& Open();
  TSDIAppForm& Window() { return *window_; }

  TFakeServices Services;

 private:
  QTemporaryDir folder_;
  std::unique_ptr<TSDIAppForm> window_;
};

}  // namespace vexlin
