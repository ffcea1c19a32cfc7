#pragma once
// Stands in for the system's widget host: asks the provider for a timeline,
// shows its entry, and asks again once the timeline's reload date has
// passed. It checks only when the ticker ticks, once a minute, against the
// wall clock (so a sleep or a clock change is noticed at the next tick),
// and reloads at most once per tick: a reload date that is already past,
// as when the calendar could not add the hour, means one reload a minute,
// never a loop. GUI thread; owns its ticker.

#include <QObject>
#include <functional>
#include <memory>

#include "widget/timeline/MinuteTicker.h"
#include "widget/timeline/SpaceProvider.h"

namespace tidewell::widget {

class TimelineHost : public QObject {
  Q_OBJECT
 public:
  TimelineHost(SpaceProvider provider, TimelineContext context, std::function<base::TimePoint()> now,
               std::unique_ptr<MinuteTicker> ticker, QObject* parent = nullptr);

  // Asks for the first timeline and starts the ticker. Once only.
  void start();

  const SpaceEntry& entry() const { return entry_; }
  base::TimePoint reloadAfter() const { return reloadAfter_; }

 Q_SIGNALS:
  // A new timeline was delivered; entry is its one entry.
  void entryChanged(const tidewell::widget::SpaceEntry& entry);

 private:
  void tick();
  void reload();

  SpaceProvider provider_;
  TimelineContext context_;
  std::function<base::TimePoint()> now_;
  std::unique_ptr<MinuteTicker> ticker_;
  SpaceEntry entry_;
  base::TimePoint reloadAfter_;
  bool started_ = false;
};

}  // namespace tidewell::widget
