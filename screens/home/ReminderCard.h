#pragma once
// The last row of Home: when the last cleanup was ("lastCleanup") and when
// the next scan is due ("scanReminder"), split by a short hairline rule.
// Shows plain values; GUI thread only.

#include "design/components/GlowCard.h"

namespace tidewell::screens {

class TextLabel;

class ReminderCard : public design::GlowCard {
  Q_OBJECT
 public:
  explicit ReminderCard(QWidget* parent = nullptr);

  void setTexts(const QString& lastCleanup, const QString& reminder);

 private:
  TextLabel* lastCleanup_;
  TextLabel* reminder_;
};

}  // namespace tidewell::screens
