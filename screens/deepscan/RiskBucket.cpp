#include "screens/deepscan/RiskBucket.h"

#include "design/theme/Color.h"
#include "screens/deepscan/DeepScanLook.h"

namespace tidewell::screens {

using engine::BigItem;
using namespace design::literals;

QString rawValue(RiskBucket bucket) {
  switch (bucket) {
    case RiskBucket::safe:
      return QStringLiteral("safe");
    case RiskBucket::installer:
      return QStringLiteral("installer");
    case RiskBucket::container:
      return QStringLiteral("container");
    case RiskBucket::review:
      return QStringLiteral("review");
    case RiskBucket::personal:
      return QStringLiteral("personal");
    case RiskBucket::other:
      break;
  }
  return QStringLiteral("other");
}

std::optional<RiskBucket> riskBucketFromRawValue(QStringView raw) {
  for (RiskBucket bucket : allRiskBuckets) {
    if (raw == rawValue(bucket)) return bucket;
  }
  return std::nullopt;
}

QString title(RiskBucket bucket) {
  switch (bucket) {
    case RiskBucket::safe:
      return QStringLiteral("Safe to clear");
    case RiskBucket::installer:
      return QStringLiteral("Installers");
    case RiskBucket::container:
      return QStringLiteral("Containers & VMs");
    case RiskBucket::review:
      return QStringLiteral("Check first");
    case RiskBucket::personal:
      return QStringLiteral("Your stuff");
    case RiskBucket::other:
      break;
  }
  return QStringLiteral("Other");
}

design::SymbolName symbol(RiskBucket bucket) {
  switch (bucket) {
    case RiskBucket::safe:
      return "checkmark.circle.fill"_symbol;
    case RiskBucket::installer:
      return "shippingbox.fill"_symbol;
    case RiskBucket::container:
      return "cube.box.fill"_symbol;
    case RiskBucket::review:
      return "exclamationmark.circle.fill"_symbol;
    case RiskBucket::personal:
      return "hand.raised.fill"_symbol;
    case RiskBucket::other:
      break;
  }
  return "questionmark.circle.fill"_symbol;
}

QColor tint(RiskBucket bucket) {
  switch (bucket) {
    case RiskBucket::safe:
      return DeepScanLook::safeGreen();
    case RiskBucket::installer:
      return DeepScanLook::installerBlue();
    case RiskBucket::container:
      return DeepScanLook::containerPurple();
    case RiskBucket::review:
      return DeepScanLook::reviewOrange();
    case RiskBucket::personal:
      return DeepScanLook::personalRed();
    case RiskBucket::other:
      break;
  }
  return design::Color::white(0.55);
}

QString description(RiskBucket bucket) {
  switch (bucket) {
    case RiskBucket::safe:
      return QStringLiteral("Rebuildable caches and files. Clearing these is safe.");
    case RiskBucket::installer:
      return QStringLiteral(
          "Disk images and installers you've downloaded. Safe to trash once the app is installed.");
    case RiskBucket::container:
      return QStringLiteral(
          "Space used by Docker, OrbStack and other container tools. These hold your images and volumes, "
          "so reclaim from inside the tool, never by deleting here.");
    case RiskBucket::review:
      return QStringLiteral("App data. Logins or settings may live here, so look before removing.");
    case RiskBucket::personal:
      return QStringLiteral("Looks like your own files. Reveal and check before trashing.");
    case RiskBucket::other:
      break;
  }
  return QStringLiteral("Unsorted big items. Reveal each to see what it is.");
}

QString tintName(BigItem::Kind kind) {
  switch (kind) {
    case BigItem::Kind::container:
      return QStringLiteral("container");
    case BigItem::Kind::installer:
      return QStringLiteral("installer");
    case BigItem::Kind::cache:
    case BigItem::Kind::rebuildable:
      return QStringLiteral("green");
    case BigItem::Kind::appData:
      return QStringLiteral("orange");
    case BigItem::Kind::personal:
      return QStringLiteral("red");
    case BigItem::Kind::other:
      break;
  }
  return QStringLiteral("secondary");
}

RiskBucket riskBucketForTintName(QStringView name) {
  if (name == u"green") return RiskBucket::safe;
  if (name == u"installer") return RiskBucket::installer;
  if (name == u"container") return RiskBucket::container;
  if (name == u"orange") return RiskBucket::review;
  if (name == u"red") return RiskBucket::personal;
  return RiskBucket::other;
}

RiskBucket riskBucketOf(BigItem::Kind kind) { return riskBucketForTintName(tintName(kind)); }

}  // namespace tidewell::screens
