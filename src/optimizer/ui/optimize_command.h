#pragma once

#include <QObject>

#include "model/panels.h"

class QAction;
class QProgressBar;

namespace vexlin {

class TConfigureTab;
class TLayoutTab;
class TListTab;
class TProfileTab;
class TReportTab;
class TVexlin;
struct TOptionValues;
struct TProfileLists;
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
// cell selected; then runs the engine with the toolbar's progress bar stepping and shows
// the first layout and the report. A run refused while reading leaves the previous result in place.
class TOptimizeCommand : public QObject {
  Q_OBJECT

 public:
  TOptimizeCommand(TTabContext& context, const TOptimizeTabs& tabs, TProfileLists& profiles,
                   TVexlin& engine, QProgressBar& progress, QAction& progressShown,
                   QObject* parent = nullptr);

 public slots:
  void StartOptimizeClick();

 private:
  void StartOptimizeProcess();
  bool ReadSheetsGrid();
  bool ReadPartsGrid();
  void ShowReport(const TOptionValues& values);

  TTabContext& context_;
  TOptimizeTabs tabs_;
  TProfileLists& profiles_;
  TVexlin& engine_;
  QProgressBar& progress_;
  QAction& progressShown_;  // the bar's place on the toolbar
  TPanels sheets_;
  TPanels parts_;
};

}  // namespace vexlin
