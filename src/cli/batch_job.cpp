#include "cli/batch_job.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>

#include "cli/batch_outputs.h"
#include "cli/progress_bar.h"
#include "input/dxf_import.h"
#include "input/grid_readers.h"
#include "input/list_files.h"
#include "input/offcut_rows.h"
#include "input/options_file.h"
#include "input/profile_file.h"
#include "input/profile_list.h"
#include "model/text_table.h"
#include "model/trapezium_list.h"
#include "optimizer/vexlin.h"
#include "output/layouts_file.h"
#include "output/offcut_generator.h"
#include "run/optimization_run.h"

namespace vexlin {
namespace {

// The job's input files: named ones must be readable; a default file of the folder may be
// missing, as at the program's start.
struct TJobFiles {
  std::string Options;
  std::string Sheets;
  std::string Parts;
  std::string Offcuts;
  std::string Profiles;
};

std::string Resolve(const std::string& named, const std::string& folder, const char* defaultName,
                    std::string& error) {
  if (named.empty()) return (std::filesystem::path(folder) / defaultName).string();
  if (error.empty() && (!std::ifstream(named).good() || std::filesystem::is_directory(named))) {
    error = "can't read " + named;
  }
  return named;
}

TJobFiles ResolveFiles(const TBatchOptions& options, std::string& error) {
  const std::string& folder = options.Folder;
  TJobFiles files;
  files.Options = Resolve(options.OptionsFile, folder, "default.opt", error);
  files.Sheets = Resolve(options.SheetsFile, folder, "default.sht", error);
  files.Parts = Resolve(options.PartsFile, folder, "default.prt", error);
  files.Offcuts = Resolve(options.OffcutsFile, folder, "default.ofc", error);
  files.Profiles = Resolve(options.ProfilesFile, folder, "default.apt", error);
  if (!options.LoadResultFile.empty()) Resolve(options.LoadResultFile, folder, "", error);
  return files;
}

void ApplyOverrides(const TBatchOptions& options, TOptionSettings& settings) {
  if (options.Fast) settings.FastOptimize = *options.Fast;
  if (options.Cost) settings.CostOptimize = *options.Cost;
  if (options.Guillotine) settings.Guillotine = *options.Guillotine;
  if (options.BladeWidth) settings.BladeWidth = *options.BladeWidth;
}

TJsonRunFacts FactsOf(const TOptionValues& values) {
  TJsonRunFacts facts;
  facts.Run = ReportSettingsOf(values, false);
  return facts;
}

TBatchRun& Refuse(TBatchRun& run, int exitCode, std::string message) {
  run.ExitCode = exitCode;
  run.Error = message;
  run.Facts.Message = std::move(message);
  return run;
}

// The rows of one list file; a refused file stops the job, what it did not read is named.
std::optional<TGrid> ReadListRows(const std::string& path, TGridKind kind, TBatchRun& run,
                                  std::string& error) {
  TListFileRead file = ReadListFile(path, kind);
  if (!file.Refusal.empty()) {
    if (error.empty()) error = std::move(file.Refusal);
    return std::nullopt;
  }
  if (!file.Unread.empty()) run.Warnings.push_back(std::move(file.Unread));
  return std::move(file.Rows);
}

// Reads the sheet, offcut and part rows into engine inputs; the offcuts join the sheets.
std::string ReadLists(const TJobFiles& files, bool profilesDefined, TPanels& sheets, TPanels& parts,
                      TBatchRun& run) {
  std::string error;
  std::optional<TGrid> sheetRows = ReadListRows(files.Sheets, TGridKind::Sheets, run, error);
  std::optional<TGrid> offcutRows = ReadListRows(files.Offcuts, TGridKind::Offcuts, run, error);
  std::optional<TGrid> partRows = ReadListRows(files.Parts, TGridKind::Parts, run, error);
  if (!sheetRows || !offcutRows || !partRows) return error;
  AddAllOffcutRows(*offcutRows, *sheetRows);
  if (const auto fault = ReadSheetRows(*sheetRows, sheets)) return fault->Message;
  if (const auto fault = ReadPartRows(*partRows, profilesDefined, parts)) return fault->Message;
  return {};
}

void Optimize(const TJobFiles& files, const TOptionValues& values, TVexlin& engine,
              const std::function<void()>& progressStep, TBatchRun& run) {
  TProfileLists profiles;
  TDxfImport dxf;
  run.Warnings = ReadAnyShapeFile(profiles, dxf, files.Profiles);
  TPanels sheets;
  TPanels parts;
  std::string error = ReadLists(files, !profiles.Profiles.Empty(), sheets, parts, run);
  ApplyOptionValues(values);
  if (error.empty()) {
    error = RunOptimization(engine, sheets, parts, profiles.Profiles, values, progressStep);
  }
  if (!error.empty()) Refuse(run, kBatchRefused, error);
}

// The profiles a result file without its own falls back on, read as a run reads them.
TTrapeziumList CurrentProfileShapes(const TJobFiles& files) {
  TTrapeziumList shapes;
  TProfileLists profiles{{}, &shapes};
  TDxfImport dxf;
  ReadAnyShapeFile(profiles, dxf, files.Profiles);
  return shapes;
}

// A saved result takes the place of a run; its own blade width, unit, edges and profiles
// apply.
void LoadResult(const TJobFiles& files, const std::string& path, const TOptionValues& values,
                TVexlin& engine, TBatchRun& run) {
  ApplyOptionValues(values);
  const TLayoutsLoad load = LoadLayoutsFile(path, engine, CurrentProfileShapes(files));
  if (!load.Error.empty()) {
    Refuse(run, kBatchRefused, load.Error);
    return;
  }
  run.Warnings = load.Warnings;
  if (engine.BestResult.Empty()) {
    Refuse(run, kBatchRefused, Texts().Text("MSG_LAYOUT_IS_EMPTY"));
    return;
  }
  run.Facts.Run = ReportSettingsOf(LoadedOptionValues(load, values), false);
  for (TPacket& layout : engine.BestResult.Items) {
    GenerateOffcutParts(layout, load.Settings.BladeWidth, run.Facts.Run.Guillotine);
  }
}

}  // namespace

TBatchRun RunBatchJob(const TBatchOptions& options, TVexlin& engine,
                      const std::function<void()>& progressStep) {
  TBatchRun run;
  const auto start = std::chrono::steady_clock::now();
  std::string error;
  const TJobFiles files = ResolveFiles(options, error);
  if (!error.empty()) return Refuse(run, kBatchUsage, error);
  run.Settings = ReadOptionsFile(files.Options);
  ApplyOverrides(options, run.Settings);
  TOptionValues& values = run.Values;
  if (const auto fault = ReadOptionValues(run.Settings, values)) {
    return Refuse(run, kBatchRefused, fault->Message);
  }
  if (options.Deep) values.DeepOptimize = *options.Deep;
  run.Facts = FactsOf(values);
  if (options.LoadResultFile.empty()) {
    Optimize(files, values, engine, progressStep, run);
  } else {
    LoadResult(files, options.LoadResultFile, values, engine, run);
  }
  run.Facts.Seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return run;
}

int RunBatchCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    bool errIsTerminal) {
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
  TTextProgressBar bar(err, errIsTerminal);
  std::function<void()> step;
  if (options.Progress) step = [&bar] { bar.Step(); };
  TVexlin engine;
  const TBatchRun run = RunBatchJob(options, engine, step);
  if (options.Progress) bar.Finish();
  for (const std::string& warning : run.Warnings) err << "vexlin-batch: " << warning << '\n';
  if (run.ExitCode == kBatchUsage) {
    err << "vexlin-batch: " << run.Error << '\n';
    return kBatchUsage;
  }
  if (run.ExitCode == kBatchRefused) err << run.Error << '\n';
  if (!WriteBatchOutputs(options, engine, run, out, err)) return kBatchUsage;
  return run.ExitCode;
}

}  // namespace vexlin
