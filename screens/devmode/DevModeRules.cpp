#include "screens/devmode/DevModeRules.h"

#include <QStringList>

#include "design/type/FileNameText.h"
#include "screens/common/Formatting.h"

namespace tidewell::screens::DevModeRules {

QString reviewSummary(int64_t totalBytes) {
  return QStringLiteral("Found ") + bytesText(totalBytes) + QStringLiteral(" to clear.");
}

QString groupCaption(std::size_t count, int64_t bytes) {
  return QString::number(count) + QStringLiteral(" \u00b7 ") + bytesText(bytes);
}

QString pickedCaption(std::size_t picked) { return QString::number(picked) + QStringLiteral(" picked"); }

QString resultTitle(bool cleaning, int64_t freedBytes) {
  return cleaning ? QStringLiteral("Cleaning\u2026") : QStringLiteral("Freed ") + bytesText(freedBytes);
}

QString leftBehind(const std::vector<std::string>& failedTitles) {
  if (failedTitles.empty()) return {};
  QStringList titles;
  for (const auto& title : failedTitles) titles << design::fileNameText(title);
  const QString items = failedTitles.size() == 1 ? QStringLiteral(" item") : QStringLiteral(" items");
  return QString::number(failedTitles.size()) + items + QStringLiteral(" wouldn't budge: ") +
         titles.join(QStringLiteral(", ")) +
         QStringLiteral(
             ". macOS may need Full Disk Access for these. Grant it in System Settings \u25b8 Privacy & "
             "Security.");
}

}  // namespace tidewell::screens::DevModeRules
