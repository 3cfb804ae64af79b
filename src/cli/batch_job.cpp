#include "cli/batch_job.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "cli/progress_bar.h"
#include "input/grid_readers.h"
#include "input/list_files.h"
#include "input/offcut_rows.h"
#include "input/options_file.h"
#include "model/run_options.h"
#include "optimizer/optimization_run.h"
#include "optimizer/vexlin.h"
#include "output/report.h"

namespace vexlin {
namespace {

// A file named on the command line must be readable; a default file of the folder may be
// missing, as at the program's start.
std::optional<std::string> ResolveInput(const std::string& named, const std::string& folder,
                                        const char* defaultName, std::string& error) {
  if (named.empty()) return (std::filesystem::path(folder) / defaultName).string();
  if (!std::ifstream(named).good() || std::filesystem::is_directory(named)) {
    error = "can't read " + named;
    return std::nullopt;
  }
  return named;
}

void ApplyOverrides(const TBatchOptions& options, TOptionSettings& settings) {
  if (options.Fast) settings.FastOptimize = *options.Fast;
  if (options.Cost) settings.CostOptimize = *options.Cost;
  if (options.Guillotine) settings.Guillotine = *options.Guillotine;
  if (options.BladeWidth) settings.BladeWidth = *options.BladeWidth;
}

TJsonRunFacts FactsOf(const TOptionValues& values) {
  TJsonRunFacts facts;
  facts.Unit = values.Measure;
  facts.BladeWidth = values.BladeWidth;
  facts.LengthEdge = values.LengthEdge;
  facts.WidthEdge = values.WidthEdge;
  facts.Guillotine = values.Guillotine;
  facts.Cost = values.CostOptimize;
  facts.Fast = values.FastOptimize;
  return facts;
}

TBatchRun Refused(TBatchRun run, std::string message) {
  run.ExitCode = kBatchRefused;
  run.Error = message;
  run.Facts.Message = std::move(message);
  return run;
}

// Reads the sheet, offcut and part rows into engine inputs; the offcuts join the sheets.
std::string ReadInputs(const std::string& sheetsPath, const std::string& offcutsPath,
                       const std::string& partsPath, TPanels& sheets, TPanels& parts) {
  TGrid sheetRows = ReadListFile(sheetsPath, TGridKind::Sheets);
  TGrid offcutRows = ReadListFile(offcutsPath, TGridKind::Offcuts);
  AddAllOffcutRows(offcutRows, sheetRows);
  if (const auto fault = ReadSheetRows(sheetRows, sheets)) return fault->Message;
  TGrid partRows = ReadListFile(partsPath, TGridKind::Parts);
  if (const auto fault = ReadPartRows(partRows, false, parts)) return fault->Message;
  return {};
}

}  // namespace

TBatchRun RunBatchJob(const TBatchOptions& options, TVexlin& engine,
                      const std::function<void()>& progressStep) {
  TBatchRun run;
  const auto start = std::chrono::steady_clock::now();
  std::string error;
  const auto optionsPath = ResolveInput(options.OptionsFile, options.Folder, "default.opt", error);
  const auto sheetsPath = ResolveInput(options.SheetsFile, options.Folder, "default.sht", error);
  const auto partsPath = ResolveInput(options.PartsFile, options.Folder, "default.prt", error);
  const auto offcutsPath = ResolveInput(options.OffcutsFile, options.Folder, "default.ofc", error);
  if (!error.empty()) {
    run.ExitCode = kBatchUsage;
    run.Error = error;
    return run;
  }
  TOptionSettings settings = ReadOptionsFile(*optionsPath);
  ApplyOverrides(options, settings);
  TOptionValues values;
  if (const auto fault = ReadOptionValues(settings, values)) return Refused(run, fault->Message);
  run.Facts = FactsOf(values);
  TPanels sheets;
  TPanels parts;
  error = ReadInputs(*sheetsPath, *offcutsPath, *partsPath, sheets, parts);
  if (!error.empty()) return Refused(run, error);
  ApplyOptionValues(values);
  error = RunOptimization(engine, sheets, parts, TPanels(), values, progressStep);
  run.Facts.Seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!error.empty()) return Refused(run, error);
  return run;
}

namespace {

TReportSettings ReportSettingsOf(const TJsonRunFacts& facts) {
  TReportSettings settings;
  settings.UnitText = facts.Unit;
  settings.BladeWidth = facts.BladeWidth;
  settings.LengthEdge = facts.LengthEdge;
  settings.WidthEdge = facts.WidthEdge;
  settings.Guillotine = facts.Guillotine;
  settings.CostOptimize = facts.Cost;
  settings.FastOptimize = facts.Fast;
  settings.ShowOffcuts = true;
  return settings;
}

std::string ReportText(const TVexlin& engine, const TJsonRunFacts& facts) {
  const TReportSettings settings = ReportSettingsOf(facts);
  std::string text;
  for (const std::string& line : FormatRunReport(engine, settings)) text += line + '\n';
  for (size_t i = 0; i < engine.BestResult.Size(); ++i) {
    for (const std::string& line : FormatOneLayoutReport(engine.BestResult[i], i, settings)) {
      text += line + '\n';
    }
  }
  return text;
}

// Writes text to a named file, or says on err that it could not.
bool WriteFile(const std::string& path, const std::string& text, std::ostream& err) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  file.close();
  if (!file.good()) err << "vexlin-batch: can't write " << path << '\n';
  return file.good();
}

bool WriteOutputs(const TBatchOptions& options, const TVexlin& engine, const TBatchRun& run,
                  std::ostream& out, std::ostream& err) {
  if (!options.JsonFile.empty() &&
      !WriteFile(options.JsonFile, ResultJson(engine, run.Facts), err)) {
    return false;
  }
  if (run.ExitCode != kBatchDone) return true;
  const std::string report = ReportText(engine, run.Facts);
  if (!options.ReportFile.empty()) return WriteFile(options.ReportFile, report, err);
  out << report;
  return true;
}

}  // namespace

int RunBatchCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
  std::string error;
  const TBatchOptions options = ParseBatchArguments(arguments, error);
  if (!error.empty()) {
    err << "vexlin-batch: " << error << "\n\n" << BatchUsage();
    return kBatchUsage;
  }
  if (options.Help) {
    out << BatchUsage();
    return kBatchDone;
  }
  TTextProgressBar bar(err);
  std::function<void()> step;
  if (options.Progress) step = [&bar] { bar.Step(); };
  TVexlin engine;
  const TBatchRun run = RunBatchJob(options, engine, step);
  if (options.Progress) bar.Finish();
  if (run.ExitCode == kBatchUsage) {
    err << "vexlin-batch: " << run.Error << '\n';
    return kBatchUsage;
  }
  if (run.ExitCode == kBatchRefused) err << run.Error << '\n';
  if (!WriteOutputs(options, engine, run, out, err)) return kBatchUsage;
  return run.ExitCode;
}

}  // namespace vexlin
