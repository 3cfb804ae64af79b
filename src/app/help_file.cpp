#include "app/help_file.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vexlin {

namespace {

constexpr const char* kHelpName = "vexlinhelp.html";

QStringList HelpFolders(const std::filesystem::path& programFolder) {
  return {QString::fromStdString((programFolder / "help").string()),
          QCoreApplication::applicationDirPath() + "/../share/vexlin/help",
          QStringLiteral(VEXLIN_SOURCE_HELP_DIR)};
}

}  // namespace

QString HelpFilePath(const std::filesystem::path& programFolder) {
  for (const QString& folder : HelpFolders(programFolder)) {
    const QFileInfo help(folder + "/" + kHelpName);
    if (help.isFile()) return help.canonicalFilePath();
  }
  return {};
}

QUrl HelpAddress(const std::filesystem::path& programFolder, const QString& section) {
  const QString path = HelpFilePath(programFolder);
  if (path.isEmpty()) return {};
  QUrl address = QUrl::fromLocalFile(path);
  if (!section.isEmpty()) address.setFragment(section);
  return address;
}

}  // namespace vexlin
