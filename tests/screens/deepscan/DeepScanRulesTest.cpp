// The value-dependent texts of the Deep Scan screen and who must confirm a
// trash.
#include <gtest/gtest.h>

#include "screens/deepscan/DeepScanLook.h"
#include "screens/deepscan/DeepScanRules.h"

namespace tidewell::screens {
namespace {

using engine::BigItem;
using Kind = BigItem::Kind;
using Outcome = engine::BigItemScanner::TrashOutcome;

TEST(DeepScanRules, SubtitleAndCountLinesUseDigitsOneWordAndClampedSizes) {
  struct Case {
    int64_t count;
    int64_t bytes;
    const char* subtitle;
    const char* countLine;
  };
  const Case cases[] = {
      {1, 1'500'000, "1 big items \u2022 1.5 MB", "1 \u00B7 1.5 MB"},
      {0, 0, "0 big items \u2022 Zero KB", "0 \u00B7 Zero KB"},
      {12, 4'230'000'000, "12 big items \u2022 4.23 GB", "12 \u00B7 4.23 GB"},
      {2, -7, "2 big items \u2022 Zero KB", "2 \u00B7 Zero KB"},
      {1000, 1'000'000'000'000, "1000 big items \u2022 1 TB", "1000 \u00B7 1 TB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.subtitle);
    EXPECT_EQ(deepScanSubtitle(c.count, c.bytes), QString::fromUtf8(c.subtitle));
    EXPECT_EQ(countAndSizeLine(c.count, c.bytes), QString::fromUtf8(c.countLine));
  }
}

TEST(DeepScanRules, OnlyAppDataAndPersonalItemsAreConfirmed) {
  const std::pair<Kind, bool> cases[] = {
      {Kind::container, false}, {Kind::installer, false}, {Kind::cache, false}, {Kind::rebuildable, false},
      {Kind::appData, true},    {Kind::personal, true},   {Kind::other, false}};
  for (auto [kind, confirm] : cases) EXPECT_EQ(needsTrashConfirmation(kind), confirm) << int(kind);
}

TEST(DeepScanRules, QuestionNamesTheItemInTypographicQuotesWithItsSize) {
  BigItem item;
  item.name = "Application Support";
  item.sizeBytes = 2'500'000'000;
  item.kind = Kind::appData;
  EXPECT_EQ(
      trashQuestionMessage(item),
      QString::fromUtf8("\u201CApplication Support\u201D (2.5 GB) holds app data. Logins or settings could "
                        "go with it. It'll sit in the Trash if you change your mind."));
  item.name = "Movies";
  item.kind = Kind::personal;
  item.sizeBytes = -1;
  EXPECT_EQ(trashQuestionMessage(item),
            QString::fromUtf8("\u201CMovies\u201D (Zero KB) looks like your personal stuff. It'll sit in the "
                              "Trash so you can bring it back."));
}

TEST(DeepScanRules, BannerForSuccessAndFailure) {
  const auto ok = trashBannerContent(Outcome{"Xcode.xip", 12'000'000'000, true});
  EXPECT_EQ(ok.message,
            QString::fromUtf8("Moved Xcode.xip to the Trash \u2022 12 GB. Empty the Trash to lock it in."));
  EXPECT_EQ(ok.glow, DeepScanLook::safeGreen());
  EXPECT_EQ(ok.symbol.text(), "checkmark.circle.fill");

  const auto failed = trashBannerContent(Outcome{"Documents", 0, false});
  EXPECT_EQ(failed.message, "Couldn't move Documents. It may need Full Disk Access or admin rights.");
  EXPECT_EQ(failed.glow, DeepScanLook::reviewOrange());
  EXPECT_EQ(failed.symbol.text(), "exclamationmark.triangle.fill");

  EXPECT_EQ(trashBannerContent(Outcome{"x", -3, true}).message,
            QString::fromUtf8("Moved x to the Trash \u2022 Zero KB. Empty the Trash to lock it in."));
}

}  // namespace
}  // namespace tidewell::screens
