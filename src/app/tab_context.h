#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "input/option_values.h"
#include "output/layout_picture.h"

class QWidget;

namespace vexlin {

class TUiServices;

// What the main window lends its tabs: the dialogs, the program folder, and the few
// things one tab needs of another.
struct TTabContext {
  TUiServices& Services;
  std::filesystem::path ProgramFolder;
  // Makes a tab the active page.
  std::function<void(QWidget& tab)> ShowTab;
  // The Configure tab's options checked for use; reports the first fault itself.
  std::function<std::optional<TOptionValues>()> ReadOption;
  // Colours of the Configure tab and the Layout tab's switches, for previews.
  std::function<TPictureStyle()> PictureStyle;
};

}  // namespace vexlin
