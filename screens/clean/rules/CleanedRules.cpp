#include "screens/clean/rules/CleanedRules.h"

#include <QStringList>

#include "design/type/FileNameText.h"
#include "screens/common/Formatting.h"

namespace tidewell::screens {

std::optional<QString> failureSentence(const std::vector<std::string>& failedTitles) {
  if (failedTitles.empty()) return std::nullopt;
  QStringList titles;
  for (const std::string& title : failedTitles) titles << design::fileNameText(title);
  return titles.join(QStringLiteral(", ")) +
         QStringLiteral(
             ". macOS may need Full Disk Access for these. Grant it in System Settings ▸ Privacy & "
             "Security.");
}

CleanedContent cleanedContent(const CleanedSnapshot& snapshot) {
  CleanedContent texts;
  texts.showsCleaning = snapshot.cleaning;
  texts.percent = design::percentReading(snapshot.cleanProgress);
  texts.showsCounter = snapshot.freedBytes >= 1;
  texts.freeBefore = bytesText(snapshot.freeSpaceBefore);
  texts.freeAfter = bytesText(snapshot.freeSpaceAfter) + QStringLiteral(" free");
  texts.failureSentence = failureSentence(snapshot.failedTitles);
  return texts;
}

}  // namespace tidewell::screens
