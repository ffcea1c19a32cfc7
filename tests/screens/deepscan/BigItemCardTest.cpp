// The big-item card: its texts, which buttons it offers, what they run, and
// the copy confirmation.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>

#include "design/GhostPillButton.h"
#include "screens/deepscan/BigItemCard.h"
#include "screens/deepscan/DeepScanPalette.h"

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

struct CardHarness {
  int reveals = 0;
  int trashes = 0;
  QStringList copied;
  std::vector<std::pair<std::chrono::milliseconds, std::function<void()>>> delayed;

  std::unique_ptr<BigItemCard> make(const BigItem& item) {
    BigItemCardSeams seams;
    seams.copyText = [this](const QString& text) { copied << text; };
    seams.after = [this](QObject*, std::chrono::milliseconds delay, std::function<void()> done) {
      delayed.emplace_back(delay, std::move(done));
    };
    auto card = std::make_unique<BigItemCard>(
        item, [this] { ++reveals; }, [this] { ++trashes; }, seams);
    card->resize(260, card->sizeHint().height());
    card->show();
    return card;
  }
};

template <typename T>
T* button(QWidget& card, const char* name) {
  return card.findChild<T*>(QString::fromUtf8(name));
}

TEST(BigItemCard, ShowsBadgeNameLocationSizeAndNote) {
  CardHarness h;
  auto item = makeItem(Kind::appData);
  item.note = "Slack keeps its message cache here.";
  auto card = h.make(item);
  EXPECT_EQ(card->badgeText(), QString::fromUtf8("App / SDK data \u00B7 review"));
  EXPECT_EQ(card->nameText(), "Thing");
  EXPECT_EQ(card->locationText(), "~/Library");
  EXPECT_EQ(card->sizeText(), "1.25 GB");
  EXPECT_EQ(card->noteText(), "Slack keeps its message cache here.");

  item.note.reset();
  item.sizeBytes = -4;
  auto bare = h.make(item);
  EXPECT_EQ(bare->noteText(), "No intel on this one. Hit Reveal and check it first.");
  EXPECT_EQ(bare->sizeText(), "Zero KB");
}

TEST(BigItemCard, ALongNoteStopsAfterThreeLinesAndAShortOneStillTakesTheirHeight) {
  CardHarness h;
  auto item = makeItem(Kind::cache);
  item.note = std::string(40, 'x') + " " + QString("word ").repeated(60).toStdString();
  auto card = h.make(item);
  const QStringList lines = card->noteLines();
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines.last().endsWith(QChar(0x2026))) << lines.last().toStdString();
  item.note = "Short.";
  auto shortCard = h.make(item);
  EXPECT_EQ(shortCard->noteLines(), QStringList{"Short."});
  EXPECT_EQ(shortCard->sizeHint().height(), card->sizeHint().height());
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
      {Kind::other, std::nullopt, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.kind));
    CardHarness h;
    auto item = makeItem(c.kind);
    item.reclaimCommand = c.command;
    auto card = h.make(item);
    auto* reveal = button<design::GhostPillButton>(*card, "revealButton");
    ASSERT_NE(reveal, nullptr);
    EXPECT_EQ(reveal->label().title, "Reveal");
    EXPECT_EQ(reveal->toolTip(), "Reveal in Finder");
    EXPECT_EQ(button<QAbstractButton>(*card, "copyCommandButton") != nullptr, c.copy);
    auto* trash = button<QAbstractButton>(*card, "trashButton");
    EXPECT_EQ(trash != nullptr, c.trash);
    if (trash) {
      EXPECT_EQ(trash->toolTip(), "Move Thing to Trash");
    }
    // Reveal alone spans the row; beside the trash button it takes the rest.
    const int rowWidth = card->width() - 28;
    if (!c.copy && !c.trash) {
      EXPECT_EQ(reveal->width(), rowWidth);
    }
    if (trash) {
      EXPECT_EQ(reveal->width() + 8 + trash->width(), rowWidth);
    }
  }
}

TEST(BigItemCard, RevealAndTrashRunTheirActionsOnce) {
  CardHarness h;
  auto card = h.make(makeItem(Kind::personal));
  QTest::mouseClick(button<QAbstractButton>(*card, "revealButton"), Qt::LeftButton);
  EXPECT_EQ(h.reveals, 1);
  EXPECT_EQ(h.trashes, 0);
  QTest::mouseClick(button<QAbstractButton>(*card, "trashButton"), Qt::LeftButton);
  EXPECT_EQ(h.trashes, 1);
  EXPECT_EQ(h.reveals, 1);
}

TEST(BigItemCard, TheTrashSymbolIsRedOnEveryCard) {
  for (Kind kind : {Kind::cache, Kind::installer, Kind::appData, Kind::other}) {
    CardHarness h;
    auto card = h.make(makeItem(kind));
    auto* trash = button<QAbstractButton>(*card, "trashButton");
    const QImage image = trash->grab().toImage();
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
  CardHarness h;
  auto item = makeItem(Kind::container);
  item.reclaimCommand = "docker system prune -a";
  auto card = h.make(item);
  auto* copy = button<design::GhostPillButton>(*card, "copyCommandButton");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->toolTip(), QString::fromUtf8("Copy \u201Cdocker system prune -a\u201D to run in Terminal"));
  EXPECT_EQ(copy->label().title, "Copy command");
  EXPECT_EQ(copy->label().symbol->text(), "doc.on.doc");
  // Reveal and Copy command share the row.
  EXPECT_NEAR(button<QWidget>(*card, "revealButton")->width(), copy->width(), 1);

  QTest::mouseClick(copy, Qt::LeftButton);
  EXPECT_EQ(h.copied, QStringList{"docker system prune -a"});
  EXPECT_TRUE(card->isCopied());
  EXPECT_EQ(copy->label().title, "Copied");
  EXPECT_EQ(copy->label().symbol->text(), "checkmark");
  ASSERT_EQ(h.delayed.size(), 1u);
  EXPECT_EQ(h.delayed[0].first, std::chrono::milliseconds(2000));

  // A second press copies again; the first delay's end resets the label.
  QTest::mouseClick(copy, Qt::LeftButton);
  EXPECT_EQ(h.copied.size(), 2);
  ASSERT_EQ(h.delayed.size(), 2u);
  h.delayed[0].second();
  EXPECT_FALSE(card->isCopied());
  EXPECT_EQ(copy->label().title, "Copy command");
  h.delayed[1].second();
  EXPECT_EQ(copy->label().title, "Copy command");
  EXPECT_EQ(h.reveals + h.trashes, 0);
}

TEST(BigItemCard, ADelayEndingAfterTheCardIsGoneChangesNothing) {
  CardHarness h;
  auto item = makeItem(Kind::container);
  item.reclaimCommand = "orb prune";
  auto card = h.make(item);
  QTest::mouseClick(button<QAbstractButton>(*card, "copyCommandButton"), Qt::LeftButton);
  card.reset();
  ASSERT_EQ(h.delayed.size(), 1u);
  h.delayed[0].second();  // must not touch the destroyed card
}

TEST(BigItemCard, BorderBrightensOnHover) {
  CardHarness h;
  auto card = h.make(makeItem(Kind::installer));
  const QPoint onBorder(card->width() / 2, 0);
  const QColor resting = card->grab().toImage().pixelColor(onBorder);
  card->setHovering(true);
  const QColor hovered = card->grab().toImage().pixelColor(onBorder);
  EXPECT_GT(hovered.blueF(), resting.blueF() + 0.05);
}

}  // namespace
}  // namespace tidewell::screens
