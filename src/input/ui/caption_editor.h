#pragma once

#include <QWidget>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexlin {

struct TTabContext;

// The caption editor of the Configure tab: one text or hint of the text table at a time,
// and caption files loaded, saved or made the default. "Custom Caption" shows or hides it.
class TCaptionEditor : public QWidget {
  Q_OBJECT

 public:
  explicit TCaptionEditor(TTabContext& context, QWidget* parent = nullptr);

 signals:
  // Texts of the table changed; every caption of the window must follow.
  void CaptionsChanged();

 public slots:
  void CheckBoxCustomCaptionClick();
  void ComboBoxInterfaceCaptionChange();
  void ButtonConfirmCaptionClick();
  void ButtonLoadCaptionClick();
  void ButtonSaveCaptionClick();
  void ButtonSetAsDefaultCaptionClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* AddButton(const char* name, const QString& text, void (TCaptionEditor::*click)());
  void ShowCaptionBox(bool visible);
  void ShowHintBox(bool visible);
  std::string ChosenKey() const;
  void WriteCaptions(const QString& path);

  TTabContext& context_;
  QCheckBox* customCaption_ = nullptr;
  QGroupBox* group_ = nullptr;
  QComboBox* keys_ = nullptr;
  QLineEdit* caption_ = nullptr;
  QLineEdit* hint_ = nullptr;
  QLabel* captionLabel_ = nullptr;
  QLabel* hintLabel_ = nullptr;
};

}  // namespace vexlin
