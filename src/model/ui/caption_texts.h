#pragma once

#include <QString>
#include <string>
#include <string_view>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QWidget;

namespace vexlin {

// The core keeps texts as UTF-8.
QString ToQString(std::string_view text);
std::string ToStdString(const QString& text);

// The current caption and hint of a caption key.
QString CaptionText(std::string_view key);
QString HintText(std::string_view key);
// A message by its key, for the warning box.
QString MessageText(std::string_view key);

// Gives a control the caption and hint of its key. Captions write "&&" for a literal
// ampersand, as Qt's buttons and group boxes do.
void ApplyCaption(QAbstractButton& control, std::string_view key);
void ApplyCaption(QLabel& control, std::string_view key);
void ApplyCaption(QGroupBox& control, std::string_view key);
void ApplyHint(QWidget& control, std::string_view key);

}  // namespace vexlin
