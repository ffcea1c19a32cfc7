#pragma once
// The right-hand side of the main window: the screen of the section shown,
// filling the space beside the sidebar, with the section's palette as the
// accent of everything inside it. The screen is the pane's page: built
// anew whenever the section changes, so a screen's own state starts fresh;
// showing the section already shown keeps its screen (a section's screen
// follows its own model's phases). The keyboard focus goes with a change
// of screen as PageHost carries it. GUI thread only.

#include <functional>
#include <optional>

#include "app/root/Section.h"
#include "screens/common/layout/PageHost.h"

namespace tidewell::app {

class DetailPane : public screens::PageHost {
  Q_OBJECT
 public:
  // Builds the screen of a section; the pane owns what it returns.
  using Factory = std::function<QWidget*(Section section)>;

  explicit DetailPane(Factory factory, QWidget* parent = nullptr);

  // Shows section in its colours; rebuilds only when it changed.
  void showSection(Section section);

  // The screen shown (the pane's page); nullptr before the first.
  QWidget* screen() const { return page(); }
  std::optional<Section> section() const { return section_; }
  // How many screens this pane has built.
  int screensBuilt() const { return built_; }

 private:
  Factory factory_;
  std::optional<Section> section_;
  int built_ = 0;
};

}  // namespace tidewell::app
