// Clean's screens as assistive technology and the keyboard meet them, in
// every state a person passes through, from a real Clean model over a
// scripted engine.
#include <gtest/gtest.h>

#include <functional>

#include "design/theme/SectionPalette.h"
#include "screens/clean/CleanView.h"
#include "screens/clean/CleanedPage.h"
#include "screens/clean/ReviewPage.h"
#include "screens/clean/ScanPage.h"
#include "testkit/probe/AccessibilityAudit.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/CleanStage.h"
#include "tests/screens/common/ReadableScreen.h"

namespace tidewell::screens {
namespace {

using probe::CleanStage;

QWidget* scanPage(CleanStage& s) { return makeScanPage(s.model, s.settings); }
QWidget* review(CleanStage& s) { return makeReviewPage(s.model, s.volume); }
QWidget* result(CleanStage& s) { return makeCleanedPage(s.model); }

TEST(CleanAccessibility, EveryStateReadsByWhatItShowsAndTabsInReadingOrder) {
  struct State {
    const char* name;
    std::vector<CleanStage::Found> found;
    std::function<void(CleanStage&)> reach;
    std::function<QWidget*(CleanStage&)> screen;
    std::vector<std::string> expected;
  };
  const std::vector<State> states = {
      {"idle", CleanStage::defaultFinds(), [](CleanStage&) {}, scanPage, {R"(Button "Scan My Mac")"}},
      {"scanning",
       CleanStage::defaultFinds(),
       [](CleanStage& s) { s.startScan(), s.measure(25); },
       scanPage,
       {R"(ProgressBar "scanning" = 37%)", R"(StaticText "Just looking. Nothing gets deleted.")"}},
      {"review",
       CleanStage::defaultFinds(),
       [](CleanStage& s) { s.scan(); },
       review,
       {R"(StaticText "Found 38.69 GB of junk.")", R"(Button "Safe only")",
        R"(PageTab "Developer Caches" checked selected)", R"(CheckBox "Developer Caches" mixed)",
        R"(PageTab "App Caches")", R"(CheckBox "App Caches" checked)",
        R"(CheckBox "Xcode DerivedData, 18.4 GB" checked)", R"(CheckBox "Xcode Archives, Review, 3.87 GB")",
        R"(StaticText "8 of 11 picked")", R"(Button "Back")", R"(Button "Clean Up")"}},
      {"review, nothing found",
       {},
       [](CleanStage& s) { s.scan(); },
       review,
       {R"(StaticText "Nothing to clean")", R"(Button "Scan Again")"}},
      {"cleaning",
       CleanStage::defaultFinds(),
       [](CleanStage& s) { s.scan(), s.startClean(2); },
       result,
       {R"(ProgressBar "Cleaning" = 25%)", R"(StaticText "Cleaning")"}},
      {"result",
       CleanStage::defaultFinds(),
       [](CleanStage& s) { s.scan(), s.clean(); },
       result,
       {R"(AlertMessage "All clean!")", R"(ProgressBar "reclaimed" = 100%)", R"(StaticText "30.93 GB")",
        R"(StaticText "All clean!")", R"(Button "Done")"}},
  };
  for (const State& state : states) {
    SCOPED_TRACE(state.name);
    CleanStage clean(state.found);
    state.reach(clean);
    probe::Stage stage(state.screen(clean), design::SectionPalette::clean(), probe::kDetailPaneSize);
    probe::render(&stage);
    testing::expectReadable(&stage, state.expected);
  }
}

TEST(CleanAccessibility, TheReviewsSymbolsAreThereButLeftOutOfTheTree) {
  CleanStage clean;
  clean.scan();
  probe::Stage stage(review(clean), design::SectionPalette::clean(), probe::kDetailPaneSize);
  probe::render(&stage);
  // The rail's and the pane's symbols, chevrons and the rule.
  const QList<QWidget*> decorations = probe::decorations(&stage);
  EXPECT_GE(decorations.size(), 7);
  for (QWidget* decoration : decorations) {
    EXPECT_FALSE(probe::isListed(&stage, decoration)) << probe::describe(decoration).toStdString();
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(decoration)->state().invisible);
  }
}

TEST(CleanAccessibility, ANameAndACheckFollowTheModel) {
  CleanStage clean;
  clean.scan();
  probe::Stage stage(review(clean), design::SectionPalette::clean(), probe::kDetailPaneSize);
  probe::render(&stage);
  clean.model->setSelected("npm-cache", false);
  probe::settle();
  const std::vector<std::string> now = testing::toStrings(probe::summaries(&stage));
  EXPECT_THAT(now, ::testing::Contains(R"(CheckBox "npm cache, 2.14 GB")"));
  EXPECT_THAT(now, ::testing::Contains(R"(StaticText "7 of 11 picked")"));
  EXPECT_THAT(now, ::testing::Not(::testing::Contains(R"(StaticText "8 of 11 picked")")));
}

}  // namespace
}  // namespace tidewell::screens
