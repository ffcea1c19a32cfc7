#include "screens/advisor/AdvisorView.h"

#include <gtest/gtest.h>

#include "design/components/PillButton.h"
#include "screens/advisor/AdvisorActionControlView.h"
#include "screens/advisor/RuntimeRow.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/AdaptiveGrid.h"
#include "screens/common/views/TextLabel.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/AdvisorScene.h"
#include "tests/screens/common/ReadableScreen.h"

namespace tidewell::screens {
namespace {

using engine::AdvisorService;
constexpr std::chrono::system_clock::time_point kNow{std::chrono::seconds{1796904000}};

AdvisorService::SimRuntime runtime(std::string version, int64_t bytes, std::vector<std::string> devices = {},
                                   bool deletable = true) {
  AdvisorService::SimRuntime r;
  r.id = "com.apple.CoreSimulator.SimRuntime.iOS-" + version;
  r.name = "iOS " + version;
  r.build = "21E213";
  r.sizeBytes = bytes;
  r.deletable = deletable;
  r.deviceNames = std::move(devices);
  return r;
}

const std::string kBig = "com.apple.CoreSimulator.SimRuntime.iOS-17";
const std::string kSmall = "com.apple.CoreSimulator.SimRuntime.iOS-16";
const std::string kLocked = "com.apple.CoreSimulator.SimRuntime.iOS-15";

struct Screen {
  probe::AdvisorScene scene{kNow};
  AdvisorView* view = nullptr;
  std::unique_ptr<probe::Stage> stage;

  explicit Screen(bool findings = true) {
    if (!findings) return;
    scene.engine->installed = {runtime("17", 7'000'000'000, {"iPhone 15"}), runtime("16", 5'000'000'000),
                               runtime("15", 4'000'000'000, {}, /*deletable=*/false)};
    scene.engine->unavailable = 2;
    scene.engine->snapshots = 3;
    scene.engine->dockerBytes = 64'000'000'000;
  }
  void open(QSize size = probe::kDetailPaneSize) {
    view = scene.makeView();
    stage = std::make_unique<probe::Stage>(view, design::SectionPalette::advisor(), size);
    stage->image(1);
  }
  QString page() const { return view->page() ? view->page()->objectName() : QString(); }
  QString text(const char* name) const { return probe::textOf(probe::find(stage.get(), name)); }
  RuntimeRow* row(const std::string& id) const {
    return probe::find<RuntimeRow>(stage.get(), "runtimeRow", QString::fromStdString(id));
  }
  AdvisorActionControlView* control(const char* name) const {
    return probe::find<AdvisorActionControlView>(stage.get(), name);
  }
  AdvisorActionControlView* deleteControl(const std::string& id) const {
    RuntimeRow* r = row(id);
    return r ? r->control() : nullptr;
  }
  void pressDelete(const std::string& id) const { probe::click(probe::find(row(id), "actionButton")); }
  QString banner() const {
    QWidget* b = probe::find(stage.get(), "resultBanner");
    return b && probe::isShown(b) ? probe::textOf(b) : QString();
  }
};

// Whether a control shows its spinner, and whether its button can be pressed.
struct Shown {
  bool spinning;
  bool pressable;
  bool operator==(const Shown&) const = default;
};
Shown shown(AdvisorActionControlView* control) {
  if (!control) return {false, false};
  auto* button = control->button();
  return {probe::isShown(probe::find(control, "actionSpinner")) && !probe::isShown(button),
          probe::isShown(button) && button->isEnabled()};
}

TEST(AdvisorView, AScanThatFindsNothingShowsTheAllGoodCardAndNoGrid) {
  Screen s(false);
  s.open();
  EXPECT_EQ(s.page(), "advisorIntro");
  EXPECT_EQ(s.text("introCaption"), "Pro cleanups with Apple's own tools. No admin, nothing hidden.");
  probe::click(probe::find(s.stage.get(), "scanButton"));
  EXPECT_EQ(s.page(), "advisorScanning");
  EXPECT_EQ(s.text("scanningTitle"), "Checking simulators, snapshots, Docker…");

  s.scene.runToEnd();
  EXPECT_EQ(s.page(), "advisorList");
  EXPECT_EQ(s.text("headline"), "You're all good.");
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "allGoodCard")));
  EXPECT_EQ(s.text("allGoodTitle"), "You're all good");
  EXPECT_EQ(s.text("allGoodText"), "No runtimes, dead simulators, snapshots, or Docker bloat to trim.");
  EXPECT_FALSE(probe::isShown(probe::find(s.stage.get(), "findingGrid")));
}

TEST(AdvisorView, FindingsShowTheirCardsInOrderUnderTheHeadline) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  EXPECT_EQ(s.text("headline"), "16 GB of easy wins found.");
  EXPECT_EQ(probe::textsOf(s.stage.get(), "cardTitle"),
            (QStringList{"iOS Simulator runtimes", "Unavailable simulators", "Time Machine local snapshots",
                         "Docker virtual disk"}));
  EXPECT_FALSE(probe::isShown(probe::find(s.stage.get(), "allGoodCard")));
  QStringList rows;
  for (auto* r : probe::findAll<RuntimeRow>(s.stage.get(), "runtimeRow")) rows << keyOf(r);
  EXPECT_EQ(rows, (QStringList{QString::fromStdString(kBig), QString::fromStdString(kSmall),
                               QString::fromStdString(kLocked)}));
  EXPECT_EQ(probe::textOf(probe::find(s.row(kBig), "runtimeUsage")), "Used by 1 simulator: iPhone 15");
  EXPECT_FALSE(probe::isShown(probe::find(s.row(kBig), "runtimeSeparator")));  // no last use known

