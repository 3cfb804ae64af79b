#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QListWidget;

namespace vexlin {

// The Report tab: the lines of the whole run's report in a fixed-width font, so that
// their columns line up.
class TReportTab : public QWidget {
  Q_OBJECT

 public:
  explicit TReportTab(QWidget* parent = nullptr);

  void SetLines(const std::vector<std::string>& lines);
  QStringList Lines() const;

 private:
  QListWidget* report_ = nullptr;
};

}  // namespace vexlin
