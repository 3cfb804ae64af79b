#pragma once

#include <QDialog>
#include <filesystem>

namespace vexlin {

class TUiServices;

// The about window: product, version, notice, and links to the help's about section and
// to the support mail address.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox(TUiServices& services, const std::filesystem::path& programFolder,
            QWidget* parent = nullptr);
};

}  // namespace vexlin
