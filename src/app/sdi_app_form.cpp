#include "app/sdi_app_form.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolBar>

#include "app/about_box.h"
#include "app/help_file.h"
#include "app/product_info.h"
#include "app/program_art.h"
#include "input/caption_file.h"
#include "input/ui/configure_tab.h"
#include "input/ui/list_tab.h"
#include "input/ui/offcuts_tab.h"
#include "input/ui/profile_tab.h"
#include "model/text_table.h"
#include "model/ui/caption_texts.h"
#include "output/ui/layout_tab.h"
#include "output/ui/report_tab.h"
#include "run/ui/optimize_command.h"
#include "uikit/ui_services.h"

namespace vexlin {

namespace {

constexpr int kMinimumWidth = 781;
constexpr int kMinimumHeight = 575;
constexpr int kProgressRange = 200;

// Cut, Copy and Paste act on whichever edit control has the focus.
void InvokeOnFocus(const char* action) {
  if (QWidget* focus = QApplication::focusWidget()) QMetaObject::invokeMethod(focus, action);
}

}  // namespace

TSDIAppForm::TSDIAppForm(TUiServices& services, std::filesystem::path programFolder,
                         QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      context_{services, std::move(programFolder), {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}} {
  setObjectName("SDIAppForm");
  setWindowIcon(ProgramIcon());
  setWindowTitle(QString(kVersion) + " " + kEdition + " " + kProductName);
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  context_.ShowTab = [this](QWidget& tab) { pages_->setCurrentWidget(&tab); };
  BuildTabs();
  BuildToolBar();
  BuildMenus();
  ReadDefaultFiles();
  pages_->setCurrentWidget(sheetsTab_);
}

TSDIAppForm::~TSDIAppForm() = default;

void TSDIAppForm::BuildTabs() {
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl");
  sheetsTab_ = new TListTab(TGridKind::Sheets, context_, pages_);
  partsTab_ = new TListTab(TGridKind::Parts, context_, pages_);
  profileTab_ = new TProfileTab(context_, profiles_, dxf_, pages_);
  offcutsTab_ = new TOffcutsTab(context_, *sheetsTab_, pages_);
  configureTab_ = new TConfigureTab(context_, pages_);
  layoutTab_ = new TLayoutTab(context_, engine_, relayoutEngine_, pages_);
  reportTab_ = new TReportTab(pages_);
  for (QWidget* tab :
       std::initializer_list<QWidget*>{sheetsTab_, partsTab_, profileTab_, offcutsTab_,
                                       configureTab_, layoutTab_, reportTab_}) {
    pages_->addTab(tab, QString());
  }
  setCentralWidget(pages_);
  context_.ReadOption = [this] { return configureTab_->ReadOption(); };
  context_.OptionSettings = [this] { return configureTab_->Settings(); };
  context_.ShowReport = [this](const std::vector<std::string>& lines) {
    reportTab_->SetLines(lines);
  };
  context_.ReportLines = [this] {
    std::vector<std::string> lines;
    for (const QString& line : reportTab_->Lines()) lines.push_back(ToStdString(line));
    return lines;
  };
  context_.Printer = [this]() -> QPrinter& { return Printer(); };
  context_.SetPrinterFontSize = [this](const std::string& text) {
    configureTab_->SetPrinterFontSize(ToQString(text));
  };
  context_.PictureStyle = [this] {
    const TOptionSettings settings = configureTab_->Settings();
    return TPictureStyle{static_cast<TColor>(settings.SheetColor),
                         static_cast<TColor>(settings.PartColor),
                         static_cast<TColor>(settings.OffcutColor),
                         layoutTab_->Switches(),
                         layoutTab_->ShowOffcuts(),
                         static_cast<TColor>(settings.EdgeColor)};
  };
  context_.LockForManual = [this](bool on) { LockForManual(on); };
  context_.LockForRun = [this](bool on) { LockForRun(on); };
  context_.ProfileTabShapes = [this]() -> const TTrapeziumList& { return profileShapes_; };
  connect(pages_, &QTabWidget::currentChanged, this, &TSDIAppForm::OnChangeWhenMoving);
  connect(configureTab_, &TConfigureTab::CaptionsChanged, this, &TSDIAppForm::RefreshCaption);
}

void TSDIAppForm::LockInputTabs(bool on) {
  for (QWidget* tab : std::initializer_list<QWidget*>{sheetsTab_, partsTab_, profileTab_,
                                                      offcutsTab_, configureTab_}) {
    tab->setEnabled(!on);
  }
}

// Every other tab stays reachable to look at, but nothing outside the Layout tab acts
// until the hand-made changes are confirmed or cancelled.
void TSDIAppForm::LockForManual(bool on) {
  toolBar_->setEnabled(!on);
  LockInputTabs(on);
  reportTab_->setEnabled(!on);
}

// The run works on copies of the lists, but the tabs' loads and the options change what
// it reads; the result on show stays to be browsed, but not changed, saved or exported.
void TSDIAppForm::LockForRun(bool on) {
  startOptimize_->setEnabled(!on);
  stopOptimize_->setEnabled(on);
  LockInputTabs(on);
  layoutTab_->LockForRun(on);
}

// The change of tab stands; the message says why the tab cannot be used.
void TSDIAppForm::OnChangeWhenMoving(int page) {
  if (layoutTab_->ManualModeOn() && pages_->widget(page) != layoutTab_) {
    services_.ShowMessage(this, MessageText("MSG_MANUAL_LOCK"));
  }
}

void TSDIAppForm::BuildToolBar() {
  QToolBar* tools = toolBar_ = addToolBar("Tools");
  tools->setObjectName("ToolBar");
  tools->setMovable(false);
  tools->addAction(QIcon::fromTheme("edit-cut"), "Cut", [] { InvokeOnFocus("cut"); });
  tools->addAction(QIcon::fromTheme("edit-copy"), "Copy", [] { InvokeOnFocus("copy"); });
  tools->addAction(QIcon::fromTheme("edit-paste"), "Paste", [] { InvokeOnFocus("paste"); });
  tools->addSeparator();
  startOptimize_ = tools->addAction("Start Optimize");
  startOptimize_->setObjectName("StartOptimize");
  stopOptimize_ = tools->addAction(QIcon::fromTheme("process-stop"), "Stop");
  stopOptimize_->setObjectName("StopOptimize");
  stopOptimize_->setEnabled(false);
  tools->addSeparator();
  QAction* help =
      tools->addAction(QIcon::fromTheme("help-contents"), "Help", this, &TSDIAppForm::HelpClick);
  help->setObjectName("ToolButtonHelp");
  progressBar_ = new QProgressBar(tools);
  progressBar_->setObjectName("ProgressBar");
  progressBar_->setRange(0, kProgressRange);
  progressBar_->setTextVisible(false);
  QAction* progressShown = tools->addWidget(progressBar_);
  progressShown->setVisible(false);
  auto* optimize = new TOptimizeCommand(
      context_, {*sheetsTab_, *partsTab_, *profileTab_, *layoutTab_, *reportTab_}, profiles_,
      engine_, *progressBar_, *progressShown, this);
  connect(startOptimize_, &QAction::triggered, optimize, &TOptimizeCommand::StartOptimizeClick);
  connect(stopOptimize_, &QAction::triggered, optimize, &TOptimizeCommand::StopOptimizeClick);
}

void TSDIAppForm::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("P&rint Setup...", this, [this] { QPrintDialog(&Printer(), this).exec(); });
  file->addAction("&Support", this, [this] { OpenHelpSection(kHelpSupportSection); });
  file->addAction("&Update", this, [this] { OpenHelpSection(kHelpUpdateSection); });
  file->addAction("E&xit", this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu("&Edit");
  edit->addAction("Cu&t", QKeySequence::Cut, [] { InvokeOnFocus("cut"); });
  edit->addAction("&Copy", QKeySequence::Copy, [] { InvokeOnFocus("copy"); });
  edit->addAction("&Paste", QKeySequence::Paste, [] { InvokeOnFocus("paste"); });

  QMenu* help = menuBar()->addMenu("&Help");
  help->addAction("&About...", this, &TSDIAppForm::AboutClick);
  help->addAction("&Online", this, [this] { OpenHelpSection(kHelpOnlineSection); });
  help->addAction("&Question", this,
                  [this] { services_.OpenWithDesktop(QUrl(QString("mailto:") + kSupportMail)); });
  help->addAction("&Contents", this, &TSDIAppForm::HelpClick);
}

// Made on demand: asking the print system for its default printer can take a while.
QPrinter& TSDIAppForm::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  return *printer_;
}

void TSDIAppForm::HelpClick() {
  OpenHelpSection({});
}

void TSDIAppForm::OpenHelpSection(const QString& section) {
  const QUrl address = HelpAddress(ProgramFolder(), section);
  if (address.isValid()) services_.OpenWithDesktop(address);
}

void TSDIAppForm::AboutClick() {
  TAboutBox(services_, ProgramFolder(), this).exec();
}

QString TSDIAppForm::DefaultFile(const char* name) const {
  return ToQString((ProgramFolder() / name).string());
}

// The options come first, so the captions and the lists' totals follow them.
void TSDIAppForm::ReadDefaultFiles() {
  configureTab_->ReadOptionFile("default");
  ReadCaptionFile(ToStdString(DefaultFile("default.cap")), Texts());
  RefreshCaption();
  sheetsTab_->ReadFile(DefaultFile("default.sht"));
  partsTab_->ReadFile(DefaultFile("default.prt"));
  offcutsTab_->ReadFile(DefaultFile("default.ofc"));
  profileTab_->ReadAnyShapeFile(DefaultFile("default.apt"));
}

void TSDIAppForm::RefreshCaption() {
  Texts().RefreshDerived();
  static constexpr const char* kTabKeys[] = {"Tab Sheets",  "Tab Parts",     "Tab Profiles",
                                             "Tab Offcuts", "Tab Configure", "Tab Layout",
                                             "Tab Report"};
  for (int tab = 0; tab < pages_->count(); ++tab) {
    pages_->setTabText(tab, CaptionText(kTabKeys[tab]));
    pages_->setTabToolTip(tab, HintText(kTabKeys[tab]));
  }
  startOptimize_->setToolTip(HintText("Start Optimize Button"));
  stopOptimize_->setText(CaptionText("Stop Optimize Button"));
  stopOptimize_->setToolTip(HintText("Stop Optimize Button"));
  sheetsTab_->RefreshCaptions();
  partsTab_->RefreshCaptions();
  profileTab_->RefreshCaptions();
  offcutsTab_->RefreshCaptions();
  configureTab_->RefreshCaptions();
  layoutTab_->RefreshCaptions();
}

}  // namespace vexlin
