#pragma once
// A numeric animation that moves like a damped spring (response in
// seconds, damping fraction), lasting until the spring settles. Values are
// doubles.

#include <QVariantAnimation>

namespace tidewell::design {

class SpringAnimation : public QVariantAnimation {
  Q_OBJECT
 public:
  SpringAnimation(double response, double dampingFraction, QObject* parent = nullptr);

 protected:
  QVariant interpolated(const QVariant& from, const QVariant& to, qreal progress) const override;

 private:
  double response_;
  double damping_;
};

}  // namespace tidewell::design
