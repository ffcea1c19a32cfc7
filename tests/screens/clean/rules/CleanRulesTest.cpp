#include <gtest/gtest.h>

#include "screens/clean/rules/CategoryLook.h"
#include "screens/clean/rules/CleanedRules.h"
#include "screens/clean/rules/ReviewRules.h"
#include "screens/clean/rules/ScanPageRules.h"
#include "screens/common/Formatting.h"

namespace tidewell::screens {
namespace {

using engine::CleanupCategory;

TEST(ScanPageRules, RingPercentTaglineAndFreedLineFollowPhaseProgressAndTotal) {
  struct Case {
    ScanPageSnapshot snapshot;
    bool ring;
    const char* percent;
    const char* tagline;
    std::optional<QString> freed;
  };
  const char* idle = "Finds junk your Mac can rebuild. You choose what goes.";
  const char* scanning = "Just looking. Nothing gets deleted.";
  const Case cases[] = {
      {{false, 0, 0}, false, "0%", idle, std::nullopt},
      {{false, 0, 1'200'000'000}, false, "0%", idle, QStringLiteral("+1.2 GB so far")},
      {{false, 0, 1}, false, "0%", idle, QStringLiteral("+1 byte so far")},
      {{false, 0, -40}, false, "0%", idle, std::nullopt},
      {{true, 0, 1'200'000'000}, true, "0%", scanning, std::nullopt},
      {{true, 0.37, 0}, true, "37%", scanning, std::nullopt},
      {{true, 0.29, 0}, true, "29%", scanning, std::nullopt},
      {{true, 0.999, 0}, true, "99%", scanning, std::nullopt},
      {{true, 1.0, 0}, true, "100%", scanning, std::nullopt},
  };
  for (const Case& c : cases) {
    const ScanPageContent texts = scanPageContent(c.snapshot);
    SCOPED_TRACE(testing::Message() << c.snapshot.scanning << " " << c.snapshot.scanProgress << " "
                                    << c.snapshot.totalFreedBytes);
    EXPECT_EQ(texts.showsRing, c.ring);
    EXPECT_EQ(texts.percent.text, c.percent);
    // The ring reads as the number it shows.
    EXPECT_EQ(QString::number(texts.percent.percent) + "%", texts.percent.text);
    EXPECT_EQ(texts.tagline, c.tagline);
    EXPECT_EQ(texts.freedLine, c.freed);
  }
}

TEST(CategoryLook, TitlesAreTheRawValuesWithTheirSymbols) {
  struct Case {
    CleanupCategory category;
    const char* title;
    const char* symbol;
  };
  for (const Case& c : {Case{CleanupCategory::developerCaches, "Developer Caches", "hammer.fill"},
                        Case{CleanupCategory::aiCaches, "AI Caches", "brain.head.profile"},
                        Case{CleanupCategory::appCaches, "App Caches", "app.badge.fill"},
                        Case{CleanupCategory::system, "System", "trash.fill"}}) {
    EXPECT_EQ(categoryTitle(c.category), c.title);
    EXPECT_EQ(categorySymbol(c.category).text(), c.symbol);
  }
}

const std::vector<CategoryFigures> kCategories = {
    {CleanupCategory::developerCaches, 3, 1, 3'000'000},
    {CleanupCategory::appCaches, 2, 2, 500'000},
    {CleanupCategory::system, 1, 0, 1'500},
};

TEST(ReviewRules, TheViewedCategoryIsTheChoiceWhileItHasItemsElseTheFirst) {
  struct Case {
    std::vector<CategoryFigures> categories;
    std::optional<CleanupCategory> viewing;
    std::optional<CleanupCategory> viewed;
  };
  const Case cases[] = {
      {kCategories, std::nullopt, CleanupCategory::developerCaches},
      {kCategories, CleanupCategory::system, CleanupCategory::system},
      {kCategories, CleanupCategory::appCaches, CleanupCategory::appCaches},
      // Chosen, then emptied by a new scan: back to the first.
      {kCategories, CleanupCategory::aiCaches, CleanupCategory::developerCaches},
      {{}, CleanupCategory::system, std::nullopt},
      {{}, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(viewedCategory(c.categories, c.viewing), c.viewed);
}

TEST(ReviewRules, RailRowsCountMarkAndToggleByHowMuchOfTheCategoryIsPicked) {
  struct Case {
    CategoryFigures figures;
    const char* countLine;
    SelectionMark mark;
    bool toggleSelects;
  };
  const Case cases[] = {
      {{CleanupCategory::developerCaches, 3, 0, 3'000'000}, "0 of 3 · 3 MB", SelectionMark::off, true},
      {{CleanupCategory::developerCaches, 3, 1, 3'000'000}, "1 of 3 · 3 MB", SelectionMark::mixed, true},
      {{CleanupCategory::developerCaches, 3, 3, 3'000'000}, "3 of 3 · 3 MB", SelectionMark::on, false},
      {{CleanupCategory::system, 1, 1, 1'500}, "1 of 1 · 2 KB", SelectionMark::on, false},
      {{CleanupCategory::system, 1, 0, -9}, "0 of 1 · Zero KB", SelectionMark::off, true},
  };
  for (const Case& c : cases) {
    const RailRowContent texts = railRowContent(c.figures, CleanupCategory::system);
    EXPECT_EQ(texts.countLine, c.countLine);
    EXPECT_EQ(texts.mark, c.mark) << c.countLine;
    EXPECT_EQ(railToggleSelects(c.figures), c.toggleSelects) << c.countLine;
    EXPECT_EQ(texts.isViewing, c.figures.category == CleanupCategory::system);
    EXPECT_EQ(texts.title, categoryTitle(c.figures.category));
  }
  EXPECT_FALSE(railRowContent(kCategories[0], std::nullopt).isViewing);
}

TEST(ReviewRules, TitleAndChipTexts) {
  EXPECT_EQ(foundTitle(4'830'000'000), "Found 4.83 GB of junk.");
  EXPECT_EQ(foundTitle(-1), "Found Zero KB of junk.");

  struct Case {
    engine::SafetyLevel safety;
    bool selected;
    bool tag;
    SelectionMark mark;
  };
  for (const Case& c : {Case{engine::SafetyLevel::safe, true, false, SelectionMark::on},
                        Case{engine::SafetyLevel::safe, false, false, SelectionMark::off},
                        Case{engine::SafetyLevel::caution, true, true, SelectionMark::on},
                        Case{engine::SafetyLevel::caution, false, true, SelectionMark::off}}) {
    engine::CleanupItem item;
    item.target.title = "iOS Device Support";
    item.target.detail = "Symbols for devices you plugged in once.";
    item.target.safety = c.safety;
    item.sizeBytes = 2'300'000'000;
    item.isSelected = c.selected;
    const ChipContent texts = chipContent(item);
    EXPECT_EQ(texts.title, "iOS Device Support");
    EXPECT_EQ(texts.detail, "Symbols for devices you plugged in once.");
    EXPECT_EQ(texts.size, "2.3 GB");
    EXPECT_EQ(texts.reviewTag, c.tag);
    EXPECT_EQ(texts.mark, c.mark);
  }
}

TEST(ReviewRules, FooterShowsTheHintWithNothingPickedElseTheFreeSpaceAfter) {
  struct Case {
    ReviewSnapshot snapshot;
    const char* size;
    const char* countLine;
    std::optional<QString> hint;
    std::optional<QString> freeAfter;
    bool canClean;
    double opacity;
  };
  const QString hint = QStringLiteral("Nothing picked yet. Tap rows or hit “Safe only”.");
  const Case cases[] = {
      {{kCategories, 6, 0, 5'001'500, 0, 40'000'000'000},
       "Zero KB",
       "0 of 6 picked",
       hint,
       std::nullopt,
       false,
       0.45},
      {{kCategories, 6, 3, 5'001'500, 3'500'000, 40'000'000'000},
       "3.5 MB",
       "3 of 6 picked",
       std::nullopt,
       QStringLiteral("~40 GB free after this"),
       true,
       1.0},
      {{kCategories, 6, 6, 5'001'500, 1'200'000'000, 40'000'000'000},
       "1.2 GB",
       "6 of 6 picked",
       std::nullopt,
       QStringLiteral("~41.2 GB free after this"),
       true,
       1.0},
      // An unreadable volume counts as nothing free.
      {{kCategories, 6, 1, 5'001'500, 1'500, -1},
       "2 KB",
       "1 of 6 picked",
       std::nullopt,
       QStringLiteral("~2 KB free after this"),
       true,
       1.0},
  };
  for (const Case& c : cases) {
    const FooterContent texts = footerContent(c.snapshot);
    SCOPED_TRACE(c.countLine);
    EXPECT_EQ(texts.countLine, c.countLine);
    EXPECT_EQ(texts.hint, c.hint);
    EXPECT_EQ(texts.freeAfter, c.freeAfter);
    EXPECT_EQ(texts.canClean, c.canClean);
    EXPECT_DOUBLE_EQ(texts.cleanUpOpacity, c.opacity);
    EXPECT_EQ(texts.size, c.size);
  }
  // Free space and selection near the limit do not wrap around to a negative sum.
  const FooterContent huge = footerContent({kCategories, 2, 2, 2, INT64_MAX, INT64_MAX});
  EXPECT_EQ(huge.freeAfter, QStringLiteral("~") + bytesText(INT64_MAX) + QStringLiteral(" free after this"));
}

TEST(CleanedRules, PercentCounterFreeSpaceAndFailures) {
  struct Case {
    CleanedSnapshot snapshot;
    bool cleaning;
    const char* percent;
    bool counter;
    const char* before;
    const char* after;
  };
  const Case cases[] = {
      {{true, 0, 0, {}, 40'000'000'000, 0}, true, "0%", false, "40 GB", "Zero KB free"},
      {{true, 0.5, 0, {}, 40'000'000'000, 0}, true, "50%", false, "40 GB", "Zero KB free"},
      {{true, 2.0 / 3.0, 0, {}, 0, 0}, true, "66%", false, "Zero KB", "Zero KB free"},
      {{true, 1.0, 0, {}, 0, 0}, true, "100%", false, "Zero KB", "Zero KB free"},
      {{true, 1.2, 0, {}, 0, 0}, true, "100%", false, "Zero KB", "Zero KB free"},
      {{false, 1, 1'230'000'000, {}, 40'000'000'000, 41'230'000'000},
       false,
       "100%",
       true,
       "40 GB",
       "41.23 GB free"},
      {{false, 1, 1, {}, 10, 11}, false, "100%", true, "10 bytes", "11 bytes free"},
      {{false, 1, 0, {"Xcode DerivedData"}, 5, 5}, false, "100%", false, "5 bytes", "5 bytes free"},
      {{false, 1, -3, {}, -7, -1}, false, "100%", false, "Zero KB", "Zero KB free"},
  };
  for (const Case& c : cases) {
    const CleanedContent texts = cleanedContent(c.snapshot);
    SCOPED_TRACE(c.after);
    EXPECT_EQ(texts.showsCleaning, c.cleaning);
    EXPECT_EQ(texts.percent.text, c.percent);
    // The ring reads as the number it shows.
    EXPECT_EQ(QString::number(texts.percent.percent) + "%", texts.percent.text);
    EXPECT_EQ(texts.showsCounter, c.counter);
    EXPECT_EQ(texts.freeBefore, c.before);
    EXPECT_EQ(texts.freeAfter, c.after);
    EXPECT_EQ(texts.failureSentence.has_value(), !c.snapshot.failedTitles.empty());
  }
}

TEST(CleanedRules, TheFailureSentenceListsEveryTitleInOrderThenTheAdvice) {
  const QString advice = QStringLiteral(
      ". macOS may need Full Disk Access for these. Grant it in System Settings ▸ Privacy & Security.");
  struct Case {
    std::vector<std::string> titles;
    std::optional<QString> sentence;
  };
  const Case cases[] = {
      {{}, std::nullopt},
      {{"Mail Downloads"}, QStringLiteral("Mail Downloads") + advice},
      {{"Xcode DerivedData", "Mail Downloads", "Trash"},
       QStringLiteral("Xcode DerivedData, Mail Downloads, Trash") + advice},
      {{"Caches “Zoë”"}, QStringLiteral("Caches “Zoë”") + advice},
  };
  for (const Case& c : cases) EXPECT_EQ(failureSentence(c.titles), c.sentence);
}

}  // namespace
}  // namespace tidewell::screens
