// Every text rule that shows a name or path from the disk (Clean review
// rows and its result, Dev Mode's result, the Apps cards, uninstall sheet
// and banner, the Advisor's runtime texts, the Deep Scan question, banner
// and trash help) shows bidirectional controls escaped, never raw.
#include <gtest/gtest.h>

#include <functional>

#include "screens/advisor/AdvisorRules.h"
#include "screens/apps/AppCardContent.h"
#include "screens/apps/AppsRules.h"
#include "screens/apps/UninstallSheetContent.h"
#include "screens/clean/rules/CleanedRules.h"
#include "screens/clean/rules/ReviewRules.h"
#include "screens/deepscan/BigItemCardRules.h"
#include "screens/deepscan/DeepScanRules.h"
#include "screens/devmode/DevModeRules.h"

namespace tidewell::screens {
namespace {

// "evil" RLO "vom.txt" reads as "eviltxt.mov" when shown raw; the isolate
// comes from a folder name.
const std::string kSpoof = "evil\u202Evom.txt";
const QString kShown = QStringLiteral("evil\\u202Evom.txt");

TEST(FileNameTexts, EveryRuleShowingANameFromTheDiskEscapesItsBidiControls) {
  engine::CleanupItem row;
  row.target.title = "node_modules \u00B7 " + kSpoof;
  row.target.detail = "Rebuilt by npm. In ~/code/" + kSpoof + ".";
  row.sizeBytes = 1;

  engine::InstalledApp app;
  app.name = kSpoof;
  app.url = "/Applications/" + kSpoof + ".app";
  engine::UninstallPlan plan{app, {}};
  engine::LeftoverFile leftover;
  leftover.id = "L1";
  leftover.url = "/home/sam/Library/Caches/" + kSpoof;
  leftover.category = "Cache";
  plan.leftovers.push_back(leftover);
  engine::UninstallResult moved{kSpoof, 2, 10, {}, true};
  engine::UninstallResult stuck{kSpoof, 1, 10, {kSpoof}, true};

  engine::AdvisorService::SimRuntime runtime;
  runtime.name = "iOS " + kSpoof;
  runtime.deviceNames = {"iPhone " + kSpoof};

  engine::BigItem big;
  big.name = kSpoof;
  big.kind = engine::BigItem::Kind::personal;

  struct Case {
    const char* where;
    std::function<QStringList()> texts;
  };
  const Case cases[] = {
      {"Clean review row",
       [&] {
         return QStringList{chipTexts(row).title, chipTexts(row).detail};
       }},
      {"Clean result", [&] { return QStringList{failureSentence({kSpoof}).value_or(QString())}; }},
      {"Dev Mode result", [&] { return QStringList{DevModeRules::leftBehind({kSpoof})}; }},
      {"Apps card",
       [&] {
         const AppCardContent content = appCardContent(app, {});
         return QStringList{content.name, content.trashHelp};
       }},
      {"Apps uninstall sheet",
       [&] {
         const UninstallSheetContent content = uninstallSheetContent(plan);
         return QStringList{content.title, content.rows.at(0).title, content.rows.at(1).title};
       }},
      {"Apps banner",
       [&] {
         return QStringList{uninstallBannerContent(moved).title, uninstallBannerContent(stuck).title,
                            uninstallBannerContent(stuck).detail};
       }},
      {"Advisor runtime",
       [&] {
         return QStringList{runtimeUsageText(runtime), deleteRuntimeMessage(runtime)};
       }},
      {"Deep Scan",
       [&] {
         return QStringList{trashQuestionMessage(big), trashHelp(kSpoof),
                            trashBannerContent({kSpoof, 5, true}).message,
                            trashBannerContent({kSpoof, 0, false}).message};
       }},
  };
  for (const Case& c : cases) {
    for (const QString& text : c.texts()) {
      EXPECT_TRUE(text.contains(kShown)) << c.where << ": " << text.toStdString();
      EXPECT_FALSE(text.contains(QChar(0x202E))) << c.where << ": " << text.toStdString();
    }
  }
}

}  // namespace
}  // namespace tidewell::screens
