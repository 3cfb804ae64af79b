#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "output/report.h"

namespace vexlin {

class TVexlin;

// A report line as one table cell: "<", ">", "&" and quotes are escaped first, so a label
// cannot break the page, then every blank becomes "&nbsp;" to keep the columns aligned.
std::string HtmlCellText(std::string_view line);

// The picture of layout index beside the page: cut.html with ".svg" gives cut.html_1.svg for
// the first layout.
std::string HtmlPictureName(std::string_view pagePath, size_t index, std::string_view extension);

// The page text in UTF-8, as it declares, with CR LF line ends: the run report in one table,
// then per layout its report and its picture in a table of their own. Picture names are
// linked as relative URLs; layouts without a picture name get no picture.
std::string FormatHtmlPage(const std::vector<std::string>& runReport,
                           const std::vector<std::vector<std::string>>& layoutReports,
                           const std::vector<std::string>& pictureFiles);

// Writes the page of a whole result, one picture file name per layout (the pictures are
// written by the caller). Returns "MSG_LAYOUT_IS_EMPTY" for an empty result, a text when
// the picture names do not match the layouts or the page cannot be written, otherwise empty.
std::string ExportHtml(const std::string& pagePath, const TVexlin& run,
                       const TReportSettings& settings,
                       const std::vector<std::string>& pictureFiles,
                       const TReportClock& clock = LocalDateTime);

}  // namespace vexlin
