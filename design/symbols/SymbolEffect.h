#pragma once
// A symbol effect running on a widget: it repaints the widget each frame
// while the widget is shown, and the widget asks frame() what to draw.
// Pulse and variable colour repeat until stopped; bounce plays once per
// trigger(). Under reduce motion every effect stands still (frame() is the
// plain symbol). Owned by (parented to) the widget it animates.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "design/symbols/Symbol.h"

class QWidget;

namespace tidewell::design {

class SymbolEffect : public QObject {
  Q_OBJECT
 public:
  enum class Kind { Pulse, Bounce, VariableColor };

  // layerCount matters for VariableColor only (symbolLayerCount()).
  SymbolEffect(Kind kind, QWidget* target, int layerCount = 1);

  Kind kind() const { return kind_; }
  // Pulse, VariableColor: start repeating. Bounce: play once from the start.
  void start();
  void trigger() { start(); }
  void stop();
  bool isRunning() const { return running_; }

  // What to draw now.
  SymbolFrame frame() const;
  // What to draw elapsed seconds after start (the effect's pure rule).
  SymbolFrame frameAt(double seconds) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void tick();
  void syncTimer();

  Kind kind_;
  QWidget* target_;
  int layerCount_;
  bool running_ = false;
  QElapsedTimer clock_;
  QTimer timer_;
};

}  // namespace tidewell::design
