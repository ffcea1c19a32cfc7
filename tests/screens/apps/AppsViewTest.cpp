// The Apps screen over the real model: phases, the sort menu, the grid,
// plan building, the sheet's confirmation and dismissals, plans that
// replace one another, and the result banner.
#include "screens/apps/AppsView.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QPointer>

#include "design/components/ScreenHeader.h"
#include "screens/apps/AppCard.h"
#include "screens/apps/AppGrid.h"
#include "screens/apps/AppsListPage.h"
#include "screens/apps/AppsScanningPage.h"
#include "screens/apps/AppsSortMenu.h"
#include "screens/apps/PlanBuildingOverlay.h"
#include "screens/apps/TrashButton.h"
#include "screens/apps/UninstallSheet.h"
#include "screens/apps/UninstallSheetPresenter.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/ProgressBar.h"
#include "screens/common/views/ResultBanner.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "testkit/listener/AccessibleEventLog.h"
#include "tests/screens/apps/AppsScreenFixture.h"
#include "tests/screens/common/ReadableScreen.h"

namespace tidewell::screens {
namespace {

using models::AppsViewModel;
using testing::installedApp;
using testing::leftoverFile;
using Phase = AppsViewModel::Phase;
using SortOrder = AppsViewModel::SortOrder;

struct AppsView_ : testing::AppsScreenFixture {
  void SetUp() override {
    AppsScreenFixture::SetUp();
    engine->installed = {
        installedApp("Beta", 300'000'000, 10),
        installedApp("Alpha", 2'000'000'000, 400),
        installedApp("Gamma", 50'000'000),
        installedApp("Delta", 900'000'000, 120),
    };
    engine->leftoversByUrl["/Applications/Alpha.app"] = {
        leftoverFile("A1", "/home/u/Library/Caches/com.example.Alpha", "Cache", 40'000'000),
        leftoverFile("A2", "/home/u/Library/Preferences/com.example.Alpha.plist", "Preferences", 4'000),
    };
    engine->leftoversByUrl["/Applications/Beta.app"] = {
        leftoverFile("B1", "/home/u/Library/Logs/Beta", "Logs", 1'000'000),
    };
  }

  QStringList cardKeys() const {
    QStringList keys;
    if (auto* grid = find<AppGrid>("appGrid"))
      for (AppCard* card : grid->cards()) keys << keyOf(card);
    return keys;
  }
  AppCard* card(const QString& url) const { return find<AppCard>("appCard", url); }
  UninstallSheet* sheet() const { return view->sheets()->sheet(); }
  // Presses the trash button of the card of url and lets the plan be built.
  UninstallSheet* openSheetFor(const QString& url) {
    EXPECT_TRUE(probe::click(card(url)->trashButton()));
    runToEnd();
    return sheet();
  }
  QString summary() const { return probe::find<design::ScreenHeader>(stage.get(), "header")->subtitleText(); }
};

TEST_F(AppsView_, FollowsThePhasesFromTheScanButtonToTheGrid) {
  showScreen();
  EXPECT_EQ(view->page()->objectName(), "appsIdle");
  EXPECT_EQ(probe::textOf(find("introCaption")), "Find apps you never open. Trash first, undo anytime.");

  engine->reports = {0.25};
  ASSERT_TRUE(probe::click(find("scanButton")));
  EXPECT_EQ(model->phase(), Phase::scanning);
  EXPECT_EQ(view->page()->objectName(), "appsScanning");
  EXPECT_EQ(probe::textOf(find("scanningTitle")), "Checking your apps…");
  EXPECT_EQ(find<SymbolView>("scanningSymbol")->effect(), design::SymbolEffect::Kind::Pulse);
  auto* header = find<design::ScreenHeader>("header");
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->title(), "Apps");
  EXPECT_EQ(header->subtitleText(), "Uninstall apps together with their leftover files");
  EXPECT_DOUBLE_EQ(find<ProgressBar>("scanProgress")->value(), 0.0);

  ASSERT_EQ(executor->pending(), 1u);
  executor->runJob();
  probe::settle();
  EXPECT_EQ(view->page()->objectName(), "appsList");
  EXPECT_EQ(summary(), QString::fromUtf8("4 apps \u00b7 3.25 GB. Deletes go to the Trash, undo anytime."));
  // Least used first: never used, then 400, 120 and 10 days.
  EXPECT_EQ(cardKeys(), (QStringList{"/Applications/Gamma.app", "/Applications/Alpha.app",
                                     "/Applications/Delta.app", "/Applications/Beta.app"}));
  EXPECT_FALSE(find("resultBanner"));
  EXPECT_FALSE(probe::isShown(find("planOverlay")));
}

TEST_F(AppsView_, AnEmptyScanShowsTheSummaryOverAnEmptyGrid) {
  engine->installed.clear();
  scanned();
  EXPECT_EQ(summary(), QString::fromUtf8("0 apps \u00b7 Zero KB. Deletes go to the Trash, undo anytime."));
  EXPECT_TRUE(cardKeys().isEmpty());
}

TEST_F(AppsView_, TheSortMenuOpenedFromTheKeyboardIsHeardOnTheCurrentOrder) {
  scanned();
  auto* sort = find<AppsSortMenu>("sortMenu");
  ASSERT_NE(sort, nullptr);
  model->setSortOrder(SortOrder::largest);
  // With the pointer it opens as it always did, nothing highlighted.
  ASSERT_TRUE(probe::click(sort));
  EXPECT_TRUE(sort->menu()->isVisible());
  EXPECT_EQ(sort->menu()->activeAction(), nullptr);
  sort->menu()->hide();

  tidewell::testing::AccessibleEventLog log;
  sort->setFocus(Qt::TabFocusReason);
  probe::pressKey(sort, Qt::Key_Space);
  QMenu* menu = sort->menu();
  ASSERT_TRUE(menu->isVisible());
  ASSERT_NE(menu->activeAction(), nullptr);
  EXPECT_EQ(menu->activeAction()->text(), "Largest");
  EXPECT_EQ(log.of(QAccessible::PopupMenuStart, menu).size(), 1u);
  // The entry it opens on takes the focus: a reader hears the menu by it.
  const std::vector<tidewell::testing::HeardEvent> focus = log.of(QAccessible::Focus, menu);
  ASSERT_FALSE(focus.empty());
  EXPECT_EQ(focus.back().name, "Largest");
  EXPECT_TRUE(focus.back().state.checked);
  menu->hide();
}

TEST_F(AppsView_, TheSortMenuWritesTheOrderAndTheCardsFollowWithTheirState) {
  scanned();
  auto* sort = find<AppsSortMenu>("sortMenu");
  ASSERT_NE(sort, nullptr);
  EXPECT_EQ(probe::textOf(sort), "Least used");
  ASSERT_TRUE(probe::click(sort));
  QMenu* menu = sort->menu();
  EXPECT_TRUE(menu->isVisible());
  QStringList items, checked;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      EXPECT_EQ(action->text(), "Sort");
      continue;
    }
    items << action->text();
    if (action->isChecked()) checked << action->text();
  }
  EXPECT_EQ(items, (QStringList{"Least used", "Largest", "Name"}));
  EXPECT_EQ(checked, QStringList{"Least used"});

