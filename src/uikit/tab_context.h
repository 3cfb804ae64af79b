#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "input/option_values.h"
#include "output/layout_picture.h"

class QPrinter;
class QWidget;

namespace vexlin {

class TTrapeziumList;
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
  // The Configure tab's texts as typed, unchecked.
  std::function<TOptionSettings()> OptionSettings;
  // Replaces the lines of the Report tab.
  std::function<void(const std::vector<std::string>& lines)> ShowReport;
  // The lines of the Report tab.
  std::function<std::vector<std::string>()> ReportLines;
  // The current printer, chosen with "Print Setup...", on which every print command prints.
  std::function<QPrinter&()> Printer;
  // Puts a text into the Configure tab's printer font size box.
  std::function<void(const std::string& text)> SetPrinterFontSize;
  // The Profile tab's shape records, which a loaded result without its own falls back on.
  std::function<const TTrapeziumList&()> ProfileTabShapes;
  // Disables (on) or enables the window outside the Layout tab while parts are moved by hand.
  std::function<void(bool on)> LockForManual;
  // Disables (on) or enables every command that would change the job or the result on show
  // while a run works, and enables Stop for that time.
  std::function<void(bool on)> LockForRun;
};

}  // namespace vexlin
