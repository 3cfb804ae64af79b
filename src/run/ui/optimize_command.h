#pragma once

#include <QObject>

#include "input/option_values.h"
#include "model/panels.h"
#include "model/trapezium_list.h"

class QAction;
class QProgressBar;
class QTimer;

namespace vexlin {

class TBackgroundRun;
class TConfigureTab;
class TLayoutTab;
class TListTab;
class TProfileTab;
class TReportTab;
class TVexlin;
struct TProfileLists;
struct TRunOutcome;
struct TTabContext;

// The tabs "Start Optimize" reads from and writes to.
struct TOptimizeTabs {
  TListTab& Sheets;
  TListTab& Parts;
  TProfileTab& Profile;
  TLayoutTab& Layout;
  TReportTab& Report;
};

// "Start Optimize": reads the options and the grids afresh, each refusal shown with its
// cell selected; then runs the engine in the background with the toolbar's progress bar
// stepping, the window locked against changes to the job, and shows the first layout and
// the report. "Stop" ends the run. A run refused or stopped leaves the previous result in
// place, with the options and profiles it was made with.
class TOptimizeCommand : public QObject {
  Q_OBJECT

 public:
  TOptimizeCommand(TTabContext& context, const TOptimizeTabs& tabs, TProfileLists& profiles,
                   TVexlin& engine, QProgressBar& progress, QAction& progressShown,
                   QObject* parent = nullptr);

  bool Running() const;

 public slots:
  void StartOptimizeClick();
  void StopOptimizeClick();

 private:
  // The process-wide values a result is shown with.
  struct TShownValues {
    TOptionValues Options;
    TTrapeziumList Shapes;
  };

  bool ReadSheetsGrid();
  bool ReadPartsGrid();
  void StartRun(const TOptionValues& values);
  void ShowProgress();
  void RunFinished(const TRunOutcome& outcome);
  void ShowNewResult();
  void ShowReport(const TOptionValues& values);

  TTabContext& context_;
  TOptimizeTabs tabs_;
  TProfileLists& profiles_;
  TVexlin& engine_;
  QProgressBar& progress_;
  QAction& progressShown_;  // the bar's place on the toolbar
  TBackgroundRun* run_ = nullptr;
  QTimer* progressTimer_ = nullptr;
  TPanels sheets_;
  TPanels parts_;
  TOptionValues runValues_;
  TShownValues shown_;  // of the result on show while a run works
};

}  // namespace vexlin
