#include "screens/devmode/DevModeView.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "design/components/GhostPillButton.h"
#include "design/components/PillButton.h"
#include "design/theme/SectionPalette.h"
#include "models/devmode/DevModeViewModel.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/controls/SelectionBox.h"
#include "screens/devmode/AIModelRow.h"
#include "screens/devmode/DevItemRow.h"
#include "screens/devmode/DevModeRailRow.h"
#include "screens/devmode/DevModeScanningPage.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedCleanupEngine.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "tests/screens/common/ReadableScreen.h"

namespace tidewell::screens {
namespace {

using engine::CleanupCategory;
using engine::SafetyLevel;
using models::DevModeViewModel;
using Phase = DevModeViewModel::Phase;
using testing::row;

std::set<std::string> picked(const DevModeViewModel& model) {
  std::set<std::string> out;
  for (const auto& item : model.selectedItems()) out.insert(item.id());
  return out;
}

TEST(DevModeView, EveryPhaseShowsItsPage) {
  const std::pair<Phase, DevModePage> table[] = {
      {Phase::idle, DevModePage::start},    {Phase::scanning, DevModePage::scanning},
      {Phase::review, DevModePage::review}, {Phase::cleaning, DevModePage::results},
      {Phase::done, DevModePage::results},
  };
  for (const auto& [phase, page] : table) EXPECT_EQ(devModePageOf(phase), page) << int(phase);
}

struct DevModeScreen : ::testing::Test {
  testing::ModelHarness harness;
  std::shared_ptr<testing::ScriptedCleanupEngine> fake = std::make_shared<testing::ScriptedCleanupEngine>();
  std::shared_ptr<DevModeViewModel> model;
  probe::FakeServices fakes;
  std::unique_ptr<probe::Stage> stage;
  DevModeView* view = nullptr;