  // A runtime the tool will not delete: its "Delete…" is disabled and asks nothing.
  EXPECT_EQ(shown(s.deleteControl(kLocked)), (Shown{false, false}));
  s.pressDelete(kLocked);
  EXPECT_EQ(s.view->deleteQuestion(), nullptr);
}

TEST(AdvisorView, CardsShareARowOnlyWhenTwoColumnsOf430Fit) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  EXPECT_EQ(probe::find<AdaptiveGrid>(s.stage.get(), "findingGrid")->columnCount(), 1)
      << "900 less 2 x 28 is narrower than 430 + 14 + 430";
  s.open({1400, 900});
  EXPECT_EQ(probe::find<AdaptiveGrid>(s.stage.get(), "findingGrid")->columnCount(), 3);
  const auto cards = probe::findAll<QWidget>(s.stage.get(), "findingCard");
  ASSERT_EQ(cards.size(), 4);
  // Side by side, top-aligned, whatever their heights.
  EXPECT_EQ(probe::rectIn(cards[0], s.stage.get()).top(), probe::rectIn(cards[1], s.stage.get()).top());
  EXPECT_NE(cards[0]->height(), cards[1]->height());
}

TEST(AdvisorView, ARuntimesDetailLineWrapsInANarrowCardInsteadOfLosingItsEnd) {
  Screen s;
  AdvisorService::SimRuntime busy =
      runtime("17", 7'000'000'000,
              {"iPhone 15", "iPhone 15 Pro", "iPhone 15 Pro Max", "iPad Air (5th generation)", "iPad mini"});
  busy.lastUsed = kNow - std::chrono::hours(24 * 3);
  s.scene.engine->installed = {busy};
  s.scene.scanToEnd();
  s.open({1400, 900});  // three columns: a card of about 440
  RuntimeRow* row = s.row(kBig);
  ASSERT_NE(row, nullptr);
  auto* usage = probe::find<TextLabel>(row, "runtimeUsage");
  auto* separator = probe::find<TextLabel>(row, "runtimeSeparator");
  auto* lastUsed = probe::find<TextLabel>(row, "runtimeLastUsed");
  ASSERT_TRUE(usage && separator && lastUsed);
  EXPECT_EQ(usage->text(), "Used by 5 simulators: iPhone 15, iPhone 15 Pro, iPhone 15 Pro Max +2 more");

  // Every word is laid out, on more than one line, in a label grown to hold them.
  ASSERT_GT(usage->visibleLines().size(), 1);
  EXPECT_EQ(usage->visibleLines().join(' '), usage->text());
  EXPECT_FALSE(usage->isTruncated());
  EXPECT_GE(usage->height(), usage->heightForWidth(usage->width()));
  EXPECT_EQ(lastUsed->visibleLines(), (QStringList{"Last used 3 days ago"}));
  EXPECT_FALSE(lastUsed->isTruncated());
  EXPECT_TRUE(probe::isShown(separator));
  // Side by side in that order, inside the row's padding.
  const QRect inside = row->rect().marginsRemoved(QMargins(12, 12, 12, 12));
  const QRect u = usage->geometry(), d = separator->geometry(), l = lastUsed->geometry();
  EXPECT_LE(u.right(), d.left());
  EXPECT_LE(d.right(), l.left());
  for (const QRect& r : {u, d, l}) EXPECT_TRUE(inside.contains(r)) << r.x() << "," << r.y();
}

