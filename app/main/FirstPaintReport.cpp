#include "app/main/FirstPaintReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/MainWindow.h"
#include "platform/core/PeakMemory.h"

namespace tidewell::app {

namespace {

class FirstPaintFilter : public QObject {
 public:
  explicit FirstPaintFilter(int quitAfterMs)
      : QObject(QCoreApplication::instance()), quitAfterMs_(quitAfterMs) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        qobject_cast<MainWindow*>(static_cast<QWidget*>(watched)->window())) {
      QCoreApplication::instance()->removeEventFilter(this);
      // Told once the whole frame is painted and flushed, back in the loop.
      QTimer::singleShot(0, this, [this] {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::fprintf(stderr, "first-paint %lld %ld\n",
                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                     platform::peakResidentKib());
        std::fflush(stderr);
        QTimer::singleShot(quitAfterMs_, QCoreApplication::instance(), &QCoreApplication::quit);
      });
    }
    return false;
  }

 private:
  int quitAfterMs_;
};

}  // namespace

void reportFirstPaintWhenAsked() {
  const char* asked = std::getenv("TIDEWELL_BENCH_FIRST_PAINT");
  if (!asked || !*asked) return;
  QCoreApplication::instance()->installEventFilter(new FirstPaintFilter(std::max(0, std::atoi(asked))));
}

}  // namespace tidewell::app
