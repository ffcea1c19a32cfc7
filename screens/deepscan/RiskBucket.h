#pragma once
// How risky it is to remove a big item: the six buckets the Deep Scan
// screen sorts its findings into, from rebuildable caches to the user's own
// files, each with its title, symbol, tint and one explanatory sentence.
// Pure values; any thread.

#include <QColor>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

#include "design/symbols/SymbolTable.h"
#include "engine/deepscan/BigItem.h"

namespace tidewell::screens {

// Declared in the order every bucket list on screen follows.
enum class RiskBucket { safe, installer, container, review, personal, other };

inline constexpr std::array<RiskBucket, 6> allRiskBuckets = {RiskBucket::safe,      RiskBucket::installer,
                                                             RiskBucket::container, RiskBucket::review,
                                                             RiskBucket::personal,  RiskBucket::other};

// "safe", "installer", "container", "review", "personal", "other"; also the
// bucket's identity.
QString rawValue(RiskBucket bucket);
// The bucket of exactly one of the six raw values; nothing for any other
// text (letter case counts).
std::optional<RiskBucket> riskBucketFromRawValue(QStringView raw);

// "Safe to clear", "Installers", "Containers & VMs", "Check first",
// "Your stuff", "Other".
QString title(RiskBucket bucket);
design::SymbolName symbol(RiskBucket bucket);
// The bucket's colour; other is white at 0.55, made anew on each call.
QColor tint(RiskBucket bucket);
// The sentence shown under the bucket's heading.
QString description(RiskBucket bucket);

// The short colour name of a kind, which both the bucket and the big-item
// card's colour follow: "container", "installer", "green" (cache,
// rebuildable), "orange" (app data), "red" (personal), "secondary" (other).
QString tintName(engine::BigItem::Kind kind);
// The bucket a tint name stands for; any unknown name is other.
RiskBucket riskBucketForTintName(QStringView name);
// Where an item of this kind lands: by its tint name, not its kind, so a
// kind whose name changes moves with it.
RiskBucket riskBucketOf(engine::BigItem::Kind kind);

}  // namespace tidewell::screens
