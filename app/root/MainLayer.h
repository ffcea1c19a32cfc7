#pragma once
// The window's main layer, back to front: the ambient backdrop in the
// current section's colours, the intro video while the first run plays it,
// and the split of sidebar and detail pane, whose opacity the first run
// lowers while the intro plays. Every layer fills the whole layer.
// Owns its children. GUI thread only.

#include <QWidget>

#include "design/theme/SectionPalette.h"

class QGraphicsOpacityEffect;

namespace tidewell::design {
class AmbientBackground;
}

namespace tidewell::app {

class DetailPane;
class Sidebar;

class MainLayer : public QWidget {
  Q_OBJECT
 public:
  // Takes ownership of sidebar and detail.
  MainLayer(Sidebar* sidebar, DetailPane* detail, QWidget* parent = nullptr);

  Sidebar* sidebar() const { return sidebar_; }
  DetailPane* detail() const { return detail_; }
  design::AmbientBackground* backdrop() const { return backdrop_; }
  QWidget* split() const { return split_; }

  void setAccent(const design::SectionPalette& accent);

  // Places intro between the backdrop and the split (taking ownership), or
  // removes and deletes the one there (nullptr).
  void setIntro(QWidget* intro);
  QWidget* intro() const { return intro_; }

  // The split's opacity, 0 to 1; at 1 no effect is applied at all.
  void setSplitOpacity(double opacity);
  double splitOpacity() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  design::AmbientBackground* backdrop_;
  QWidget* split_;
  Sidebar* sidebar_;
  DetailPane* detail_;
  QWidget* intro_ = nullptr;
  QGraphicsOpacityEffect* fade_ = nullptr;
};

}  // namespace tidewell::app
