// The big-item card: its texts, which buttons it offers, what they run, and
// the copy confirmation.
#include "screens/deepscan/BigItemCard.h"

#include <gtest/gtest.h>

#include "design/components/GhostPillButton.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/Badge.h"
#include "screens/common/views/TextLabel.h"
#include "screens/deepscan/DeepScanLook.h"
#include "screens/deepscan/TintedTile.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Stage.h"

namespace tidewell::screens {
namespace {

using engine::BigItem;
using Kind = BigItem::Kind;

BigItem makeItem(Kind kind) {
  BigItem item;
  item.id = item.url = "/fixture/home/Library/Thing";
  item.name = "Thing";
  item.location = "~/Library";
  item.sizeBytes = 1'250'000'000;
  item.isDirectory = true;
  item.kind = kind;
  return item;
}

// One card on a stage, its actions and seams recorded.
struct CardHarness {
  int reveals = 0;
  int trashes = 0;
  probe::FakeServices fakes;
  std::vector<std::pair<std::chrono::milliseconds, std::function<void()>>> delayed;
  BigItemCard* card = nullptr;
  std::unique_ptr<probe::Stage> stage;

  explicit CardHarness(const BigItem& item, int width = 280) {
    probe::prepare();
    card = new BigItemCard(item, fakes.clipboard,
                           [this](QObject*, std::chrono::milliseconds delay, std::function<void()> done) {
                             delayed.emplace_back(delay, std::move(done));
                           });
    QObject::connect(card, &BigItemCard::revealRequested, card, [this] { ++reveals; });
    QObject::connect(card, &BigItemCard::trashRequested, card, [this] { ++trashes; });
    stage = std::make_unique<probe::Stage>(card, design::SectionPalette::deepScan(), QSize(width + 40, 400),
                                           QMargins(20, 20, 20, 20));
    stage->image(1);
  }
  QString text(const char* name) const { return probe::textOf(probe::find(card, name)); }
  template <typename T = QAbstractButton>
  T* button(const char* name) const {
    return probe::find<T>(card, name);
  }
};

TEST(BigItemCard, ShowsBadgeNameLocationSizeAndNote) {
  auto item = makeItem(Kind::appData);
  item.note = "Slack keeps its message cache here.";
  CardHarness h(item);
  EXPECT_EQ(h.text("cardBadge"), QString::fromUtf8("App / SDK data \u00B7 review"));
  EXPECT_EQ(h.text("cardName"), "Thing");
  EXPECT_EQ(h.text("cardLocation"), "~/Library");
  EXPECT_EQ(h.text("cardSize"), "1.25 GB");
  EXPECT_EQ(h.text("cardNote"), "Slack keeps its message cache here.");
  EXPECT_EQ(probe::find<TintedTile>(h.card, "cardTile")->symbolName(), "folder.fill");
  EXPECT_EQ(keyOf(h.card), "/fixture/home/Library/Thing");

  item.note.reset();
  item.sizeBytes = -4;
  item.isDirectory = false;
  CardHarness bare(item);
  EXPECT_EQ(bare.text("cardNote"), "No intel on this one. Hit Reveal and check it first.");
  EXPECT_EQ(bare.text("cardSize"), "Zero KB");
  EXPECT_EQ(probe::find<TintedTile>(bare.card, "cardTile")->symbolName(), "doc.fill");
}

TEST(BigItemCard, NoteStopsAfterThreeLinesAndAShortOneStillTakesTheirHeight) {
  auto item = makeItem(Kind::cache);
  item.note = QString("A rather long sentence about this cache. ").repeated(12).toStdString();
  CardHarness longNote(item);
  const QStringList lines = probe::find<TextLabel>(longNote.card, "cardNote")->visibleLines();
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines.last().endsWith(QChar(0x2026))) << lines.last().toStdString();
  item.note = "Short.";
  CardHarness shortNote(item);
  EXPECT_EQ(shortNote.card->height(), longNote.card->height());
  EXPECT_EQ(probe::find(shortNote.card, "cardNote")->height(),
            probe::find(longNote.card, "cardNote")->height());
}

TEST(BigItemCard, LongNameIsShortenedInTheMiddleOnOneLine) {
  auto item = makeItem(Kind::other);
  item.name = "a-very-long-file-name-that-cannot-possibly-fit-on-one-card-line-at-all.iso";
  item.location = "~/Downloads/and/a/very/long/path/that/does/not/fit/either/on/one/line";
  CardHarness h(item);
  const QStringList name = probe::find<TextLabel>(h.card, "cardName")->visibleLines();
  ASSERT_EQ(name.size(), 1);
  EXPECT_TRUE(name[0].startsWith("a-very")) << name[0].toStdString();
  EXPECT_TRUE(name[0].endsWith(".iso")) << name[0].toStdString();
  const QStringList location = probe::find<TextLabel>(h.card, "cardLocation")->visibleLines();
  ASSERT_EQ(location.size(), 1);
  EXPECT_TRUE(location[0].startsWith("~/Downloads")) << location[0].toStdString();
  EXPECT_TRUE(location[0].endsWith(QChar(0x2026)));
}

TEST(BigItemCard, ButtonsByKind) {
  struct Case {
    Kind kind;
    std::optional<std::string> command;
    bool copy, trash;
  };
  const Case cases[] = {
      {Kind::container, std::string("docker system prune"), true, false},
      {Kind::container, std::nullopt, false, false},
      {Kind::installer, std::nullopt, false, true},
      {Kind::cache, std::nullopt, false, true},
      {Kind::rebuildable, std::nullopt, false, true},
      {Kind::appData, std::nullopt, false, true},
      {Kind::personal, std::nullopt, false, true},
      {Kind::other, std::string("never offered"), false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.kind));
    auto item = makeItem(c.kind);
    item.reclaimCommand = c.command;
    CardHarness h(item);
    auto* reveal = h.button<design::GhostPillButton>("revealButton");
    ASSERT_NE(reveal, nullptr);
    EXPECT_EQ(reveal->label().title, "Reveal");
    EXPECT_EQ(reveal->label().symbol->text(), "magnifyingglass");
    EXPECT_EQ(reveal->toolTip(), "Reveal in Finder");
    auto* copy = h.button("copyCommandButton");
    auto* trash = h.button("trashButton");
    EXPECT_EQ(copy != nullptr, c.copy);
    EXPECT_EQ(trash != nullptr, c.trash);
    const int rowWidth = h.card->width() - 28;
    if (trash) {
      EXPECT_EQ(trash->toolTip(), "Move Thing to Trash");
      // Beside the trash button Reveal takes the rest of the row.
      EXPECT_EQ(reveal->width() + 8 + trash->width(), rowWidth);
    } else if (copy) {
      EXPECT_NEAR(reveal->width(), copy->width(), 1);
      EXPECT_EQ(reveal->width() + 8 + copy->width(), rowWidth);
    } else {
      EXPECT_EQ(reveal->width(), rowWidth);
    }
  }
}

