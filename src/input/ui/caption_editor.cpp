#include "input/ui/caption_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "input/caption_file.h"
#include "model/text_table.h"
#include "model/ui/caption_texts.h"
#include "uikit/tab_context.h"
#include "uikit/ui_services.h"

namespace vexlin {

TCaptionEditor::TCaptionEditor(TTabContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
  customCaption_ = new QCheckBox("Custom Caption", this);
  customCaption_->setObjectName("CheckBoxCustomCaption");
  group_ = new QGroupBox("Custom ANY Language && Material Caption", this);
  group_->setObjectName("GroupBoxSetupCaption");
  group_->setVisible(false);

  keys_ = new QComboBox(group_);
  keys_->setObjectName("ComboBoxInterfaceCaption");
  for (const std::string& key : Texts().Keys()) keys_->addItem(ToQString(key));
  caption_ = new QLineEdit(group_);
  caption_->setObjectName("EditModifyCaption");
  captionLabel_ = new QLabel("Caption:", group_);
  hint_ = new QLineEdit(group_);
  hint_->setObjectName("EditModifyHint");
  hintLabel_ = new QLabel("Hint:", group_);

  auto* buttons = new QHBoxLayout();
  buttons->addWidget(
      AddButton("ButtonConfirmCaption", "Confirm", &TCaptionEditor::ButtonConfirmCaptionClick));
  buttons->addStretch(1);
  buttons->addWidget(
      AddButton("ButtonLoadCaption", "Load Caption", &TCaptionEditor::ButtonLoadCaptionClick));
  buttons->addWidget(
      AddButton("ButtonSaveCaption", "Save Caption", &TCaptionEditor::ButtonSaveCaptionClick));
  buttons->addWidget(AddButton("ButtonSetAsDefaultCaption", "Set As Default",
                               &TCaptionEditor::ButtonSetAsDefaultCaptionClick));

  auto* grid = new QGridLayout(group_);
  grid->addWidget(keys_, 0, 0, 1, 2);
  grid->addWidget(captionLabel_, 1, 0);
  grid->addWidget(caption_, 1, 1);
  grid->addWidget(hintLabel_, 2, 0);
  grid->addWidget(hint_, 2, 1);
  grid->addLayout(buttons, 3, 0, 1, 2);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(customCaption_, 0, Qt::AlignLeft);
  layout->addWidget(group_);

  caption_->installEventFilter(this);
  hint_->installEventFilter(this);
  connect(customCaption_, &QCheckBox::toggled, this, &TCaptionEditor::CheckBoxCustomCaptionClick);
  connect(keys_, &QComboBox::currentIndexChanged, this,
          &TCaptionEditor::ComboBoxInterfaceCaptionChange);
  ComboBoxInterfaceCaptionChange();
}

QPushButton* TCaptionEditor::AddButton(const char* name, const QString& text,
                                       void (TCaptionEditor::*click)()) {
  auto* button = new QPushButton(text, group_);
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this, click);
  return button;
}

// A click into a box selects its whole text, so typing replaces it.
bool TCaptionEditor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && (watched == caption_ || watched == hint_)) {
    static_cast<QLineEdit*>(watched)->selectAll();
  }
  return QWidget::eventFilter(watched, event);
}

void TCaptionEditor::CheckBoxCustomCaptionClick() {
  group_->setVisible(customCaption_->isChecked());
}

std::string TCaptionEditor::ChosenKey() const {
  return ToStdString(keys_->currentText());
}

void TCaptionEditor::ShowCaptionBox(bool visible) {
  caption_->setVisible(visible);
  captionLabel_->setVisible(visible);
}

void TCaptionEditor::ShowHintBox(bool visible) {
  hint_->setVisible(visible);
  hintLabel_->setVisible(visible);
}

// Shows the chosen key's current texts; a box the key has no text for is hidden.
void TCaptionEditor::ComboBoxInterfaceCaptionChange() {
  caption_->clear();
  hint_->clear();
  ShowCaptionBox(true);
  ShowHintBox(true);
  const std::string key = ChosenKey();
  switch (Texts().Kind(key)) {
    case TCaptionKind::Text:
      caption_->setText(CaptionText(key));
      ShowHintBox(false);
      break;
    case TCaptionKind::Control:
      caption_->setText(CaptionText(key));
      hint_->setText(HintText(key));
      break;
    case TCaptionKind::HintOnly:
      ShowCaptionBox(false);
      hint_->setText(HintText(key));
      break;
    case TCaptionKind::None:
      break;
  }
}

void TCaptionEditor::ButtonConfirmCaptionClick() {
  const std::string key = ChosenKey();
  const TCaptionKind kind = Texts().Kind(key);
  if (kind == TCaptionKind::Text || kind == TCaptionKind::Control) {
    Texts().SetText(key, ToStdString(caption_->text()));
  }
  if (kind == TCaptionKind::Control || kind == TCaptionKind::HintOnly) {
    Texts().SetHint(key, ToStdString(hint_->text()));
  }
  emit CaptionsChanged();
}

void TCaptionEditor::ButtonLoadCaptionClick() {
  const auto path = AskOpenPath(context_.Services, this, "Cap");
  if (!path) return;
  ReadCaptionFile(ToStdString(*path), Texts());
  emit CaptionsChanged();
}

void TCaptionEditor::ButtonSaveCaptionClick() {
  const auto path = AskSavePath(context_.Services, this, "cap");
  if (path) WriteCaptions(*path);
}

void TCaptionEditor::ButtonSetAsDefaultCaptionClick() {
  WriteCaptions(ToQString((context_.ProgramFolder / "default.cap").string()));
}

void TCaptionEditor::WriteCaptions(const QString& path) {
  const std::string fault = WriteCaptionFile(ToStdString(path), Texts());
  if (!fault.empty()) context_.Services.ShowMessage(this, ToQString(fault));
}

}  // namespace vexlin
