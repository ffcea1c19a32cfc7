#include "widget/timeline/MinuteTicker.h"

#include <QTimer>

namespace tidewell::widget {

namespace {
class TimerTicker final : public MinuteTicker {
 public:
  void start(std::function<void()> onTick) override {
    timer_.setInterval(std::chrono::minutes(1));
    timer_.setTimerType(Qt::VeryCoarseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(onTick));
    timer_.start();
  }

 private:
  QTimer timer_;
};
}  // namespace

std::unique_ptr<MinuteTicker> makeTimerTicker() { return std::make_unique<TimerTicker>(); }

}  // namespace tidewell::widget
