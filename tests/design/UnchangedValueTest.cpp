#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>

#include "design/components/CountUpBytes.h"
#include "design/components/Donut.h"
#include "design/components/DotGauge.h"
#include "design/components/GhostPillButton.h"
#include "design/components/GlowCard.h"
#include "design/components/GradientBar.h"
#include "design/components/IconChip.h"
#include "design/components/PillButton.h"
#include "design/components/RingGauge.h"
#include "design/components/ScreenHeader.h"
#include "design/components/SidebarRow.h"
#include "design/paint/AmbientBackground.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/SectionAccent.h"
#include "design/type/InterFont.h"
#include "testkit/support/RepaintCounter.h"
#include "tests/design/motion/MotionFixture.h"

namespace tidewell::design {
namespace {

using namespace literals;

void settle() {
  for (int i = 0; i < 4; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

// Screens refresh by handing every component its values again, and some
// set them while painting: a value a component already has must ask for no
// drawing, or a screen at rest redraws without end. Each case also changes
// a value, to show that the counter sees what a real change asks for.
TEST(UnchangedValues, ASetterGivenTheCurrentValueAsksForNoDrawing) {
  testing::FrozenMotion still(true);
  const PillButtonLook pill{std::nullopt, Qt::black, 13, 18, 9};
  const PillLabel label{QStringLiteral("Scan"), "sparkles"_symbol, TrailingSymbol{"arrow.right"_symbol}};
  struct Case {
    const char* name;
    std::function<QWidget*()> make;
    std::function<void(QWidget*)> again;
    std::function<void(QWidget*)> change;
  };
  const Case cases[] = {
      {"DotGauge", [] { return new DotGauge(0.4, 80); },
       [](QWidget* w) { static_cast<DotGauge*>(w)->setUsed(0.4); },
       [](QWidget* w) { static_cast<DotGauge*>(w)->setUsed(0.6); }},
      {"Donut", [] { return new Donut(0.4, 80, 8); },
       [](QWidget* w) { static_cast<Donut*>(w)->setUsed(0.4); },
       [](QWidget* w) { static_cast<Donut*>(w)->setUsed(0.7); }},
      {"GradientBar", [] { return new GradientBar(0.3, 6); },
       [](QWidget* w) { static_cast<GradientBar*>(w)->setFraction(0.3); },
       [](QWidget* w) { static_cast<GradientBar*>(w)->setFraction(0.8); }},
      {"RingGauge",
       [] {
         auto* ring = new RingGauge(0.5, 80, 8);
         ring->setExplicitPalette(SectionPalette::apps());
         return ring;
       },
       [](QWidget* w) {
         auto* ring = static_cast<RingGauge*>(w);
         ring->setProgress(0.5);
         ring->setExplicitPalette(SectionPalette::apps());
       },
       [](QWidget* w) { static_cast<RingGauge*>(w)->setExplicitPalette(SectionPalette::devMode()); }},
      {"IconChip",
       [] {
         auto* chip = new IconChip("sparkles"_symbol, 28);
         chip->setExplicitPalette(SectionPalette::clean());
         return chip;
       },
       [](QWidget* w) { static_cast<IconChip*>(w)->setExplicitPalette(SectionPalette::clean()); },
       [](QWidget* w) { static_cast<IconChip*>(w)->setExplicitPalette(std::nullopt); }},
      {"PillButton", [&] { return new PillButton(label, pill); },
       [&](QWidget* w) {
         auto* button = static_cast<PillButton*>(w);
         button->setPillLook(pill);
         button->setLabel(label);
         button->setOpacity(1);
       },
       [&](QWidget* w) {
         static_cast<PillButton*>(w)->setLabel({QStringLiteral("Stop"), std::nullopt});
       }},
      {"GhostPillButton", [&] { return new GhostPillButton(label); },
       [&](QWidget* w) {
         auto* button = static_cast<GhostPillButton*>(w);
         button->setLabel(label);
         button->setForeground(ghostPillForeground());
       },
       [](QWidget* w) { static_cast<GhostPillButton*>(w)->setForeground(Qt::red); }},
      {"ScreenHeader", [] { return new ScreenHeader(QStringLiteral("Apps"), QStringLiteral("Every app")); },
       [](QWidget* w) {
         auto* header = static_cast<ScreenHeader*>(w);
         header->setTitle(QStringLiteral("Apps"));
         header->setSubtitle(QStringLiteral("Every app"));
       },
       [](QWidget* w) { static_cast<ScreenHeader*>(w)->setSubtitle(std::nullopt); }},
      {"GlowCard",
       [] {
         return new GlowCard({20, 16, Qt::red, false, false});
       },
       [](QWidget* w) {
         static_cast<GlowCard*>(w)->setLook({20, 16, Qt::red, false, false});
       },
       [](QWidget* w) {
         static_cast<GlowCard*>(w)->setLook({20, 16, Qt::blue, false, false});
       }},
      {"SidebarRow",
       [] { return new SidebarRow("house.fill"_symbol, QStringLiteral("Home"), SectionPalette::clean()); },
       [](QWidget* w) {
         auto* row = static_cast<SidebarRow*>(w);
         row->setActive(false);
         row->setHovering(false);
       },
       [](QWidget* w) { static_cast<SidebarRow*>(w)->setActive(true); }},
      {"AmbientBackground", [] { return new AmbientBackground(SectionPalette::clean()); },
       [](QWidget* w) { static_cast<AmbientBackground*>(w)->setAccent(SectionPalette::clean()); },
       [](QWidget* w) { static_cast<AmbientBackground*>(w)->setAccent(SectionPalette::apps()); }},
      {"CountUpBytes",
       [] {
         auto* count = new CountUpBytes(1'234'000'000, 1.8, inter(32, FontWeight::Bold));
         count->setColor(std::nullopt);
         count->setMinimumScale(0.5);
         return count;
       },
       [](QWidget* w) {
         auto* count = static_cast<CountUpBytes*>(w);
         count->setColor(std::nullopt);
         count->setAlignment(Qt::AlignCenter);
         count->setMinimumScale(0.5);
       },
       [](QWidget* w) { static_cast<CountUpBytes*>(w)->setColor(Qt::white); }},
      {"SectionAccent",
       [] {
         auto* section = new QWidget;
         SectionAccent::set(section, SectionPalette::apps());
         return section;
       },
       [](QWidget* w) { SectionAccent::set(w, SectionPalette::apps()); },
       [](QWidget* w) { SectionAccent::set(w, SectionPalette::advisor()); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShadowHost host;
    host.resize(420, 160);
    QWidget* component = c.make();
    component->setParent(&host);
    component->setGeometry(20, 20, 380, 120);
    host.show();
    settle();

    ::tidewell::testing::RepaintCounter repaints(&host);
    c.again(component);
    settle();
    EXPECT_EQ(repaints.count(), 0) << repaints.who().join(QStringLiteral(", ")).toStdString();

    c.change(component);
    settle();
    EXPECT_GT(repaints.count(), 0);
  }
}

}  // namespace
}  // namespace tidewell::design
