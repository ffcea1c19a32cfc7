#include "app/firstrun/IntroClock.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cmath>

namespace tidewell::app {

namespace {
class SystemIntroClock final : public IntroClock {
 public:
  SystemIntroClock() { elapsed_.start(); }
  double now() const override { return double(elapsed_.nsecsElapsed()) / 1e9; }
  void after(double seconds, QObject* context, std::function<void()> fn) override {
    QTimer::singleShot(int(std::lround(seconds * 1000)), Qt::PreciseTimer, context, std::move(fn));
  }

 private:
  QElapsedTimer elapsed_;
};
}  // namespace

std::shared_ptr<IntroClock> IntroClock::system() { return std::make_shared<SystemIntroClock>(); }

}  // namespace tidewell::app
