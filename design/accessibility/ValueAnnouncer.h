#pragma once
// Tells listening assistive technology a gauge's new reading without
// flooding it: a progress that moves on every frame would otherwise send
// a value event per frame. The first change is told at once; after that at
// most one event per interval, and a change held back is told when the
// interval is over, read anew then, so the last reading always arrives. A
// reading equal to the last one told, or to the one the gauge had when it
// came into view, is not told; nothing is told while no assistive
// technology listens or the gauge is not shown. Time is the shared
// AnimationClock's, so a frozen clock holds the next event back until it
// is advanced. One per gauge, owned by (a child of) the widget, made when
// its reading is set (setAccessibleReading). GUI thread only.

#include <QObject>
#include <optional>

#include "design/accessibility/AccessibleTraits.h"

class QTimer;
class QWidget;

namespace tidewell::design {

// Seconds between two value events of one gauge, at the least.
inline constexpr double kValueAnnounceInterval = 1.0;

class ValueAnnouncer : public QObject {
  Q_OBJECT
 public:
  // The announcer of widget, made on first use.
  static ValueAnnouncer& of(QWidget* widget);
  // The announcer of widget, or nullptr when it has none.
  static ValueAnnouncer* find(QWidget* widget);

  // The reading may have changed.
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit ValueAnnouncer(QWidget* widget);
  std::optional<GaugeReading> reading() const;
  void announce(const GaugeReading& reading, double now);
  void flushPending();

  QWidget* widget_;
  QTimer* later_;
  // What a reader last met: the reading told, or the one shown on appearing.
  std::optional<GaugeReading> told_;
  std::optional<double> toldAt_;
  bool pending_ = false;
};

}  // namespace tidewell::design
