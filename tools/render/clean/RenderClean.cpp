// render-clean: the Clean section's three screens in the states a person
// meets them in, each from a real Clean model over a scripted engine whose
// jobs are run by hand, so a scan can be stopped at 37 % and a cleaning at
// half. scripts/screens OUTDIR runs it with the others.
#include "design/theme/SectionPalette.h"
#include "screens/clean/CleanView.h"
#include "screens/clean/CleanedPage.h"
#include "screens/clean/ReviewPage.h"
#include "screens/clean/ScanPage.h"
#include "screens/clean/rules/CategoryLook.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/CleanStage.h"

namespace {

using namespace tidewell;
using probe::CleanStage;
using screens::makeCleanedPage;
using screens::makeReviewPage;
using screens::makeScanPage;

void takeScan(probe::Shots& shots, const QString& name, CleanStage& stage) {
  shots.take(name, makeScanPage(stage.model, stage.settings), design::SectionPalette::clean(),
             probe::kDetailPaneSize);
}

void takeReview(probe::Shots& shots, const QString& name, CleanStage& stage,
                std::optional<engine::CleanupCategory> view = std::nullopt) {
  probe::Stage pane(makeReviewPage(stage.model, stage.volume), design::SectionPalette::clean(),
                    probe::kDetailPaneSize);
  if (view) {
    // Chosen in the rail, by a click on its row.
    probe::render(&pane);
    probe::click(probe::find(&pane, QStringLiteral("categoryRow"), screens::categoryTitle(*view)));
  }
  shots.take(name, pane);
}

void takeCleaned(probe::Shots& shots, const QString& name, CleanStage& stage) {
  shots.take(name, makeCleanedPage(stage.model), design::SectionPalette::clean(), probe::kDetailPaneSize);
}

}  // namespace

int main(int argc, char** argv) {
  return probe::runRenderer(argc, argv, [](probe::Shots& shots) {
    {
      CleanStage first;
      takeScan(shots, "clean-idle-first", first);
    }
    CleanStage stage;
    stage.settings->addFreedBytes(1'200'000'000);
    takeScan(shots, "clean-idle", stage);
    stage.startScan();
    takeScan(shots, "clean-scanning-0", stage);
    stage.measure(25);  // 25 of 67 rows: 37 %
    takeScan(shots, "clean-scanning-37", stage);
    stage.runToEnd();

    // Safe rows come ticked; caution rows wait for the user.
    takeReview(shots, "clean-review-mixed", stage);
    stage.model->setSelected(CleanStage::targetId(), true);
    takeReview(shots, "clean-review-caution", stage);
    stage.model->selectAll(true);
    takeReview(shots, "clean-review-all", stage, engine::CleanupCategory::system);
    stage.model->selectAll(false);
    takeReview(shots, "clean-review-none", stage, engine::CleanupCategory::appCaches);

    {
      CleanStage empty(std::vector<CleanStage::Found>{});
      empty.scan();
      takeReview(shots, "clean-review-empty", empty);
    }

    // Four items picked, two of them cleaned.
    stage.model->selectAll(false);
    for (const char* id : {"xcode-derived-data", "npm-cache", "chrome-cache", "user-logs"})
      stage.model->setSelected(id, true);
    stage.startClean(2);
    takeCleaned(shots, "clean-cleaning-50", stage);
    stage.runToEnd();
    takeCleaned(shots, "clean-result", stage);

    {
      CleanStage failing;
      // Part of one row and nothing of two others could be removed.
      failing.engine->results["chrome-cache"] = {1'210'000'000, "Google Chrome cache"};
      failing.engine->results["trash"] = {0, "Empty Trash"};
      failing.engine->results["user-logs"] = {0, "User logs"};
      failing.scan();
      failing.clean();
      takeCleaned(shots, "clean-result-failures", failing);
    }
    {
      CleanStage nothing({{"user-logs", 412'000'000}, {"saved-app-state", 96'400'000}}, 41'200'000'000,
                         41'200'000'000);
      nothing.engine->results["user-logs"] = {0, std::nullopt};
      nothing.engine->results["saved-app-state"] = {0, std::nullopt};
      nothing.scan();
      nothing.clean();
      takeCleaned(shots, "clean-result-nothing", nothing);
    }
  });
}
