// The Deep Scan screen over the real model and a scripted engine, with a
// manual executor deciding when each engine call ends: phases, buckets,
// trashing with and without the question, the banner, reveal and copy.
#include "screens/deepscan/DeepScanView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "design/components/ScreenHeader.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/ProgressBar.h"
#include "screens/deepscan/RiskRow.h"
#include "screens/deepscan/TrashQuestion.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedDeepScanEngine.h"
#include "testkit/listener/AccessibleEventLog.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "tests/screens/common/ReadableScreen.h"

namespace tidewell::screens {
namespace {

using engine::BigItem;
using Kind = BigItem::Kind;
using Outcome = engine::BigItemScanner::TrashOutcome;
using testing::scriptedBigItem;

struct DeepScanViewFixture : ::testing::Test {
  testing::ModelHarness harness;
  std::shared_ptr<tidewell::testing::ScriptedDeepScanEngine> engine =
      std::make_shared<tidewell::testing::ScriptedDeepScanEngine>();
  std::shared_ptr<models::DeepScanViewModel> model;
  probe::FakeServices fakes;
  DeepScanView* view = nullptr;
  std::unique_ptr<probe::Stage> stage;

  void SetUp() override {
    probe::prepare();
    engine->big = {scriptedBigItem("Movies/Film.mov", 9'000'000'000, Kind::personal),
                   scriptedBigItem("Library/Application Support/Slack", 5'000'000'000, Kind::appData),
                   scriptedBigItem("Downloads/odd.bin", 3'000'000'000, Kind::other),
                   scriptedBigItem("Library/Caches/com.app", 2'000'000'000, Kind::cache),
                   scriptedBigItem("code/app/node_modules", 1'000'000'000, Kind::rebuildable),
                   scriptedBigItem("Documents/Notes", 500'000'000, Kind::personal)};
    BigItem docker =
        scriptedBigItem("Library/Containers/com.docker.docker/Docker.raw", 20'000'000'000, Kind::container);
    docker.reclaimCommand = "docker system prune -a";
    engine->containerItems = {docker};
    model = std::make_shared<models::DeepScanViewModel>(harness.services(), engine);
    makeView();
  }
  void makeView() {
    stage.reset();
    view = new DeepScanView(model, fakes.services(),
                            [](QObject*, std::chrono::milliseconds, std::function<void()>) {});
    stage = std::make_unique<probe::Stage>(view, design::SectionPalette::deepScan(), probe::kDetailPaneSize);
    stage->image(1);
  }
  void finishWork() {
    testing::runToEnd(*harness.executor);
    probe::settle();
  }
  void scanToEnd() {
    view->startScan();
    finishWork();
    stage->image(1);
  }
  QWidget* shown(const char* name, const QString& key = {}) const {
    QWidget* w = probe::find(stage.get(), name, key);
    return w && probe::isShown(w) ? w : nullptr;
  }
  QString text(const char* name) const { return probe::textOf(shown(name)); }
  QStringList rowKeys() const {
    QStringList keys;
    for (auto* row : probe::findAll<RiskRow>(stage.get(), "riskRow"))
      if (probe::isShown(row)) keys << keyOf(row);
    return keys;
  }
  QStringList cardKeys() const {
    QStringList keys;
    for (auto* card : probe::findAll(stage.get(), "bigItemCard"))
      if (probe::isShown(card)) keys << keyOf(card);
    return keys;
  }
  QWidget* cardButton(const std::string& id, const char* name) const {
    QWidget* card = probe::find(stage.get(), "bigItemCard", QString::fromStdString(id));
    return card ? probe::find(card, name) : nullptr;
  }
  void open(RiskBucket bucket) {
    probe::click(shown("riskRow", rawValue(bucket)));
    stage->image(1);
  }
  std::vector<std::string> modelIds() const {
    std::vector<std::string> ids;
    for (const auto& each : model->items()) ids.push_back(each.id);
    return ids;
  }
};

const std::string kFilm = "/fixture/home/Movies/Film.mov";
const std::string kSlack = "/fixture/home/Library/Application Support/Slack";
const std::string kOdd = "/fixture/home/Downloads/odd.bin";
const std::string kNotes = "/fixture/home/Documents/Notes";
const std::string kDocker = "/fixture/home/Library/Containers/com.docker.docker/Docker.raw";

TEST_F(DeepScanViewFixture, StartsIdleScansWithProgressThenListsTheBucketsInOrder) {
  ASSERT_NE(shown("deepScanStart"), nullptr);
  EXPECT_EQ(text("introCaption"), "Finds what's actually big. Green is safe, red is your stuff.");
  engine->reports = {0.37};
  probe::click(shown("scanButton"));
  ASSERT_NE(shown("deepScanScanning"), nullptr);
  auto* header = probe::find<design::ScreenHeader>(shown("deepScanScanning"), "screenHeader");
  EXPECT_EQ(header->title(), "Deep Scan");
  EXPECT_EQ(header->subtitleText(), "Looking through your home folder");
  EXPECT_EQ(text("scanTitle"), QString::fromUtf8("Hunting for big items\u2026"));
  EXPECT_EQ(text("scanDetail"), QString::fromUtf8("Sizing everything up\u2026"));
  auto* bar = probe::find<ProgressBar>(stage.get(), "scanProgress");
  EXPECT_EQ(bar->value(), 0);
  // The engine reports, and only the report is delivered: the bar follows.
  ASSERT_EQ(harness.executor->runJob(), true);
  QCoreApplication::sendPostedEvents(model.get(), QEvent::MetaCall);
  EXPECT_DOUBLE_EQ(bar->value(), 0.37);

  finishWork();
  ASSERT_NE(shown("deepScanList"), nullptr);
  header = probe::find<design::ScreenHeader>(shown("deepScanList"), "screenHeader");
  EXPECT_EQ(header->subtitleText(), QString::fromUtf8("7 big items \u2022 40.5 GB"));
  EXPECT_EQ(rowKeys(), (QStringList{"safe", "container", "review", "personal", "other"}));
  EXPECT_EQ(probe::textsOf(stage.get(), "riskRowTitle"),
            (QStringList{"Safe to clear", "Containers & VMs", "Check first", "Your stuff", "Other"}));
  // The first bucket is shown without being picked, and marked in the column.
  EXPECT_EQ(text("detailTitle"), "Safe to clear");
  EXPECT_EQ(text("detailCount"), QString::fromUtf8("2 \u00B7 3 GB"));
  EXPECT_EQ(text("detailDescription"), "Rebuildable caches and files. Clearing these is safe.");
  EXPECT_TRUE(probe::find<RiskRow>(stage.get(), "riskRow", "safe")->values().isViewing);
  EXPECT_EQ(cardKeys(),
            (QStringList{"/fixture/home/Library/Caches/com.app", "/fixture/home/code/app/node_modules"}));
  EXPECT_EQ(shown("resultBanner"), nullptr);
}

TEST_F(DeepScanViewFixture, OpeningABucketShowsItsItemsLargestFirst) {
  scanToEnd();
  open(RiskBucket::personal);
  EXPECT_EQ(view->viewingBucket(), RiskBucket::personal);
  EXPECT_EQ(text("detailTitle"), "Your stuff");
  EXPECT_EQ(text("detailCount"), QString::fromUtf8("2 \u00B7 9.5 GB"));
  EXPECT_EQ(text("detailDescription"), "Looks like your own files. Reveal and check before trashing.");
  EXPECT_EQ(cardKeys(), (QStringList{QString::fromStdString(kFilm), QString::fromStdString(kNotes)}));
  EXPECT_TRUE(probe::find<RiskRow>(stage.get(), "riskRow", "personal")->values().isViewing);
  EXPECT_FALSE(probe::find<RiskRow>(stage.get(), "riskRow", "safe")->values().isViewing);
  EXPECT_EQ(probe::textOf(probe::find(shown("riskRow", "personal"), "riskRowCount")),
            QString::fromUtf8("2 \u00B7 9.5 GB"));
}

TEST_F(DeepScanViewFixture, AnOtherItemIsTrashedAtOnceAndOnlyIt) {
  scanToEnd();
  open(RiskBucket::other);
  probe::click(cardButton(kOdd, "trashButton"));
  EXPECT_EQ(view->trashQuestion(), nullptr);
  EXPECT_EQ(harness.executor->pending(), 1u);
  finishWork();
  EXPECT_EQ(engine->trashed, std::vector<std::string>{kOdd});
  // The emptied bucket leaves the column; the first bucket shows, with the banner.
  EXPECT_EQ(rowKeys(), (QStringList{"safe", "container", "review", "personal"}));
  EXPECT_EQ(view->viewingBucket(), RiskBucket::other);
  EXPECT_EQ(text("detailTitle"), "Safe to clear");
  EXPECT_EQ(text("resultBanner"),
            QString::fromUtf8("Moved odd.bin to the Trash \u2022 3 GB. Empty the Trash to lock it in."));
  EXPECT_EQ(modelIds().size(), 6u);  // the sentinels stay
}

TEST_F(DeepScanViewFixture, APersonalItemIsTrashedOnlyAfterTheUserConfirms) {
  scanToEnd();
  open(RiskBucket::personal);
  probe::click(cardButton(kNotes, "trashButton"));
  TrashQuestion* question = view->trashQuestion();
  ASSERT_NE(question, nullptr);
  EXPECT_TRUE(question->isVisible());
  EXPECT_EQ(question->title(), "Move to Trash?");
  EXPECT_EQ(question->message(),
            QString::fromUtf8("\u201CNotes\u201D (500 MB) looks like your personal stuff. "
                              "It'll sit in the Trash so you can bring it back."));
  EXPECT_EQ(probe::textOf(probe::find(question, "alertConfirm")), "Move to Trash");
  EXPECT_EQ(view->pendingTrash()->id, kNotes);
  EXPECT_EQ(harness.executor->pending(), 0u);
  finishWork();
  EXPECT_TRUE(engine->trashed.empty());

  probe::click(probe::find(question, "alertConfirm"));
  EXPECT_EQ(view->pendingTrash(), std::nullopt);
  finishWork();
  EXPECT_EQ(engine->trashed, std::vector<std::string>{kNotes});
  EXPECT_EQ(cardKeys(), QStringList{QString::fromStdString(kFilm)});
  EXPECT_EQ(text("resultBanner"),
            QString::fromUtf8("Moved Notes to the Trash \u2022 500 MB. Empty the Trash to lock it in."));
}

TEST_F(DeepScanViewFixture, AppDataAsksWithItsOwnMessage) {
  scanToEnd();
  open(RiskBucket::review);
  probe::click(cardButton(kSlack, "trashButton"));
  ASSERT_NE(view->trashQuestion(), nullptr);
  EXPECT_EQ(view->trashQuestion()->message(),
            QString::fromUtf8("\u201CSlack\u201D (5 GB) holds app data. Logins or settings could go with it. "
                              "It'll sit in the Trash if you change your mind."));
  view->trashQuestion()->reject();
}

TEST_F(DeepScanViewFixture, CancelAndEscapeAnswerNoReturnAndEnterAnswerNothing) {
  scanToEnd();
  open(RiskBucket::personal);
  enum class Way { cancelButton, escape, returnKey, enterKey };
  struct Case {
    Way way;
    const char* focused;  // the question's own focus when nullptr
    bool answers;         // the question closes (as "Cancel")
  };
  const Case cases[] = {
      {Way::cancelButton, nullptr, true},      {Way::escape, nullptr, true},
      {Way::escape, "alertConfirm", true},     {Way::returnKey, nullptr, false},
      {Way::enterKey, nullptr, false},         {Way::returnKey, "alertCancel", false},
      {Way::returnKey, "alertConfirm", false}, {Way::enterKey, "alertConfirm", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << int(c.way) << " " << (c.focused ? c.focused : "question"));
    probe::click(cardButton(kFilm, "trashButton"));
    QPointer<TrashQuestion> question = view->trashQuestion();
    ASSERT_TRUE(question);
    if (c.focused) probe::find(question, c.focused)->setFocus(Qt::TabFocusReason);
    switch (c.way) {
      case Way::cancelButton:
        probe::click(probe::find(question, "alertCancel"));
        break;
      case Way::escape:
        probe::pressKey(question, Qt::Key_Escape);
        break;
      case Way::returnKey:
        probe::pressKey(question, Qt::Key_Return);
        break;
      case Way::enterKey:
        probe::pressKey(question, Qt::Key_Enter);
        break;
    }
    probe::settle();
    if (c.answers) {
      EXPECT_FALSE(question);  // answered and gone
      EXPECT_EQ(view->pendingTrash(), std::nullopt);
    } else {
      // Still asking, about the same item.
      ASSERT_TRUE(question);
      EXPECT_TRUE(question->isVisible());
      ASSERT_TRUE(view->pendingTrash());
      EXPECT_EQ(view->pendingTrash()->id, kFilm);
    }
    EXPECT_EQ(harness.executor->pending(), 0u);
    if (question) question->reject();
    probe::settle();
    finishWork();
    EXPECT_TRUE(engine->trashed.empty());
    EXPECT_EQ(modelIds().size(), 7u);
    EXPECT_EQ(shown("resultBanner"), nullptr);
  }
}

TEST_F(DeepScanViewFixture, AFailedMoveKeepsTheItemAndShowsTheOrangeBannerUntilDismissed) {
  engine->refused = {kOdd};
  scanToEnd();
  open(RiskBucket::other);
  probe::click(cardButton(kOdd, "trashButton"));
  finishWork();
  EXPECT_EQ(cardKeys(), QStringList{QString::fromStdString(kOdd)});
  EXPECT_EQ(text("resultBanner"), "Couldn't move odd.bin. It may need Full Disk Access or admin rights.");
  EXPECT_EQ(probe::textOf(probe::find(shown("resultBanner"), "bannerSymbol")), "");
  EXPECT_EQ(probe::find(shown("resultBanner"), "bannerSymbol")->property("symbolName").toString(),
            "exclamationmark.triangle.fill");

  probe::click(probe::find(shown("resultBanner"), "bannerDismiss"));
  probe::settle();
  EXPECT_EQ(model->lastResult(), std::nullopt);
  EXPECT_EQ(shown("resultBanner"), nullptr);
  EXPECT_EQ(cardKeys(), QStringList{QString::fromStdString(kOdd)});
}

TEST_F(DeepScanViewFixture, EachOutcomeBannerIsHeardAsAnAlertAsItComesAndAsItChanges) {
  const std::string cache = "/fixture/home/Library/Caches/com.app";
  scanToEnd();
  testing::AccessibleEventLog log;
  open(RiskBucket::other);
  EXPECT_TRUE(log.of(QAccessible::Alert).empty());
  probe::click(cardButton(kOdd, "trashButton"));
  finishWork();
  QWidget* banner = shown("resultBanner");
  ASSERT_NE(banner, nullptr);
  std::vector<testing::HeardEvent> alerts = log.of(QAccessible::Alert, banner);
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0].role, QAccessible::AlertMessage);
  EXPECT_EQ(alerts[0].name,
            QString::fromUtf8("Moved odd.bin to the Trash \u2022 3 GB. Empty the Trash to lock it in."));
  // Over AT-SPI a reader gets it as an alert becoming showing.
  EXPECT_EQ(log.of(QAccessible::ObjectShow, banner).size(), 1u);

  // A second outcome in the banner already shown is news again.
  probe::click(cardButton(cache, "trashButton"));
  finishWork();
  ASSERT_EQ(shown("resultBanner"), banner);
  alerts = log.of(QAccessible::Alert, banner);
  ASSERT_EQ(alerts.size(), 2u);
  EXPECT_TRUE(alerts[1].name.startsWith("Moved com.app to the Trash")) << alerts[1].name.toStdString();
  EXPECT_EQ(log.of(QAccessible::ObjectShow, banner).size(), 2u);
  EXPECT_EQ(engine->trashed, (std::vector<std::string>{kOdd, cache}));
  EXPECT_EQ(modelIds().size(), 5u);  // the sentinels stay
}

TEST_F(DeepScanViewFixture, RevealAndCopyReachTheirSeamsWithTheExactPathAndCommand) {
  scanToEnd();
  open(RiskBucket::container);
  // A container never offers the trash.
  EXPECT_EQ(cardButton(kDocker, "trashButton"), nullptr);
  probe::click(cardButton(kDocker, "revealButton"));
  EXPECT_EQ(fakes.revealer->revealed, QStringList{QString::fromStdString(kDocker)});
  probe::click(cardButton(kDocker, "copyCommandButton"));
  EXPECT_EQ(fakes.clipboard->texts, QStringList{"docker system prune -a"});
  EXPECT_EQ(probe::textOf(cardButton(kDocker, "copyCommandButton")), "Copied");
  EXPECT_TRUE(engine->trashed.empty());
  EXPECT_EQ(harness.executor->pending(), 0u);
}

TEST_F(DeepScanViewFixture, BidiControlsInANameShowEscapedWhileTheTrashedPathStaysExact) {
  // Shown raw, the override would make it read "eviltxt.mov".
  const std::string spoof = "evil\u202Evom.txt";
  const std::string path = "/fixture/home/Downloads/" + spoof;
  engine->big.push_back(scriptedBigItem("Downloads/" + spoof, 4'000'000'000, Kind::personal));
  engine->big.back().location = "~/Down\u2067loads";
  scanToEnd();
  open(RiskBucket::personal);

  QWidget* card = probe::find(stage.get(), "bigItemCard", QString::fromStdString(path));
  ASSERT_NE(card, nullptr) << "the card is keyed by the exact path";
  EXPECT_EQ(probe::textOf(probe::find(card, "cardName")), QStringLiteral("evil\\u202Evom.txt"));
  EXPECT_EQ(probe::textOf(probe::find(card, "cardLocation")), QStringLiteral("~/Down\\u2067loads"));
  EXPECT_EQ(cardButton(path, "trashButton")->toolTip(), QStringLiteral("Move evil\\u202Evom.txt to Trash"));
  probe::click(cardButton(path, "revealButton"));
  EXPECT_EQ(fakes.revealer->revealed, QStringList{QString::fromStdString(path)});

  probe::click(cardButton(path, "trashButton"));
  ASSERT_NE(view->trashQuestion(), nullptr);
  EXPECT_EQ(view->trashQuestion()->message(),
            QString::fromUtf8("\u201Cevil\\u202Evom.txt\u201D (4 GB) looks like your personal stuff. "
                              "It'll sit in the Trash so you can bring it back."));
  probe::click(probe::find(view->trashQuestion(), "alertConfirm"));
  finishWork();
  EXPECT_EQ(engine->trashedUrls, std::vector<std::string>{path});
  EXPECT_EQ(
      text("resultBanner"),
      QString::fromUtf8("Moved evil\\u202Evom.txt to the Trash \u2022 4 GB. Empty the Trash to lock it in."));
  EXPECT_EQ(cardKeys(), (QStringList{QString::fromStdString(kFilm), QString::fromStdString(kNotes)}));
}

TEST_F(DeepScanViewFixture, NamesThatDifferOnlyInBytesThatAreNotUtf8ReadApartAndTrashTheirOwnPath) {
  // With those bytes replaced, both cards would read "b" U+FFFD ".bin".
  const std::string ff = "/fixture/home/Downloads/b\xff.bin";
  const std::string fe = "/fixture/home/Downloads/b\xfe.bin";
  engine->big.push_back(scriptedBigItem("Downloads/b\xff.bin", 4'000'000'000, Kind::other));
  engine->big.push_back(scriptedBigItem("Downloads/b\xfe.bin", 3'500'000'000, Kind::other));
  engine->big.back().location = "~/D\xe9j\xe0";  // Latin-1, from an old archive
  scanToEnd();
  open(RiskBucket::other);

  std::map<QString, QWidget*> cardByName;
  for (QWidget* card : probe::findAll(stage.get(), "bigItemCard"))
    if (probe::isShown(card)) cardByName[probe::textOf(probe::find(card, "cardName"))] = card;
  ASSERT_EQ(cardByName.size(), 3u) << "odd.bin and two names told apart";
  ASSERT_TRUE(cardByName.contains(u"b\\xFF.bin"_qs));
  ASSERT_TRUE(cardByName.contains(u"b\\xFE.bin"_qs));
  QWidget* card = cardByName.at(u"b\\xFE.bin"_qs);
  EXPECT_EQ(probe::textOf(probe::find(card, "cardLocation")), u"~/D\\xE9j\\xE0"_qs);
  QWidget* trash = probe::find(card, "trashButton");
  ASSERT_NE(trash, nullptr);
  EXPECT_EQ(trash->toolTip(), u"Move b\\xFE.bin to Trash"_qs);

  probe::click(trash);
  finishWork();
  EXPECT_EQ(engine->trashedUrls, std::vector<std::string>{fe}) << "the exact bytes, not the shown text";
  EXPECT_EQ(text("resultBanner"),
            QString::fromUtf8("Moved b\\xFE.bin to the Trash \u2022 3.5 GB. Empty the Trash to lock it in."));
  const std::vector<std::string> left = modelIds();
  EXPECT_EQ(std::find(left.begin(), left.end(), fe), left.end());
  EXPECT_NE(std::find(left.begin(), left.end(), ff), left.end()) << "its neighbour stays";
}

TEST_F(DeepScanViewFixture, AScanThatFindsNothingShowsTheEmptyStateAndNoColumn) {
  engine->big.clear();
  engine->containerItems.clear();
  scanToEnd();
  EXPECT_EQ(probe::find<design::ScreenHeader>(shown("deepScanList"), "screenHeader")->subtitleText(),
            QString::fromUtf8("0 big items \u2022 Zero KB"));
  ASSERT_NE(shown("emptyState"), nullptr);
  EXPECT_EQ(text("emptyTitle"), "No big items over 80 MB");
  EXPECT_EQ(text("emptyDetail"), "Nothing big hiding anywhere.");
  EXPECT_EQ(shown("bucketColumn"), nullptr);
  EXPECT_EQ(shown("detailPane"), nullptr);
}

TEST_F(DeepScanViewFixture, TrashingTheVeryLastItemShowsTheEmptyStateWithoutTheBanner) {
  engine->big = {scriptedBigItem("Downloads/odd.bin", 3'000'000'000, Kind::other)};
  engine->containerItems.clear();
  scanToEnd();
  probe::click(cardButton(kOdd, "trashButton"));
  finishWork();
  ASSERT_TRUE(model->lastResult().has_value());
  EXPECT_NE(shown("emptyState"), nullptr);
  EXPECT_EQ(shown("resultBanner"), nullptr);
}

TEST_F(DeepScanViewFixture, RescanSwitchesToScanningAndClearsTheBanner) {
  scanToEnd();
  open(RiskBucket::other);
  probe::click(cardButton(kOdd, "trashButton"));
  finishWork();
  ASSERT_NE(shown("resultBanner"), nullptr);
  probe::click(shown("rescanButton"));
  EXPECT_NE(shown("deepScanScanning"), nullptr);
  EXPECT_EQ(model->lastResult(), std::nullopt);
  finishWork();
  stage->image(1);
  EXPECT_EQ(shown("resultBanner"), nullptr);
  // The picked bucket is back once a scan fills it again.
  EXPECT_EQ(text("detailTitle"), "Other");
}

TEST_F(DeepScanViewFixture, ANewScreenStartsWithFreshViewStateOverTheSameModel) {
  scanToEnd();
  open(RiskBucket::personal);
  makeView();
  EXPECT_EQ(view->viewingBucket(), std::nullopt);
  EXPECT_NE(shown("deepScanList"), nullptr);
  EXPECT_EQ(text("detailTitle"), "Safe to clear");
}

TEST_F(DeepScanViewFixture, EveryStateReadsByWhatItShowsAndTabsInReadingOrder) {
  tidewell::testing::expectReadable(stage.get(), {R"(Button "Deep Scan")"});
  view->startScan();
  probe::settle();
  stage->image(1);
  tidewell::testing::expectReadable(stage.get());
  finishWork();
  stage->image(1);
  tidewell::testing::expectReadable(
      stage.get(),
      {R"(Button "Rescan")", R"(PageTab "Safe to clear" checked selected)", R"(PageTab "Your stuff")"});
  open(RiskBucket::personal);
  tidewell::testing::expectReadable(stage.get(),
                                    {R"(PageTab "Your stuff" checked selected)", R"(StaticText "Film.mov")",
                                     R"(Button "Reveal")", R"(Button "Move to Trash")"});
  open(RiskBucket::container);
  tidewell::testing::expectReadable(stage.get(), {R"(Button "Copy command")"});
  // The bucket badges and kind tiles are there, and left out of the tree.
  EXPECT_FALSE(probe::decorations(stage.get()).isEmpty());
}

TEST_F(DeepScanViewFixture, TheQuestionReadsAndTabReachesCancelThenMoveToTrash) {
  scanToEnd();
  open(RiskBucket::personal);
  probe::click(cardButton(kNotes, "trashButton"));
  QPointer<TrashQuestion> question = view->trashQuestion();
  ASSERT_TRUE(question);
  probe::settle();
  tidewell::testing::expectReadable(
      question, {R"(StaticText "Move to Trash?")", R"(Button "Cancel")", R"(Button "Move to Trash")"});
  const QList<QWidget*> tabs = probe::tabOrder(question);
  ASSERT_EQ(tabs.size(), 2);
  EXPECT_EQ(tabs[0], probe::find(question, "alertCancel"));
  EXPECT_EQ(tabs[1], probe::find(question, "alertConfirm"));
  // Return answers nothing even with the focus on Move to Trash.
  probe::find(question, "alertConfirm")->setFocus(Qt::TabFocusReason);
  probe::pressKey(question, Qt::Key_Return);
  probe::settle();
  EXPECT_TRUE(question && question->isVisible());
  finishWork();
  EXPECT_TRUE(engine->trashed.empty());
  // Escape answers no.
  probe::pressKey(question, Qt::Key_Escape);
  probe::settle();
  EXPECT_FALSE(question);
  finishWork();
  EXPECT_TRUE(engine->trashed.empty());
}

TEST_F(DeepScanViewFixture, TheTrashButtonIsNamedByWhatItDoesAndTellsWhatItMoves) {
  scanToEnd();
  open(RiskBucket::personal);
  QWidget* trash = cardButton(kFilm, "trashButton");
  ASSERT_NE(trash, nullptr);
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(trash);
  EXPECT_EQ(iface->role(), QAccessible::Button);
  EXPECT_EQ(iface->text(QAccessible::Name), "Move to Trash");
  EXPECT_EQ(iface->text(QAccessible::Description), "Move Film.mov to Trash");
}

}  // namespace
}  // namespace tidewell::screens
