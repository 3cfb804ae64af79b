#include "input/ui/color_box.h"

#include <QPixmap>
#include <array>

#include "model/ui/qt_canvas.h"
#include "uikit/ui_services.h"

namespace vexlin {

namespace {

struct TNamedColor {
  const char* Name;
  QRgb Rgb;
};

// The sixteen colours of the Windows palette, by the names users know from it.
constexpr std::array<TNamedColor, 16> kStandardColors = {{
    {"Black", 0x000000},
    {"Maroon", 0x800000},
    {"Green", 0x008000},
    {"Olive", 0x808000},
    {"Navy", 0x000080},
    {"Purple", 0x800080},
    {"Teal", 0x008080},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0xFF0000},
    {"Lime", 0x00FF00},
    {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0x00FFFF},
    {"White", 0xFFFFFF},
}};

constexpr int kSwatchSize = 12;

QIcon Swatch(TColor color) {
  QPixmap pixmap(kSwatchSize, kSwatchSize);
  pixmap.fill(ToQColor(color));
  return QIcon(pixmap);
}

}  // namespace

TColorBox::TColorBox(TUiServices& services, QWidget* parent)
    : QComboBox(parent), services_(services) {
  for (const TNamedColor& named : kStandardColors) {
    AddColorItem(named.Name, FromQColor(QColor::fromRgb(named.Rgb)), count());
  }
  addItem("Custom...");
  connect(this, &QComboBox::activated, this, &TColorBox::Activated);
  SetColor(color_);
}

int TColorBox::AddColorItem(const QString& name, TColor color, int position) {
  insertItem(position, Swatch(color), name, QVariant::fromValue(color));
  return position;
}

void TColorBox::SetColor(TColor color) {
  color_ = color;
  int index = findData(QVariant::fromValue(color));
  if (index < 0) {
    if (customIndex_ >= 0) removeItem(customIndex_);
    customIndex_ = AddColorItem(ToQColor(color).name(), color, CustomPickerIndex());
    index = customIndex_;
  }
  setCurrentIndex(index);
}

// A cancelled dialog puts the selection back on the colour that was there.
void TColorBox::Activated(int index) {
  if (index != CustomPickerIndex()) {
    color_ = itemData(index).value<TColor>();
    return;
  }
  const std::optional<QColor> picked = services_.PickColor(this, ToQColor(color_));
  SetColor(picked ? FromQColor(*picked) : color_);
}

}  // namespace vexlin
