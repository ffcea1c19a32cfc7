// The six risk buckets, the kind-to-tint-name table and where each kind
// lands, over every case.
#include <gtest/gtest.h>

#include "design/theme/Color.h"
#include "screens/deepscan/DeepScanLook.h"
#include "screens/deepscan/RiskBucket.h"

namespace tidewell::screens {
namespace {

using engine::BigItem;
using Kind = BigItem::Kind;
namespace P = DeepScanLook;

struct BucketRow {
  RiskBucket bucket;
  const char* raw;
  const char* title;
  const char* symbol;
  QColor tint;
  const char* description;
};

std::vector<BucketRow> bucketTable() {
  return {
      {RiskBucket::safe, "safe", "Safe to clear", "checkmark.circle.fill",
       design::Color::rgb(0.2, 0.84, 0.51), "Rebuildable caches and files. Clearing these is safe."},
      {RiskBucket::installer, "installer", "Installers", "shippingbox.fill",
       design::Color::rgb(0.36, 0.66, 0.98),
       "Disk images and installers you've downloaded. Safe to trash once the app is installed."},
      {RiskBucket::container, "container", "Containers & VMs", "cube.box.fill",
       design::Color::rgb(0.6, 0.5, 0.98),
       "Space used by Docker, OrbStack and other container tools. These hold your images and volumes, so "
       "reclaim from inside the tool, never by deleting here."},
      {RiskBucket::review, "review", "Check first", "exclamationmark.circle.fill",
       design::Color::rgb(0.98, 0.62, 0.24),
       "App data. Logins or settings may live here, so look before removing."},
      {RiskBucket::personal, "personal", "Your stuff", "hand.raised.fill",
       design::Color::rgb(0.96, 0.26, 0.37), "Looks like your own files. Reveal and check before trashing."},
      {RiskBucket::other, "other", "Other", "questionmark.circle.fill", design::Color::white(0.55),
       "Unsorted big items. Reveal each to see what it is."},
  };
}

TEST(RiskBucket, EveryCaseHasItsRawValueTitleSymbolTintAndSentenceInDeclarationOrder) {
  const auto table = bucketTable();
  ASSERT_EQ(allRiskBuckets.size(), table.size());
  for (size_t i = 0; i < table.size(); ++i) {
    const BucketRow& row = table[i];
    SCOPED_TRACE(row.raw);
    EXPECT_EQ(allRiskBuckets[i], row.bucket);
    EXPECT_EQ(rawValue(row.bucket), QString::fromUtf8(row.raw));
    EXPECT_EQ(title(row.bucket), QString::fromUtf8(row.title));
    EXPECT_EQ(symbol(row.bucket).text(), QString::fromUtf8(row.symbol));
    EXPECT_FALSE(design::phosphorGlyph(symbol(row.bucket).text()).isEmpty());
    EXPECT_EQ(tint(row.bucket).rgba(), row.tint.rgba());
    EXPECT_EQ(description(row.bucket), QString::fromUtf8(row.description));
    EXPECT_EQ(riskBucketFromRawValue(QString::fromUtf8(row.raw)), row.bucket);
  }
}

TEST(RiskBucket, OnlyTheExactRawValuesNameABucket) {
  for (const char* text : {"Safe", "SAFE", "Other", " safe", "safe ", "", "secondary", "green", "reviews"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(riskBucketFromRawValue(QString::fromUtf8(text)), std::nullopt);
  }
}

TEST(RiskBucket, PaletteConstantsAreOpaqueSrgbAndBuiltOnce) {
  EXPECT_EQ(&P::safeGreen(), &P::safeGreen());
  for (const QColor* c :
       {&P::safeGreen(), &P::reviewOrange(), &P::personalRed(), &P::installerBlue(), &P::containerPurple()}) {
    EXPECT_EQ(c->alphaF(), 1.0);
  }
  EXPECT_EQ(P::personalRed().rgba(), design::Color::rgb(0.96, 0.26, 0.37).rgba());
}

TEST(RiskBucket, EveryKindHasATintNameAndLandsInExactlyOneBucket) {
  struct Case {
    Kind kind;
    const char* tintName;
    RiskBucket bucket;
  };
  const Case cases[] = {
      {Kind::container, "container", RiskBucket::container},
      {Kind::installer, "installer", RiskBucket::installer},
      {Kind::cache, "green", RiskBucket::safe},
      {Kind::rebuildable, "green", RiskBucket::safe},
      {Kind::appData, "orange", RiskBucket::review},
      {Kind::personal, "red", RiskBucket::personal},
      {Kind::other, "secondary", RiskBucket::other},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tintName);
    EXPECT_EQ(tintName(c.kind), QString::fromUtf8(c.tintName));
    EXPECT_EQ(riskBucketOf(c.kind), c.bucket);
  }
}

TEST(RiskBucket, UnknownTintNamesGoToOther) {
  for (const char* name : {"secondary", "Green", "blue", "", "purple"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(riskBucketForTintName(QString::fromUtf8(name)), RiskBucket::other);
  }
}

}  // namespace
}  // namespace tidewell::screens
