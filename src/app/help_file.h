#pragma once

#include <QString>
#include <QUrl>
#include <filesystem>

namespace vexlin {

// Where the help page is: "help/vexlinhelp.html" of the program folder, else the copy
// installed beside the program, else the one of the source tree the program was built
// from. Empty when there is none.
QString HelpFilePath(const std::filesystem::path& programFolder);

// The help page, opened at a section when one is named.
QUrl HelpAddress(const std::filesystem::path& programFolder, const QString& section = {});

}  // namespace vexlin
