#pragma once

#include <QColor>
#include <QString>
#include <QUrl>
#include <optional>
#include <string_view>

class QWidget;

namespace vexlin {

// What a file dialog of a command looks like. Filter is already in Qt's form, see
// QtFileFilter.
struct TFileDialogRequest {
  QString Title;
  QString Filter;
  QString DefaultExtension;
};

// Everything a command asks of the user or the desktop, behind one interface, so every
// command can be driven by tests without a person to click the boxes away.
class TUiServices {
 public:
  virtual ~TUiServices() = default;

  // The modal warning box with a single Yes button.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // The chosen path, or no value when the user cancelled.
  virtual std::optional<QString> OpenFileName(QWidget* parent,
                                              const TFileDialogRequest& request) = 0;
  virtual std::optional<QString> SaveFileName(QWidget* parent,
                                              const TFileDialogRequest& request) = 0;
  virtual std::optional<QColor> PickColor(QWidget* parent, const QColor& initial) = 0;
  // Hands a file or address to the desktop's default handler; failures are not reported.
  virtual void OpenWithDesktop(const QUrl& address) = 0;
};

// The file kinds' filter as the program words it, "Open File ...(*.sht)|*.sht", in Qt's
// syntax: "Open File ...(*.sht) (*.sht)".
QString QtFileFilter(const QString& title, const QString& extension);

// The open dialog of every command: titled "Open File ...", which also heads its filter.
std::optional<QString> AskOpenPath(TUiServices& services, QWidget* parent,
                                   const QString& extension);
// The save dialog of every command: titled "Save As ..."; its filter is headed by the text
// of filterKey.
std::optional<QString> AskSavePath(TUiServices& services, QWidget* parent, const QString& extension,
                                   std::string_view filterKey = "MSG_SAVE_AS_FILE_TITLE");
// A save dialog of a command worded otherwise: titleKey gives its title and heads its
// filter; defaultExtension (none when empty) is added to a name typed without one.
std::optional<QString> AskSavePathTitled(TUiServices& services, QWidget* parent,
                                         const QString& extension, std::string_view titleKey,
                                         const QString& defaultExtension);

// The real boxes and dialogs of the desktop.
class TDesktopServices : public TUiServices {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  std::optional<QString> OpenFileName(QWidget* parent, const TFileDialogRequest& request) override;
  std::optional<QString> SaveFileName(QWidget* parent, const TFileDialogRequest& request) override;
  std::optional<QColor> PickColor(QWidget* parent, const QColor& initial) override;
  void OpenWithDesktop(const QUrl& address) override;
};

}  // namespace vexlin