  AppCard* alpha = card("/Applications/Alpha.app");
  alpha->setHovering(true);
  const QString before = summary();
  struct Case {
    QString item;
    SortOrder order;
    QStringList keys;
  };
  const Case cases[] = {
      {"Largest",
       SortOrder::largest,
       {"/Applications/Alpha.app", "/Applications/Delta.app", "/Applications/Beta.app",
        "/Applications/Gamma.app"}},
      {"Name",
       SortOrder::name,
       {"/Applications/Alpha.app", "/Applications/Beta.app", "/Applications/Delta.app",
        "/Applications/Gamma.app"}},
  };
  for (const Case& c : cases) {
    for (QAction* action : menu->actions())
      if (action->text() == c.item) action->trigger();
    probe::settle();
    EXPECT_EQ(model->sortOrder(), c.order) << c.item.toStdString();
    EXPECT_EQ(probe::textOf(sort), c.item);
    EXPECT_EQ(cardKeys(), c.keys) << c.item.toStdString();
    EXPECT_EQ(summary(), before);
    // The same card, with its hover, moved with its application.
    EXPECT_EQ(card("/Applications/Alpha.app"), alpha);
    EXPECT_TRUE(alpha->isHovering());
  }
  // An order set elsewhere shows too.
  model->setSortOrder(SortOrder::leastUsed);
  EXPECT_EQ(probe::textOf(sort), "Least used");
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator()) {
      EXPECT_EQ(action->isChecked(), action->text() == "Least used");
    }
  }
}

