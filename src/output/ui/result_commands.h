#pragma once

#include <QObject>
#include <string>

class QString;

namespace vexlin {

class TLayoutTab;
class TVexlin;
struct TReportSettings;
struct TTabContext;

// The Layout tab's commands on the whole result: saving and loading it, its DXF, G-code and
// HTML exports, its offcut list, and laying out the shown sheet again. Each asks the user
// through the context's dialogs, calls the core and shows what the core reports.
class TResultCommands : public QObject {
  Q_OBJECT

 public:
  // relayoutEngine serves only "Auto Rearrange"; engine holds the result shown by tab.
  TResultCommands(TTabContext& context, TLayoutTab& tab, TVexlin& engine, TVexlin& relayoutEngine);

  void ButtonSaveLayoutClick();
  void ButtonLoadLayoutClick();
  void ButtonExportDXFClick();
  void ButtonExportGCodeClick();
  void ButtonSaveToHtmlClick();
  void ButtonSaveOffcutsClick();
  void ButtonLayoutAgainClick();

 private:
  // Shows the message and answers true when there is no layout to act on.
  bool RefuseEmptyResult();
  void ShowError(const std::string& error);
  void LoadLayouts(const QString& path);
  void GenerateAllOffcuts(const TReportSettings& settings);
  std::string WriteHtmlPage(const std::string& page);
  void ShowRunReport(const TReportSettings& settings);

  TTabContext& context_;
  TLayoutTab& tab_;
  TVexlin& engine_;
  TVexlin& relayoutEngine_;
};

}  // namespace vexlin
