#include "screens/smartscan/ToolCard.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "design/theme/Color.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Stage.h"
#include "tests/screens/smartscan/MovingMotion.h"

namespace tidewell::screens {
namespace {

using design::SectionPalette;
using Kind = ToolCardStatus::Kind;
using namespace design::literals;

TEST(ToolCardStatus, LookAndTextsByStatusAndPointer) {
  const QColor purple = SectionPalette::apps().primary;
  const QColor lit = design::Color::withOpacity(purple, 0.55);
  const QColor hairline = design::Color::hairline();
  struct Case {
    ToolCardStatus status;
    bool hovering;
    QColor border;
    double opacity;
    QString text;
  };
  const Case cases[] = {
      {ToolCardStatus::waiting(), false, hairline, 0.55, "up next"},
      {ToolCardStatus::waiting(), true, hairline, 0.55, "up next"},
      {ToolCardStatus::active(), false, lit, 1, "scanning…"},
      {ToolCardStatus::active(), true, lit, 1, "scanning…"},
      {ToolCardStatus::done("3 apps"), false, hairline, 1, "3 apps"},
      {ToolCardStatus::done("3 apps"), true, lit, 1, "3 apps"},
      {ToolCardStatus::skipped(), false, hairline, 0.55, "skipped"},
      {ToolCardStatus::skipped(), true, hairline, 0.55, "skipped"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString() + (c.hovering ? " under the pointer" : ""));
    EXPECT_EQ(toolCardLook(c.status, purple, c.hovering), (ToolCardLook{c.border, c.opacity}));
    EXPECT_EQ(toolCardStatusText(c.status), c.text);
  }
  EXPECT_EQ(toolCardDoneNote(false), "done");
  EXPECT_EQ(toolCardDoneNote(true), "tap to view");
  // Equal by kind, and for done by the text too.
  EXPECT_EQ(ToolCardStatus::done("A"), ToolCardStatus::done("A"));
  EXPECT_NE(ToolCardStatus::done("A"), ToolCardStatus::done("B"));
  EXPECT_EQ((ToolCardStatus{Kind::waiting, "x"}), ToolCardStatus::waiting());
}

TEST(ToolCard, ADoneCardInvitesATapUnderThePointer) {
  probe::prepare();
  auto* card = new ToolCard("square.grid.2x2.fill"_symbol, "Apps", SectionPalette::apps(),
                            ToolCardStatus::done("12 apps"));
  probe::Stage stage(card, SectionPalette::clean(), {200, 160}, {20, 10, 20, 10});
  stage.image(1);
  EXPECT_EQ(card->width(), 150);
  EXPECT_EQ(probe::textOf(probe::find(card, "toolCardTitle")), "Apps");
  EXPECT_EQ(probe::textOf(probe::find(card, "toolCardStatus")), "12 apps");
  EXPECT_EQ(probe::textOf(probe::find(card, "toolCardNote")), "done");
  EXPECT_EQ(card->look().border, design::Color::hairline());
  probe::hover(card, true);
  EXPECT_EQ(probe::textOf(probe::find(card, "toolCardNote")), "tap to view");
  EXPECT_EQ(card->look().border, design::Color::withOpacity(SectionPalette::apps().primary, 0.55));
  probe::hover(card, false);
  EXPECT_EQ(probe::textOf(probe::find(card, "toolCardNote")), "done");
  // The whole result line stands inside the card, under the title.
  const QRect result = probe::rectIn(probe::find(card, "toolCardStatus"), card);
  const QRect note = probe::rectIn(probe::find(card, "toolCardNote"), card);
  EXPECT_GT(result.top(), probe::rectIn(probe::find(card, "toolCardTitle"), card).bottom());
  EXPECT_GT(note.top(), result.bottom() - 1);
  EXPECT_LE(note.bottom(), card->height());
}

TEST(ToolCard, AWaitingCardStaysDimUnderThePointerAndEveryStatusReportsTaps) {
  probe::prepare();
  auto* card =
      new ToolCard("scope"_symbol, "Deep Scan", SectionPalette::deepScan(), ToolCardStatus::waiting());
  probe::Stage stage(card, SectionPalette::clean(), {200, 160}, {20, 10, 20, 10});
  stage.image(1);
  probe::hover(card, true);
  EXPECT_EQ(card->look(), (ToolCardLook{design::Color::hairline(), 0.55}));
  EXPECT_DOUBLE_EQ(card->shownOpacity(), 0.55);
  EXPECT_EQ(probe::find(card, "toolCardNote"), nullptr);

  QSignalSpy taps(card, &ToolCard::tapped);
  for (const ToolCardStatus& status : {ToolCardStatus::waiting(), ToolCardStatus::active(),
                                       ToolCardStatus::skipped(), ToolCardStatus::done("Tidy")}) {
    card->setStatus(status);
    probe::settle();
    probe::click(card);
    // A click on a text of the card counts too.
    probe::click(probe::find(card, "toolCardTitle"));
  }
  EXPECT_EQ(taps.count(), 8);
}

TEST(ToolCard, AChangeOfStatusEasesOverAQuarterSecond) {
  testing::MovingMotion motion;
  auto* card = new ToolCard("sparkles"_symbol, "Clean", SectionPalette::clean(), ToolCardStatus::waiting());
  probe::Stage stage(card, SectionPalette::clean(), {200, 160}, {20, 10, 20, 10});
  stage.show();
  probe::settle();
  EXPECT_DOUBLE_EQ(card->shownOpacity(), 0.55);
  card->setStatus(ToolCardStatus::active());
  EXPECT_DOUBLE_EQ(card->look().opacity, 1.0);
  motion.advance(0.125);
  EXPECT_GT(card->shownOpacity(), 0.6);
  EXPECT_LT(card->shownOpacity(), 0.95);
  motion.advance(0.15);
  EXPECT_DOUBLE_EQ(card->shownOpacity(), 1.0);
  // Under reduce motion the card stands in its new look at once.
  design::setReduceMotionOverride(true);
  card->setStatus(ToolCardStatus::skipped());
  EXPECT_DOUBLE_EQ(card->shownOpacity(), 0.55);
}

}  // namespace
}  // namespace tidewell::screens
