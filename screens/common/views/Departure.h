#pragma once
// A widget going out of view, the way its Entrance brought it in, played
// backwards: it fades to nothing and, when asked, sinks drop points below
// its place on an ease-in-out curve, then is deleted. The widget stays
// where it stands while it goes (the caller takes it out of its layout
// first, so what replaces it can take its place). Under reduce motion it
// goes at once. An entrance still under way on the widget is cut short.
// GUI thread only; owned by (parented to) its widget.

#include <QObject>

#include "design/motion/Transition.h"

class QWidget;

namespace tidewell::design {
class FrameTimer;
}

namespace tidewell::screens {

class EntranceEffect;

class Departure : public QObject {
  Q_OBJECT
 public:
  // Starts widget's departure over seconds; drop 0 only fades.
  static Departure* play(QWidget* widget, double seconds, double drop = 0);

  // 0 at the start, 1 once the widget is gone from view.
  double progress() const;
  bool isFinished() const;

 private:
  Departure(QWidget* widget, double seconds, double drop);
  void onFrame();

  QWidget* widget_;
  double drop_;
  design::Transition progress_;
  EntranceEffect* effect_;
  design::FrameTimer* frames_;
};

}  // namespace tidewell::screens
