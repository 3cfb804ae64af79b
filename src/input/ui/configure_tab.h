#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "input/option_values.h"

namespace vexlin {

struct TTabContext;

// The Configure tab: the run's options, the colours, the printer font size and G-code
// heights, "Save Configure", and the caption editor.
class TConfigureTab : public QWidget {
  Q_OBJECT

 public:
  explicit TConfigureTab(TTabContext& context, QWidget* parent = nullptr);

  // The controls' settings as typed, and back.
  TOptionSettings Settings() const;
  void SetSettings(const TOptionSettings& settings);

  // The options file of the given name ("default") in the program folder.
  void ReadOptionFile(const std::string& name);
  void WriteOptionFile(const std::string& name);

  // The options checked for a run or a totals computation; on a fault shows this tab,
  // focuses the box and shows its message.
  std::optional<TOptionValues> ReadOption();

  void RefreshCaptions();

 signals:
  // The caption editor changed texts; the window refreshes every caption.
  void CaptionsChanged();

 public slots:
  void ButtonSaveOptionsClick();
};

}  // namespace vexlin
