#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "input/option_values.h"

class QCheckBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexlin {

class TColorBox;
struct TTabContext;

// The Configure tab: the run's options, the colours, the printer font size and G-code
// heights, "Save Configure", and the caption editor.
class TConfigureTab : public QWidget {
  Q_OBJECT

 public:
  explicit TConfigureTab(TTabContext& context, QWidget* parent = nullptr);

  // The controls' settings as typed, and back.
  TOptionSettings Settings() const;
  void SetSettings(const TOptionSettings& settings);
  void SetPrinterFontSize(const QString& text);

  // The options file of the given name ("default") in the program folder.
  void ReadOptionFile(const std::string& name);
  void WriteOptionFile(const std::string& name);

  // The options checked for a run or a totals computation; on a fault shows this tab,
  // focuses the box and shows its message.
  std::optional<TOptionValues> ReadOption();

  void RefreshCaptions();

 signals:
  // The caption editor changed texts; the window refreshes every caption.
  void CaptionsChanged();

 public slots:
  void ButtonSaveOptionsClick();

 private:
  // A box of a text setting and its label, captioned by Key.
  struct TTextControl {
    std::string TOptionSettings::*Setting;
    const char* Key;
    QLabel* Label;
    QLineEdit* Edit;
  };
  struct TFlagControl {
    bool TOptionSettings::*Setting;
    const char* Key;
    QCheckBox* Box;
  };
  // TabKey names the tab whose caption starts the label; none for the edge colour.
  struct TColorControl {
    int32_t TOptionSettings::*Setting;
    const char* TabKey;
    QLabel* Label;
    TColorBox* Box;
  };

  QWidget* BuildRunOptions();
  QWidget* BuildTrimGroups();
  QWidget* BuildColors();
  void AddTextRow(const char* editName, const char* labelName, const char* key,
                  std::string TOptionSettings::*setting, QFormLayout& form);
  QString ColorCaption(const TColorControl& color) const;
  QLineEdit* EditOf(TOptionField field) const;
  std::string OptionsPath(const std::string& name) const;

  TTabContext& context_;
  std::vector<TTextControl> texts_;
  std::vector<TFlagControl> flags_;
  std::vector<TColorControl> colors_;
  QGroupBox* scrap_ = nullptr;
  QGroupBox* gCode_ = nullptr;
  QLineEdit* decimal_ = nullptr;
  QPushButton* saveOptions_ = nullptr;
};

}  // namespace vexlin
