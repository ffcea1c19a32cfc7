#include "screens/deepscan/BigItemCardRules.h"

#include "design/theme/Color.h"
#include "design/type/FileNameText.h"
#include "screens/deepscan/RiskBucket.h"

namespace tidewell::screens {

using engine::BigItem;
using namespace design::literals;

QColor cardTint(BigItem::Kind kind) {
  // The named tints are the buckets'; any other name is the secondary
  // colour, not the other bucket's own white.
  const RiskBucket bucket = riskBucketForTintName(tintName(kind));
  if (bucket == RiskBucket::other) return design::Color::secondaryText();
  return tint(bucket);
}

QString kindBadge(BigItem::Kind kind) {
  switch (kind) {
    case BigItem::Kind::container:
      return QStringLiteral("Reclaim inside the tool");
    case BigItem::Kind::installer:
      return QStringLiteral("Installer \u00B7 safe to remove");
    case BigItem::Kind::cache:
      return QStringLiteral("Cache \u00B7 safe to clear");
    case BigItem::Kind::rebuildable:
      return QStringLiteral("Rebuildable \u00B7 safe");
    case BigItem::Kind::appData:
      return QStringLiteral("App / SDK data \u00B7 review");
    case BigItem::Kind::personal:
      return QStringLiteral("Personal \u00B7 review carefully");
    case BigItem::Kind::other:
      break;
  }
  return QStringLiteral("Review");
}

design::SymbolName tileSymbol(bool isDirectory) {
  return isDirectory ? "folder.fill"_symbol : "doc.fill"_symbol;
}

QString noteText(const std::optional<std::string>& note) {
  if (note) return QString::fromStdString(*note);
  return QStringLiteral("No intel on this one. Hit Reveal and check it first.");
}

CardActions cardActions(const BigItem& item) {
  const bool container = item.kind == BigItem::Kind::container;
  return {container && item.reclaimCommand.has_value(), !container};
}

QString copyLabel(bool copied) { return copied ? QStringLiteral("Copied") : QStringLiteral("Copy command"); }

design::SymbolName copySymbol(bool copied) { return copied ? "checkmark"_symbol : "doc.on.doc"_symbol; }

QString revealHelp() { return QStringLiteral("Reveal in Finder"); }

QString copyHelp(const std::string& command) {
  return QStringLiteral("Copy \u201C") + QString::fromStdString(command) +
         QStringLiteral("\u201D to run in Terminal");
}

QString trashHelp(const std::string& name) {
  return QStringLiteral("Move ") + design::fileNameText(name) + QStringLiteral(" to Trash");
}

}  // namespace tidewell::screens
