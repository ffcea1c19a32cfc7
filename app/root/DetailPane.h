#pragma once
// The right-hand side of the main window: the screen of the branch shown,
// filling the space beside the sidebar, with the section's palette as the
// accent of everything inside it. The screen is built anew whenever the
// branch changes (a section, or the Clean phase's page), so a screen's own
// state starts fresh; showing the branch already shown keeps its screen.
// GUI thread only.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/root/DetailBranch.h"

namespace tidewell::app {

class DetailPane : public QWidget {
  Q_OBJECT
 public:
  // Builds the screen of a branch; the pane owns what it returns.
  using Factory = std::function<QWidget*(DetailBranch branch)>;

  explicit DetailPane(Factory factory, QWidget* parent = nullptr);

  // Shows branch in its section's colours; rebuilds only when it changed.
  void show(DetailBranch branch);

  QWidget* screen() const { return screen_; }
  std::optional<DetailBranch> branch() const { return branch_; }
  // How many screens this pane has built.
  int screensBuilt() const { return built_; }

 private:
  Factory factory_;
  QPointer<QWidget> screen_;
  std::optional<DetailBranch> branch_;
  int built_ = 0;
};

}  // namespace tidewell::app