  void SetUp() override {
    probe::prepare();
    // Three tool groups by id, two of them holding a safe and a caution
    // row, an AI cache (caution) and one model store.
    fake->catalogRows = {
        row("xcode-safe"), row("xcode-caution", CleanupCategory::developerCaches, SafetyLevel::caution),
        row("npm-safe"), row("npm-caution", CleanupCategory::developerCaches, SafetyLevel::caution),
        row("cargo-only")};
    fake->sizes = {{"xcode-safe", 4'000'000},  {"xcode-caution", 3'000'000}, {"npm-safe", 2'000'000},
                   {"npm-caution", 1'000'000}, {"cargo-only", 500'000},      {"hf-hub-cache", 700'000}};
    fake->stores = {
        {"/fixture/ollama", "Ollama models", 20'000'000'000, "/fixture/ollama/models", "Local LLM weights."}};
    model = std::make_shared<DevModeViewModel>(harness.services(), fake);
    view = new DevModeView(model, fakes.services());
    stage = std::make_unique<probe::Stage>(view, design::SectionPalette::devMode(), probe::kDetailPaneSize);
    stage->show();
    probe::settle();
  }

  models::ManualExecutor& executor() { return *harness.executor; }
  void finishJobs() {
    testing::runToEnd(executor());
    probe::settle();
  }
  void scanToReview() {
    ASSERT_TRUE(probe::click(probe::find(view, "scanButton")));
    finishJobs();
    ASSERT_EQ(model->phase(), Phase::review);
  }

  QString text(const char* name) { return probe::textOf(probe::find(view, name)); }
  bool shown(const char* name, const QString& key = {}) {
    return probe::isShown(probe::find(view, name, key));
  }
  DevModeRailRow* railRow(const QString& id) { return probe::find<DevModeRailRow>(view, "railRow", id); }
  DevItemRow* itemRow(const QString& id) { return probe::find<DevItemRow>(view, "itemRow", id); }
  void viewGroup(const QString& id) {
    ASSERT_NE(railRow(id), nullptr) << id.toStdString();
    ASSERT_TRUE(probe::click(railRow(id)));
  }
  QStringList railIds() {
    QStringList ids;
    for (auto* row : probe::findAll<DevModeRailRow>(view, "railRow"))
      if (probe::isShown(row)) ids << row->values().id;
    return ids;
  }
  QStringList itemIds() {
    QStringList ids;
    for (auto* row : probe::findAll<DevItemRow>(view, "itemRow"))
      if (probe::isShown(row)) ids << keyOf(row);
    return ids;
  }
};

TEST_F(DevModeScreen, IdleThenScanningThenReview) {
  EXPECT_TRUE(shown("idleView"));
  EXPECT_EQ(probe::textOf(probe::find(view, "scanButton")), "Scan Dev & AI");
  EXPECT_EQ(text("introHeadline"), "Dev tools and AI apps quietly hoard tens of gigabytes.");

  ASSERT_TRUE(probe::click(probe::find(view, "scanButton")));
  EXPECT_EQ(model->phase(), Phase::scanning);
  EXPECT_TRUE(shown("scanningView"));
  EXPECT_EQ(text("scanningTitle"), "Checking your dev tools and AI apps\u2026");
  // The listing, then the first measurements: the bar follows the model.
  executor().runJob();
  probe::settle();
  executor().runJob();
  probe::settle();
  auto* scanning = probe::find<DevModeScanningPage>(view, "scanningView");
  ASSERT_NE(scanning, nullptr);
  EXPECT_GT(model->scanProgress(), 0);
  EXPECT_DOUBLE_EQ(scanning->progress(), model->scanProgress());

  finishJobs();
  EXPECT_TRUE(shown("reviewView"));
  EXPECT_FALSE(shown("scanningView"));
  // 4 + 3 + 2 + 1 + 0.5 + 0.7 MB; the model store does not count.
  EXPECT_EQ(text("reviewSummary"), "Found 11.2 MB to clear.");
  EXPECT_EQ(text("reviewPromise"), "Only what your tools rebuild on their own. Your work is never touched.");
  EXPECT_EQ(railIds(), (QStringList{"Xcode", "Node & JS", "Rust", "AI caches", "__models__"}));
  // Nothing viewed yet: the first group.
  EXPECT_TRUE(railRow("Xcode")->isViewed());
  EXPECT_EQ(text("detailLabel"), "Xcode");
  EXPECT_EQ(itemIds(), (QStringList{"xcode-safe", "xcode-caution"}));
  EXPECT_EQ(probe::textOf(probe::find(view, "groupCaption")), "2 \u00b7 7 MB");
}

TEST_F(DevModeScreen, RailRowsShowMarksCountsAndTheViewedGroup) {
  scanToReview();
  EXPECT_EQ(railRow("Xcode")->values().mark, SelectionMark::mixed);
  EXPECT_EQ(railRow("Rust")->values().mark, SelectionMark::on);
  EXPECT_EQ(railRow("AI caches")->values().mark, SelectionMark::off);
  EXPECT_EQ(railRow("__models__")->values().caption, "1 \u00b7 20 GB");
  EXPECT_EQ(railRow("__models__")->values().label, "Large AI models");
  EXPECT_TRUE(probe::isShown(probe::find(railRow("__models__"), "groupEye")));
  EXPECT_FALSE(probe::isShown(probe::find(railRow("__models__"), "groupCheck")));
  EXPECT_FALSE(probe::isShown(probe::find(railRow("Rust"), "groupEye")));
  EXPECT_TRUE(shown("neverTouches"));
  EXPECT_EQ(text("neverTouchesLines"),
            "Your chats and memory\nYour projects, code and git\nYour keys and credentials");

  viewGroup("Rust");
  EXPECT_TRUE(railRow("Rust")->isViewed());
  EXPECT_FALSE(railRow("Xcode")->isViewed());
  EXPECT_EQ(view->viewing(), "Rust");
  EXPECT_EQ(itemIds(), (QStringList{"cargo-only"}));
  // Viewing changes no pick.
  EXPECT_EQ(picked(*model), (std::set<std::string>{"xcode-safe", "npm-safe", "cargo-only"}));
}

TEST_F(DevModeScreen, RailBoxPicksOrDropsTheWholeGroupOnly) {
  scanToReview();
  struct Step {
    const char* group;
    std::set<std::string> after;
  };
  const Step steps[] = {
      // Mixed: picks the whole group.
      {"Xcode", {"xcode-safe", "xcode-caution", "npm-safe", "cargo-only"}},
      // On: drops it.
      {"Xcode", {"npm-safe", "cargo-only"}},
      // Off: picks it.
      {"AI caches", {"npm-safe", "cargo-only", "hf-hub-cache"}},
      {"Rust", {"npm-safe", "hf-hub-cache"}},
  };
  for (const auto& step : steps) {
    ASSERT_TRUE(probe::click(railRow(step.group)->box()));
    EXPECT_EQ(picked(*model), step.after) << step.group;
  }
  EXPECT_EQ(railRow("Xcode")->values().mark, SelectionMark::off);
  EXPECT_EQ(railRow("AI caches")->values().mark, SelectionMark::on);
  // A tap on the box does not change the viewed group.
  EXPECT_TRUE(railRow("Xcode")->isViewed());
}

TEST_F(DevModeScreen, SmartAllAndNoneTouchOnlyTheViewedGroup) {
  scanToReview();
  struct Case {
    const char* group;
    const char* button;
    std::set<std::string> groupPicks;
  };
  const Case cases[] = {
      {"Xcode", "groupAllButton", {"xcode-safe", "xcode-caution"}},
      {"Xcode", "smartButton", {"xcode-safe"}},
      {"Xcode", "groupNoneButton", {}},
      {"Node & JS", "groupAllButton", {"npm-safe", "npm-caution"}},
      {"Node & JS", "groupNoneButton", {}},
      {"Node & JS", "smartButton", {"npm-safe"}},
      {"AI caches", "groupAllButton", {"hf-hub-cache"}},
      {"AI caches", "smartButton", {}},
  };
  const std::map<std::string, std::string> groupOf = {
      {"xcode-safe", "Xcode"},      {"xcode-caution", "Xcode"}, {"npm-safe", "Node & JS"},
      {"npm-caution", "Node & JS"}, {"cargo-only", "Rust"},     {"hf-hub-cache", "AI caches"}};
  for (const auto& c : cases) {
    viewGroup(c.group);
    std::set<std::string> others;
    for (const auto& id : picked(*model))
      if (groupOf.at(id) != c.group) others.insert(id);
    ASSERT_TRUE(probe::click(probe::find(view, c.button)));
    std::set<std::string> inGroup, outside;
    for (const auto& id : picked(*model)) (groupOf.at(id) == c.group ? inGroup : outside).insert(id);
    EXPECT_EQ(inGroup, c.groupPicks) << c.group << " " << c.button;
    EXPECT_EQ(outside, others) << c.group << " " << c.button;
  }
}

TEST_F(DevModeScreen, HeaderButtonsPickAcrossEveryGroup) {
  scanToReview();
  ASSERT_TRUE(probe::click(probe::find(view, "allButton")));
  EXPECT_EQ(picked(*model).size(), 6u);
  ASSERT_TRUE(probe::click(probe::find(view, "safeOnlyButton")));
  EXPECT_EQ(picked(*model), (std::set<std::string>{"xcode-safe", "npm-safe", "cargo-only"}));
  ASSERT_TRUE(probe::click(probe::find(view, "noneButton")));
  EXPECT_TRUE(picked(*model).empty());
  EXPECT_EQ(text("pickedCount"), "0 picked");
  EXPECT_EQ(text("pickedBytes"), "Zero KB");
  auto* cleanUp = probe::find<design::PillButton>(view, "cleanUpButton");
  EXPECT_FALSE(cleanUp->isEnabled());
  EXPECT_DOUBLE_EQ(cleanUp->opacity(), 0.45);
  ASSERT_TRUE(probe::click(probe::find(view, "safeOnlyButton")));
  EXPECT_EQ(picked(*model).size(), 3u);
  EXPECT_TRUE(cleanUp->isEnabled());
  EXPECT_DOUBLE_EQ(cleanUp->opacity(), 1.0);
  // The summary counts every item, picked or not.
  EXPECT_EQ(text("reviewSummary"), "Found 11.2 MB to clear.");
}

TEST_F(DevModeScreen, ATapAnywhereOnAnItemRowFlipsItsPick) {
  scanToReview();
  DevItemRow* caution = itemRow("xcode-caution");
  ASSERT_NE(caution, nullptr);
  EXPECT_FALSE(caution->isOn());
  EXPECT_TRUE(caution->hasBadge());
  EXPECT_FALSE(itemRow("xcode-safe")->hasBadge());
  EXPECT_EQ(text("pickedCount"), "3 picked");
  EXPECT_EQ(text("pickedBytes"), "6.5 MB");

  // On the title, then on the empty space before the size.
  ASSERT_TRUE(probe::click(probe::find(caution, "itemTitle")));
  EXPECT_TRUE(model->isSelected("xcode-caution"));
  EXPECT_TRUE(itemRow("xcode-caution")->isOn());
  EXPECT_EQ(railRow("Xcode")->values().mark, SelectionMark::on);
  EXPECT_EQ(text("pickedCount"), "4 picked");
  EXPECT_EQ(text("pickedBytes"), "9.5 MB");
  const QRect size = probe::rectIn(probe::find(caution, "itemSize"), caution);
  ASSERT_TRUE(probe::click(caution, QPoint(size.left() - 10, caution->height() / 2)));
  EXPECT_FALSE(model->isSelected("xcode-caution"));
  EXPECT_FALSE(itemRow("xcode-caution")->isOn());
  // The badge belongs to the row's safety, not its pick.
  EXPECT_TRUE(itemRow("xcode-caution")->hasBadge());
}

TEST_F(DevModeScreen, CleanUpCleansExactlyThePickedItems) {
  scanToReview();
  viewGroup("Node & JS");
  ASSERT_TRUE(probe::click(probe::find(view, "groupAllButton")));
  ASSERT_TRUE(probe::click(railRow("Rust")->box()));
  const std::set<std::string> chosen = picked(*model);
  ASSERT_EQ(chosen, (std::set<std::string>{"xcode-safe", "npm-safe", "npm-caution"}));

  ASSERT_TRUE(probe::click(probe::find(view, "cleanUpButton")));
  EXPECT_EQ(model->phase(), Phase::cleaning);
  EXPECT_TRUE(shown("resultsView"));
  EXPECT_EQ(text("resultTitle"), "Cleaning\u2026");
  EXPECT_FALSE(shown("doneButton"));
  EXPECT_FALSE(shown("reviewView"));

  finishJobs();
  const auto cleaned = fake->cleaned();
  EXPECT_EQ(std::set<std::string>(cleaned.begin(), cleaned.end()), chosen);
  EXPECT_EQ(cleaned.size(), chosen.size());
  // Nothing outside the picks was touched.
  for (const char* left : {"xcode-caution", "cargo-only", "hf-hub-cache"})
    EXPECT_EQ(std::count(cleaned.begin(), cleaned.end(), left), 0) << left;
  EXPECT_EQ(text("resultTitle"), "Freed 7 MB");
  EXPECT_TRUE(shown("doneButton"));
  EXPECT_FALSE(shown("leftBehind"));
  EXPECT_TRUE(fakes.revealer->revealed.isEmpty());

  ASSERT_TRUE(probe::click(probe::find(view, "doneButton")));
  EXPECT_EQ(model->phase(), Phase::idle);
  EXPECT_TRUE(shown("idleView"));
}

TEST_F(DevModeScreen, TheResultsNameWhatACleanLeftBehind) {
  fake->results["xcode-safe"] = {1'000'000, "xcode-safe title"};
  fake->results["cargo-only"] = {0, "cargo-only title"};
  scanToReview();
  ASSERT_TRUE(probe::click(probe::find(view, "cleanUpButton")));
  finishJobs();
  ASSERT_EQ(model->phase(), Phase::done);
  EXPECT_EQ(text("resultTitle"), "Freed 3 MB");
  EXPECT_TRUE(shown("leftBehind"));
  EXPECT_EQ(text("leftBehind"),
            "2 items wouldn't budge: xcode-safe title, cargo-only title. macOS may need Full Disk Access for "
            "these. Grant it in System Settings \u25b8 Privacy & Security.");
  EXPECT_TRUE(shown("doneButton"));
}

TEST_F(DevModeScreen, RescanKeepsTheViewedGroupWhileItExists) {
  scanToReview();
  viewGroup("Rust");
  ASSERT_TRUE(probe::click(probe::find(view, "rescanButton")));
  EXPECT_EQ(model->phase(), Phase::scanning);
  EXPECT_TRUE(shown("scanningView"));

  // Rust is gone after this scan: the first group shows, highlighted.
  fake->sizes.erase("cargo-only");
  finishJobs();
  EXPECT_EQ(view->viewing(), "Rust");
  EXPECT_EQ(railRow("Rust"), nullptr);
  EXPECT_TRUE(railRow("Xcode")->isViewed());
  EXPECT_EQ(text("detailLabel"), "Xcode");

  // It comes back with the next scan, and is shown again.
  fake->sizes["cargo-only"] = 500'000;
  ASSERT_TRUE(probe::click(probe::find(view, "rescanButton")));
  finishJobs();
  EXPECT_TRUE(railRow("Rust")->isViewed());
  EXPECT_EQ(itemIds(), (QStringList{"cargo-only"}));
}

TEST_F(DevModeScreen, TheModelsGroupRevealsAndPicksNothing) {
  scanToReview();
  const auto before = picked(*model);
  viewGroup("__models__");
  EXPECT_EQ(text("detailLabel"), "Large AI models");
  EXPECT_EQ(text("detailSize"), "20 GB");
  EXPECT_FALSE(shown("smartButton"));
  EXPECT_FALSE(shown("groupAllButton"));
  EXPECT_TRUE(shown("modelsNote"));
  EXPECT_TRUE(itemIds().isEmpty());
  auto* store = probe::find<AIModelRow>(view, "storeRow", "/fixture/ollama");
  ASSERT_NE(store, nullptr);
  EXPECT_EQ(probe::textOf(probe::find(store, "storeTool")), "Ollama models");
  EXPECT_EQ(probe::textOf(store->revealButton()), "Reveal");
  ASSERT_TRUE(probe::click(store->revealButton()));
  EXPECT_EQ(fakes.revealer->revealed, QStringList{"/fixture/ollama/models"});
  EXPECT_EQ(picked(*model), before);
  // The footer counts items only.
  EXPECT_EQ(text("pickedCount"), "3 picked");
}

TEST_F(DevModeScreen, AnEmptyReviewShowsOnlyTheCard) {
  fake->sizes.clear();
  fake->stores.clear();
  scanToReview();
  EXPECT_TRUE(railIds().isEmpty());
  EXPECT_TRUE(shown("neverTouches"));
  EXPECT_FALSE(shown("groupDetail"));
  EXPECT_EQ(text("reviewSummary"), "Found Zero KB to clear.");
  ASSERT_TRUE(probe::click(probe::find(view, "allButton")));
  EXPECT_FALSE(probe::find<design::PillButton>(view, "cleanUpButton")->isEnabled());
}

TEST_F(DevModeScreen, ThePickedRowAndTheViewedRailRowAreLitInTheAccent) {
  scanToReview();
  const QColor accent = design::SectionPalette::devMode().primary;
  const QImage image = stage->image(1);
  const auto sample = [&](QWidget* widget) {
    const QRect r = probe::rectIn(widget, stage.get());
    // Inside the border, in the padding left of the check box.
    return probe::pixel(image, QPointF(r.left() + 5, r.center().y()));
  };
  const QColor pickedFill = sample(itemRow("xcode-safe"));
  const QColor unpickedFill = sample(itemRow("xcode-caution"));
  // Accent at 0.07 over the background leans to the accent's hue; the
  // raised surface is a neutral grey-blue.
  EXPECT_GT(pickedFill.green() - pickedFill.red(), unpickedFill.green() - unpickedFill.red());
  const QColor viewed = sample(railRow("Xcode"));
  const QColor other = sample(railRow("Rust"));
  EXPECT_GT(viewed.green(), other.green());
  EXPECT_GT(accent.green(), accent.red());
}

TEST_F(DevModeScreen, EveryStateReadsByWhatItShowsAndTabsInReadingOrder) {
  tidewell::testing::expectReadable(stage.get(), {R"(Button "Scan Dev & AI")"});
  probe::click(probe::find(view, "scanButton"));
  tidewell::testing::expectReadable(stage.get(), {R"(StaticText "Checking your dev tools and AI apps…")"});
  finishJobs();
  tidewell::testing::expectReadable(
      stage.get(), {R"(StaticText "Found 11.2 MB to clear.")", R"(PageTab "Xcode" checked selected)",
                    R"(CheckBox "Xcode" mixed)", R"(PageTab "Rust")", R"(CheckBox "Rust" checked)",
                    R"(CheckBox "xcode-safe title, 4 MB" checked)",
                    R"(CheckBox "xcode-caution title, review, 3 MB")", R"(Button "Clean Up")"});
  // The models group: its stores, revealed rather than picked.
  viewGroup("__models__");
  tidewell::testing::expectReadable(stage.get());
  probe::click(probe::find(view, "cleanUpButton"));
  finishJobs();
  tidewell::testing::expectReadable(stage.get(), {R"(StaticText "Freed 6.5 MB")", R"(Button "Done")"});
}

TEST_F(DevModeScreen, AnItemRowIsACheckBoxThatSpaceAndReturnFlip) {
  scanToReview();
  DevItemRow* row = itemRow("xcode-safe");
  ASSERT_NE(row, nullptr);
  ASSERT_TRUE(row->isOn());
  row->setFocus(Qt::TabFocusReason);
  probe::pressKey(row, Qt::Key_Space);
  EXPECT_FALSE(row->isOn());
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(row)->state().checked);
  probe::pressKey(row, Qt::Key_Return);
  EXPECT_TRUE(row->isOn());
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(row)->state().checked);
}

}  // namespace
}  // namespace tidewell::screens
