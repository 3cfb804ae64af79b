#include "output/ui/result_commands.h"

#include <QString>
#include <QUrl>
#include <filesystem>
#include <optional>
#include <vector>

#include "input/option_values.h"
#include "model/ui/caption_texts.h"
#include "optimizer/vexlin.h"
#include "output/dxf_export.h"
#include "output/gcode_export.h"
#include "output/html_export.h"
#include "output/layout_picture.h"
#include "output/layout_rearrange.h"
#include "output/layouts_file.h"
#include "output/offcut_file.h"
#include "output/offcut_generator.h"
#include "output/report.h"
#include "output/ui/layout_tab.h"
#include "uikit/tab_context.h"
#include "uikit/ui_services.h"

namespace vexlin {
namespace {

constexpr int32_t kPictureWidth = 1000;  // pixels, as the batch tool draws them

TDXFShowFlags ShowFlagsOf(const TDrawSwitches& switches) {
  return {switches.ShowLabels, switches.ShowSizes, switches.ShowPositions};
}

}  // namespace

TResultCommands::TResultCommands(TTabContext& context, TLayoutTab& tab, TVexlin& engine,
                                 TVexlin& relayoutEngine)
    : QObject(&tab),
      context_(context),
      tab_(tab),
      engine_(engine),
      relayoutEngine_(relayoutEngine) {}

bool TResultCommands::RefuseEmptyResult() {
  if (!engine_.BestResult.Empty()) return false;
  context_.Services.ShowMessage(&tab_, MessageText("MSG_LAYOUT_IS_EMPTY"));
  return true;
}

void TResultCommands::ShowError(const std::string& error) {
  if (!error.empty()) context_.Services.ShowMessage(&tab_, ToQString(error));
}

void TResultCommands::ShowRunReport(const TReportSettings& settings) {
  context_.ShowReport(FormatRunReport(engine_, settings));
}

void TResultCommands::ButtonSaveLayoutClick() {
  if (RefuseEmptyResult()) return;
  const std::optional<QString> path =
      AskSavePathTitled(context_.Services, &tab_, "lyt", "MSG_SAVE_FILE_TITLE", "lyt");
  if (!path) return;
  const TReportSettings shown = tab_.ReportSettings();
  const TLayoutSettings settings{shown.BladeWidth, shown.UnitText, shown.LengthEdge,
                                 shown.WidthEdge};
  const TLayoutFlags flags{shown.Guillotine, shown.CostOptimize, shown.FastOptimize,
                           shown.DeepOptimize};
  ShowError(SaveLayoutsFile(ToStdString(*path), engine_, settings, flags));
}

// A cancelled dialog still makes the offcuts of the layouts in memory.
void TResultCommands::ButtonLoadLayoutClick() {
  const std::optional<QString> path = AskOpenPath(context_.Services, &tab_, "lyt");
  if (path) {
    LoadLayouts(*path);
  } else {
    GenerateAllOffcuts(tab_.ReportSettings());
  }
}

// A refused file leaves the shown result, its settings and its report as they were; its
// offcuts are made as after a cancelled dialog.
void TResultCommands::LoadLayouts(const QString& path) {
  const TLayoutsLoad load =
      LoadLayoutsFile(ToStdString(path), engine_, context_.ProfileTabShapes());
  if (!load.Error.empty()) {
    ShowError(load.Error);
    GenerateAllOffcuts(tab_.ReportSettings());
    return;
  }
  tab_.HideLayout();  // the view lets go of the layouts the load replaced
  for (const std::string& warning : load.Warnings) ShowError(warning);
  // Flags that older files lack come from the Configure tab.
  const TOptionSettings options = context_.OptionSettings();
  TOptionValues current;
  current.Guillotine = options.Guillotine;
  current.FastOptimize = options.FastOptimize;
  current.CostOptimize = options.CostOptimize;
  const TOptionValues values = LoadedOptionValues(load, current);
  ApplyOptionValues(values);
  const TReportSettings settings = ReportSettingsOf(values, tab_.ShowOffcuts());
  GenerateAllOffcuts(settings);
  ShowRunReport(settings);
  if (engine_.BestResult.Empty()) {
    context_.Services.ShowMessage(&tab_, MessageText("MSG_LAYOUT_IS_EMPTY"));
  }
  tab_.ShowResult(engine_, values);
}

void TResultCommands::GenerateAllOffcuts(const TReportSettings& settings) {
  for (TPacket& layout : engine_.BestResult.Items) {
    GenerateOffcutParts(layout, settings.BladeWidth, settings.Guillotine);
  }
}

void TResultCommands::ButtonExportDXFClick() {
  if (RefuseEmptyResult()) return;
  const std::optional<QString> path =
      AskSavePathTitled(context_.Services, &tab_, "dxf", "MSG_SAVE_AS_FILE_TITLE", {});
  if (!path) return;
  ShowError(ExportAllDXF(ToStdString(*path), engine_.BestResult, tab_.ReportSettings(),
                         ShowFlagsOf(tab_.Switches())));
}

void TResultCommands::ButtonExportGCodeClick() {
  if (RefuseEmptyResult()) return;
  const std::optional<QString> path =
      AskSavePathTitled(context_.Services, &tab_, "gnc", "MSG_SAVE_AS_FILE_TITLE", {});
  if (!path) return;
  ShowError(ExportAllGCode(ToStdString(*path), engine_.BestResult, tab_.ReportSettings(),
                           context_.OptionSettings()));
}

void TResultCommands::ButtonSaveToHtmlClick() {
  if (RefuseEmptyResult()) return;
  const std::optional<QString> path = AskSavePath(context_.Services, &tab_, "html");
  if (!path) return;
  const std::string error = WriteHtmlPage(ToStdString(*path));
  if (!error.empty()) {
    ShowError(error);
    return;
  }
  context_.Services.OpenWithDesktop(QUrl::fromLocalFile(*path));
}

// The pictures lie beside the page, so the page names them without a folder.
std::string TResultCommands::WriteHtmlPage(const std::string& page) {
  std::vector<std::string> pictures;
  const std::string error = ExportLayoutPictures(page, engine_.BestResult, tab_.ReportSettings(),
                                                 context_.PictureStyle(), kPictureWidth, pictures);
  if (!error.empty()) return error;
  for (std::string& picture : pictures) {
    picture = std::filesystem::path(picture).filename().string();
  }
  return ExportHtml(page, engine_, tab_.ReportSettings(), pictures);
}

// The smallest offcut to keep is read afresh; the offcuts are made with the cutting settings
// of the result shown.
void TResultCommands::ButtonSaveOffcutsClick() {
  if (RefuseEmptyResult()) return;
  std::optional<TOptionValues> options = context_.ReadOption();
  if (!options) return;
  const std::optional<QString> path = AskSavePath(context_.Services, &tab_, "ofc");
  if (!path) return;
  const TReportSettings shown = tab_.ReportSettings();
  options->BladeWidth = shown.BladeWidth;
  options->Guillotine = shown.Guillotine;
  ShowError(SaveSheetsScraps(ToStdString(*path), engine_.BestResult, *options));
}

// A layout that does not fit one sheet again stays as it was, silently.
void TResultCommands::ButtonLayoutAgainClick() {
  if (RefuseEmptyResult()) return;
  const int32_t index = tab_.CurrentLayoutIndex();
  if (index < 0 || static_cast<size_t>(index) >= engine_.BestResult.Size()) return;
  LayoutAgainClick(relayoutEngine_, engine_.BestResult[static_cast<size_t>(index)]);
  tab_.ShowScheme();
  ShowRunReport(tab_.ReportSettings());
}

}  // namespace vexlin
