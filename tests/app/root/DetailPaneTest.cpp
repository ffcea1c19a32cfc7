#include "app/root/DetailPane.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

#include "design/SectionAccent.h"

namespace tidewell::app {
namespace {

TEST(DetailPane, RebuildsItsScreenOnlyWhenTheBranchChangesAndCarriesTheSectionsAccent) {
  DetailPane pane([](DetailBranch branch) { return new QLabel(branchName(branch)); });
  auto* probe = new QWidget;  // stands for any component inside the screen

  pane.show(DetailBranch::cleanStart);
  QPointer<QWidget> first = pane.screen();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->objectName(), QStringLiteral("screen:cleanStart"));
  probe->setParent(first);
  EXPECT_EQ(design::SectionAccent::of(probe), design::SectionPalette::clean());

  pane.show(DetailBranch::cleanStart);
  EXPECT_EQ(pane.screen(), first.data());
  EXPECT_EQ(pane.screensBuilt(), 1);

  pane.show(DetailBranch::cleanReview);  // same section, another page
  EXPECT_NE(pane.screen(), first.data());
  EXPECT_EQ(pane.screensBuilt(), 2);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(first);

  pane.show(DetailBranch::apps);
  EXPECT_EQ(pane.branch(), DetailBranch::apps);
  EXPECT_EQ(design::SectionAccent::of(pane.screen()), design::SectionPalette::apps());
  EXPECT_EQ(static_cast<QLabel*>(pane.screen())->text(), QStringLiteral("apps"));
}

TEST(DetailBranch, EveryBranchBelongsToItsSection) {
  const std::pair<DetailBranch, Mode> table[] = {
      {DetailBranch::home, Mode::home},
      {DetailBranch::cleanStart, Mode::clean},
      {DetailBranch::cleanReview, Mode::clean},
      {DetailBranch::cleanResult, Mode::clean},
      {DetailBranch::devMode, Mode::devMode},
      {DetailBranch::apps, Mode::apps},
      {DetailBranch::performance, Mode::performance},
      {DetailBranch::deepScan, Mode::deepScan},
      {DetailBranch::advisor, Mode::advisor},
  };
  for (const auto& [branch, mode] : table)
    EXPECT_EQ(modeOf(branch), mode) << branchName(branch).toStdString();
}

}  // namespace
}  // namespace tidewell::app
