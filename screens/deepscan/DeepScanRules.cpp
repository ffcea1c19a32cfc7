#include "screens/deepscan/DeepScanRules.h"

#include "design/type/FileNameText.h"
#include "screens/common/Formatting.h"
#include "screens/deepscan/DeepScanLook.h"

namespace tidewell::screens {

using engine::BigItem;
using namespace design::literals;

QString deepScanSubtitle(int64_t itemCount, int64_t totalBytes) {
  return QString::number(itemCount) + QStringLiteral(" big items \u2022 ") + bytesText(totalBytes);
}

QString countAndSizeLine(int64_t count, int64_t bytes) {
  return QString::number(count) + QStringLiteral(" \u00B7 ") + bytesText(bytes);
}

bool needsTrashConfirmation(BigItem::Kind kind) {
  return kind == BigItem::Kind::appData || kind == BigItem::Kind::personal;
}

QString trashQuestionMessage(const BigItem& item) {
  const QString quoted = QStringLiteral("\u201C") + design::fileNameText(item.name) +
                         QStringLiteral("\u201D (") + bytesText(item.sizeBytes) + QStringLiteral(")");
  if (item.kind == BigItem::Kind::appData) {
    return quoted + QStringLiteral(
                        " holds app data. Logins or settings could go with it. It'll sit in the Trash if "
                        "you change your mind.");
  }
  return quoted +
         QStringLiteral(" looks like your personal stuff. It'll sit in the Trash so you can bring it back.");
}

TrashBannerContent trashBannerContent(const engine::BigItemScanner::TrashOutcome& outcome) {
  const QString name = design::fileNameText(outcome.name);
  if (outcome.success) {
    return {DeepScanLook::safeGreen(), "checkmark.circle.fill"_symbol,
            QStringLiteral("Moved ") + name + QStringLiteral(" to the Trash \u2022 ") +
                bytesText(outcome.freedBytes) + QStringLiteral(". Empty the Trash to lock it in.")};
  }
  return {DeepScanLook::reviewOrange(), "exclamationmark.triangle.fill"_symbol,
          QStringLiteral("Couldn't move ") + name +
              QStringLiteral(". It may need Full Disk Access or admin rights.")};
}

}  // namespace tidewell::screens
