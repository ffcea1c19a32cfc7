#pragma once
// The Clean section's start page, while the Clean model is idle or
// scanning: the round "Scan My Mac" button, replaced by the scanning ring
// with its percentage while a scan runs (whoever started it), the tagline
// under it, and, once something was cleaned, the running total won back.
// It follows the model's changes and the "totalFreedBytes" setting.
//
// The window owns the model and the settings; the page shares them. Its
// button starts the model's scan and changes nothing else. Children:
// "scanButton", "scanRing", "tagline", "freedLine". GUI thread only.

#include <QWidget>
#include <memory>

#include "screens/clean/rules/ScanPageRules.h"

namespace tidewell::design {
class ScanCircleButton;
}
namespace tidewell::models {
class CleanupViewModel;
class SettingsStore;
}  // namespace tidewell::models

namespace tidewell::screens {

class AccentFigure;
class PercentRing;
class TextLabel;

class ScanPage : public QWidget {
  Q_OBJECT
 public:
  ScanPage(std::shared_ptr<models::CleanupViewModel> model, std::shared_ptr<models::SettingsStore> settings,
           QWidget* parent = nullptr);

  // What the page shows now, from the model and the setting.
  ScanPageSnapshot snapshot() const;

 private:
  void refresh();

  std::shared_ptr<models::CleanupViewModel> model_;
  std::shared_ptr<models::SettingsStore> settings_;
  design::ScanCircleButton* start_;
  PercentRing* ring_;
  TextLabel* tagline_;
  AccentFigure* freed_;
};

}  // namespace tidewell::screens
