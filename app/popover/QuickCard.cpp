#include "app/popover/QuickCard.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/components/IconChip.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::app {

namespace {
constexpr double kPaddingX = 10;
constexpr double kPaddingY = 9;
constexpr double kChip = 24;
constexpr double kGap = 8;
constexpr double kRadius = 12;
QFont titleFont() { return design::inter(12, design::FontWeight::Semibold); }
}  // namespace

double quickCardHeight() { return 2 * kPaddingY + std::max(kChip, QFontMetricsF(titleFont()).height()); }

void paintQuickCard(QPainter& painter, const QRectF& rect, const QuickCardLook& look) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor fill = look.hovering ? design::Color::withOpacity(look.accent.primary, 0.14)
                                    : design::Color::withOpacity(design::Color::raisedSurface(), 0.7);
  const QColor border =
      look.hovering ? design::Color::withOpacity(look.accent.primary, 0.4) : design::Color::hairline();
  painter.fillPath(design::continuousRoundedRect(rect, kRadius), fill);
  design::strokeInside(painter, rect, kRadius, 1.0, border);

  const QRectF chip(rect.left() + kPaddingX, rect.center().y() - kChip / 2, kChip, kChip);
  design::paintIconChip(painter, chip, look.symbol, look.accent);
  const QRectF title(chip.right() + kGap, rect.top(),
                     std::max(0.0, rect.right() - kPaddingX - chip.right() - kGap), rect.height());
  painter.setFont(titleFont());
  painter.setPen(Qt::white);
  design::drawShapedText(painter, title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QFontMetricsF(titleFont()).elidedText(look.title, Qt::ElideRight, title.width()));
  painter.restore();
}

QuickCard::QuickCard(QString title, design::SymbolName symbol, design::SectionPalette accent, QWidget* parent)
    : QAbstractButton(parent), look_{std::move(title), std::move(symbol), std::move(accent)} {
  setText(look_.title);
  setObjectName(QStringLiteral("quickCard:") + look_.title);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setCursor(Qt::PointingHandCursor);
  design::KeyboardFocus::makeFocusable(this, {kRadius, {}});
}

void QuickCard::setHovering(bool hovering) {
  if (hovering == look_.hovering) return;
  look_.hovering = hovering;
  update();
}

QSize QuickCard::sizeHint() const {
  const double title = QFontMetricsF(titleFont()).horizontalAdvance(look_.title);
  return {int(std::ceil(2 * kPaddingX + kChip + kGap + title)), int(std::ceil(quickCardHeight()))};
}

QSize QuickCard::minimumSizeHint() const {
  return {int(2 * kPaddingX + kChip), int(std::ceil(quickCardHeight()))};
}

void QuickCard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintQuickCard(painter, QRectF(rect()), look_);
}

void QuickCard::enterEvent(QEnterEvent*) { setHovering(true); }
void QuickCard::leaveEvent(QEvent*) { setHovering(false); }

}  // namespace tidewell::app