TEST(AdvisorView, CancelLeavesTheRuntimeAndTheFindingsAlone) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  const auto before = s.scene.model->findings();
  s.pressDelete(kSmall);
  ConfirmAlert* question = s.view->deleteQuestion();
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(question->title(), "Delete this Simulator runtime?");
  EXPECT_EQ(
      question->message(),
      "iOS 16 is the copy of iOS the Simulator boots, not your code, projects, or personal data. No "
      "simulators currently use it. Those simulators stop working until Xcode re-downloads the runtime (a "
      "5 GB download) the next time you need them.");
  ASSERT_TRUE(s.view->pendingRuntimeDelete());
  EXPECT_EQ(s.view->pendingRuntimeDelete()->id, kSmall);

  probe::click(probe::find(question, "alertCancel"));
  EXPECT_EQ(s.view->deleteQuestion(), nullptr);
  EXPECT_FALSE(s.view->pendingRuntimeDelete());
  s.scene.runToEnd();
  EXPECT_TRUE(s.scene.engine->deletedIds.empty());
  EXPECT_EQ(s.scene.model->findings(), before);
  EXPECT_EQ(shown(s.deleteControl(kSmall)), (Shown{false, true}));
}

TEST(AdvisorView, DeleteRuntimeDeletesThatOneWhileTheOtherActionsWait) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  s.pressDelete(kSmall);
  probe::click(probe::find(s.view->deleteQuestion(), "alertConfirm"));
  EXPECT_EQ(s.view->deleteQuestion(), nullptr);  // closed at once
  EXPECT_FALSE(s.view->pendingRuntimeDelete());

  // The deletion runs: its row spins, every other action waits, Rescan does not.
  EXPECT_EQ(shown(s.deleteControl(kSmall)), (Shown{true, false}));
  EXPECT_EQ(shown(s.deleteControl(kBig)), (Shown{false, false}));
  EXPECT_EQ(shown(s.control("removeAllButton")), (Shown{false, false}));
  EXPECT_EQ(shown(s.control("thinSnapshotsButton")), (Shown{false, false}));
  EXPECT_TRUE(probe::find(s.stage.get(), "rescanButton")->isEnabled());
  // Pressing a waiting control starts nothing.
  probe::click(probe::find(s.control("removeAllButton"), "actionButton"));
  s.pressDelete(kBig);
  EXPECT_EQ(s.view->deleteQuestion(), nullptr);

  s.scene.runToEnd();
  EXPECT_EQ(s.scene.engine->deletedIds, std::vector<std::string>{kSmall});
  EXPECT_EQ(s.scene.engine->removals, 0);
  EXPECT_EQ(s.row(kSmall), nullptr);
  ASSERT_NE(s.row(kBig), nullptr);  // the sentinel stays
  EXPECT_EQ(s.banner(), "Deleted iOS 16. If the space doesn't show up, a restart releases it.");
  EXPECT_EQ(s.text("headline"), "11 GB of easy wins found.");
  // And everything may be pressed again.
  EXPECT_EQ(shown(s.deleteControl(kBig)), (Shown{false, true}));
  EXPECT_EQ(shown(s.control("removeAllButton")), (Shown{false, true}));
  EXPECT_EQ(shown(s.control("thinSnapshotsButton")), (Shown{false, true}));
}

