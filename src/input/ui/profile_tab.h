#pragma once

#include <QWidget>

namespace vexlin {

struct TDxfImport;
struct TProfileLists;
struct TTabContext;

// The Profile tab: the list of shaped parts with their quantities, the definition of a
// new one from a standard shape or an imported DXF outline, previews, and ".apt" files.
class TProfileTab : public QWidget {
  Q_OBJECT

 public:
  TProfileTab(TTabContext& context, TProfileLists& lists, TDxfImport& dxf,
              QWidget* parent = nullptr);

  // Reads the quantity column back into the profile pieces; false (message shown) on a
  // quantity that is not a whole number.
  bool ReadAnyShapeGrid();
  void ReadAnyShapeFile(const QString& path);
  void SaveAnyShapeFile(const QString& path);
  void ShowAnyShapeList();
  void RefreshCaptions();
};

}  // namespace vexlin
