#include "input/ui/configure_tab.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "input/options_file.h"
#include "input/ui/caption_editor.h"
#include "input/ui/color_box.h"
#include "model/ui/caption_texts.h"
#include "uikit/tab_context.h"
#include "uikit/ui_services.h"

namespace vexlin {

namespace {

struct TTextField {
  const char* Edit;
  const char* Label;
  const char* Key;
  std::string TOptionSettings::*Setting;
};

// The box captioned "Length Edge" is EditWidthEdge and the one captioned "Width Edge" is
// EditHeightEdige: the names are crossed as the file keys are, see TOptionSettings.
// The deep search's seconds come first, right under its check box, the last of the flags.
constexpr TTextField kRunFields[] = {
    {"EditDeepSeconds", "LabelSetupDeepSeconds", "Deep Seconds Caption",
     &TOptionSettings::DeepSeconds},
    {"EditBladeWidth", "LabelSetupBladeWidth", "Blade Width Caption", &TOptionSettings::BladeWidth},
    {"EditWidthEdge", "LabelSetupLengthEdge", "Length Edge Caption", &TOptionSettings::LengthEdge},
    {"EditHeightEdige", "LabelSetupWidthEdge", "Width Edge Caption", &TOptionSettings::WidthEdge},
    {"EditMeasure", "LabelSetupMeasure", "Measure Caption", &TOptionSettings::Measure},
    {"EditPrinterFontSize", "LabelSetupPrinterFont", "Printer Font Size Caption",
     &TOptionSettings::PrinterFontSize},
};

constexpr TTextField kScrapFields[] = {
    {"EditMinOffcutLength1", "LabelSetupMinScrap1", "Scrap Min. Length Caption",
     &TOptionSettings::MinScrapLength},
    {"EditMinOffcutLength2", "LabelSetupMinScrap2", "Scrap Min. Width Caption",
     &TOptionSettings::MinScrapWidth},
};

constexpr TTextField kGCodeFields[] = {
    {"EditDrillDepth", "LabelDrillDepth", "Drill Depth Caption", &TOptionSettings::DrillDepth},
    {"EditSafetyHeigth", "LabelSafetyHeigth", "Safety Heigth Caption",
     &TOptionSettings::SafetyHeight},
};

struct TFlagField {
  const char* Name;
  const char* Key;
  bool TOptionSettings::*Setting;
};

constexpr TFlagField kFlagFields[] = {
    {"CheckBoxGuillotine", "Guillotine Caption", &TOptionSettings::Guillotine},
    {"CheckBoxFastSpeed", "Fast Optimize Caption", &TOptionSettings::FastOptimize},
    {"CheckBoxCostOptimize", "Cost Optimize Caption", &TOptionSettings::CostOptimize},
    {"CheckBoxDeepOptimize", "Deep Optimize Caption", &TOptionSettings::DeepOptimize},
};

struct TColorField {
  const char* Box;
  const char* Label;
  const char* TabKey;
  int32_t TOptionSettings::*Setting;
};

constexpr TColorField kColorFields[] = {
    {"ColorBoxSheets", "LabelSetupSheetColor", "Tab Sheets", &TOptionSettings::SheetColor},
    {"ColorBoxParts", "LabelSetupPartsColor", "Tab Parts", &TOptionSettings::PartColor},
    {"ColorBoxEdge", "LabelSetupEdgeColor", nullptr, &TOptionSettings::EdgeColor},
    {"ColorBoxOffcuts", "LabelOffcutsColor", "Tab Offcuts", &TOptionSettings::OffcutColor},
};

// Lengths and heights are short numbers; narrow boxes keep the tab within the window.
constexpr int kNumberBoxWidth = 90;

std::string TOptionSettings::*SettingOf(TOptionField field) {
  switch (field) {
    case TOptionField::BladeWidth:
      return &TOptionSettings::BladeWidth;
    case TOptionField::WidthEdge:
      return &TOptionSettings::WidthEdge;
    case TOptionField::LengthEdge:
      return &TOptionSettings::LengthEdge;
    case TOptionField::MinScrapLength:
      return &TOptionSettings::MinScrapLength;
    case TOptionField::MinScrapWidth:
      return &TOptionSettings::MinScrapWidth;
    case TOptionField::DeepSeconds:
      return &TOptionSettings::DeepSeconds;
  }
  return &TOptionSettings::BladeWidth;
}

}  // namespace

TConfigureTab::TConfigureTab(TTabContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
  setObjectName("TabSheetSetup");
  auto* editor = new TCaptionEditor(context, this);
  connect(editor, &TCaptionEditor::CaptionsChanged, this, &TConfigureTab::CaptionsChanged);

  auto* layout = new QGridLayout(this);
  layout->addWidget(BuildRunOptions(), 0, 0);
  layout->addWidget(BuildTrimGroups(), 0, 1);
  layout->addWidget(BuildColors(), 0, 2);
  layout->addWidget(editor, 1, 0, 1, 3);
  layout->setRowStretch(2, 1);

  // The number of decimals is fixed; the box only keeps what older option sets showed.
  decimal_ = new QLineEdit("3", this);
  decimal_->setObjectName("EditDecimal");
  decimal_->setToolTip("Input 0, 1, 2 to special decimal");
  decimal_->setEnabled(false);
  decimal_->setVisible(false);

  SetSettings(TOptionSettings{});
  RefreshCaptions();
}

QWidget* TConfigureTab::BuildRunOptions() {
  auto* panel = new QWidget(this);
  auto* form = new QFormLayout(panel);
  for (const TFlagField& field : kFlagFields) {
    auto* box = new QCheckBox(panel);
    box->setObjectName(field.Name);
    form->addRow(box);
    flags_.push_back({field.Setting, field.Key, box});
  }
  for (const TTextField& field : kRunFields) {
    AddTextRow(field.Edit, field.Label, field.Key, field.Setting, *form);
  }
  return panel;
}

QWidget* TConfigureTab::BuildTrimGroups() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  scrap_ = new QGroupBox(panel);
  scrap_->setObjectName("GroupBoxScrap");
  auto* scrapForm = new QFormLayout(scrap_);
  for (const TTextField& field : kScrapFields) {
    AddTextRow(field.Edit, field.Label, field.Key, field.Setting, *scrapForm);
  }
  gCode_ = new QGroupBox(panel);
  gCode_->setObjectName("GroupBoxGCode");
  auto* gCodeForm = new QFormLayout(gCode_);
  for (const TTextField& field : kGCodeFields) {
    AddTextRow(field.Edit, field.Label, field.Key, field.Setting, *gCodeForm);
  }
  column->addWidget(scrap_);
  column->addWidget(gCode_);
  column->addStretch(1);
  return panel;
}

