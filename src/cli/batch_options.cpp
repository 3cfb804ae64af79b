#include "cli/batch_options.h"

#include <map>

namespace vexlin {
namespace {

using TFlagSetter = void (*)(TBatchOptions&);

const std::map<std::string, TFlagSetter>& Flags() {
  static const std::map<std::string, TFlagSetter> flags = {
      {"--fast", [](TBatchOptions& o) { o.Fast = true; }},
      {"--no-fast", [](TBatchOptions& o) { o.Fast = false; }},
      {"--cost", [](TBatchOptions& o) { o.Cost = true; }},
      {"--no-cost", [](TBatchOptions& o) { o.Cost = false; }},
      {"--guillotine", [](TBatchOptions& o) { o.Guillotine = true; }},
      {"--no-guillotine", [](TBatchOptions& o) { o.Guillotine = false; }},
      {"--deep", [](TBatchOptions& o) { o.Deep = true; }},
      {"--no-deep", [](TBatchOptions& o) { o.Deep = false; }},
      {"--labels", [](TBatchOptions& o) { o.ShowLabels = true; }},
      {"--no-labels", [](TBatchOptions& o) { o.ShowLabels = false; }},
      {"--sizes", [](TBatchOptions& o) { o.ShowSizes = true; }},
      {"--positions", [](TBatchOptions& o) { o.ShowPositions = true; }},
      {"--no-offcuts", [](TBatchOptions& o) { o.ShowOffcuts = false; }},
      {"--progress", [](TBatchOptions& o) { o.Progress = true; }},
      {"--help", [](TBatchOptions& o) { o.Help = true; }},
      {"-h", [](TBatchOptions& o) { o.Help = true; }},
  };
  return flags;
}

std::string* ValueTarget(TBatchOptions& options, const std::string& name) {
  static const std::map<std::string, std::string TBatchOptions::*> targets = {
      {"--sheets", &TBatchOptions::SheetsFile},
      {"--parts", &TBatchOptions::PartsFile},
      {"--offcuts", &TBatchOptions::OffcutsFile},
      {"--options", &TBatchOptions::OptionsFile},
      {"--profiles", &TBatchOptions::ProfilesFile},
      {"--load-result", &TBatchOptions::LoadResultFile},
      {"--report", &TBatchOptions::ReportFile},
      {"--json", &TBatchOptions::JsonFile},
      {"--save-result", &TBatchOptions::SaveResultFile},
      {"--dxf", &TBatchOptions::DxfName},
      {"--gcode", &TBatchOptions::GcodeName},
      {"--svg", &TBatchOptions::SvgName},
      {"--html", &TBatchOptions::HtmlFile},
      {"--pdf", &TBatchOptions::PdfFile},
      {"--offcuts-out", &TBatchOptions::OffcutsOutFile},
  };
  const auto found = targets.find(name);
  return found == targets.end() ? nullptr : &(options.*(found->second));
}

}  // namespace

TBatchOptions ParseBatchArguments(const std::vector<std::string>& arguments, std::string& error) {
  TBatchOptions options;
  bool folderGiven = false;
  for (size_t i = 0; i < arguments.size() && error.empty(); ++i) {
    const std::string& argument = arguments[i];
    if (const auto flag = Flags().find(argument); flag != Flags().end()) {
      flag->second(options);
      continue;
    }
    std::string* target = ValueTarget(options, argument);
    if (target != nullptr || argument == "--blade") {
      if (i + 1 >= arguments.size()) {
        error = "option " + argument + " needs a value";
        break;
      }
      const std::string& value = arguments[++i];
      if (target != nullptr) {
        *target = value;
      } else {
        options.BladeWidth = value;
      }
    } else if (argument.starts_with("-")) {
      error = "unknown option " + argument;
    } else if (folderGiven) {
      error = "more than one folder given";
    } else {
      options.Folder = argument;
      folderGiven = true;
    }
  }
  return options;
}

const char* BatchUsage() {
  return "Usage: vexlin-batch [OPTIONS] [FOLDER]\n"
         "\n"
         "Runs a cutting job without the window: reads default.opt, default.sht,\n"
         "default.prt, default.ofc and default.apt of FOLDER (default: the current\n"
         "folder), optimizes and writes the report. Offcuts are used as further sheets.\n"
         "\n"
         "Input files:\n"
         "  --sheets FILE      sheet list (.sht) instead of FOLDER/default.sht\n"
         "  --parts FILE       part list (.prt) instead of FOLDER/default.prt\n"
         "  --offcuts FILE     offcut list (.ofc) instead of FOLDER/default.ofc\n"
         "  --options FILE     options (.opt) instead of FOLDER/default.opt\n"
         "  --profiles FILE    profiles (.apt) instead of FOLDER/default.apt\n"
         "  --load-result FILE report and export a saved result (.lyt), no optimising\n"
         "\n"
         "Option overrides:\n"
         "  --fast, --no-fast                 fast optimisation\n"
         "  --cost, --no-cost                 least sheet cost instead of least material\n"
         "  --guillotine, --no-guillotine     edge-to-edge cuts only\n"
         "  --blade TEXT                      blade width (kerf), e.g. 3.2\n"
         "\n"
         "Output:\n"
         "  --report FILE      write the report to FILE instead of standard output\n"
         "  --json FILE        write the result as JSON\n"
         "  --save-result FILE save the result (.lyt) to load it again later\n"
         "  --dxf NAME         one DXF drawing per layout: NAME_1.dxf, NAME_2.dxf, ...\n"
         "  --gcode NAME       one G-code program per layout: NAME_1.gnc, ...\n"
         "  --svg NAME         one SVG picture per layout: NAME_1.svg, ...\n"
         "  --html FILE        a page with the report and a picture of every layout\n"
         "  --pdf FILE         the printed pages: the report, then every layout on a page\n"
         "  --offcuts-out FILE the offcuts worth keeping as an offcut list (.ofc)\n"
         "\n"
         "What drawings and pictures show (the layout tab's check boxes):\n"
         "  --labels, --no-labels   part labels (shown by default)\n"
         "  --sizes                 length x width of every part\n"
         "  --positions             (left,top) of every part\n"
         "  --no-offcuts            leave the kept offcuts out\n"
         "\n"
         "Progress and help:\n"
         "  --progress         draw a progress bar on standard error\n"
         "  --help             show this text\n"
         "\n"
         "Exit status: 0 done, 1 job refused (the reason on standard error),\n"
         "2 bad usage or an unreadable file.\n";
}

}  // namespace vexlin
