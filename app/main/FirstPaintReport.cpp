#include "app/main/FirstPaintReport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include "app/AppBridge.h"
#include "app/MainWindow.h"
#include "app/firstrun/OnboardingCard.h"
#include "app/firstrun/OnboardingView.h"
#include "app/root/ContentView.h"
#include "design/components/PillButton.h"
#include "models/smartscan/SmartScanController.h"
#include "platform/core/PeakMemory.h"

namespace tidewell::app {

namespace {

// The window settles a second after its first frame; the done screen of a
// Smart Scan counts its total up for two seconds first.
constexpr int kSettleMs = 1000;
constexpr int kSmartScanSettleMs = 3000;

long long realtimeNs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

class FirstPaintFilter : public QObject {
 public:
  FirstPaintFilter(int quitAfterMs, bool awaitSmartScan, int getStartedAfterMs)
      : QObject(QCoreApplication::instance()),
        quitAfterMs_(quitAfterMs),
        awaitSmartScan_(awaitSmartScan),
        getStartedAfterMs_(getStartedAfterMs) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == card_ && event->type() == QEvent::Paint && pressed_.isValid()) {
      card_->removeEventFilter(this);
      card_ = nullptr;
      std::fprintf(stderr, "get-started-fade %.1f\n", double(pressed_.nsecsElapsed()) / 1e6);
      std::fflush(stderr);
      countDown();
      return false;
    }
    if (event->type() == QEvent::UpdateRequest && watched == window_ && counting_.isValid() &&
        counting_.elapsed() >= settleMs())
      ++frames_;
    if (window_ || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
    auto* window = qobject_cast<MainWindow*>(static_cast<QWidget*>(watched)->window());
    if (!window) return false;
    window_ = window;
    // From now on only the window's own events are looked at.
    QCoreApplication::instance()->removeEventFilter(this);
    window->installEventFilter(this);
    // Told once the whole frame is painted and flushed, back in the loop.
    QTimer::singleShot(0, this, [this] {
      std::fprintf(stderr, "first-paint %lld %ld\n", realtimeNs(), platform::peakResidentKib());
      std::fflush(stderr);
      if (getStartedAfterMs_ >= 0) return pressGetStartedLater();
      if (!awaitSmartScan_) return countDown();
      auto* content = window_ ? qobject_cast<ContentView*>(window_->content()) : nullptr;
      if (!content) return countDown();
      models::SmartScanController* scan = content->models().smartScan.get();
      connect(scan, &models::SmartScanController::phaseChanged, this, [this, scan] {
        if (scan->phase() != models::SmartScanController::Phase::done || counting_.isValid()) return;
        std::fprintf(stderr, "smart-scan-done %lld\n", realtimeNs());
        std::fflush(stderr);
        countDown();
      });
    });
    return false;
  }

 private:
  void countDown() {
    counting_.start();
    QTimer::singleShot(quitAfterMs_, QCoreApplication::instance(), [this] {
      std::fprintf(stderr, "frames %d %d\n", frames_, std::max(0, quitAfterMs_ - settleMs()));
      std::fflush(stderr);
      QCoreApplication::quit();
    });
  }

  int settleMs() const { return awaitSmartScan_ ? kSmartScanSettleMs : kSettleMs; }

  void pressGetStartedLater() {
    QTimer::singleShot(getStartedAfterMs_, this, [this] {
      auto* content = window_ ? qobject_cast<ContentView*>(window_->content()) : nullptr;
      OnboardingView* onboarding = content ? content->onboarding() : nullptr;
      if (!onboarding) {
        std::fprintf(stderr, "get-started-fade none: no welcome card\n");
        std::fflush(stderr);
        return countDown();
      }
      card_ = onboarding->card();
      card_->installEventFilter(this);
      pressed_.start();
      onboarding->card()->getStartedButton()->click();
    });
  }

  int quitAfterMs_;
  bool awaitSmartScan_;
  int getStartedAfterMs_;
  QPointer<QWidget> card_;
  QElapsedTimer pressed_;
  QPointer<MainWindow> window_;
  QElapsedTimer counting_;
  int frames_ = 0;
};

}  // namespace

void reportFirstPaintWhenAsked() {
  const char* asked = std::getenv("TIDEWELL_BENCH_FIRST_PAINT");
  if (!asked || !*asked) return;
  const char* section = std::getenv("TIDEWELL_BENCH_SECTION");
  const char* smartScan = std::getenv("TIDEWELL_BENCH_SMART_SCAN");
  const bool scan = smartScan && std::string_view(smartScan) == "1";
  const char* getStarted = std::getenv("TIDEWELL_BENCH_GET_STARTED");
  const int getStartedAfterMs = getStarted && *getStarted ? std::max(0, std::atoi(getStarted)) : -1;
  if (section && *section) AppBridge::shared().pendingSection = QString::fromUtf8(section);
  if (scan) AppBridge::shared().autoStartScan = true;
  QCoreApplication::instance()->installEventFilter(
      new FirstPaintFilter(std::max(0, std::atoi(asked)), scan, getStartedAfterMs));
}

}  // namespace tidewell::app
