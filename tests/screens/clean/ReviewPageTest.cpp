#include <gtest/gtest.h>

#include <algorithm>

#include "design/components/PillButton.h"
#include "design/motion/AnimationClock.h"
#include "screens/clean/CleanView.h"
#include "screens/clean/ReviewPage.h"
#include "screens/clean/review/CategoryRow.h"
#include "screens/clean/review/ItemChip.h"
#include "screens/common/Formatting.h"
#include "screens/common/ObjectNames.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/CleanStage.h"

namespace tidewell::screens {
namespace {

using engine::CleanupCategory;
using models::CleanupViewModel;
using probe::CleanStage;

const QString kDeveloper = QStringLiteral("Developer Caches");
const QString kApps = QStringLiteral("App Caches");
const QString kSystem = QStringLiteral("System");

struct ReviewScreen {
  CleanStage clean;
  probe::Stage* stage = nullptr;

  explicit ReviewScreen(std::vector<CleanStage::Found> found = CleanStage::defaultFinds()) : clean(found) {
    clean.scan();
    stage = new probe::Stage(makeReviewPage(clean.model, clean.volume), design::SectionPalette::clean(),
                             probe::kDetailPaneSize);
    probe::render(stage);
  }
  ~ReviewScreen() { delete stage; }

  QWidget* find(const char* name, const QString& key = {}) {
    return probe::find(stage, QString::fromLatin1(name), key);
  }
  QString text(const char* name) { return probe::textOf(find(name)); }
  bool shown(const char* name) { return probe::isShown(find(name)); }
  ItemChip* chip(const std::string& id) {
    return probe::find<ItemChip>(stage, QStringLiteral("itemChip"), QString::fromStdString(id));
  }
  CategoryRow* row(const QString& title) {
    return probe::find<CategoryRow>(stage, QStringLiteral("categoryRow"), title);
  }
  void tick(const QString& title) { probe::click(probe::find(row(title), QStringLiteral("categoryCheck"))); }
  QStringList chipIds() {
    QStringList ids;
    for (ItemChip* chip : probe::findAll<ItemChip>(stage, QStringLiteral("itemChip")))
      if (probe::isShown(chip)) ids << keyOf(chip);
    return ids;
  }
  std::vector<std::string> selectedIds() {
    std::vector<std::string> ids;
    for (const auto& item : clean.model->selectedItems()) ids.push_back(item.id());
    std::sort(ids.begin(), ids.end());
    return ids;
  }
  std::vector<std::string> idsWhere(const std::function<bool(const engine::CleanupItem&)>& keep) {
    std::vector<std::string> ids;
    for (const auto& item : clean.model->items())
      if (keep(item)) ids.push_back(item.id());
    std::sort(ids.begin(), ids.end());
    return ids;
  }
};

bool isSafe(const engine::CleanupItem& item) { return item.target.safety == engine::SafetyLevel::safe; }

TEST(ReviewPage, AFreshReviewViewsTheFirstCategoryWithItsChipsInModelOrder) {
  ReviewScreen page;
  EXPECT_EQ(page.text("reviewTitle"), "Found 38.69 GB of junk.");
  EXPECT_EQ(page.text("reviewSubline"), "Green is safe and pre-ticked. Nothing goes until you hit Clean Up.");
  EXPECT_EQ(page.find("safeOnlyButton")->toolTip(), "Select every safe item, deselect the review-gated ones");

  QStringList rows;
  for (CategoryRow* row : probe::findAll<CategoryRow>(page.stage, QStringLiteral("categoryRow")))
    if (probe::isShown(row)) rows << row->content().title;
  EXPECT_EQ(rows, QStringList({kDeveloper, kApps, kSystem}));
  EXPECT_TRUE(page.row(kDeveloper)->content().isViewing);
  EXPECT_FALSE(page.row(kApps)->content().isViewing);
  EXPECT_EQ(probe::textOf(probe::find(page.row(kDeveloper), QStringLiteral("categoryCount"))),
            "4 of 6 · 32.79 GB");

  EXPECT_EQ(page.text("paneTitle"), kDeveloper);
  EXPECT_EQ(page.text("paneBytes"), "32.79 GB");
  QStringList expected;
  for (const auto& item : page.clean.model->items(CleanupCategory::developerCaches))
    expected << QString::fromStdString(item.id());
  EXPECT_EQ(page.chipIds(), expected);
  EXPECT_EQ(expected.first(), "xcode-derived-data");  // largest first

  // The tag marks caution rows, ticked or not, and only them.
  for (const auto& item : page.clean.model->items(CleanupCategory::developerCaches)) {
    ItemChip* chip = page.chip(item.id());
    EXPECT_EQ(probe::isShown(probe::find(chip, QStringLiteral("reviewTag"))), !isSafe(item)) << item.id();
    EXPECT_EQ(probe::textOf(probe::find(chip, QStringLiteral("chipSize"))), bytesText(item.sizeBytes));
  }
  page.clean.model->setSelected("xcode-archives", true);
  probe::settle();
  EXPECT_TRUE(probe::isShown(probe::find(page.chip("xcode-archives"), QStringLiteral("reviewTag"))));
}

TEST(ReviewPage, SafeOnlyAllAndNoneSetTheWholeSelection) {
  ReviewScreen page;
  probe::click(page.find("noneButton"));
  EXPECT_TRUE(page.clean.model->selectedItems().empty());
  probe::click(page.find("allButton"));
  EXPECT_EQ(page.clean.model->selectedItems().size(), page.clean.model->items().size());
  EXPECT_EQ(page.text("pickedCount"), "11 of 11 picked");
  probe::click(page.find("safeOnlyButton"));
  EXPECT_EQ(page.selectedIds(), page.idsWhere(isSafe));
  EXPECT_EQ(page.text("pickedCount"), "8 of 11 picked");
}

TEST(ReviewPage, WithNothingPickedTheHintReplacesTheFreeLineAndCleanUpIsDimmed) {
  ReviewScreen page;
  auto* cleanUp = probe::find<design::PillButton>(page.stage, QStringLiteral("cleanUpButton"));
  ASSERT_TRUE(cleanUp);
  EXPECT_TRUE(cleanUp->isEnabled());
  EXPECT_TRUE(page.shown("freeAfter"));
  EXPECT_FALSE(page.shown("pickHint"));
  const QPoint centre = probe::rectIn(cleanUp, page.stage).center();
  const QColor lit = probe::pixel(probe::render(page.stage), centre + QPoint(-cleanUp->width() / 2 + 12, 0));

  probe::click(page.find("noneButton"));
  EXPECT_FALSE(cleanUp->isEnabled());
  EXPECT_DOUBLE_EQ(cleanUp->opacity(), 0.45);
  EXPECT_EQ(page.text("selectedSize"), "Zero KB");
  EXPECT_EQ(page.text("pickedCount"), "0 of 11 picked");
  EXPECT_TRUE(page.shown("pickHint"));
  EXPECT_EQ(page.text("pickHint"), "Nothing picked yet. Tap rows or hit “Safe only”.");
  EXPECT_FALSE(page.shown("freeAfter"));
  // The white capsule is drawn at 0.45 over the dark footer.
  const QColor dim = probe::pixel(probe::render(page.stage), centre + QPoint(-cleanUp->width() / 2 + 12, 0));
  EXPECT_GT(lit.lightness(), 200) << lit.name().toStdString();
  EXPECT_LT(dim.lightness(), lit.lightness() * 0.6) << dim.name().toStdString();

  // A disabled button does nothing.
  probe::click(cleanUp);
  EXPECT_EQ(page.clean.model->phase(), CleanupViewModel::Phase::review);
}

TEST(ReviewPage, AChipFlipsItsItemAndTheFreeLineGrowsByItsSize) {
  ReviewScreen page;
  EXPECT_EQ(page.text("freeAfter"),
            "~" + bytesText(41'200'000'000 + page.clean.model->selectedBytes()) + " free after this");
  ASSERT_FALSE(page.clean.model->isSelected("xcode-archives"));
  const int64_t before = page.clean.model->selectedBytes();
  probe::click(page.chip("xcode-archives"));
  EXPECT_TRUE(page.clean.model->isSelected("xcode-archives"));
  EXPECT_EQ(page.clean.model->selectedBytes(), before + 3'870'000'000);
  EXPECT_EQ(page.text("freeAfter"),
            "~" + bytesText(41'200'000'000 + before + 3'870'000'000) + " free after this");
  EXPECT_EQ(page.text("pickedCount"), "9 of 11 picked");
  EXPECT_TRUE(page.chip("xcode-archives")->isOn());
  probe::click(page.chip("xcode-archives"));
  EXPECT_FALSE(page.clean.model->isSelected("xcode-archives"));
  EXPECT_FALSE(page.chip("xcode-archives")->isOn());

  // The free line follows the volume model's reading too.
  *page.clean.volumeFree = 50'000'000'000;
  page.clean.volume->refresh();
  probe::settle();
  EXPECT_EQ(page.text("freeAfter"), "~" + bytesText(50'000'000'000 + before) + " free after this");
}

TEST(ReviewPage, AChipEasesIntoItsNewSelectionOverAFewFrames) {
  ReviewScreen page;
  probe::MotionOn motion;
  ItemChip* chip = page.chip("xcode-archives");
  EXPECT_DOUBLE_EQ(chip->selectionAmount(), 0);
  probe::click(chip);
  EXPECT_TRUE(chip->isOn());
  EXPECT_LT(chip->selectionAmount(), 0.1);
  design::AnimationClock::shared().advance(0.075);
  EXPECT_GT(chip->selectionAmount(), 0.5);
  EXPECT_LT(chip->selectionAmount(), 1);
  design::AnimationClock::shared().advance(0.1);
  EXPECT_DOUBLE_EQ(chip->selectionAmount(), 1);
  // The looks it eases between.
  const QColor accent = design::SectionPalette::clean().primary;
  EXPECT_EQ(ItemChip::lookAt(0, accent).fill, design::Color::raisedSurface());
  EXPECT_EQ(ItemChip::lookAt(0, accent).border, design::Color::hairline());
  EXPECT_EQ(ItemChip::lookAt(1, accent).fill.rgba(), design::Color::withOpacity(accent, 0.07).rgba());
  EXPECT_EQ(ItemChip::lookAt(1, accent).border.rgba(), design::Color::withOpacity(accent, 0.35).rgba());
  EXPECT_EQ(ItemChip::sizeColourAt(0), design::Color::secondaryText());
  EXPECT_EQ(ItemChip::sizeColourAt(1), QColor(Qt::white));
}

TEST(ReviewPage, TheRailTickFillsAMixedCategoryThenClearsIt) {
  ReviewScreen page;
  CategoryRow* developer = page.row(kDeveloper);
  EXPECT_EQ(developer->content().mark, SelectionMark::mixed);
  const std::vector<std::string> others = page.idsWhere([](const engine::CleanupItem& item) {
    return item.target.category != CleanupCategory::developerCaches;
  });
  auto selectedOthers = [&] {
    std::vector<std::string> ids;
    for (const std::string& id : others)
      if (page.clean.model->isSelected(id)) ids.push_back(id);
    return ids;
  };
  const std::vector<std::string> othersBefore = selectedOthers();

  page.tick(kDeveloper);
  EXPECT_EQ(page.clean.model->selectedCount(CleanupCategory::developerCaches), 6u);  // caution rows too
  EXPECT_EQ(developer->content().mark, SelectionMark::on);
  EXPECT_TRUE(page.chip("xcode-archives")->isOn());
  page.tick(kDeveloper);
  EXPECT_EQ(page.clean.model->selectedCount(CleanupCategory::developerCaches), 0u);
  EXPECT_EQ(developer->content().mark, SelectionMark::off);
  page.tick(kDeveloper);
  EXPECT_EQ(developer->content().mark, SelectionMark::on);
  EXPECT_EQ(selectedOthers(), othersBefore);
  // The tick box does not change what is viewed.
  page.tick(kSystem);
  EXPECT_TRUE(page.row(kDeveloper)->content().isViewing);
  EXPECT_EQ(page.text("paneTitle"), kDeveloper);
}

TEST(ReviewPage, ARowClickViewsItsCategoryAndTheSmartPillStaysInside) {
  ReviewScreen page;
  probe::click(page.row(kSystem), QPoint(page.row(kSystem)->width() - 30, 20));
  EXPECT_TRUE(page.row(kSystem)->content().isViewing);
  EXPECT_FALSE(page.row(kDeveloper)->content().isViewing);
  EXPECT_EQ(page.text("paneTitle"), kSystem);
  EXPECT_EQ(page.chipIds(), QStringList({"trash", "user-logs", "saved-app-state"}));

  probe::click(page.find("allButton"));
  probe::click(page.find("nonePill"));
  EXPECT_EQ(page.clean.model->selectedCount(CleanupCategory::system), 0u);
  EXPECT_EQ(page.clean.model->selectedCount(CleanupCategory::developerCaches), 6u);
  probe::click(page.find("smartPill"));
  EXPECT_EQ(page.clean.model->selectedCount(CleanupCategory::system), 2u);
  EXPECT_FALSE(page.clean.model->isSelected("trash"));
  EXPECT_EQ(page.clean.model->selectedCount(CleanupCategory::developerCaches), 6u);
  EXPECT_EQ(page.clean.model->selectedCount(CleanupCategory::appCaches), 2u);
  probe::click(page.find("noneButton"));
  probe::click(page.find("allPill"));
  EXPECT_EQ(page.selectedIds(), page.idsWhere([](const engine::CleanupItem& item) {
    return item.target.category == CleanupCategory::system;
  }));
}

TEST(ReviewPage, AChosenCategoryWithoutItemsFallsBackToTheFirstUntilChosenAgain) {
  ReviewScreen page;
  probe::click(page.row(kSystem), QPoint(page.row(kSystem)->width() - 30, 20));
  ASSERT_EQ(page.text("paneTitle"), kSystem);
  // A new scan finds nothing of the System rows.
  for (const char* id : {"trash", "user-logs", "saved-app-state"}) page.clean.engine->sizes.erase(id);
  page.clean.scan();
  probe::settle();
  EXPECT_EQ(page.text("paneTitle"), kDeveloper);
  EXPECT_TRUE(page.row(kDeveloper)->content().isViewing);
  EXPECT_EQ(page.row(kSystem), nullptr);
  // Found again: the choice still holds.
  page.clean.engine->sizes["trash"] = 10'000;
  page.clean.scan();
  probe::settle();
  EXPECT_EQ(page.text("paneTitle"), kSystem);
}

TEST(ReviewPage, CleanUpStartsTheCleaningAndBackReturnsToIdle) {
  {
    ReviewScreen page;
    probe::click(page.find("cleanUpButton"));
    EXPECT_EQ(page.clean.model->phase(), CleanupViewModel::Phase::cleaning);
    page.clean.runToEnd();
    EXPECT_EQ(page.clean.model->phase(), CleanupViewModel::Phase::done);
  }
  {
    ReviewScreen page;
    probe::click(page.find("backButton"));
    EXPECT_EQ(page.clean.model->phase(), CleanupViewModel::Phase::idle);
    EXPECT_TRUE(page.clean.model->items().empty());
    EXPECT_TRUE(page.clean.engine->cleaned().empty());
  }
}

TEST(ReviewPage, NothingFoundShowsOnlyTheEmptyStateWhoseButtonScansAgain) {
  ReviewScreen page(std::vector<CleanStage::Found>{});
  EXPECT_TRUE(page.shown("reviewEmpty"));
  EXPECT_EQ(page.text("emptyTitle"), "Nothing to clean");
  EXPECT_EQ(page.text("emptyMessage"), "Zero junk found. Your Mac's already tidy.");
  EXPECT_FALSE(page.shown("reviewTitle"));
  EXPECT_FALSE(page.shown("cleanUpButton"));
  probe::click(page.find("scanAgainButton"));
  EXPECT_EQ(page.clean.model->phase(), CleanupViewModel::Phase::scanning);
}

TEST(ReviewPage, ColoursThatCarryMeaning) {
  ReviewScreen page;
  const QImage image = probe::render(page.stage);
  // The "Review" tag of a caution row: orange text on an orange capsule.
  QWidget* tag = probe::find(page.chip("xcode-archives"), QStringLiteral("reviewTag"));
  const QRect tagRect = probe::rectIn(tag, page.stage);
  int orange = 0;
  for (int x = tagRect.left(); x < tagRect.right(); ++x) {
    const QColor p = probe::pixel(image, QPointF(x, tagRect.center().y()));
    orange += p.red() > 150 && p.green() > 80 && p.green() < p.red() && p.blue() < 60;
  }
  EXPECT_GT(orange, 2);
  // A ticked chip is tinted with the accent; an unticked one is the raised surface.
  auto fillOf = [&](const std::string& id) {
    const QRect r = probe::rectIn(page.chip(id), page.stage);
    return probe::pixel(image, QPointF(r.right() - 120, r.top() + 6));
  };
  const QColor on = fillOf("xcode-derived-data");
  const QColor off = fillOf("xcode-archives");
  EXPECT_GT(on.green() - on.red(), off.green() - off.red()) << on.name().toStdString();
  EXPECT_NEAR(off.red(), design::Color::raisedSurface().red(), 3);
  EXPECT_NEAR(off.blue(), design::Color::raisedSurface().blue(), 3);
  // The viewed row is tinted, the others are clear.
  const QRect viewed = probe::rectIn(page.row(kDeveloper), page.stage);
  const QRect clear = probe::rectIn(page.row(kApps), page.stage);
  const QColor tinted = probe::pixel(image, QPointF(viewed.right() - 40, viewed.top() + 5));
  const QColor plain = probe::pixel(image, QPointF(clear.right() - 40, clear.top() + 5));
  EXPECT_GT(tinted.green(), plain.green() + 8);
  EXPECT_NEAR(plain.red(), design::Color::appBackground().red(), 3);
}

}  // namespace
}  // namespace tidewell::screens