TEST_F(AppsView_, TwoCopiesOfOneApplicationAreTwoCards) {
  auto copy = installedApp("Alpha", 1'000'000'000, 30, "/home/u/Applications");
  ASSERT_EQ(copy.id, engine->installed[1].id);
  engine->installed.push_back(copy);
  scanned();
  EXPECT_EQ(cardKeys().size(), 5);
  AppCard* home = card("/home/u/Applications/Alpha.app");
  AppCard* system = card("/Applications/Alpha.app");
  ASSERT_TRUE(home && system);
  EXPECT_NE(home, system);
  EXPECT_EQ(probe::textOf(probe::find(home, "appSize")), "1 GB");
  EXPECT_EQ(probe::textOf(probe::find(system, "appSize")), "2 GB");

  // Uninstalling the copy in the home folder leaves the other card alone.
  auto* opened = openSheetFor("/home/u/Applications/Alpha.app");
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->plan().app.url, "/home/u/Applications/Alpha.app");
  probe::click(probe::find(opened, "sheetConfirm"));
  runToEnd();
  ASSERT_EQ(engine->uninstalled.size(), 1u);
  EXPECT_EQ(engine->uninstalled[0].app.url, "/home/u/Applications/Alpha.app");
  EXPECT_FALSE(card("/home/u/Applications/Alpha.app"));
  EXPECT_EQ(card("/Applications/Alpha.app"), system);
}

TEST_F(AppsView_, TheTrashButtonBuildsAPlanWhileTheOverlayShowsAndTheSheetShowsIt) {
  scanned();
  AppCard* alpha = card("/Applications/Alpha.app");
  EXPECT_EQ(alpha->trashButton()->toolTip(), "Uninstall Alpha");
  ASSERT_TRUE(probe::click(alpha->trashButton()));
  EXPECT_TRUE(model->isBuildingPlan());
  auto* overlay = find<PlanBuildingOverlay>("planOverlay");
  EXPECT_TRUE(probe::isShown(overlay));
  EXPECT_EQ(probe::textOf(probe::find(overlay, "planText")), "Hunting leftovers…");
  // The capsule sits at the bottom centre, 18 above the edge; the rest stays usable.
  const QRect capsule = overlay->capsuleRect().translated(overlay->pos());
  EXPECT_NEAR(capsule.center().x(), view->width() / 2, 1);
  EXPECT_EQ(capsule.bottom() + 1, view->height() - 18);
  EXPECT_TRUE(overlay->testAttribute(Qt::WA_TransparentForMouseEvents));
  EXPECT_FALSE(sheet());

  ASSERT_EQ(executor->pending(), 1u);
  runToEnd();
  EXPECT_FALSE(probe::isShown(overlay));
  UninstallSheet* opened = sheet();
  ASSERT_NE(opened, nullptr);
  EXPECT_TRUE(opened->isVisible());
  EXPECT_EQ(opened->windowModality(), Qt::WindowModal);
  EXPECT_EQ(opened->planId(), model->pendingPlan()->id);
  EXPECT_EQ(probe::textOf(probe::find(opened, "sheetTitle")), "Uninstall Alpha?");
  EXPECT_EQ(probe::textOf(probe::find(opened, "sheetCount")),
            QString::fromUtf8("3 items \u00b7 2.04 GB will move to the Trash"));
  EXPECT_EQ(probe::textsOf(opened, "rowTitle"),
            (QStringList{"Alpha.app", "com.example.Alpha", "com.example.Alpha.plist"}));
  EXPECT_EQ(probe::textsOf(opened, "rowSubtitle"), (QStringList{"Application", "Cache", "Preferences"}));
  EXPECT_EQ(probe::textsOf(opened, "rowSize"), (QStringList{"2 GB", "40 MB", "4 KB"}));
  EXPECT_FALSE(probe::find(opened, "sheetNoLeftovers"));
  EXPECT_EQ(engine->lookedUp, std::vector<std::string>{"/Applications/Alpha.app"});
  EXPECT_TRUE(engine->uninstalled.empty());
}

