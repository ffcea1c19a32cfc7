#include "screens/clean/CleanView.h"

#include <gtest/gtest.h>

#include <QPointer>

#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/CleanStage.h"

namespace tidewell::screens {
namespace {

using Phase = models::CleanupViewModel::Phase;
using probe::CleanStage;

TEST(CleanView, EveryPhaseShowsItsPage) {
  const std::pair<Phase, CleanPage> table[] = {
      {Phase::idle, CleanPage::start},    {Phase::scanning, CleanPage::start},
      {Phase::review, CleanPage::review}, {Phase::cleaning, CleanPage::result},
      {Phase::done, CleanPage::result},
  };
  for (const auto& [phase, page] : table) EXPECT_EQ(cleanPageOf(phase), page) << int(phase);
}

TEST(CleanView, FollowsItsPhaseAndRebuildsThePageOnlyWhenThePageChanges) {
  CleanStage clean;
  auto* view = new CleanView(clean.model, clean.settings, clean.volume);
  probe::Stage stage(view, design::SectionPalette::clean(), probe::kDetailPaneSize);
  probe::render(&stage);
  QPointer<QWidget> shown = view->page();
  int built = 1;
  const auto expect = [&](Phase phase, const char* page, int pages) {
    if (view->page() != shown.data()) {
      ++built;
      shown = view->page();
    }
    EXPECT_EQ(clean.model->phase(), phase);
    EXPECT_EQ(built, pages);
    // The page of the phase: the start page, the review or the result.
    ASSERT_TRUE(view->page());
    EXPECT_EQ(view->page()->objectName(), QString::fromLatin1(page));
    EXPECT_TRUE(probe::isShown(view->page()));
  };
  expect(Phase::idle, "scanPage", 1);
  clean.startScan();
  expect(Phase::scanning, "scanPage", 1);
  clean.runToEnd();
  probe::settle();
  expect(Phase::review, "reviewPage", 2);
  clean.model->selectAll(false);  // a write that is no phase change
  clean.model->selectSafeOnly();
  expect(Phase::review, "reviewPage", 2);
  clean.startClean();
  probe::settle();
  expect(Phase::cleaning, "cleanedPage", 3);
  clean.runToEnd();
  probe::settle();
  expect(Phase::done, "cleanedPage", 3);
  clean.model->reset();
  probe::settle();
  expect(Phase::idle, "scanPage", 4);
}

}  // namespace
}  // namespace tidewell::screens
