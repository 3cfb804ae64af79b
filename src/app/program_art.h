#pragma once

#include <QIcon>
#include <QPixmap>

namespace vexlin {

// The program's pictures, drawn rather than shipped: a sheet with parts cut from it.
QPixmap ProgramPicture(int size);
QIcon ProgramIcon();

}  // namespace vexlin
