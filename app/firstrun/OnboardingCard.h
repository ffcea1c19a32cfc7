#pragma once
// The welcome card itself: the logo mark, the product name, the tagline and
// "Get Started", 480 points wide, on a glassy rounded background with a
// green glow at its top edge; it casts a soft dark shadow, drawn by the
// shadow host below it. GUI thread only.

#include <QWidget>

#include "design/paint/ShadowCaster.h"

namespace tidewell::design {
class PillButton;
}

namespace tidewell::app {

inline constexpr double kOnboardingCardWidth = 480;

// The card's background, filling rect: the material stand-in, the card
// surface, the top glow and the gradient rim.
void paintOnboardingCardBackground(QPainter& painter, const QRectF& rect);

class OnboardingCard : public QWidget, public design::ShadowCaster {
  Q_OBJECT
 public:
  explicit OnboardingCard(QWidget* parent = nullptr);

  design::PillButton* getStartedButton() const { return button_; }

  void paintShadows(QPainter& painter) const override;
  QRectF shadowArea() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  design::PillButton* button_;
};

}  // namespace tidewell::app
