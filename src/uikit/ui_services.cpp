#include "uikit/ui_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "model/ui/caption_texts.h"

namespace vexlin {

QString QtFileFilter(const QString& title, const QString& extension) {
  const QString pattern = "*." + extension.toLower();
  return title + "(" + pattern + ") (" + pattern + ")";
}

std::optional<QString> AskOpenPath(TUiServices& services, QWidget* parent,
                                   const QString& extension) {
  const QString title = MessageText("MSG_OPEN_FILE_TITLE");
  return services.OpenFileName(parent, {title, QtFileFilter(title, extension), extension});
}

std::optional<QString> AskSavePath(TUiServices& services, QWidget* parent, const QString& extension,
                                   std::string_view filterKey) {
  const QString title = MessageText("MSG_SAVE_AS_FILE_TITLE");
  const QString filter = QtFileFilter(MessageText(filterKey), extension);
  return services.SaveFileName(parent, {title, filter, extension});
}

std::optional<QString> AskSavePathTitled(TUiServices& services, QWidget* parent,
                                         const QString& extension, std::string_view titleKey,
                                         const QString& defaultExtension) {
  const QString title = MessageText(titleKey);
  return services.SaveFileName(parent, {title, QtFileFilter(title, extension), defaultExtension});
}

void TDesktopServices::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, QApplication::applicationDisplayName(), text, QMessageBox::Yes);
}

namespace {

std::optional<QString> RunFileDialog(QWidget* parent, const TFileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.Title, QString(), request.Filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.DefaultExtension);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

}  // namespace

std::optional<QString> TDesktopServices::OpenFileName(QWidget* parent,
                                                      const TFileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> TDesktopServices::SaveFileName(QWidget* parent,
                                                      const TFileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptSave);
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
