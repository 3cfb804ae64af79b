#include "output/ui/print_commands.h"

#include <QFont>
#include <QFontDatabase>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <optional>
#include <string>
#include <vector>

#include "model/ui/caption_texts.h"
#include "model/ui/qt_canvas.h"
#include "optimizer/vexlin.h"
#include "output/ui/layout_tab.h"
#include "uikit/tab_context.h"
#include "uikit/ui_services.h"

namespace vexlin {
namespace {

// One device unit is a point, so the printer font size reads as a size in points, and the
// pages match those the batch tool writes.
constexpr int kPdfResolution = 72;

// Fixed-width, so the columns of the report lines stay aligned on paper.
QFont PrinterFont(int32_t height) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(height);
  return font;
}

// Draws a document's pages; false when the device cannot start one.
template <typename TPrint>
bool PaintPages(QPagedPaintDevice& device, int32_t fontHeight, const TPrint& print) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setFont(PrinterFont(fontHeight));
  TQtCanvas canvas(painter);
  print(canvas, TPrintPage{device.width(), device.height(), fontHeight}, device);
  painter.end();
  return true;
}

// Where no printer is set up, Qt's printer is a PDF writer without a file. It is not even
// tried: a failed start leaves a printer busy for good, so it could not print later either.
bool CanPrintOn(const QPrinter& printer) {
  if (!printer.isValid()) return false;
  return printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
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

TPrintCommands::TPagesPrint TPrintCommands::AllPages(const std::vector<std::string>& reportLines) {
  return [this, &reportLines](TCanvas& canvas, const TPrintPage& page, QPagedPaintDevice& device) {
    PrintAllPages(engine_.BestResult, reportLines, tab_.ReportSettings(), tab_.Switches(), page,
                  canvas, [&device] { device.newPage(); });
  };
}

// The font is settled before the document begins, so no message box waits on an open job.
// Without a printer no document can begin, which the user is told rather than nothing
// happening.
void TPrintCommands::PrintDocument(TPrintedPage firstPage, const TPagesPrint& print) {
  const int32_t fontHeight = PrinterFontHeight(firstPage);
  QPrinter& printer = context_.Printer();
  if (!CanPrintOn(printer) || !PaintPages(printer, fontHeight, print)) {
    context_.Services.ShowMessage(&tab_, MessageText("MSG_NO_PRINTER"));
  }
}

void TPrintCommands::ButtonPrintAllClick() {
  if (RefuseEmptyResult()) return;
  const std::vector<std::string> reportLines = context_.ReportLines();
  PrintDocument(TPrintedPage::Report, AllPages(reportLines));
}

void TPrintCommands::ButtonPrintCurrentPageClick() {
  const int32_t index = tab_.CurrentLayoutIndex();
  if (index < 0 || static_cast<size_t>(index) >= engine_.BestResult.Size()) {
    context_.Services.ShowMessage(&tab_, MessageText("MSG_LAYOUT_IS_EMPTY"));
    return;
  }
  const auto shown = static_cast<size_t>(index);
  PrintDocument(TPrintedPage::Layout,
                [&](TCanvas& canvas, const TPrintPage& page, QPagedPaintDevice&) {
                  PrintScheme(engine_.BestResult[shown], shown, tab_.ReportSettings(),
                              tab_.Switches(), page, canvas);
                });
}

void TPrintCommands::ButtonPrintReportClick() {
  if (RefuseEmptyResult()) return;
  const std::vector<std::string> reportLines = context_.ReportLines();
  PrintDocument(TPrintedPage::Report,
                [&](TCanvas& canvas, const TPrintPage& page, QPagedPaintDevice&) {
                  PrintReport(reportLines, page, canvas);
                });
}

// The pages of "Print All" on A4, whatever printer there is or is not.
void TPrintCommands::ButtonExportPDFClick() {
  if (RefuseEmptyResult()) return;
  const std::optional<QString> path = AskSavePath(context_.Services, &tab_, "pdf");
  if (!path) return;
  const int32_t fontHeight = PrinterFontHeight(TPrintedPage::Report);
  const std::vector<std::string> reportLines = context_.ReportLines();
  QPdfWriter writer(*path);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF());
  writer.setResolution(kPdfResolution);
  if (!PaintPages(writer, fontHeight, AllPages(reportLines))) {
    context_.Services.ShowMessage(&tab_, "Cannot write the file " + *path + ".");
  }
}

}  // namespace vexlin
