// What a big-item card shows and offers, over every kind.
#include <gtest/gtest.h>

#include "design/theme/Color.h"
#include "screens/deepscan/BigItemCardRules.h"
#include "screens/deepscan/DeepScanLook.h"
#include "screens/deepscan/RiskBucket.h"

namespace tidewell::screens {
namespace {

using engine::BigItem;
using Kind = BigItem::Kind;
namespace P = DeepScanLook;

TEST(BigItemCardRules, EveryKindHasItsTintAndBadge) {
  struct Case {
    Kind kind;
    QColor tint;
    const char* badge;
  };
  const Case cases[] = {
      {Kind::container, P::containerPurple(), "Reclaim inside the tool"},
      {Kind::installer, P::installerBlue(), "Installer \u00B7 safe to remove"},
      {Kind::cache, P::safeGreen(), "Cache \u00B7 safe to clear"},
      {Kind::rebuildable, P::safeGreen(), "Rebuildable \u00B7 safe"},
      {Kind::appData, P::reviewOrange(), "App / SDK data \u00B7 review"},
      {Kind::personal, P::personalRed(), "Personal \u00B7 review carefully"},
      {Kind::other, design::Color::secondaryText(), "Review"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.badge);
    EXPECT_EQ(cardTint(c.kind), c.tint);
    EXPECT_EQ(kindBadge(c.kind), QString::fromUtf8(c.badge));
    // The card wears its bucket's tint, except for other.
    if (c.kind != Kind::other) {
      EXPECT_EQ(cardTint(c.kind), tint(riskBucketOf(c.kind)));
    }
  }
}

TEST(BigItemCardRules, TileSymbolNoteAndCopyLabel) {
  EXPECT_EQ(tileSymbol(true).text(), "folder.fill");
  EXPECT_EQ(tileSymbol(false).text(), "doc.fill");
  EXPECT_EQ(noteText(std::nullopt), "No intel on this one. Hit Reveal and check it first.");
  EXPECT_EQ(noteText(std::string("Xcode builds it again.")), "Xcode builds it again.");
  EXPECT_EQ(noteText(std::string()), "");  // an empty note is still the item's own
  EXPECT_EQ(copyLabel(false), "Copy command");
  EXPECT_EQ(copyLabel(true), "Copied");
  EXPECT_EQ(copySymbol(false).text(), "doc.on.doc");
  EXPECT_EQ(copySymbol(true).text(), "checkmark");
}

TEST(BigItemCardRules, ContainersNeverOfferTrashAndCopyOnlyWithACommand) {
  struct Case {
    Kind kind;
    std::optional<std::string> command;
    CardActions actions;
  };
  const Case cases[] = {
      {Kind::container, std::string("docker system prune"), {true, false}},
      {Kind::container, std::nullopt, {false, false}},
      {Kind::installer, std::nullopt, {false, true}},
      // A command on anything but a container is not offered.
      {Kind::other, std::string("rm -rf /"), {false, true}},
      {Kind::cache, std::nullopt, {false, true}},
      {Kind::rebuildable, std::nullopt, {false, true}},
      {Kind::appData, std::nullopt, {false, true}},
      {Kind::personal, std::nullopt, {false, true}},
  };
  for (const Case& c : cases) {
    BigItem item;
    item.kind = c.kind;
    item.reclaimCommand = c.command;
    EXPECT_EQ(cardActions(item), c.actions) << int(c.kind);
  }
}

TEST(BigItemCardRules, HelpTextsQuoteTheCommandAndNameTheItem) {
  EXPECT_EQ(revealHelp(), "Reveal in Finder");
  EXPECT_EQ(copyHelp("docker system prune -a"),
            QString::fromUtf8("Copy \u201Cdocker system prune -a\u201D to run in Terminal"));
  EXPECT_EQ(trashHelp("Xcode.xip"), "Move Xcode.xip to Trash");
}

}  // namespace
}  // namespace tidewell::screens
