#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vexlin {

// What the command line asks of one batch run.
struct TBatchOptions {
  std::string Folder = ".";
  // Files named on the command line; empty means the folder's default file.
  std::string SheetsFile;
  std::string PartsFile;
  std::string OffcutsFile;
  std::string OptionsFile;
  // Overrides of the options file.
  std::optional<bool> Fast;
  std::optional<bool> Cost;
  std::optional<bool> Guillotine;
  std::optional<bool> Deep;
  std::optional<std::string> BladeWidth;
  std::string ProfilesFile;
  // A saved result to report and export instead of optimising.
  std::string LoadResultFile;
  // Outputs; an empty name writes nothing.
  std::string ReportFile;  // empty: standard output
  std::string JsonFile;
  std::string SaveResultFile;
  std::string DxfName;
  std::string GcodeName;
  std::string SvgName;
  std::string HtmlFile;
  std::string PdfFile;
  std::string OffcutsOutFile;
  // The layout tab's check boxes, for pictures, drawings and reports.
  bool ShowLabels = true;
  bool ShowSizes = false;
  bool ShowPositions = false;
  bool ShowOffcuts = true;
  bool Progress = false;
  bool Help = false;
};

// Reads the arguments (without the program name). Returns the options, or sets error to
// what is wrong with the command line.
TBatchOptions ParseBatchArguments(const std::vector<std::string>& arguments, std::string& error);

// The --help text.
const char* BatchUsage();

}  // namespace vexlin
