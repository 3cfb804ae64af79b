#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "output/layout_printing.h"

class QPagedPaintDevice;

namespace vexlin {

class TLayoutTab;
class TVexlin;
struct TTabContext;

// The Layout tab's print commands: the whole result, the layout shown, or the run's report,
// each as one document on the window's current printer in the printer font of the Configure
// tab; and the whole result as a PDF file, which needs no printer.
class TPrintCommands : public QObject {
  Q_OBJECT

 public:
  // engine holds the result shown by tab.
  TPrintCommands(TTabContext& context, TLayoutTab& tab, TVexlin& engine);

  void ButtonPrintAllClick();
  void ButtonPrintCurrentPageClick();
  void ButtonPrintReportClick();
  void ButtonExportPDFClick();

 private:
  using TPagesPrint =
      std::function<void(TCanvas& canvas, const TPrintPage& page, QPagedPaintDevice& device)>;

  // Shows the message and answers true when there is no layout to print.
  bool RefuseEmptyResult();
  // The font height for the document whose first page is given; a refused size is
  // reported and the box set back to the size used instead.
  int32_t PrinterFontHeight(TPrintedPage firstPage);
  // The run's report, then every layout on a page of its own.
  TPagesPrint AllPages(const std::vector<std::string>& reportLines);
  void PrintDocument(TPrintedPage firstPage, const TPagesPrint& print);

  TTabContext& context_;
  TLayoutTab& tab_;
  TVexlin& engine_;
};

}  // namespace vexlin