TEST_F(AppsView_, MoveToTrashMovesExactlyThePlanOnTheSheet) {
  scanned();
  UninstallSheet* opened = openSheetFor("/Applications/Alpha.app");
  ASSERT_NE(opened, nullptr);
  const engine::UninstallPlan shown = opened->plan();
  QPointer<UninstallSheet> guard = opened;

  auto* confirm = probe::find<QAbstractButton>(opened, "sheetConfirm");
  EXPECT_EQ(probe::textOf(confirm), "Move to Trash");
  // A second press in the same turn, before the sheet is gone.
  confirm->click();
  confirm->click();
  probe::settle();
  // The sheet goes at once; the work is still queued.
  EXPECT_FALSE(model->pendingPlan());
  EXPECT_FALSE(sheet());
  EXPECT_TRUE(!guard || !guard->isVisible());
  EXPECT_EQ(executor->pending(), 1u);
  runToEnd();
  EXPECT_FALSE(guard);  // deleted once closed

  ASSERT_EQ(engine->uninstalled.size(), 1u);
  EXPECT_EQ(engine->uninstalled[0], shown);
  // Every other application is still there, its card too.
  EXPECT_EQ(cardKeys(),
            (QStringList{"/Applications/Gamma.app", "/Applications/Delta.app", "/Applications/Beta.app"}));
  EXPECT_EQ(model->apps().size(), 3u);
  EXPECT_EQ(summary(), QString::fromUtf8("3 apps \u00b7 1.25 GB. Deletes go to the Trash, undo anytime."));
  EXPECT_TRUE(probe::isShown(find("resultBanner")));
}

TEST_F(AppsView_, APlanWithoutLeftoversSaysSo) {
  scanned();
  UninstallSheet* opened = openSheetFor("/Applications/Gamma.app");
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->size(), QSize(480, 560));
  EXPECT_EQ(probe::textOf(probe::find(opened, "sheetCount")),
            QString::fromUtf8("1 items \u00b7 50 MB will move to the Trash"));
  EXPECT_EQ(probe::textsOf(opened, "rowTitle"), QStringList{"Gamma.app"});
  auto* note = probe::find<TextLabel>(opened, "sheetNoLeftovers");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text(), "No leftovers. Clean app.");
  // Padded 12 on every edge: the whole note inside, 12 from each side.
  EXPECT_EQ(note->contentsRect(), note->rect().marginsRemoved({12, 12, 12, 12}));
  EXPECT_EQ(note->height(), TextLabel(note->text(), note->look()).sizeHint().height() + 24);
  EXPECT_EQ(note->visibleLines(), QStringList{"No leftovers. Clean app."});
  EXPECT_EQ(probe::textOf(probe::find(opened, "sheetFooterNote")), "You can undo this from the Trash.");
  EXPECT_EQ(probe::textOf(probe::find(opened, "sheetCancel")), "Cancel");
}

TEST_F(AppsView_, CancelEscapeAndClosingTheSheetMoveNothing) {
  enum class Way { cancel, escape, close };
  scanned();
  for (Way way : {Way::cancel, Way::escape, Way::close}) {
    SCOPED_TRACE(int(way));
    UninstallSheet* opened = openSheetFor("/Applications/Beta.app");
    ASSERT_NE(opened, nullptr);
    QPointer<UninstallSheet> guard = opened;
    switch (way) {
      case Way::cancel:
        probe::click(probe::find(opened, "sheetCancel"));
        break;
      case Way::escape:
        probe::pressKey(opened, Qt::Key_Escape);
        break;
      case Way::close:
        opened->close();
        probe::settle();
        break;
    }
    EXPECT_FALSE(model->pendingPlan());
    EXPECT_FALSE(sheet());
    probe::settle();
    EXPECT_FALSE(guard);
    EXPECT_EQ(executor->pending(), 0u);
    EXPECT_TRUE(engine->uninstalled.empty());
    EXPECT_TRUE(card("/Applications/Beta.app"));
    EXPECT_FALSE(find("resultBanner"));
  }
}

TEST_F(AppsView_, ReturnEnterAndSpaceMoveNothing) {
  scanned();
  UninstallSheet* opened = openSheetFor("/Applications/Alpha.app");
  ASSERT_NE(opened, nullptr);
  const uint64_t id = opened->planId();
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    probe::pressKey(opened, key);
    EXPECT_EQ(sheet(), opened) << key;
    EXPECT_TRUE(opened->isVisible()) << key;
    ASSERT_TRUE(model->pendingPlan()) << key;
    EXPECT_EQ(model->pendingPlan()->id, id) << key;
    EXPECT_EQ(executor->pending(), 0u) << key;
  }
  EXPECT_TRUE(engine->uninstalled.empty());
  // The keys reached no button: none holds the focus when the sheet opens.
  QWidget* confirm = probe::find(opened, "sheetConfirm");
  QWidget* cancel = probe::find(opened, "sheetCancel");
  EXPECT_NE(opened->focusWidget(), confirm);
  EXPECT_NE(opened->focusWidget(), cancel);
  // Nor do Return and Enter press "Move to Trash" or "Cancel" when Tab has
  // put the focus on it.
  for (QWidget* focused : {confirm, cancel}) {
    focused->setFocus(Qt::TabFocusReason);
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
      probe::pressKey(opened, key);
      EXPECT_EQ(sheet(), opened) << key;
      ASSERT_TRUE(model->pendingPlan()) << key;
      EXPECT_EQ(model->pendingPlan()->id, id) << key;
      EXPECT_EQ(executor->pending(), 0u) << key;
    }
  }
  EXPECT_TRUE(engine->uninstalled.empty());
}

