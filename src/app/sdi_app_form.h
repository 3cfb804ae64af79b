#pragma once

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <string>

#include "input/dxf_import.h"
#include "input/profile_list.h"
#include "optimizer/vexlin.h"
#include "uikit/tab_context.h"

class QAction;
class QPrinter;
class QProgressBar;
class QTabWidget;
class QToolBar;

namespace vexlin {

class TConfigureTab;
class TLayoutTab;
class TListTab;
class TOffcutsTab;
class TProfileTab;
class TReportTab;
class TUiServices;

// The main window. It owns the engine objects and the input lists for the life of the
// program, composes the seven tabs, and reads the default files of the program folder
// (the current folder when it is created) before the user can act on it.
class TSDIAppForm : public QMainWindow {
  Q_OBJECT

 public:
  TSDIAppForm(TUiServices& services, std::filesystem::path programFolder,
              QWidget* parent = nullptr);
  ~TSDIAppForm() override;

  const std::filesystem::path& ProgramFolder() const { return context_.ProgramFolder; }
  QTabWidget& PageControl() { return *pages_; }
  TListTab& SheetsTab() { return *sheetsTab_; }
  TListTab& PartsTab() { return *partsTab_; }
  TOffcutsTab& OffcutsTab() { return *offcutsTab_; }
  TProfileTab& ProfileTab() { return *profileTab_; }
  TConfigureTab& ConfigureTab() { return *configureTab_; }
  TLayoutTab& LayoutTab() { return *layoutTab_; }
  TReportTab& ReportTab() { return *reportTab_; }
  TProfileLists& Profiles() { return profiles_; }
  TVexlin& Engine() { return engine_; }
  QProgressBar& ProgressBar() { return *progressBar_; }
  // The current printer of every print command, made when first asked for.
  QPrinter& Printer();

  // Every caption and hint of the window from the text table.
  void RefreshCaption();

 public slots:
  void HelpClick();
  void AboutClick();

 private:
  void BuildTabs();
  void BuildToolBar();
  void BuildMenus();
  void LockInputTabs(bool on);
  void LockForManual(bool on);
  void LockForRun(bool on);
  void OnChangeWhenMoving(int page);
  void OpenHelpSection(const QString& section);
  void ReadDefaultFiles();
  QString DefaultFile(const char* name) const;

  TUiServices& services_;
  TTabContext context_;
  TVexlin engine_;
  TVexlin relayoutEngine_;        // lays out one sheet again for "Auto Rearrange"
  TTrapeziumList profileShapes_;  // the Profile tab's; the result's are ProfileShapes()
  TProfileLists profiles_{{}, &profileShapes_};
  TDxfImport dxf_;

  QTabWidget* pages_ = nullptr;
  TListTab* sheetsTab_ = nullptr;
  TListTab* partsTab_ = nullptr;
  TProfileTab* profileTab_ = nullptr;
  TOffcutsTab* offcutsTab_ = nullptr;
  TConfigureTab* configureTab_ = nullptr;
  TLayoutTab* layoutTab_ = nullptr;
  TReportTab* reportTab_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QAction* startOptimize_ = nullptr;
  QAction* stopOptimize_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace vexlin
