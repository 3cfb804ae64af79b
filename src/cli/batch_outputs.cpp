#include "cli/batch_outputs.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/batch_job.h"
#include "optimizer/vexlin.h"
#include "output/dxf_export.h"
#include "output/gcode_export.h"
#include "output/html_export.h"
#include "output/layout_picture.h"
#include "output/layout_printing.h"
#include "output/layouts_file.h"
#include "output/offcut_file.h"
#include "output/pdf/pdf_export.h"
#include "output/report.h"

namespace vexlin {
namespace {

constexpr int32_t kPictureWidth = 1000;  // pixels

TReportSettings ReportSettingsOf(const TBatchOptions& options, const TJsonRunFacts& facts) {
  TReportSettings settings = facts.Run;
  settings.ShowOffcuts = options.ShowOffcuts;
  return settings;
}

TPictureStyle PictureStyleOf(const TBatchOptions& options, const TOptionSettings& settings) {
  TPictureStyle style;
  style.SheetColor = static_cast<TColor>(settings.SheetColor);
  style.PartColor = static_cast<TColor>(settings.PartColor);
  style.OffcutColor = static_cast<TColor>(settings.OffcutColor);
  style.EdgeColor = static_cast<TColor>(settings.EdgeColor);
  style.Switches = TDrawSwitches{options.ShowLabels, options.ShowPositions, options.ShowSizes};
  style.ShowOffcuts = options.ShowOffcuts;
  return style;
}

std::string ReportText(const TVexlin& engine, const TReportSettings& settings) {
  std::string text;
  for (const std::string& line : FormatRunReport(engine, settings)) text += line + '\n';
  for (size_t i = 0; i < engine.BestResult.Size(); ++i) {
    for (const std::string& line : FormatOneLayoutReport(engine.BestResult[i], i, settings)) {
      text += line + '\n';
    }
  }
  return text;
}

std::string WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  file.close();
  return file.good() ? std::string() : "can't write " + path;
}

// The picture files of a page lie beside it, so the page names them without a folder.
std::string WriteHtmlPage(const TBatchOptions& options, const TVexlin& engine, const TBatchRun& run,
                          const TReportSettings& report) {
  std::vector<std::string> pictures;
  std::string error =
      ExportLayoutPictures(options.HtmlFile, engine.BestResult, report,
                           PictureStyleOf(options, run.Settings), kPictureWidth, pictures);
  for (std::string& picture : pictures) {
    picture = std::filesystem::path(picture).filename().string();
  }
  return error.empty() ? ExportHtml(options.HtmlFile, engine, report, pictures) : error;
}

// The pages "Print All" prints, in the printer font size of the options (12 when it is not a
// size of 8 or more).
std::string WritePdf(const TBatchOptions& options, const TVexlin& engine, const TBatchRun& run,
                     const TReportSettings& report) {
  const TDrawSwitches switches{options.ShowLabels, options.ShowPositions, options.ShowSizes};
  const int32_t fontHeight =
      CheckPrinterFontSize(run.Settings.PrinterFontSize, TPrintedPage::Report).Height;
  return ExportPdf(options.PdfFile, engine.BestResult, FormatRunReport(engine, report), report,
                   switches, fontHeight);
}

// The files of a successful run, each written only when asked for; the first failure ends.
std::string WriteResultFiles(const TBatchOptions& options, TVexlin& engine, const TBatchRun& run,
                             const TReportSettings& report) {
  const TJsonRunFacts& facts = run.Facts;
  std::string error;
  if (!options.SaveResultFile.empty()) {
    const TReportSettings& run = facts.Run;
    const TLayoutSettings layout{run.BladeWidth, run.UnitText, run.LengthEdge, run.WidthEdge};
    const TLayoutFlags flags{run.Guillotine, run.CostOptimize, run.FastOptimize, run.DeepOptimize};
    error = SaveLayoutsFile(options.SaveResultFile, engine, layout, flags);
  }
  if (error.empty() && !options.DxfName.empty()) {
    const TDXFShowFlags show{options.ShowLabels, options.ShowSizes, options.ShowPositions};
    error = ExportAllDXF(options.DxfName, engine.BestResult, report, show);
  }
  if (error.empty() && !options.GcodeName.empty()) {
    error = ExportAllGCode(options.GcodeName, engine.BestResult, report, run.Settings);
  }
  if (error.empty() && !options.SvgName.empty()) {
    std::vector<std::string> pictures;
    error = ExportLayoutPictures(options.SvgName, engine.BestResult, report,
                                 PictureStyleOf(options, run.Settings), kPictureWidth, pictures);
  }
  if (error.empty() && !options.HtmlFile.empty()) {
    error = WriteHtmlPage(options, engine, run, report);
  }
  if (error.empty() && !options.PdfFile.empty()) {
    error = WritePdf(options, engine, run, report);
  }
  if (error.empty() && !options.OffcutsOutFile.empty()) {
    error = SaveSheetsScraps(options.OffcutsOutFile, engine.BestResult, run.Values);
  }
  return error;
}

}  // namespace

bool WriteBatchOutputs(const TBatchOptions& options, TVexlin& engine, const TBatchRun& run,
                       std::ostream& out, std::ostream& err) {
  std::string error;
  if (!options.JsonFile.empty()) {
    error = WriteTextFile(options.JsonFile, ResultJson(engine, run.Facts));
  }
  if (error.empty() && run.ExitCode == kBatchDone) {
    const TReportSettings report = ReportSettingsOf(options, run.Facts);
    const std::string text = ReportText(engine, report);
    if (options.ReportFile.empty()) {
      out << text;
    } else {
      error = WriteTextFile(options.ReportFile, text);
    }
    if (error.empty()) error = WriteResultFiles(options, engine, run, report);
  }
  if (!error.empty()) err << "vexlin-batch: " << error << '\n';
  return error.empty();
}

}  // namespace vexlin
