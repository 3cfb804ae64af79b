#include "output/html_export.h"

#include <cctype>
#include <fstream>

#include "model/text_table.h"
#include "optimizer/vexlin.h"
#include "output/export_check.h"

namespace vexlin {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The entity of a character that would end a text or an attribute, empty for any other.
std::string_view EntityOf(char c) {
  switch (c) {
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '&':
      return "&amp;";
    case '"':
      return "&quot;";
    case '\'':
      return "&#39;";
    default:
      return {};
  }
}

std::string EscapeHtml(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const std::string_view entity = EntityOf(c);
    if (entity.empty()) {
      out += c;
    } else {
      out += entity;
    }
  }
  return out;
}

bool IsUrlSafe(unsigned char c) {
  return std::isalnum(c) != 0 || c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
}

// A file name as a relative URL: every byte but letters, digits, "-._~" and the folder
// separator is percent-encoded, so blanks, "&", quotes, "<", "#" and "%" stay in the name.
std::string PictureUrl(std::string_view fileName) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url;
  for (const char c : fileName) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUrlSafe(byte)) {
      url += c;
    } else {
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 0x0F];
    }
  }
  return url;
}

void AddLine(std::string& page, std::string_view line) {
  page += line;
  page += kLineEnd;
}

void AddReportRows(std::string& page, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    AddLine(page, "<tr><td>");
    AddLine(page, HtmlCellText(line));
    AddLine(page, "</td></tr>");
  }
}

void AddLayoutTable(std::string& page, const std::vector<std::string>& report,
                    const std::string* picture) {
  AddLine(page, "<p>&nbsp;</p>");
  AddLine(page, "<table width=80% border=1>");
  AddReportRows(page, report);
  if (picture != nullptr) {
    AddLine(page, "<tr><td>");
    AddLine(page, "<img src=\"" + PictureUrl(*picture) + "\">");
    AddLine(page, "</td></tr>");
  }
  AddLine(page, "</table>");
  AddLine(page, "<p>&nbsp;</p>");
}

std::string WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) out << text;
  if (out) out.close();
  if (!out) return "Cannot write the file " + path + ".";
  return {};
}

}  // namespace

std::string HtmlCellText(std::string_view line) {
  std::string cell;
  for (const char c : EscapeHtml(line)) {
    if (c == ' ') {
      cell += "&nbsp;";
    } else {
      cell += c;
    }
  }
  return cell;
}

std::string HtmlPictureName(std::string_view pagePath, size_t index, std::string_view extension) {
  return std::string(pagePath) + "_" + std::to_string(index + 1) + std::string(extension);
}

std::string FormatHtmlPage(const std::vector<std::string>& runReport,
                           const std::vector<std::vector<std::string>>& layoutReports,
                           const std::vector<std::string>& pictureFiles) {
  std::string page;
  for (const char* line :
       {"<html>", "<head>", "<meta charset=\"utf-8\">", "</head>", "<body>",
        "<center><font face=monospace>", "<p>&nbsp;</p>", "<table width=80% border=1>"}) {
    AddLine(page, line);
  }
  AddReportRows(page, runReport);
  AddLine(page, "</table>");
  AddLine(page, "<p>&nbsp;</p>");
  for (size_t i = 0; i < layoutReports.size(); ++i) {
    AddLayoutTable(page, layoutReports[i], i < pictureFiles.size() ? &pictureFiles[i] : nullptr);
  }
  for (const char* line : {"</font></center>", "</body>", "</html>"}) AddLine(page, line);
  return page;
}

std::string ExportHtml(const std::string& pagePath, const TVexlin& run,
                       const TReportSettings& settings,
                       const std::vector<std::string>& pictureFiles, const TReportClock& clock) {
  const TSchemes& result = run.BestResult;
  if (result.Empty()) return Texts().Text("MSG_LAYOUT_IS_EMPTY");
  if (std::string refusal = UnexportablePieceMessage(result); !refusal.empty()) return refusal;
  if (pictureFiles.size() != result.Size()) {
    return "The page needs one picture per layout: " + std::to_string(result.Size()) +
           " layouts, " + std::to_string(pictureFiles.size()) + " pictures.";
  }
  std::vector<std::vector<std::string>> layoutReports;
  for (size_t i = 0; i < result.Size(); ++i) {
    layoutReports.push_back(FormatOneLayoutReport(result[i], i, settings, clock));
  }
  return WriteTextFile(pagePath,
                       FormatHtmlPage(FormatRunReport(run, settings), layoutReports, pictureFiles));
}

}  // namespace vexlin
