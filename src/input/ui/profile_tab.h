#pragma once

#include <QWidget>
#include <array>

#include "input/standard_shapes.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;

namespace vexlin {

class TPaintBox;
class TStringGrid;
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

 public slots:
  void ComboBoxStandShapeChange();
  void ButtonAddAnyShapeClick();
  void ButtonImportDXFClick();
  void StringGridAnyShapeClick();
  void AnyShapeOpenClick();
  void AnyShapeSaveClick();
  void AnyShapeSaveAsClick();
  void AnyShapeDeleteClick();
  void AnyShapeDeleteAllClick();

 private:
  static constexpr int kShapeCount = 7;

  QWidget* BuildListSide();
  QGroupBox* BuildEditGroup();
  QWidget* BuildPreviewPanel();
  TPaintBox* BuildListPreview();
  QPushButton* AddButton(const char* name, QWidget& parent);
  TShapeParams ParameterTexts() const;
  // Hides the seven pictures and the DXF box, then shows the one asked for, if any.
  void ShowOnlyPreview(QWidget* preview);
  // After the imported outline was emptied: the chosen standard shape shows again.
  void ForgetDxfOutline();
  void OnShowDXF(QPainter& painter, QSize size);
  void OnPaintAnyShape(QPainter& painter, QSize size);
  // The profile of the grid's current row; -1 when the row holds none.
  int SelectedProfile() const;

  TTabContext& context_;
  TProfileLists& lists_;
  TDxfImport& dxf_;

  TStringGrid* grid_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  QLineEdit* fileName_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* saveAs_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* deleteAll_ = nullptr;

  QGroupBox* editGroup_ = nullptr;
  QComboBox* shapes_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* importDxf_ = nullptr;
  QLabel* labelCaption_ = nullptr;
  QLineEdit* label_ = nullptr;
  QLabel* qtyCaption_ = nullptr;
  QLineEdit* qty_ = nullptr;
  TStringGrid* parameters_ = nullptr;

  std::array<QLabel*, kShapeCount> pictures_{};
  TPaintBox* dxfBox_ = nullptr;
  TPaintBox* listPreview_ = nullptr;
};

}  // namespace vexlin
