#include "app/ui_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace vexlin {

QString QtFileFilter(const QString& title, const QString& extension) {
  const QString pattern = "*." + extension.toLower();
  return title + "(" + pattern + ") (" + pattern + ")";
}

TFileDialogSpec FileDialogSpec(const QString& title, const QString& filterPrefix,
                               const QString& extension) {
  return {title, QtFileFilter(filterPrefix, extension), extension, {}};
}

void TDesktopServices::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, QApplication::applicationDisplayName(), text, QMessageBox::Yes);
}

namespace {

std::optional<QString> RunFileDialog(QWidget* parent, const TFileDialogSpec& spec,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, spec.Title, QString(), spec.Filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(spec.DefaultExtension);
  if (!spec.FileName.isEmpty()) dialog.selectFile(spec.FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

}  // namespace

std::optional<QString> TDesktopServices::OpenFileName(QWidget* parent,
                                                      const TFileDialogSpec& spec) {
  return RunFileDialog(parent, spec, QFileDialog::AcceptOpen);
}

std::optional<QString> TDesktopServices::SaveFileName(QWidget* parent,
                                                      const TFileDialogSpec& spec) {
  return RunFileDialog(parent, spec, QFileDialog::AcceptSave);
}

std::optional<QColor> TDesktopServices::PickColor(QWidget* parent, const QColor& initial) {
  const QColor chosen = QColorDialog::getColor(initial, parent);
  if (!chosen.isValid()) return {};
  return chosen;
}

void TDesktopServices::OpenWithDesktop(const QUrl& address) {
  QDesktopServices::openUrl(address);
}

}  // namespace vexlin