// Each colour's label sits above its box: the edge colour's caption is long.
QWidget* TConfigureTab::BuildColors() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  for (const TColorField& field : kColorFields) {
    auto* label = new QLabel(panel);
    label->setObjectName(field.Label);
    auto* box = new TColorBox(context_.Services, panel);
    box->setObjectName(field.Box);
    column->addWidget(label);
    column->addWidget(box);
    colors_.push_back({field.Setting, field.TabKey, label, box});
  }
  saveOptions_ = new QPushButton(panel);
  saveOptions_->setObjectName("ButtonSaveOptions");
  connect(saveOptions_, &QPushButton::clicked, this, &TConfigureTab::ButtonSaveOptionsClick);
  column->addSpacing(column->spacing() * 2);
  column->addWidget(saveOptions_);
  column->addStretch(1);
  return panel;
}

void TConfigureTab::AddTextRow(const char* editName, const char* labelName, const char* key,
                               std::string TOptionSettings::*setting, QFormLayout& form) {
  auto* label = new QLabel(form.parentWidget());
  label->setObjectName(labelName);
  auto* edit = new QLineEdit(form.parentWidget());
  edit->setObjectName(editName);
  edit->setMaximumWidth(kNumberBoxWidth);
  form.addRow(label, edit);
  texts_.push_back({setting, key, label, edit});
}

