// Every text rule that shows a name or path from the disk (Clean review
// rows and its result, Dev Mode's result, the Apps cards, uninstall sheet
// and banner, the Advisor's runtime texts, the Deep Scan question, banner
// and trash help) shows bidirectional controls and bytes that are not UTF-8
// escaped, never raw and never as U+FFFD.
#include <gtest/gtest.h>

#include <cerrno>
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

struct DiskName {
  const char* what;
  std::string name;
  QString shown;
};

// "evil" RLO "vom.txt" reads as "eviltxt.mov" when shown raw; "b" 0xFF
// ".bin" reads like "b" 0xFE ".bin" when its byte is replaced.
const DiskName kNames[] = {
    {"bidi override", "evil\u202Evom.txt", QStringLiteral("evil\\u202Evom.txt")},
    {"byte that is not UTF-8", "b\xff.bin", QStringLiteral("b\\xFF.bin")},
};

void expectEveryRuleShows(const DiskName& disk) {
  const std::string& spoof = disk.name;
  const QString& shown = disk.shown;
  engine::CleanupItem row;
  row.target.title = "node_modules \u00B7 " + spoof;
  row.target.detail = "Rebuilt by npm. In ~/code/" + spoof + ".";
  row.sizeBytes = 1;

  engine::InstalledApp app;
  app.name = spoof;
  app.url = "/Applications/" + spoof + ".app";
  engine::UninstallPlan plan{app, {}};
  engine::LeftoverFile leftover;
  leftover.id = "L1";
  leftover.url = "/home/sam/Library/Caches/" + spoof;
  leftover.category = "Cache";
  plan.leftovers.push_back(leftover);
  engine::UninstallResult moved{spoof, 2, 10, {}, true};
  engine::UninstallResult stuck{
      spoof, 1, 10, {{spoof, {platform::FailureReason::Kind::renameFailed, EACCES}}}, true};

  engine::AdvisorService::SimRuntime runtime;
  runtime.name = "iOS " + spoof;
  runtime.deviceNames = {"iPhone " + spoof};

  engine::BigItem big;
  big.name = spoof;
  big.kind = engine::BigItem::Kind::personal;

  struct Case {
    const char* where;
    std::function<QStringList()> texts;
  };
  const Case cases[] = {
      {"Clean review row",
       [&] {
         return QStringList{chipContent(row).title, chipContent(row).detail};
       }},
      {"Clean result", [&] { return QStringList{failureSentence({spoof}).value_or(QString())}; }},
      {"Dev Mode result", [&] { return QStringList{DevModeRules::leftBehind({spoof})}; }},
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
         return QStringList{trashQuestionMessage(big), trashHelp(spoof),
                            trashBannerContent({spoof, 5, true}).message,
                            trashBannerContent({spoof, 0, false}).message};
       }},
  };
  for (const Case& c : cases) {
    for (const QString& text : c.texts()) {
      EXPECT_TRUE(text.contains(shown)) << disk.what << ", " << c.where << ": " << text.toStdString();
      EXPECT_FALSE(text.contains(QChar(0x202E)))
          << disk.what << ", " << c.where << ": " << text.toStdString();
      EXPECT_FALSE(text.contains(QChar::ReplacementCharacter))
          << disk.what << ", " << c.where << ": " << text.toStdString();
    }
  }
}

TEST(FileNameTexts, EveryRuleShowingANameFromTheDiskEscapesWhatWouldMisleadTheReader) {
  for (const DiskName& disk : kNames) expectEveryRuleShows(disk);
}

}  // namespace
}  // namespace tidewell::screens
