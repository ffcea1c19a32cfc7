#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "app/firstrun/OnboardingCard.h"
#include "app/firstrun/OnboardingView.h"
#include "design/components/PillButton.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::app {
namespace {

TEST(OnboardingView, GetStartedFinishesOnceWithTheIntroAndLaterPressesAreIgnored) {
  OnboardingView view;
  view.resize(1060, 680);
  view.show();
  QSignalSpy finished(&view, &OnboardingView::finished);
  auto* button = view.card()->getStartedButton();
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_EQ(finished.count(), 1);
  EXPECT_EQ(finished.at(0).at(0).toBool(), true);
  // The card is fading out; a second press must not start the intro again.
  QTest::mouseClick(button, Qt::LeftButton);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(finished.count(), 1);
  EXPECT_TRUE(view.hasFinished());
}

TEST(OnboardingView, TheCardKeepsItsWidthAtTheSmallestWindowAndCentresOnIt) {
  OnboardingView view;
  view.resize(1060, 680);
  view.show();
  QCoreApplication::processEvents();
  const QRect card = view.card()->geometry();
  EXPECT_EQ(card.width(), 480);
  EXPECT_NEAR(card.center().x(), 530, 1);
  EXPECT_NEAR(card.center().y(), 340, 1);
  // The tagline wraps within 360 points and is shown whole.
  auto* tagline = view.findChild<screens::TextLabel*>("tagline");
  ASSERT_NE(tagline, nullptr);
  EXPECT_LE(tagline->width(), 360);
  EXPECT_GE(tagline->height(), tagline->heightForWidth(tagline->width()));
  // The button's label is 220 wide, plus 18 on each side.
  EXPECT_EQ(view.card()->getStartedButton()->width(), 256);
}

}  // namespace
}  // namespace tidewell::app