TEST(BigItemCard, RevealAndTrashRunTheirActionsOnce) {
  CardHarness h(makeItem(Kind::personal));
  probe::click(h.button("revealButton"));
  EXPECT_EQ(h.reveals, 1);
  EXPECT_EQ(h.trashes, 0);
  probe::click(h.button("trashButton"));
  EXPECT_EQ(h.trashes, 1);
  EXPECT_EQ(h.reveals, 1);
  EXPECT_TRUE(h.fakes.clipboard->texts.isEmpty());
}

TEST(BigItemCard, TheTrashSymbolIsRedOnEveryCard) {
  for (Kind kind : {Kind::cache, Kind::installer, Kind::appData, Kind::other}) {
    CardHarness h(makeItem(kind));
    auto* trash = h.button("trashButton");
    const QImage image = probe::render(trash);
    bool red = false;
    // Antialiased strokes of personal red (0.96, 0.26, 0.37) over the pill.
    for (int x = 0; x < image.width() && !red; ++x) {
      for (int y = 0; y < image.height() && !red; ++y) {
        const QColor c = image.pixelColor(x, y);
        red = c.redF() > 0.6 && c.greenF() < 0.35 && c.blueF() < 0.45;
      }
    }
    EXPECT_TRUE(red) << int(kind);
  }
}

TEST(BigItemCard, CopyCommandPutsExactlyTheCommandOnTheClipboardAndReadsCopiedUntilTheDelayEnds) {
  auto item = makeItem(Kind::container);
  item.reclaimCommand = "docker system prune -a";
  CardHarness h(item);
  auto* copy = h.button<design::GhostPillButton>("copyCommandButton");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->toolTip(), QString::fromUtf8("Copy \u201Cdocker system prune -a\u201D to run in Terminal"));
  EXPECT_EQ(copy->label().title, "Copy command");
  EXPECT_EQ(copy->label().symbol->text(), "doc.on.doc");

  probe::click(copy);
  EXPECT_EQ(h.fakes.clipboard->texts, QStringList{"docker system prune -a"});
  EXPECT_EQ(h.fakes.clipboard->clears, 1);
  EXPECT_TRUE(h.card->isCopied());
  EXPECT_EQ(probe::textOf(copy), "Copied");
  EXPECT_EQ(copy->label().symbol->text(), "checkmark");
  ASSERT_EQ(h.delayed.size(), 1u);
  EXPECT_EQ(h.delayed[0].first, std::chrono::milliseconds(2000));

  // A second press copies again; the first delay's end resets the label.
  probe::click(copy);
  EXPECT_EQ(h.fakes.clipboard->texts.size(), 2);
  ASSERT_EQ(h.delayed.size(), 2u);
  h.delayed[0].second();
  EXPECT_FALSE(h.card->isCopied());
  EXPECT_EQ(probe::textOf(copy), "Copy command");
  h.delayed[1].second();
  EXPECT_EQ(probe::textOf(copy), "Copy command");
  EXPECT_EQ(h.reveals + h.trashes, 0);
}

TEST(BigItemCard, ADelayEndingAfterTheCardIsGoneChangesNothing) {
  auto item = makeItem(Kind::container);
  item.reclaimCommand = "orb prune";
  CardHarness h(item);
  probe::click(h.button("copyCommandButton"));
  h.stage.reset();  // the card goes with its stage
  ASSERT_EQ(h.delayed.size(), 1u);
  h.delayed[0].second();  // must not touch the destroyed card
}

TEST(BigItemCard, BorderBrightensOnHover) {
  CardHarness h(makeItem(Kind::installer));
  const QPoint onBorder = probe::rectIn(h.card, h.stage.get()).topLeft() + QPoint(h.card->width() / 2, 0);
  const QColor resting = probe::pixel(h.stage->image(1), onBorder);
  h.card->setHovering(true);
  const QColor hovered = probe::pixel(h.stage->image(1), onBorder);
  EXPECT_GT(hovered.blueF(), resting.blueF() + 0.05);
  const QColor blue = DeepScanLook::installerBlue();
  EXPECT_EQ(probe::find<Badge>(h.card, "cardBadge")->look().text, blue);
}

}  // namespace
}  // namespace tidewell::screens
