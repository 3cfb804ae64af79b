#include "output/ui/report_tab.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QVBoxLayout>

#include "model/ui/caption_texts.h"

namespace vexlin {

TReportTab::TReportTab(QWidget* parent) : QWidget(parent) {
  setObjectName("TabSheetReport");
  report_ = new QListWidget(this);
  report_->setObjectName("ListBoxReport");
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setBold(true);
  report_->setFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(report_);
}

void TReportTab::SetLines(const std::vector<std::string>& lines) {
  report_->clear();
  for (const std::string& line : lines) report_->addItem(ToQString(line));
}

QStringList TReportTab::Lines() const {
  QStringList lines;
  for (int row = 0; row < report_->count(); ++row) lines << report_->item(row)->text();
  return lines;
}

}  // namespace vexlin
