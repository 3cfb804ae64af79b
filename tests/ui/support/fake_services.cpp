#include "support/fake_services.h"

namespace vexlin {

namespace {

std::optional<QString> TakeAnswer(std::deque<QString>& answers) {
  if (answers.empty()) return {};
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

void TFakeServices::ShowMessage(QWidget* /*parent*/, const QString& text) {
  Messages << text;
}

std::optional<QString> TFakeServices::OpenFileName(QWidget* /*parent*/,
                                                   const TFileDialogRequest& request) {
  Dialogs << request;
  return TakeAnswer(OpenAnswers);
}

std::optional<QString> TFakeServices::SaveFileName(QWidget* /*parent*/,
                                                   const TFileDialogRequest& request) {
  Dialogs << request;
  return TakeAnswer(SaveAnswers);
}

std::optional<QColor> TFakeServices::PickColor(QWidget* /*parent*/, const QColor& /*initial*/) {
  return ColorAnswer;
}

void TFakeServices::OpenWithDesktop(const QUrl& address) {
  Opened << address;
}

}  // namespace vexlin
