#include "app/root/DetailPane.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

#include "design/theme/SectionAccent.h"

namespace tidewell::app {
namespace {

TEST(DetailPane, RebuildsItsScreenOnlyWhenTheSectionChangesAndCarriesTheSectionsAccent) {
  DetailPane pane([](Section section) { return new QLabel(sectionTitle(section)); });
  auto* probe = new QWidget;  // stands for any component inside the screen

  pane.showSection(Section::clean);
  QPointer<QWidget> first = pane.screen();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->objectName(), QStringLiteral("screen:Clean"));
  probe->setParent(first);
  EXPECT_EQ(design::SectionAccent::of(probe), design::SectionPalette::clean());

  pane.showSection(Section::clean);
  EXPECT_EQ(pane.screen(), first.data());
  EXPECT_EQ(pane.screensBuilt(), 1);

  pane.showSection(Section::home);  // another section in the same colours
  EXPECT_NE(pane.screen(), first.data());
  EXPECT_EQ(pane.screensBuilt(), 2);
  EXPECT_EQ(design::SectionAccent::of(pane.screen()), design::SectionPalette::clean());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(first);

  pane.showSection(Section::apps);
  EXPECT_EQ(pane.section(), Section::apps);
  EXPECT_EQ(design::SectionAccent::of(pane.screen()), design::SectionPalette::apps());
  EXPECT_EQ(static_cast<QLabel*>(pane.screen())->text(), QStringLiteral("Apps"));
}

}  // namespace
}  // namespace tidewell::app
