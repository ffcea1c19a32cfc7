#include "widget/timeline/TimelineHost.h"

#include "widget/WidgetLog.h"

namespace tidewell::widget {

TimelineHost::TimelineHost(SpaceProvider provider, TimelineContext context,
                           std::function<base::TimePoint()> now, std::unique_ptr<MinuteTicker> ticker,
                           QObject* parent)
    : QObject(parent),
      provider_(std::move(provider)),
      context_(context),
      now_(std::move(now)),
      ticker_(std::move(ticker)) {}

void TimelineHost::start() {
  if (started_) return;
  started_ = true;
  reload();
  ticker_->start([this] { tick(); });
}

void TimelineHost::tick() {
  if (now_() >= reloadAfter_) reload();
}

void TimelineHost::reload() {
  // The delivery only records the timeline; the next look at the reload
  // date waits for the next tick.
  provider_.getTimeline(context_, [this](const SpaceTimeline& timeline) {
    reloadAfter_ = timeline.reloadAfter;
    if (!timeline.entries.empty()) entry_ = timeline.entries.front();
  });
  qCDebug(lcWidget) << "timeline: reloaded;" << entry_.free << "free of" << entry_.total << "bytes";
  Q_EMIT entryChanged(entry_);
}

}  // namespace tidewell::widget
