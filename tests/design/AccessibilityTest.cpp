// The design components as assistive technology reads them, through Qt's
// accessibility (QAccessible::queryAccessibleInterface).
#include <gtest/gtest.h>

#include <QAccessibleValueInterface>
#include <QHBoxLayout>
#include <functional>
#include <memory>

#include "design/accessibility/AccessibleTraits.h"
#include "design/brand/BrandLogo.h"
#include "design/components/CountUpBytes.h"
#include "design/components/Donut.h"
#include "design/components/DotGauge.h"
#include "design/components/GhostPillButton.h"
#include "design/components/GlossyBlob.h"
#include "design/components/GradientBar.h"
#include "design/components/IconChip.h"
#include "design/components/PillButton.h"
#include "design/components/RingGauge.h"
#include "design/components/ScanCircleButton.h"
#include "design/components/ScreenHeader.h"
#include "design/components/SidebarRow.h"
#include "design/paint/AmbientBackground.h"
#include "design/paint/NoiseOverlay.h"
#include "design/type/InterFont.h"

namespace tidewell::design {
namespace {

using namespace literals;

struct Read {
  QAccessible::Role role;
  QString name, description, value;
};

Read read(QWidget* widget) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  if (!iface) return {QAccessible::NoRole, {}, {}, {}};
  return {iface->role(), iface->text(QAccessible::Name), iface->text(QAccessible::Description),
          iface->text(QAccessible::Value)};
}

TEST(Accessibility, EachComponentReadsByWhatItShows) {
  struct Case {
    const char* what;
    std::function<QWidget*()> make;
    QAccessible::Role role;
    const char* name;
    const char* description;
    const char* value;
  };
  const Case cases[] = {
      {"screen header", [] { return new ScreenHeader("Apps", QStringLiteral("4 apps")); },
       QAccessible::Heading, "Apps", "4 apps", ""},
      // The figure it counts to, not the step it stands at.
      {"count-up", [] { return new CountUpBytes(30'930'000'000, 1.2, inter(40)); }, QAccessible::StaticText,
       "30.93 GB", "", ""},
      {"ring gauge", [] { return new RingGauge(0.37, 200, 11); }, QAccessible::ProgressBar, "", "", "37%"},
      {"ring gauge past full", [] { return new RingGauge(1.7, 200, 11); }, QAccessible::ProgressBar, "", "",
       "100%"},
      {"donut", [] { return new Donut(0.604, 190, 11); }, QAccessible::ProgressBar, "", "", "60%"},
      {"gradient bar", [] { return new GradientBar(0.29, 6); }, QAccessible::ProgressBar, "", "", "29%"},
      {"dot gauge", [] { return new DotGauge(0.5, 224); }, QAccessible::ProgressBar, "", "", "50%"},
      {"logo", [] { return new BrandLogo(std::optional<BrandArtwork>{}, 24); }, QAccessible::Graphic,
       "Tidewell Mac", "", ""},
      {"pill",
       [] {
         return new PillButton({QStringLiteral("Clean Up"), std::nullopt}, {});
       },
       QAccessible::Button, "Clean Up", "", ""},
      {"ghost pill",
       [] {
         return new GhostPillButton({QStringLiteral("Back"), std::nullopt});
       },
       QAccessible::Button, "Back", "", ""},
      {"scan button", [] { return new ScanCircleButton("sparkles"_symbol, QStringLiteral("Scan My Mac")); },
       QAccessible::Button, "Scan My Mac", "", ""},
      {"sidebar row", [] { return new SidebarRow("house.fill"_symbol, "Home", SectionPalette::clean()); },
       QAccessible::PageTab, "Home", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::unique_ptr<QWidget> widget(c.make());
    widget->show();
    const Read got = read(widget.get());
    EXPECT_EQ(got.role, c.role);
    EXPECT_EQ(got.name.toStdString(), c.name);
    EXPECT_EQ(got.description.toStdString(), c.description);
    if (*c.value) {
      EXPECT_EQ(got.value.toStdString(), c.value);
    }
  }
}

TEST(Accessibility, AGaugeIsAValueOfZeroToAHundredThatFollowsItsProgress) {
  RingGauge gauge(0.25, 200, 11);
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&gauge);
  QAccessibleValueInterface* value = iface->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->minimumValue().toInt(), 0);
  EXPECT_EQ(value->maximumValue().toInt(), 100);
  EXPECT_EQ(value->currentValue().toInt(), 25);
  gauge.setProgress(0.8);
  EXPECT_EQ(value->currentValue().toInt(), 80);
  EXPECT_EQ(iface->text(QAccessible::Value), "80%");
  // A text has no value to give.
  ScreenHeader header("Overview", std::nullopt);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&header)->valueInterface(), nullptr);
}

TEST(Accessibility, TheActiveSidebarRowIsTheSelectedTabAndSaysSoWhenItChanges) {
  SidebarRow row("house.fill"_symbol, "Home", SectionPalette::clean());
  row.show();
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&row);
  EXPECT_FALSE(iface->state().selected);
  row.setActive(true);
  EXPECT_TRUE(iface->state().selected);
  EXPECT_TRUE(iface->state().checked);
  row.setActive(false);
  EXPECT_FALSE(iface->state().selected);
}

TEST(Accessibility, DecorationsAreAbsentFromTheirParentsAndReadAsHiddenWhenAskedDirectly) {
  QWidget holder;
  auto* row = new QHBoxLayout(&holder);
  auto* button = new PillButton({QStringLiteral("Scan My Mac"), std::nullopt}, {});
  QWidget* decorations[] = {new NoiseOverlay, new AmbientBackground(SectionPalette::clean()),
                            new GlossyBlob("sparkles"_symbol, SectionPalette::clean(), 52, false),
                            new IconChip("trash"_symbol, 40)};
  row->addWidget(decorations[0]);
  row->addWidget(button);
  for (QWidget* d : {decorations[1], decorations[2], decorations[3]}) row->addWidget(d);
  holder.show();
  // Absent: the holder lists the button alone among its children.
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&holder);
  ASSERT_EQ(iface->childCount(), 1);
  EXPECT_EQ(iface->child(0)->object(), button);
  EXPECT_EQ(iface->indexOfChild(iface->child(0)), 0);
  for (QWidget* d : decorations) {
    SCOPED_TRACE(d->metaObject()->className());
    EXPECT_TRUE(isHiddenFromAccessibility(d));
    QAccessibleInterface* direct = QAccessible::queryAccessibleInterface(d);
    ASSERT_NE(direct, nullptr);
    EXPECT_TRUE(direct->state().invisible);
    EXPECT_EQ(direct->text(QAccessible::Name), "");
    EXPECT_EQ(iface->indexOfChild(direct), -1);
  }
}

TEST(Accessibility, AControlWithoutWordsOfItsOwnIsNamedByTheTextsItHolds) {
  QWidget tile;
  accessibleTraits(&tile).press = [] {};
  auto* column = new QHBoxLayout(&tile);
  auto* title = new ScreenHeader("Deep Scan", std::nullopt);
  accessibleTraits(title).role = QAccessible::StaticText;
  column->addWidget(title);
  column->addWidget(new IconChip("scope"_symbol, 40));
  tile.show();
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&tile);
  EXPECT_EQ(iface->role(), QAccessible::Button);
  EXPECT_EQ(iface->text(QAccessible::Name), "Deep Scan");
  // Its press action is the traits' press.
  int pressed = 0;
  accessibleTraits(&tile).press = [&pressed] { ++pressed; };
  ASSERT_TRUE(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(pressed, 1);
}

}  // namespace
}  // namespace tidewell::design