TEST_F(AppsView_, APlanThatReplacesTheShownOneClosesItsSheetAndOpensItsOwn) {
  scanned();
  UninstallSheet* first = openSheetFor("/Applications/Alpha.app");
  ASSERT_NE(first, nullptr);
  const uint64_t firstId = first->planId();
  QPointer<UninstallSheet> firstGuard = first;

  // Another plan arrives while the first sheet is open.
  model->prepareUninstall(model->apps()[0]);  // Beta
  runToEnd();
  ASSERT_TRUE(model->pendingPlan());
  EXPECT_NE(model->pendingPlan()->id, firstId);
  EXPECT_EQ(model->pendingPlan()->plan.app.url, "/Applications/Beta.app");  // not cleared by the old sheet
  EXPECT_FALSE(firstGuard);
  UninstallSheet* second = sheet();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->planId(), model->pendingPlan()->id);
  EXPECT_EQ(probe::textOf(probe::find(second, "sheetTitle")), "Uninstall Beta?");
  EXPECT_EQ(view->sheets()->sheetsOpened(), 2);

  // The old sheet's plan can no longer be confirmed; the shown one can.
  model->confirmUninstall(firstId);
  runToEnd();
  EXPECT_TRUE(engine->uninstalled.empty());
  EXPECT_EQ(sheet(), second);
  probe::click(probe::find(second, "sheetConfirm"));
  runToEnd();
  ASSERT_EQ(engine->uninstalled.size(), 1u);
  EXPECT_EQ(engine->uninstalled[0].app.url, "/Applications/Beta.app");
  EXPECT_TRUE(card("/Applications/Alpha.app"));
}

TEST_F(AppsView_, OnlyTheLatestOfOverlappingRequestsGetsASheet) {
  scanned();
  probe::click(card("/Applications/Alpha.app")->trashButton());
  probe::click(card("/Applications/Delta.app")->trashButton());
  ASSERT_EQ(executor->pending(), 2u);
  executor->runJob(1);  // Delta's leftovers come in first
  probe::settle();
  EXPECT_TRUE(probe::isShown(find("planOverlay")));  // Alpha's still building
  ASSERT_TRUE(sheet());
  EXPECT_EQ(sheet()->plan().app.url, "/Applications/Delta.app");
  runToEnd();
  EXPECT_FALSE(probe::isShown(find("planOverlay")));
  EXPECT_EQ(sheet()->plan().app.url, "/Applications/Delta.app");
  EXPECT_EQ(view->sheets()->sheetsOpened(), 1);
  // Cancel withdraws the plan on the sheet.
  probe::click(probe::find(sheet(), "sheetCancel"));
  EXPECT_FALSE(model->pendingPlan());
}

TEST_F(AppsView_, LeavingTheScreenClosesTheSheetButKeepsThePendingPlan) {
  scanned();
  ASSERT_TRUE(openSheetFor("/Applications/Beta.app"));
  const uint64_t id = model->pendingPlan()->id;
  {
    // Built but not yet in its window: the sheet waits.
    AppsView offstage(model, fakes.services(), scene.clock());
    EXPECT_FALSE(offstage.sheets()->sheet());
  }
  showScreen();  // the section is shown afresh
  ASSERT_TRUE(model->pendingPlan());
  EXPECT_EQ(model->pendingPlan()->id, id);
  ASSERT_TRUE(sheet());
  EXPECT_EQ(sheet()->planId(), id);
  EXPECT_TRUE(sheet()->isVisible());
  EXPECT_EQ(sheet()->parentWidget()->window(), stage.get());
  stage.reset();
  probe::settle();
  EXPECT_TRUE(model->pendingPlan());
  EXPECT_TRUE(engine->uninstalled.empty());
}

