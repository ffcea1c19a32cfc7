#include "screens/deepscan/BigItemCard.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QRadialGradient>
#include <QTimer>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/type/FileNameText.h"
#include "platform/qt/Clipboard.h"
#include "screens/common/Formatting.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/Badge.h"
#include "screens/common/views/TextLabel.h"
#include "screens/deepscan/BigItemCardRules.h"
#include "screens/deepscan/DeepScanLook.h"
#include "screens/deepscan/TintedTile.h"
#include "screens/deepscan/TrashPillButton.h"

namespace tidewell::screens {

using design::FontWeight;
using namespace design::literals;

namespace {
constexpr double kCorner = 16;

// Reveal and Copy command take the width the row leaves them, in equal
// shares, whatever their labels ask.
void stretchAcross(QWidget* button) {
  button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  button->setMinimumWidth(1);
}
}  // namespace

DelayedCall timerDelayedCall() {
  return [](QObject* owner, std::chrono::milliseconds delay, std::function<void()> done) {
    QTimer::singleShot(delay, owner, std::move(done));
  };
}

BigItemCard::BigItemCard(engine::BigItem item, std::shared_ptr<platform::Clipboard> clipboard,
                         DelayedCall after, QWidget* parent)
    : Surface({}, parent),
      item_(std::move(item)),
      clipboard_(std::move(clipboard)),
      after_(std::move(after)) {
  named(this, "bigItemCard");
  setKey(this, QString::fromStdString(item_.id));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

  const QColor tint = cardTint(item_.kind);
  auto* tile = named(new TintedTile({34, 10, DeepScanLook::faded(tint, 0.16), tileSymbol(item_.isDirectory),
                                     15, FontWeight::Semibold, tint},
                                    this),
                     "cardTile");
  BadgeLook badgeLook;
  badgeLook.fontSize = 10;
  badgeLook.text = tint;
  badgeLook.fill = DeepScanLook::faded(tint, 0.16);
  badgeLook.horizontalPadding = 7;
  badgeLook.verticalPadding = 3;
  auto* badge = named(new Badge(kindBadge(item_.kind), badgeLook, this), "cardBadge");

  auto* name = named(new TextLabel(design::fileNameText(item_.name),
                                   textLook(13, FontWeight::Semibold).elided(Qt::ElideMiddle), this),
                     "cardName");
  auto* location =
      named(new TextLabel(design::fileNameText(item_.location),
                          textLook(10.5, FontWeight::Regular, design::Color::tertiaryText()), this),
            "cardLocation");
  auto* size =
      named(new TextLabel(
                bytesText(item_.sizeBytes),
                textLook(24, FontWeight::Bold, Qt::white, design::FontDesign::Rounded).withMonospacedDigits(),
                this),
            "cardSize");
  auto* note = named(
      new TextLabel(noteText(item_.note),
                    textLook(11, FontWeight::Regular, design::Color::secondaryText()).lines(3).reserving(3),
                    this),
      "cardNote");

  auto* reveal =
      named(new design::GhostPillButton({QStringLiteral("Reveal"), "magnifyingglass"_symbol}, this),
            "revealButton");
  reveal->setToolTip(revealHelp());
  stretchAcross(reveal);
  connect(reveal, &QAbstractButton::clicked, this, &BigItemCard::revealRequested);

  auto* actions = new QHBoxLayout;
  actions->setContentsMargins(0, 0, 0, 0);
  actions->setSpacing(8);
  actions->addWidget(reveal, 1);
  const CardActions offered = cardActions(item_);
  if (offered.copyCommand) {
    copy_ =
        named(new design::GhostPillButton({copyLabel(false), copySymbol(false)}, this), "copyCommandButton");
    copy_->setToolTip(copyHelp(*item_.reclaimCommand));
    stretchAcross(copy_);
    connect(copy_, &QAbstractButton::clicked, this, &BigItemCard::copyCommand);
    actions->addWidget(copy_, 1);
  }
  if (offered.trash) {
    auto* trash = named(new TrashPillButton(this), "trashButton");
    trash->setToolTip(trashHelp(item_.name));
    connect(trash, &QAbstractButton::clicked, this, &BigItemCard::trashRequested);
    actions->addWidget(trash, 0);
  }

  auto* header = new QHBoxLayout;
  header->setContentsMargins(0, 0, 0, 0);
  header->setSpacing(8);
  header->addWidget(tile, 0, Qt::AlignTop);
  header->addStretch(1);
  header->addWidget(badge, 0, Qt::AlignTop);

  auto* names = new QVBoxLayout;
  names->setContentsMargins(0, 0, 0, 0);
  names->setSpacing(2);
  names->addWidget(name);
  names->addWidget(location);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(14, 14, 14, 14);
  column->setSpacing(10);
  column->addLayout(header);
  column->addLayout(names);
  column->addWidget(size);
  column->addWidget(note);
  // The flexible spacer keeps the stack's spacing on its far side too.
  column->addSpacing(10);
  column->addStretch(1);
  column->addLayout(actions);

  connect(this, &Surface::hoverChanged, this, [this] { update(); });
}

void BigItemCard::addBackgroundKey(design::PaintKey& key) const { key.add(item_.kind); }

void BigItemCard::paintBackground(QPainter& painter, const QRectF& rect) {
  const QColor tint = cardTint(item_.kind);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QPainterPath shape = design::continuousRoundedRect(rect, kCorner);
  painter.fillPath(shape, design::Color::raisedSurface());
  QRadialGradient glow(rect.topLeft(), 200);
  glow.setColorAt(0, DeepScanLook::faded(tint, 0.07));
  glow.setColorAt(1, Qt::transparent);
  painter.fillPath(shape, glow);
  design::strokeInside(painter, rect, kCorner, 1, DeepScanLook::faded(tint, isHovering() ? 0.5 : 0.18));
  painter.restore();
}

void BigItemCard::copyCommand() {
  if (!item_.reclaimCommand) return;
  if (clipboard_) clipboard_->setText(QString::fromStdString(*item_.reclaimCommand));
  setCopied(true);
  // Each press has its own reset, so the label returns two seconds after
  // the first of several presses.
  auto reset = [card = QPointer<BigItemCard>(this)] {
    if (card) card->setCopied(false);
  };
  if (after_) after_(this, kCopiedFor, reset);
}

void BigItemCard::setCopied(bool copied) {
  copied_ = copied;
  if (copy_) copy_->setLabel({copyLabel(copied), copySymbol(copied)});
}

}  // namespace tidewell::screens
