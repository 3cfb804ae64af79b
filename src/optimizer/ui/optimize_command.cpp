#include "optimizer/ui/optimize_command.h"

#include <QAction>
#include <QProgressBar>

#include "app/tab_context.h"
#include "app/ui_services.h"
#include "input/grid_readers.h"
#include "input/profile_list.h"
#include "input/ui/list_tab.h"
#include "input/ui/profile_tab.h"
#include "input/ui/string_grid.h"
#include "model/trapezium_list.h"
#include "model/ui/caption_texts.h"
#include "optimizer/optimization_run.h"
#include "optimizer/vexlin.h"
#include "output/report.h"
#include "output/ui/layout_tab.h"
#include "output/ui/report_tab.h"

namespace vexlin {

TOptimizeCommand::TOptimizeCommand(TTabContext& context, const TOptimizeTabs& tabs,
                                   TProfileLists& profiles, TVexlin& engine, QProgressBar& progress,
                                   QAction& progressShown, QObject* parent)
    : QObject(parent),
      context_(context),
      tabs_(tabs),
      profiles_(profiles),
      engine_(engine),
      progress_(progress),
      progressShown_(progressShown) {}

void TOptimizeCommand::StartOptimizeClick() {
  progress_.setValue(0);
  progressShown_.setVisible(true);
  StartOptimizeProcess();
  progress_.setValue(progress_.maximum());
  progressShown_.setVisible(false);
}

namespace {

// The grid keeps the cells the reader rewrote ("0" costs, part codes).
template <typename TReader>
bool ReadGrid(TListTab& tab, TReader reader) {
  TGrid rows = tab.Grid().DataRows();
  const std::optional<TCellFault> fault = reader(rows);
  tab.Grid().SetDataRows(rows);
  if (fault) tab.ShowFault(*fault);
  return !fault;
}

}  // namespace

bool TOptimizeCommand::ReadSheetsGrid() {
  sheets_.ClearAll();
  return ReadGrid(tabs_.Sheets, [this](TGrid& rows) { return ReadSheetRows(rows, sheets_); });
}

bool TOptimizeCommand::ReadPartsGrid() {
  parts_.ClearAll();
  const bool profilesDefined = !profiles_.Shapes->Empty();
  return ReadGrid(tabs_.Parts, [this, profilesDefined](TGrid& rows) {
    return ReadPartRows(rows, profilesDefined, parts_);
  });
}

void TOptimizeCommand::StartOptimizeProcess() {
  const std::optional<TOptionValues> values = context_.ReadOption();
  if (!values || !ReadSheetsGrid() || !ReadPartsGrid() || !tabs_.Profile.ReadAnyShapeGrid()) {
    return;
  }
  ApplyOptionValues(*values);
  tabs_.Layout.HideLayout();
  tabs_.Report.SetLines({});
  // The result keeps the outlines it is cut with, whatever the Profile tab holds later.
  ProfileShapes() = *profiles_.Shapes;
  const std::string error =
      RunOptimization(engine_, sheets_, parts_, profiles_.Profiles, *values, [this] {
        progress_.setValue((progress_.value() + 1) % (progress_.maximum() + 1));
        progress_.repaint();
      });
  if (!error.empty()) {
    context_.Services.ShowMessage(&tabs_.Report, ToQString(error));
    return;
  }
  tabs_.Layout.ShowResult(engine_, *values);
  ShowReport(*values);
}

void TOptimizeCommand::ShowReport(const TOptionValues& values) {
  const TReportSettings settings = ReportSettingsOf(values, tabs_.Layout.ShowOffcuts());
  tabs_.Report.SetLines(FormatRunReport(engine_, settings));
}

}  // namespace vexlin