TEST_F(AppsView_, TheResultBannerReportsTheUninstallUntilDismissed) {
  engine->failuresByUrl["/Applications/Delta.app"] = {"Caches", "Preferences"};
  scanned();
  probe::click(probe::find(openSheetFor("/Applications/Beta.app"), "sheetConfirm"));
  runToEnd();
  auto* banner = find<ResultBanner>("resultBanner");
  ASSERT_NE(banner, nullptr);
  EXPECT_EQ(probe::textOf(probe::find(banner, "bannerTitle")), "Moved Beta to the Trash");
  EXPECT_EQ(probe::textOf(probe::find(banner, "bannerMessage")),
            QString::fromUtf8("2 items \u00b7 301 MB. Empty the Trash to lock it in."));
  EXPECT_EQ(probe::find<SymbolView>(banner, "bannerSymbol")->symbolName(), "checkmark.circle.fill");
  // Between the header and the grid.
  EXPECT_LT(probe::rectIn(banner, view).top(), probe::rectIn(find("appGrid"), view).top());
  EXPECT_GT(probe::rectIn(banner, view).top(), probe::rectIn(find("header"), view).bottom());

  // A later uninstall replaces the content.
  probe::click(probe::find(openSheetFor("/Applications/Delta.app"), "sheetConfirm"));
  runToEnd();
  ASSERT_EQ(probe::findAll(stage.get(), "resultBanner").size(), 1);
  banner = find<ResultBanner>("resultBanner");
  EXPECT_EQ(probe::textOf(probe::find(banner, "bannerTitle")), "Delta: some items couldn't be moved");
  EXPECT_EQ(probe::textOf(probe::find(banner, "bannerMessage")), "Couldn't move: Caches, Preferences");
  EXPECT_EQ(probe::find<SymbolView>(banner, "bannerSymbol")->symbolName(), "exclamationmark.triangle.fill");

  probe::click(probe::find(banner, "bannerDismiss"));
  EXPECT_FALSE(model->lastResult());
  EXPECT_FALSE(find("resultBanner"));
  // It stays gone until the next uninstall; a new screen shows none either.
  showScreen();
  EXPECT_FALSE(find("resultBanner"));
}

TEST_F(AppsView_, EveryStateReadsByWhatItShowsAndTabsInReadingOrder) {
  showScreen();
  tidewell::testing::expectReadable(stage.get(), {R"(Button "Scan Apps")"});
  engine->reports = {0.25};
  probe::click(find("scanButton"));
  tidewell::testing::expectReadable(stage.get(), {R"(StaticText "Checking your apps…")", "ProgressBar = 0%"});
  executor->runJob();
  probe::settle();
  tidewell::testing::expectReadable(stage.get(), {R"(Button "Least used")", R"(Button "Uninstall Alpha")",
                                                  R"(StaticText "Alpha")", R"(StaticText "2 GB")"});
  probe::click(probe::find(openSheetFor("/Applications/Beta.app"), "sheetConfirm"));
  runToEnd();
  tidewell::testing::expectReadable(stage.get(),
                                    {R"(StaticText "Moved Beta to the Trash")", R"(Button "Close")"});
  // The app icons are there, and left out of the tree.
  EXPECT_FALSE(probe::decorations(stage.get()).isEmpty());
}

TEST_F(AppsView_, TheSheetReadsByWhatItShowsAndTabReachesCancelThenMoveToTrash) {
  scanned();
  UninstallSheet* opened = openSheetFor("/Applications/Alpha.app");
  ASSERT_NE(opened, nullptr);
  probe::settle();
  tidewell::testing::expectReadable(opened, {R"(Button "Cancel")", R"(Button "Move to Trash")",
                                             R"(StaticText "You can undo this from the Trash.")"});
  QList<QWidget*> tabs = probe::tabOrder(opened);
  ASSERT_GE(tabs.size(), 2);
  EXPECT_EQ(tabs[tabs.size() - 2], probe::find(opened, "sheetCancel"));
  EXPECT_EQ(tabs.back(), probe::find(opened, "sheetConfirm"));
  // Space presses the button Tab reached: Move to Trash moves the plan shown.
  const engine::UninstallPlan shown = opened->plan();
  probe::find(opened, "sheetConfirm")->setFocus(Qt::TabFocusReason);
  probe::pressKey(opened, Qt::Key_Space);
  runToEnd();
  EXPECT_FALSE(model->pendingPlan());
  ASSERT_EQ(engine->uninstalled.size(), 1u);
  EXPECT_EQ(engine->uninstalled[0], shown);
}

}  // namespace
}  // namespace tidewell::screens
