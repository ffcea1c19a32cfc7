#include "screens/deepscan/BigItemCard.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>
#include <QRadialGradient>
#include <QTextLayout>
#include <QTimer>
#include <cmath>

#include "design/Color.h"
#include "design/GhostPillButton.h"
#include "design/InterFont.h"
#include "design/MonospacedDigits.h"
#include "design/Shapes.h"
#include "design/Symbol.h"
#include "screens/deepscan/BigItemCardRules.h"
#include "screens/deepscan/DeepScanTexts.h"
#include "screens/deepscan/TrashPillButton.h"

namespace tidewell::screens {

using design::FontWeight;
using design::Color::withOpacity;
using namespace design::literals;

namespace {
constexpr double kPad = 14, kSpacing = 10, kTile = 34, kTileCorner = 10, kCorner = 16, kActionGap = 8;
constexpr double kBadgePadX = 7, kBadgePadY = 3, kNameGap = 2;
constexpr int kNoteLines = 3;
// The narrowest card of the grid.
constexpr double kMinimumWidth = 240;

QFont badgeFont() { return design::inter(10, FontWeight::Semibold); }
QFont nameFont() { return design::inter(13, FontWeight::Semibold); }
QFont locationFont() { return design::inter(10.5); }
QFont sizeFont() { return design::inter(24, FontWeight::Bold, design::FontDesign::Rounded); }
QFont noteFont() { return design::inter(11); }
double lineHeight(const QFont& font) { return QFontMetricsF(font).height(); }
double pillHeight() {
  return design::ghostPillSize(design::PillLabel{QStringLiteral("Reveal"), std::nullopt}).height();
}

// Tints that carry their own opacity (the secondary colour) keep it.
QColor tintAt(const QColor& tint, double opacity) { return withOpacity(tint, opacity * tint.alphaF()); }

double naturalHeight() {
  return 2 * kPad + kTile + kSpacing + lineHeight(nameFont()) + kNameGap + lineHeight(locationFont()) +
         kSpacing + lineHeight(sizeFont()) + kSpacing + kNoteLines * lineHeight(noteFont()) + kSpacing + 0 +
         kSpacing + pillHeight();
}

// Word-wrapped into width, at most three lines, the third shortened at its
// end when more follows.
QStringList wrapNote(const QString& text, double width) {
  QStringList lines;
  if (width <= 0) return lines;
  const QFont font = noteFont();
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (;;) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(width);
    if (lines.size() == kNoteLines - 1) {
      const QString rest = text.mid(line.textStart());
      lines << QFontMetricsF(font).elidedText(rest.simplified(), Qt::ElideRight, width);
      break;
    }
    lines << text.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return lines;
}
}  // namespace

BigItemCard::BigItemCard(engine::BigItem item, std::function<void()> onReveal, std::function<void()> onTrash,
                         BigItemCardSeams seams, QWidget* parent)
    : QWidget(parent), item_(std::move(item)), seams_(std::move(seams)) {
  setObjectName(QStringLiteral("bigItemCard"));
  setAttribute(Qt::WA_Hover);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

  reveal_ = new design::GhostPillButton({QStringLiteral("Reveal"), "magnifyingglass"_symbol}, this);
  reveal_->setObjectName(QStringLiteral("revealButton"));
  reveal_->setToolTip(revealHelp());
  connect(reveal_, &QAbstractButton::clicked, this, [onReveal = std::move(onReveal)] {
    if (onReveal) onReveal();
  });

  const CardActions actions = cardActions(item_);
  if (actions.copyCommand) {
    copy_ = new design::GhostPillButton({copyLabel(false), copySymbol(false)}, this);
    copy_->setObjectName(QStringLiteral("copyCommandButton"));
    copy_->setToolTip(copyHelp(*item_.reclaimCommand));
    connect(copy_, &QAbstractButton::clicked, this, &BigItemCard::copyCommand);
  }
  if (actions.trash) {
    trash_ = new TrashPillButton(this);
    trash_->setObjectName(QStringLiteral("trashButton"));
    trash_->setToolTip(trashHelp(item_.name));
    connect(trash_, &QAbstractButton::clicked, this, [onTrash = std::move(onTrash)] {
      if (onTrash) onTrash();
    });
  }
}

QString BigItemCard::badgeText() const { return kindBadge(item_.kind); }
QString BigItemCard::nameText() const { return QString::fromStdString(item_.name); }
QString BigItemCard::locationText() const { return QString::fromStdString(item_.location); }
QString BigItemCard::sizeText() const { return deepScanBytesText(item_.sizeBytes); }
QString BigItemCard::noteText() const { return screens::noteText(item_.note); }

QStringList BigItemCard::noteLines() const { return wrapNote(noteText(), width() - 2 * kPad); }

void BigItemCard::setHovering(bool hovering) {
  if (hovering_ == hovering) return;
  hovering_ = hovering;
  update();
}

QSize BigItemCard::sizeHint() const { return {int(kMinimumWidth), int(std::ceil(naturalHeight()))}; }
QSize BigItemCard::minimumSizeHint() const { return sizeHint(); }

void BigItemCard::copyCommand() {
  if (!item_.reclaimCommand) return;
  if (seams_.copyText) seams_.copyText(QString::fromStdString(*item_.reclaimCommand));
  setCopied(true);
  auto reset = [card = QPointer<BigItemCard>(this)] {
    if (card) card->setCopied(false);
  };
  if (seams_.after) {
    seams_.after(this, kCopiedFor, reset);
  } else {
    QTimer::singleShot(kCopiedFor, this, reset);
  }
}

void BigItemCard::setCopied(bool copied) {
  copied_ = copied;
  if (copy_) copy_->setLabel({copyLabel(copied), copySymbol(copied)});
}

void BigItemCard::placeButtons() {
  const double height = pillHeight();
  const QRectF row(kPad, this->height() - kPad - height, width() - 2 * kPad, height);
  double revealWidth = row.width();
  if (copy_) revealWidth = (row.width() - kActionGap) / 2;
  if (trash_) revealWidth = row.width() - kActionGap - trash_->sizeHint().width();
  revealWidth = std::max(0.0, revealWidth);
  reveal_->setGeometry(QRectF(row.left(), row.top(), revealWidth, height).toRect());
  const double next = row.left() + revealWidth + kActionGap;
  if (copy_) copy_->setGeometry(QRectF(next, row.top(), row.right() - next, height).toRect());
  if (trash_) trash_->setGeometry(QRectF(next, row.top(), trash_->sizeHint().width(), height).toRect());
}

void BigItemCard::resizeEvent(QResizeEvent*) { placeButtons(); }

void BigItemCard::enterEvent(QEnterEvent*) { setHovering(true); }

void BigItemCard::leaveEvent(QEvent*) { setHovering(false); }

void BigItemCard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor tint = cardTint(item_.kind);
  const QRectF area(rect());

