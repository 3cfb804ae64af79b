#pragma once

#include <QWidget>
#include <string>

#include "input/grid_rows.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace vexlin {

class TStringGrid;
struct TTabContext;

// The Sheets, Parts or Offcuts tab: the grid of one input list, its totals panel, the
// Delete, Delete All, Load, Save, Save As... and Import TXT commands and the box naming the
// file in use. Control names carry the list's word ("SheetsOpen", "EditTotalPartsArea").
class TListTab : public QWidget {
  Q_OBJECT

 public:
  TListTab(TGridKind kind, TTabContext& context, QWidget* parent = nullptr);

  TGridKind Kind() const { return kind_; }
  TStringGrid& Grid() { return *grid_; }
  QString FileName() const;

  // Checks the rows and refreshes the totals panel; on a fault selects the failing cell,
  // shows its message and keeps the panel. False when the options or a row were refused.
  bool ComputeTotals();
  void ReadFile(const QString& path);
  void SaveFile(const QString& path);
  void ReadTxtFile(const QString& path);
  // Shows this tab with the refused cell selected, then the fault's message.
  void ShowFault(const TCellFault& fault);
  virtual void RefreshCaptions();

 public slots:
  void EnterPressed();
  void DeleteClick();
  void DeleteAllClick();
  void OpenClick();
  void SaveClick();
  void SaveAsClick();
  void ImportTxtClick();

 protected:
  // The column of buttons, for the tab's own extra commands.
  QVBoxLayout& ButtonColumn() { return *buttons_; }
  TTabContext& Context() { return context_; }

 private:
  QPushButton* AddButton(const char* name);
  void BuildTotalsPanel(QWidget& panel);
  void EmptyRow(int row);

  TGridKind kind_;
  TTabContext& context_;
  QString word_;  // "Sheets", "Parts" or "Offcuts" in control names
  TStringGrid* grid_ = nullptr;
  QVBoxLayout* buttons_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* saveAs_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* deleteAll_ = nullptr;
  QPushButton* importTxt_ = nullptr;
  QLabel* areaLabel_ = nullptr;
  QLabel* qtyLabel_ = nullptr;
  QLabel* costLabel_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  QLineEdit* area_ = nullptr;
  QLineEdit* quantity_ = nullptr;
  QLineEdit* cost_ = nullptr;
  QLineEdit* fileName_ = nullptr;
};

}  // namespace vexlin
