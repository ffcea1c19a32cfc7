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
  CleanedContent content;
  content.showsCleaning = snapshot.cleaning;
  content.percent = design::percentReading(snapshot.cleanProgress);
  content.showsCounter = snapshot.freedBytes >= 1;
  content.freeBefore = bytesText(snapshot.freeSpaceBefore);
  content.freeAfter = bytesText(snapshot.freeSpaceAfter) + QStringLiteral(" free");
  content.failureSentence = failureSentence(snapshot.failedTitles);
  return content;
}

}  // namespace tidewell::screens