TOptionSettings TConfigureTab::Settings() const {
  TOptionSettings settings;
  for (const TTextControl& text : texts_) settings.*text.Setting = ToStdString(text.Edit->text());
  for (const TFlagControl& flag : flags_) settings.*flag.Setting = flag.Box->isChecked();
  for (const TColorControl& color : colors_) {
    settings.*color.Setting = static_cast<int32_t>(color.Box->Color());
  }
  return settings;
}

void TConfigureTab::SetSettings(const TOptionSettings& settings) {
  for (const TTextControl& text : texts_) text.Edit->setText(ToQString(settings.*text.Setting));
  for (const TFlagControl& flag : flags_) flag.Box->setChecked(settings.*flag.Setting);
  for (const TColorControl& color : colors_) {
    color.Box->SetColor(static_cast<TColor>(settings.*color.Setting));
  }
}

void TConfigureTab::SetPrinterFontSize(const QString& text) {
  for (const TTextControl& control : texts_) {
    if (control.Setting == &TOptionSettings::PrinterFontSize) control.Edit->setText(text);
  }
}

std::string TConfigureTab::OptionsPath(const std::string& name) const {
  return (context_.ProgramFolder / (name + ".opt")).string();
}

void TConfigureTab::ReadOptionFile(const std::string& name) {
  decimal_->setText("3");
  SetSettings(ReadOptionsFile(OptionsPath(name)));
}

void TConfigureTab::WriteOptionFile(const std::string& name) {
  const std::string fault = WriteOptionsFile(OptionsPath(name), Settings());
  if (!fault.empty()) context_.Services.ShowMessage(this, ToQString(fault));
}

void TConfigureTab::ButtonSaveOptionsClick() {
  WriteOptionFile("default");
}

QLineEdit* TConfigureTab::EditOf(TOptionField field) const {
  const auto setting = SettingOf(field);
  const auto control = std::find_if(texts_.begin(), texts_.end(), [&](const TTextControl& text) {
    return text.Setting == setting;
  });
  return control->Edit;
}

// Only checks: the caller hands the values to the engine when it runs.
std::optional<TOptionValues> TConfigureTab::ReadOption() {
  TOptionValues values;
  const std::optional<TOptionFault> fault = ReadOptionValues(Settings(), values);
  if (!fault) return values;
  context_.ShowTab(*this);
  QLineEdit* box = EditOf(fault->Field);
  box->setFocus();
  box->selectAll();
  context_.Services.ShowMessage(this, ToQString(fault->Message));
  return std::nullopt;
}

QString TConfigureTab::ColorCaption(const TColorControl& color) const {
  const QString owner = color.TabKey != nullptr ? CaptionText(color.TabKey)
                                                : CaptionText("Length Edge Caption") + " && " +
                                                      CaptionText("Width Edge Caption");
  // A label shows no mnemonic, so a doubled ampersand stands for one.
  QString caption = owner + " " + CaptionText("Color Caption");
  return caption.replace("&&", "&");
}

void TConfigureTab::RefreshCaptions() {
  for (const TTextControl& text : texts_) {
    ApplyCaption(*text.Label, text.Key);
    ApplyHint(*text.Edit, text.Key);
  }
  for (const TFlagControl& flag : flags_) ApplyCaption(*flag.Box, flag.Key);
  ApplyCaption(*scrap_, "Scrap Criteria Caption");
  ApplyCaption(*gCode_, "G code Caption");
  for (const TColorControl& color : colors_) color.Label->setText(ColorCaption(color));
  ApplyCaption(*saveOptions_, "Save Configure Button");
}

}  // namespace vexlin
