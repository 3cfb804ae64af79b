#include "run/ui/optimize_command.h"

#include <QAction>
#include <QProgressBar>
#include <QTimer>
#include <utility>

#include "input/grid_readers.h"
#include "input/profile_list.h"
#include "input/ui/list_tab.h"
#include "input/ui/profile_tab.h"
#include "model/ui/caption_texts.h"
#include "optimizer/vexlin.h"
#include "output/report.h"
#include "output/ui/layout_tab.h"
#include "output/ui/report_tab.h"
#include "run/optimization_run.h"
#include "run/ui/background_run.h"
#include "uikit/string_grid.h"
#include "uikit/tab_context.h"
#include "uikit/ui_services.h"

namespace vexlin {
namespace {

// Often enough for the bar to move smoothly, seldom enough to cost the run nothing.
constexpr int kProgressInterval = 50;

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

TOptimizeCommand::TOptimizeCommand(TTabContext& context, const TOptimizeTabs& tabs,
                                   TProfileLists& profiles, TVexlin& engine, QProgressBar& progress,
                                   QAction& progressShown, QObject* parent)
    : QObject(parent),
      context_(context),
      tabs_(tabs),
      profiles_(profiles),
      engine_(engine),
      progress_(progress),
      progressShown_(progressShown),
      run_(new TBackgroundRun(this)),
      progressTimer_(new QTimer(this)) {
  progressTimer_->setInterval(kProgressInterval);
  connect(progressTimer_, &QTimer::timeout, this, &TOptimizeCommand::ShowProgress);
  connect(run_, &TBackgroundRun::Finished, this, &TOptimizeCommand::RunFinished);
}

bool TOptimizeCommand::Running() const {
  return run_->Running();
}

void TOptimizeCommand::StartOptimizeClick() {
  if (Running()) return;
  const std::optional<TOptionValues> values = context_.ReadOption();
  if (!values || !ReadSheetsGrid() || !ReadPartsGrid() || !tabs_.Profile.ReadAnyShapeGrid()) {
    return;
  }
  StartRun(*values);
}

void TOptimizeCommand::StopOptimizeClick() {
  if (Running()) run_->RequestStop();
}

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

// The run reads the process-wide values while it works; the result on show keeps its own
// to come back to.
void TOptimizeCommand::StartRun(const TOptionValues& values) {
  shown_ = {AppliedOptionValues(), ProfileShapes()};
  runValues_ = values;
  ApplyOptionValues(values);
  // The result keeps the outlines it is cut with, whatever the Profile tab holds later.
  ProfileShapes() = *profiles_.Shapes;
  context_.LockForRun(true);
  progress_.setValue(0);
  progressShown_.setVisible(true);
  progressTimer_->start();
  run_->Start({sheets_, parts_, profiles_.Profiles, values});
}

// The bar wraps round as the run steps it, one step a unit.
void TOptimizeCommand::ShowProgress() {
  const int64_t range = progress_.maximum() + 1;
  progress_.setValue(static_cast<int>(run_->Steps() % range));
}

void TOptimizeCommand::RunFinished(const TRunOutcome& outcome) {
  progressTimer_->stop();
  progress_.setValue(progress_.maximum());
  progressShown_.setVisible(false);
  context_.LockForRun(false);
  if (outcome.End == TRunEnd::Finished) {
    ShowNewResult();
    return;
  }
  ApplyOptionValues(shown_.Options);
  ProfileShapes() = std::move(shown_.Shapes);
  if (outcome.End == TRunEnd::Refused) {
    context_.Services.ShowMessage(&tabs_.Report, ToQString(outcome.Error));
  }
}

void TOptimizeCommand::ShowNewResult() {
  shown_.Shapes.ClearList();
  tabs_.Layout.HideLayout();  // the view lets go of the layouts being replaced
  engine_ = std::move(run_->Engine());
  tabs_.Layout.ShowResult(engine_, runValues_);
  ShowReport(runValues_);
}

void TOptimizeCommand::ShowReport(const TOptionValues& values) {
  const TReportSettings settings = ReportSettingsOf(values, tabs_.Layout.ShowOffcuts());
  tabs_.Report.SetLines(FormatRunReport(engine_, settings));
}

}  // namespace vexlin
