#include "output/ui/print_commands.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <string>
#include <vector>

#include "app/tab_context.h"
#include "app/ui_services.h"
#include "model/ui/caption_texts.h"
#include "model/ui/qt_canvas.h"
#include "optimizer/vexlin.h"
#include "output/ui/layout_tab.h"

namespace vexlin {
namespace {

// Fixed-width, so the columns of the report lines stay aligned on paper.
QFont PrinterFont(int32_t height) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(height);
  return font;
}

}  // namespace

TPrintCommands::TPrintCommands(TTabContext& context, TLayoutTab& tab, TVexlin& engine)
    : QObject(&tab), context_(context), tab_(tab), engine_(engine) {}

bool TPrintCommands::RefuseEmptyResult() {
  if (!engine_.BestResult.Empty()) return false;
  context_.Services.ShowMessage(&tab_, MessageText("MSG_LAYOUT_IS_EMPTY"));
  return true;
}

int32_t TPrintCommands::PrinterFontHeight(TPrintedPage firstPage) {
  const TPrinterFont font =
      CheckPrinterFontSize(context_.OptionSettings().PrinterFontSize, firstPage);
  if (!font.Message.empty()) {
    context_.Services.ShowMessage(&tab_, ToQString(font.Message));
    context_.SetPrinterFontSize(std::to_string(font.Height));
  }
  return font.Height;
}

// The font is settled before the document begins, so no message box waits on an open job.
void TPrintCommands::PrintDocument(TPrintedPage firstPage, const TPagesPrint& print) {
  const int32_t fontHeight = PrinterFontHeight(firstPage);
  QPrinter& printer = context_.Printer();
  QPainter painter;
  if (!painter.begin(&printer)) return;
  painter.setFont(PrinterFont(fontHeight));
  TQtCanvas canvas(painter);
  print(canvas, TPrintPage{printer.width(), printer.height(), fontHeight}, printer);
  painter.end();
}

void TPrintCommands::ButtonPrintAllClick() {
  if (RefuseEmptyResult()) return;
  const std::vector<std::string> reportLines = context_.ReportLines();
  PrintDocument(TPrintedPage::Report,
                [&](TCanvas& canvas, const TPrintPage& page, QPrinter& printer) {
                  PrintAllPages(engine_.BestResult, reportLines, tab_.ReportSettings(),
                                tab_.Switches(), page, canvas, [&printer] { printer.newPage(); });
                });
}

void TPrintCommands::ButtonPrintCurrentPageClick() {
  const int32_t index = tab_.CurrentLayoutIndex();
  if (index < 0 || static_cast<size_t>(index) >= engine_.BestResult.Size()) {
    context_.Services.ShowMessage(&tab_, MessageText("MSG_LAYOUT_IS_EMPTY"));
    return;
  }
  const auto shown = static_cast<size_t>(index);
  PrintDocument(TPrintedPage::Layout, [&](TCanvas& canvas, const TPrintPage& page, QPrinter&) {
    PrintScheme(engine_.BestResult[shown], shown, tab_.ReportSettings(), tab_.Switches(), page,
                canvas);
  });
}

void TPrintCommands::ButtonPrintReportClick() {
  if (RefuseEmptyResult()) return;
  const std::vector<std::string> reportLines = context_.ReportLines();
  PrintDocument(TPrintedPage::Report, [&](TCanvas& canvas, const TPrintPage& page, QPrinter&) {
    PrintReport(reportLines, page, canvas);
  });
}

}  // namespace vexlin
