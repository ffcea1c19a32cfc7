// Clean's whole road from the keyboard alone, in the window: to the Clean
// section with the sidebar's arrow keys, Tab to "Scan My Mac" and Space,
// the review, one item unticked with Space, "Clean Up" with Return, the
// result; all along the focus is on something a reader names, never on a
// container that reads as nothing. The Clean model is the real one over a scripted engine whose
// rows are the catalog over a fixture home, so the cleaning is recorded,
// not done: the fixture's files are all still there afterwards.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <algorithm>
#include <functional>

#include "app/AppBridge.h"
#include "app/firstrun/IntroPlayer.h"
#include "app/root/ContentView.h"
#include "app/root/DetailPane.h"
#include "app/root/Sidebar.h"
#include "design/components/SidebarRow.h"
#include "design/keyboard/KeyboardFocus.h"
#include "engine/clean/CleanupTarget.h"
#include "models/clean/CleanupViewModel.h"
#include "models/smartscan/SmartScanController.h"
#include "screens/clean/CleanView.h"
#include "screens/clean/review/ItemChip.h"
#include "screens/common/ObjectNames.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedCleanupEngine.h"
#include "testkit/probe/AccessibilityAudit.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/probe/Probe.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::app {
namespace {
using Phase = models::CleanupViewModel::Phase;
using tidewell::testing::exists;
using tidewell::testing::file;

class CleanKeyboardRoad : public ::testing::Test {
 protected:
  CleanKeyboardRoad() {
    harness.settings->setHasOnboarded(true);
    // The catalog's rows over the fixture home, measured by the script.
    engine->catalogRows = engine::CleanupTarget::catalog(home.context());
    engine->sizes = {
        {"npm-cache", 2'140'000'000}, {"chrome-cache", 1'730'000'000}, {"user-logs", 412'000'000}};
    engine->freeSpace = {40'000'000'000};

    ProcessServices process = ProcessServices::forContext(home.context(), harness.services());
    process.readVolume = []() -> std::optional<platform::VolumeCapacity> {
      return platform::VolumeCapacity{40'000'000'000, 500'000'000'000};
    };
    WindowModels models = WindowModels::create(process, {});
    models.cleanup = std::make_shared<models::CleanupViewModel>(
        harness.services(), std::const_pointer_cast<const tidewell::testing::ScriptedCleanupEngine>(engine));
    cleanup = models.cleanup;

    ContentView::Context context;
    context.settings = harness.settings;
    context.services = fakes.services();
    context.models = std::move(models);
    context.introPlayer = [] { return std::unique_ptr<IntroPlayer>(); };
    context.open = [](const QUrl&) {};
    view = std::make_unique<ContentView>(bridge, std::move(context));
    view->resize(1120, 740);
    probe::render(view.get());
  }
  ~CleanKeyboardRoad() override {
    view.reset();
    tidewell::testing::runToEnd(*harness.executor);
  }

  QWidget* focus() const { return view->window()->focusWidget(); }
  // What a reader says of the focused widget (empty: nothing).
  std::string focusName() const {
    QAccessibleInterface* iface = focus() ? QAccessible::queryAccessibleInterface(focus()) : nullptr;
    return iface ? iface->text(QAccessible::Name).toStdString() : std::string();
  }
  // The page the Clean screen shows.
  std::string page() const {
    auto* clean = qobject_cast<screens::CleanView*>(view->detailPane()->screen());
    return clean && clean->page() ? clean->page()->objectName().toStdString() : std::string();
  }
  // A key pressed and released where the keyboard's focus is.
  void press(Qt::Key key) {
    QTest::keyClick(focus() ? focus() : view.get(), key);
    probe::settle();
  }
  // Tab until the focus is on a widget that fits, at most once round.
  bool tabTo(const std::function<bool(QWidget*)>& fits) {
    for (int i = 0; i < 200; ++i) {
      press(Qt::Key_Tab);
      if (focus() && fits(focus())) return true;
    }
    return false;
  }
  static std::function<bool(QWidget*)> named(const char* name, const QString& key = {}) {
    return [name, key](QWidget* w) {
      return w->objectName() == QLatin1String(name) && (key.isEmpty() || screens::keyOf(w) == key);
    };
  }
  void runJobs() { tidewell::testing::runToEnd(*harness.executor); }

  tidewell::testing::FixtureHome home{
      file(".npm/_cacache/content-v2/sha512/aa", 40'000),
      file("Library/Caches/Google/Chrome/Default/Cache/data_0", 30'000),
      file("Library/Logs/app.log", 2'000),
      file("Documents/keep.txt", 5'000),
  };
  tidewell::testing::ModelHarness harness;
  std::shared_ptr<tidewell::testing::ScriptedCleanupEngine> engine =
      std::make_shared<tidewell::testing::ScriptedCleanupEngine>();
  std::shared_ptr<models::CleanupViewModel> cleanup;
  probe::FakeServices fakes;
  AppBridge bridge;
  std::unique_ptr<ContentView> view;
};

TEST_F(CleanKeyboardRoad, ScanReviewUntickCleanUpAndTheResultWithoutTheMouse) {
  ASSERT_EQ(view->section(), Section::home);
  // Into the sidebar, and down one section to Clean.
  ASSERT_TRUE(tabTo([this](QWidget* w) { return w == view->sidebar()->row(Section::home); }));
  EXPECT_EQ(design::KeyboardFocus::ringedControl(), focus());
  press(Qt::Key_Down);
  ASSERT_EQ(view->section(), Section::clean);
  ASSERT_EQ(view->detailPane()->section(), Section::clean);
  ASSERT_EQ(page(), "scanPage");

  // "Scan My Mac", pressed with Space.
  ASSERT_TRUE(tabTo(named("scanButton")));
  EXPECT_EQ(design::KeyboardFocus::ringedControl(), focus());
  press(Qt::Key_Space);
  EXPECT_EQ(cleanup->phase(), Phase::scanning);
  // The button went with the scan: the focus is on the scanning ring.
  ASSERT_TRUE(focus());
  EXPECT_TRUE(view->detailPane()->screen()->isAncestorOf(focus()));
  EXPECT_EQ(focusName(), "scanning");
  runJobs();
  ASSERT_EQ(cleanup->phase(), Phase::review);
  ASSERT_EQ(page(), "reviewPage");
  // The focus came along to the review, on its first control.
  ASSERT_TRUE(focus());
  EXPECT_TRUE(view->detailPane()->screen()->isAncestorOf(focus())) << focus()->objectName().toStdString();
  EXPECT_EQ(focus()->objectName().toStdString(), "safeOnlyButton");

  // Untick npm's cache with Space on its chip.
  ASSERT_TRUE(cleanup->isSelected("npm-cache"));
  ASSERT_TRUE(tabTo(named("itemChip", "npm-cache")));
  EXPECT_EQ(design::KeyboardFocus::ringedControl(), focus());
  press(Qt::Key_Space);
  EXPECT_FALSE(cleanup->isSelected("npm-cache"));
  EXPECT_TRUE(cleanup->isSelected("chrome-cache"));

  // "Clean Up", pressed with Return.
  ASSERT_TRUE(tabTo(named("cleanUpButton")));
  press(Qt::Key_Return);
  EXPECT_EQ(cleanup->phase(), Phase::cleaning);
  // On the cleaning page, which has no control: on what it reads.
  ASSERT_EQ(page(), "cleanedPage");
  ASSERT_TRUE(focus());
  EXPECT_TRUE(view->detailPane()->screen()->isAncestorOf(focus()));
  EXPECT_NE(focusName(), "") << probe::describe(focus()).toStdString();
  runJobs();
  ASSERT_EQ(cleanup->phase(), Phase::done);
  ASSERT_EQ(page(), "cleanedPage");
  // The result's first control, "Done", takes it when it appears.
  EXPECT_EQ(focus()->objectName().toStdString(), "doneButton");
  EXPECT_EQ(design::KeyboardFocus::ringedControl(), focus());
  // Tab goes on into the result: its "Done".
  ASSERT_TRUE(tabTo(named("doneButton")));
  EXPECT_TRUE(view->detailPane()->screen()->isAncestorOf(focus()));

  // What was picked, and only that, went through the scripted engine;
  // nothing on disk was touched, the unticked item's files included.
  std::vector<std::string> cleaned = engine->cleaned();
  std::sort(cleaned.begin(), cleaned.end());
  EXPECT_EQ(cleaned, (std::vector<std::string>{"chrome-cache", "user-logs"}));
  for (const char* path :
       {".npm/_cacache/content-v2/sha512/aa", "Library/Caches/Google/Chrome/Default/Cache/data_0",
        "Library/Logs/app.log", "Documents/keep.txt"})
    EXPECT_TRUE(exists(home.path(path))) << path;
}

}  // namespace
}  // namespace tidewell::app