  const QPainterPath shape = design::continuousRoundedRect(area, kCorner);
  painter.fillPath(shape, design::Color::raisedSurface());
  QRadialGradient glow(area.topLeft(), 200);
  glow.setColorAt(0, tintAt(tint, 0.07));
  glow.setColorAt(1, Qt::transparent);
  painter.fillPath(shape, glow);
  design::strokeInside(painter, area, kCorner, 1, tintAt(tint, hovering_ ? 0.5 : 0.18));

  const QRectF inner = area.adjusted(kPad, kPad, -kPad, -kPad);
  double y = inner.top();

  const QRectF tile(inner.left(), y, kTile, kTile);
  painter.fillPath(design::continuousRoundedRect(tile, kTileCorner), tintAt(tint, 0.16));
  design::drawSymbol(painter, tileSymbol(item_.isDirectory), design::symbolBox(tile.center(), 15),
                     FontWeight::Semibold, tint);

  const QFontMetricsF badgeMetrics(badgeFont());
  const QString badge = badgeText();
  const double badgeWidth =
      std::min(badgeMetrics.horizontalAdvance(badge) + 2 * kBadgePadX, inner.width() - kTile - 8);
  const QRectF badgeRect(inner.right() - badgeWidth, y, badgeWidth, badgeMetrics.height() + 2 * kBadgePadY);
  painter.fillPath(design::capsule(badgeRect), tintAt(tint, 0.16));
  painter.setFont(badgeFont());
  painter.setPen(tint);
  painter.drawText(badgeRect.adjusted(kBadgePadX, 0, -kBadgePadX, 0), Qt::AlignCenter,
                   badgeMetrics.elidedText(badge, Qt::ElideRight, badgeRect.width() - 2 * kBadgePadX));
  y += kTile + kSpacing;

  const QFontMetricsF nameMetrics(nameFont());
  painter.setFont(nameFont());
  painter.setPen(Qt::white);
  painter.drawText(QRectF(inner.left(), y, inner.width(), nameMetrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   nameMetrics.elidedText(nameText(), Qt::ElideMiddle, inner.width()));
  y += nameMetrics.height() + kNameGap;

  const QFontMetricsF locationMetrics(locationFont());
  painter.setFont(locationFont());
  painter.setPen(design::Color::tertiaryText());
  painter.drawText(QRectF(inner.left(), y, inner.width(), locationMetrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   locationMetrics.elidedText(locationText(), Qt::ElideRight, inner.width()));
  y += locationMetrics.height() + kSpacing;

  painter.setFont(sizeFont());
  painter.setPen(Qt::white);
  const double sizeHeight = lineHeight(sizeFont());
  design::drawMonospacedDigits(painter, QRectF(inner.left(), y, inner.width(), sizeHeight),
                               Qt::AlignLeft | Qt::AlignVCenter, sizeText());
  y += sizeHeight + kSpacing;

  painter.setFont(noteFont());
  painter.setPen(design::Color::secondaryText());
  const double noteLine = lineHeight(noteFont());
  for (const QString& line : noteLines()) {
    painter.drawText(QRectF(inner.left(), y, inner.width(), noteLine), Qt::AlignLeft | Qt::AlignVCenter,
                     line);
    y += noteLine;
  }
}

}  // namespace tidewell::screens
