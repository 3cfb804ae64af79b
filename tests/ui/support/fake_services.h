#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <optional>

#include "uikit/ui_services.h"

namespace vexlin {

// Stands in for the user: records every message and dialog, and answers the dialogs
// from queues the test fills (an empty queue is a cancelled dialog).
class TFakeServices : public TUiServices {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  std::optional<QString> OpenFileName(QWidget* parent, const TFileDialogRequest& request) override;
  std::optional<QString> SaveFileName(QWidget* parent, const TFileDialogRequest& request) override;
  std::optional<QColor> PickColor(QWidget* parent, const QColor& initial) override;
  void OpenWithDesktop(const QUrl& address) override;

  QStringList Messages;
  QList<TFileDialogRequest> Dialogs;
  QList<QUrl> Opened;
  std::deque<QString> OpenAnswers;
  std::deque<QString> SaveAnswers;
  std::optional<QColor> ColorAnswer;
};

}  // namespace vexlin