TEST(AdvisorView, TheQuestionDeletesTheRuntimeItNamedEvenAfterARescanReplacedTheList) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  s.pressDelete(kSmall);
  ASSERT_NE(s.view->deleteQuestion(), nullptr);

  // A scan started elsewhere (Smart Scan) while the question is open puts a
  // new runtime first and moves the named one.
  s.scene.engine->installed.insert(s.scene.engine->installed.begin(), runtime("18", 9'000'000'000));
  s.scene.model->scan();
  s.scene.runToEnd();
  ASSERT_NE(s.view->deleteQuestion(), nullptr);
  EXPECT_EQ(s.page(), "advisorList");

  probe::click(probe::find(s.view->deleteQuestion(), "alertConfirm"));
  s.scene.runToEnd();
  EXPECT_EQ(s.scene.engine->deletedIds, std::vector<std::string>{kSmall});
  EXPECT_NE(s.row("com.apple.CoreSimulator.SimRuntime.iOS-18"), nullptr);
  EXPECT_NE(s.row(kBig), nullptr);
  EXPECT_EQ(s.row(kSmall), nullptr);
}

TEST(AdvisorView, BulkActionsSpinWhileTheyRunAndTheirCardsGoWhenTheySucceed) {
  struct Case {
    const char* control;
    const char* other;
    const char* message;
  };
  const Case cases[] = {
      {"removeAllButton", "thinSnapshotsButton", "Removed 2 unavailable simulators."},
      {"thinSnapshotsButton", "removeAllButton",
       "macOS is purging snapshots now. Space shows up over the next few minutes."},
  };
  for (const Case& c : cases) {
    Screen s;
    s.scene.scanToEnd();
    s.open();
    probe::click(probe::find(s.control(c.control), "actionButton"));
    EXPECT_EQ(shown(s.control(c.control)), (Shown{true, false})) << c.control;
    EXPECT_EQ(shown(s.control(c.other)), (Shown{false, false})) << c.control;
    EXPECT_EQ(shown(s.deleteControl(kBig)), (Shown{false, false})) << c.control;

    probe::click(probe::find(s.control(c.other), "actionButton"));  // waits: starts nothing
    s.scene.runToEnd();
    EXPECT_EQ(s.scene.engine->removals + s.scene.engine->thinnings, 1) << c.control;
    EXPECT_EQ(s.control(c.control), nullptr) << c.control;  // its card is gone
    EXPECT_EQ(shown(s.control(c.other)), (Shown{false, true})) << c.control;
    EXPECT_EQ(shown(s.deleteControl(kBig)), (Shown{false, true})) << c.control;
    EXPECT_EQ(s.banner(), c.message) << c.control;
  }
}

TEST(AdvisorView, AFailedActionKeepsItsCardAndSaysSo) {
  Screen s;
  s.scene.engine->thinSucceeds = false;
  s.scene.engine->deleteSucceeds = false;
  s.scene.scanToEnd();
  s.open();
  probe::click(probe::find(s.control("thinSnapshotsButton"), "actionButton"));
  s.scene.runToEnd();
  EXPECT_EQ(s.banner(), "Couldn't thin local snapshots.");
  EXPECT_EQ(shown(s.control("thinSnapshotsButton")), (Shown{false, true}));

  s.pressDelete(kBig);
  probe::click(probe::find(s.view->deleteQuestion(), "alertConfirm"));
  s.scene.runToEnd();
  EXPECT_EQ(s.banner(), "Couldn't delete iOS 17. Try Xcode ▸ Settings ▸ Components instead.");
  EXPECT_NE(s.row(kBig), nullptr);
}

TEST(AdvisorView, TheBannerStandsBetweenSummaryAndGridAndClosesOnItsButtonAndOnRescan) {
  for (const char* how : {"bannerDismiss", "rescanButton"}) {
    Screen s;
    s.scene.scanToEnd();
    s.open();
    probe::click(probe::find(s.control("removeAllButton"), "actionButton"));
    s.scene.runToEnd();
    QWidget* banner = probe::find(s.stage.get(), "resultBanner");
    ASSERT_NE(banner, nullptr) << how;
    const int y = probe::rectIn(banner, s.stage.get()).top();
    EXPECT_GT(y, probe::rectIn(probe::find(s.stage.get(), "summary"), s.stage.get()).bottom()) << how;
    EXPECT_LT(y, probe::rectIn(probe::find(s.stage.get(), "findingGrid"), s.stage.get()).top()) << how;

    probe::click(probe::find(s.stage.get(), how));
    EXPECT_FALSE(s.scene.model->lastMessage()) << how;
    s.scene.runToEnd();
    EXPECT_EQ(s.banner(), "") << how;
  }
}

TEST(AdvisorView, EveryStateReadsByWhatItShowsAndTabsInReadingOrder) {
  {
    Screen s(false);
    s.open();
    tidewell::testing::expectReadable(s.stage.get(), {R"(Button "Check My Mac")"});
    probe::click(probe::find(s.stage.get(), "scanButton"));
    tidewell::testing::expectReadable(s.stage.get(),
                                      {R"(StaticText "Checking simulators, snapshots, Docker…")"});
    s.scene.runToEnd();
    s.stage->image(1);
    tidewell::testing::expectReadable(s.stage.get(), {R"(StaticText "You're all good")"});
  }
  Screen s;
  s.scene.scanToEnd();
  s.open();
  tidewell::testing::expectReadable(
      s.stage.get(), {R"(StaticText "16 GB of easy wins found.")", R"(StaticText "iOS Simulator runtimes")",
                      R"(StaticText "Docker virtual disk")", R"(Button "Delete…")"});
  // The cards' icon tiles are there, and left out of the tree.
  EXPECT_FALSE(probe::decorations(s.stage.get()).isEmpty());
}

TEST(AdvisorView, TheDeleteQuestionReadsAndNeitherAStrayKeyNorReturnDeletes) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  s.pressDelete(kSmall);
  QPointer<ConfirmAlert> question = s.view->deleteQuestion();
  ASSERT_TRUE(question);
  probe::settle();
  tidewell::testing::expectReadable(question, {R"(StaticText "Delete this Simulator runtime?")",
                                               R"(Button "Cancel")", R"(Button "Delete Runtime")"});
  const QList<QWidget*> tabs = probe::tabOrder(question);
  ASSERT_EQ(tabs.size(), 2);
  EXPECT_EQ(tabs[0], probe::find(question, "alertCancel"));
  EXPECT_EQ(tabs[1], probe::find(question, "alertConfirm"));
  probe::find(question, "alertConfirm")->setFocus(Qt::TabFocusReason);
  probe::pressKey(question, Qt::Key_Return);
  s.scene.runToEnd();
  EXPECT_TRUE(question && question->isVisible());
  EXPECT_TRUE(s.scene.engine->deletedIds.empty());
  // Escape answers no.
  probe::pressKey(question, Qt::Key_Escape);
  probe::settle();
  EXPECT_FALSE(question);
  s.scene.runToEnd();
  EXPECT_TRUE(s.scene.engine->deletedIds.empty());
}

}  // namespace
}  // namespace tidewell::screens
