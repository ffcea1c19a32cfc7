#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>

#include "design/ScanCircleButton.h"
#include "screens/common/layout/RowStack.h"
#include "screens/common/views/ScanIntro.h"
#include "screens/common/views/ScanningPulse.h"
#include "screens/common/views/SymbolView.h"
#include "screens/probe/Probe.h"
#include "screens/probe/Stage.h"

namespace tidewell::screens {
namespace {

using namespace design::literals;

TEST(ScanIntro, ShowsItsCaptionAndStartsOnlyWhenPressed) {
  int starts = 0;
  auto* intro =
      new ScanIntro("speedometer"_symbol, "Check Performance", "See what's running.", [&] { ++starts; });
  probe::Stage stage(intro, design::SectionPalette::performance(), {900, 740});
  stage.image(1);
  EXPECT_EQ(starts, 0);
  EXPECT_EQ(probe::textOf(probe::find(intro, "introCaption")), "See what's running.");
  probe::click(probe::find(intro, "scanButton"));
  EXPECT_EQ(starts, 1);
  // The button sits above the caption, both centred.
  const QRect button = probe::rectIn(probe::find(intro, "scanButton"), &stage);
  const QRect caption = probe::rectIn(probe::find(intro, "introCaption"), &stage);
  EXPECT_EQ(caption.top() - button.bottom() - 1, 26);
  EXPECT_NEAR(button.center().x(), 450, 1);
  EXPECT_NEAR(caption.center().x(), 450, 1);
}

TEST(ScanningPulse, PulsesItsSymbolInTheAccentOverTheTitleAndASpinner) {
  auto* pulse = new ScanningPulse("wand.and.stars"_symbol, "Checking…", textStyle(18), 18);
  probe::Stage stage(pulse, design::SectionPalette::advisor(), {400, 300});
  stage.image(1);
  auto* symbol = probe::find<SymbolView>(pulse, "scanningSymbol");
  ASSERT_NE(symbol, nullptr);
  EXPECT_EQ(symbol->effect(), design::SymbolEffect::Kind::Pulse);
  EXPECT_EQ(symbol->currentColour(), design::SectionPalette::advisor().primary);
  EXPECT_EQ(probe::textOf(probe::find(pulse, "scanningTitle")), "Checking…");
  const QRect title = probe::rectIn(probe::find(pulse, "scanningTitle"), &stage);
  const QRect spinner = probe::rectIn(probe::find(pulse, "scanningSpinner"), &stage);
  EXPECT_EQ(spinner.top() - title.bottom() - 1, 18);
}

TEST(RowStack, ShowsExactlyTheRowsGivenInOrderAndLeavesTheOthersToTheirOwner) {
  auto* stack = new RowStack(8);
  probe::Stage stage(stack, design::SectionPalette::clean(), {300, 400});
  QPointer<QLabel> a = new QLabel("a"), b = new QLabel("b"), c = new QLabel("c");
  stack->setRows({a, b, c});
  stage.image(1);
  EXPECT_EQ(stack->rows(), (QList<QWidget*>{a, b, c}));
  EXPECT_EQ(probe::rectIn(b, &stage).top() - probe::rectIn(a, &stage).bottom() - 1, 8);

  stack->setRows({c, a});
  stage.image(1);
  EXPECT_EQ(stack->rows(), (QList<QWidget*>{c, a}));
  EXPECT_LT(probe::rectIn(c, &stage).top(), probe::rectIn(a, &stage).top());
  ASSERT_TRUE(b);  // not deleted: its owner decides
  EXPECT_FALSE(probe::isShown(b));
  delete b.data();
}

}  // namespace
}  // namespace tidewell::screens
