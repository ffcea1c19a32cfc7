#include "screens/apps/AppsRules.h"

#include <QStringList>

#include "design/theme/Color.h"
#include "design/type/FileNameText.h"
#include "screens/common/Formatting.h"

namespace tidewell::screens {

using namespace design::literals;

QString appsSummaryLine(size_t count, int64_t totalBytes) {
  return QString::number(count) + QStringLiteral(" apps \u00b7 ") + bytesText(totalBytes) +
         QStringLiteral(". Deletes go to the Trash, undo anytime.");
}

UninstallBannerContent uninstallBannerContent(const engine::UninstallResult& result) {
  UninstallBannerContent content;
  const QString name = design::fileNameText(result.appName);
  content.succeeded = result.failed.empty();
  if (content.succeeded) {
    content.symbol = "checkmark.circle.fill"_symbol;
    content.tint = design::Color::systemGreen();
    content.title = QStringLiteral("Moved ") + name + QStringLiteral(" to the Trash");
    content.detail = QString::number(result.movedCount) + QStringLiteral(" items \u00b7 ") +
                     bytesText(result.freedBytes) + QStringLiteral(". Empty the Trash to lock it in.");
  } else {
    content.symbol = "exclamationmark.triangle.fill"_symbol;
    content.tint = design::Color::systemOrange();
    content.title = name + QStringLiteral(": some items couldn't be moved");
    QStringList failed;
    for (const auto& each : result.failed) failed << design::fileNameText(each.name);
    content.detail = QStringLiteral("Couldn't move: ") + failed.join(QStringLiteral(", "));
  }
  return content;
}

}  // namespace tidewell::screens
