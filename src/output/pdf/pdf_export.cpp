#include "output/pdf/pdf_export.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <memory>

#include "model/text_table.h"
#include "optimizer/schemes.h"
#include "output/layout_printing.h"
#include "output/pdf/cairo_canvas.h"

namespace vexlin {
namespace {

// A4 in points, cairo's PDF unit.
constexpr double kA4Width = 595.276;
constexpr double kA4Height = 841.89;

using TSurface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using TContext = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

std::string WriteError(const std::string& path, cairo_status_t status) {
  return "Cannot write the file " + path + ": " + cairo_status_to_string(status) + ".";
}

}  // namespace

std::string ExportPdf(const std::string& path, const TSchemes& result,
                      const std::vector<std::string>& reportLines, const TReportSettings& settings,
                      const TDrawSwitches& switches, int32_t fontHeight,
                      const TReportClock& clock) {
  if (result.Empty()) return Texts().Text("MSG_LAYOUT_IS_EMPTY");
  const TSurface surface(cairo_pdf_surface_create(path.c_str(), kA4Width, kA4Height),
                         cairo_surface_destroy);
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    return WriteError(path, cairo_surface_status(surface.get()));
  }
  const TContext cairo(cairo_create(surface.get()), cairo_destroy);
  TCairoCanvas canvas(cairo.get(), fontHeight);
  const TPrintPage page{static_cast<int32_t>(kA4Width), static_cast<int32_t>(kA4Height),
                        fontHeight};
  PrintAllPages(
      result, reportLines, settings, switches, page, canvas,
      [&cairo] { cairo_show_page(cairo.get()); }, clock);
  cairo_show_page(cairo.get());
  cairo_surface_finish(surface.get());
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    return WriteError(path, cairo_surface_status(surface.get()));
  }
  return {};
}

}  // namespace vexlin
