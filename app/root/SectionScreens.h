#pragma once
// The one place where the detail pane's screens are made: one case per
// section, each taking what its screen needs from the context (its models,
// the settings, the desktop services, the way to switch sections).

#include <functional>
#include <memory>

#include "app/root/Section.h"
#include "app/root/WindowModels.h"
#include "screens/common/services/ScreenServices.h"

class QWidget;

namespace tidewell::models {
class SettingsStore;
}

namespace tidewell::app {

struct ScreenContext {
  const WindowModels& models;
  std::shared_ptr<models::SettingsStore> settings;
  const screens::ScreenServices& services;
  // Switches the window to a section (Home's selection binding).
  std::function<void(Section)> select;
};

// Builds the screen of section; the caller owns it.
QWidget* makeSectionScreen(Section section, const ScreenContext& context);

}  // namespace tidewell::app
