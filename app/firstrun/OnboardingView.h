#pragma once
// The welcome card over the whole main window on first launch: the ambient
// backdrop in green, dimmed, with the card centred on it. "Get Started"
// announces finished(true) — once: a press while the card is already on
// its way out is ignored. The card stores nothing; the root view sets
// "hasOnboarded" and fades the view out. GUI thread only.

#include <QWidget>

namespace tidewell::design {
class AmbientBackground;
}

namespace tidewell::app {

class OnboardingCard;

class OnboardingView : public QWidget {
  Q_OBJECT
 public:
  explicit OnboardingView(QWidget* parent = nullptr);

  OnboardingCard* card() const { return card_; }
  bool hasFinished() const { return finished_; }

 Q_SIGNALS:
  // playIntro: whether the intro video is to follow (true from "Get Started").
  void finished(bool playIntro);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  design::AmbientBackground* backdrop_;
  QWidget* dim_;
  OnboardingCard* card_;
  bool finished_ = false;
};

}  // namespace tidewell::app
