#include "model/ui/caption_texts.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include "model/text_table.h"

namespace vexlin {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdString(const QString& text) {
  return text.toStdString();
}

QString CaptionText(std::string_view key) {
  return ToQString(Texts().Text(key));
}

QString HintText(std::string_view key) {
  return ToQString(Texts().Hint(key));
}

QString MessageText(std::string_view key) {
  return CaptionText(key);
}

void ApplyCaption(QAbstractButton& control, std::string_view key) {
  control.setText(CaptionText(key));
  ApplyHint(control, key);
}

void ApplyCaption(QLabel& control, std::string_view key) {
  // A label has no mnemonic, so its doubled ampersand would show twice.
  control.setText(CaptionText(key).replace("&&", "&"));
  ApplyHint(control, key);
}

void ApplyCaption(QGroupBox& control, std::string_view key) {
  control.setTitle(CaptionText(key));
  ApplyHint(control, key);
}

void ApplyHint(QWidget& control, std::string_view key) {
  control.setToolTip(HintText(key));
}

}  // namespace vexlin
