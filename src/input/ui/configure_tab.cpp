#include "input/ui/configure_tab.h"

#include "app/tab_context.h"

namespace vexlin {

TConfigureTab::TConfigureTab(TTabContext& /*context*/, QWidget* parent) : QWidget(parent) {
  setObjectName("TabSheetSetup");
}

TOptionSettings TConfigureTab::Settings() const { return {}; }
void TConfigureTab::SetSettings(const TOptionSettings& /*settings*/) {}
void TConfigureTab::ReadOptionFile(const std::string& /*name*/) {}
void TConfigureTab::WriteOptionFile(const std::string& /*name*/) {}
std::optional<TOptionValues> TConfigureTab::ReadOption() {
  TOptionValues values;
  if (ReadOptionValues(Settings(), values)) return {};
  return values;
}
void TConfigureTab::RefreshCaptions() {}
void TConfigureTab::ButtonSaveOptionsClick() {}

}  // namespace vexlin
