#include "design/components/SidebarRow.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/ShadowLayer.h"
#include "design/paint/Shapes.h"
#include "design/symbols/SymbolEffect.h"
#include "design/theme/Color.h"
#include "design/theme/Gradients.h"
#include "design/theme/SectionAccent.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::design {

namespace {
constexpr double kPadX = 12, kPadY = 9, kIconFrame = 18, kSpacing = 10, kRadius = 11, kFontSize = 13;

QFont labelFont(bool active) { return inter(kFontSize, active ? FontWeight::Semibold : FontWeight::Medium); }
}  // namespace

double sidebarRowHeight() { return 2 * kPadY + QFontMetricsF(labelFont(true)).height(); }

double sidebarRowNaturalWidth(const SidebarRowSnapshot& look) {
  return 2 * kPadX + kIconFrame + kSpacing +
         QFontMetricsF(labelFont(look.isActive)).horizontalAdvance(look.label);
}

QColor sidebarRowForeground(const SidebarRowSnapshot& look) {
  if (look.isActive) return Color::rgb(0.03, 0.07, 0.05);
  return Color::white(look.hovering ? 0.9 : 0.55);
}

Shadow sidebarRowShadow(const SectionPalette& palette) {
  return {Color::withOpacity(palette.primary, 0.45), 12, QPointF(0, 3)};
}

void paintSidebarRowShadow(QPainter& painter, const QRectF& rect, const SidebarRowSnapshot& look) {
  if (!look.isActive) return;
  drawShadow(painter, continuousRoundedRect(rect, kRadius), sidebarRowShadow(look.palette));
}

void paintSidebarRowBody(QPainter& painter, const QRectF& rect, const SidebarRowSnapshot& look) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QPainterPath shape = continuousRoundedRect(rect, kRadius);
  if (look.isActive) {
    painter.fillPath(shape, linearGradient(rect, UnitPoint::topLeading(), UnitPoint::bottomTrailing(),
                                           {{0.0, look.palette.soft}, {1.0, look.palette.primary}}));
  } else if (look.hovering) {
    painter.fillPath(shape, Color::white(0.06));
  }
  const QColor ink = sidebarRowForeground(look);
  const double midY = rect.center().y();
  const QRectF iconFrame(rect.left() + kPadX, rect.top(), kIconFrame, rect.height());
  drawSymbol(painter, look.symbol, symbolBox(QPointF(iconFrame.center().x(), midY), kFontSize),
             FontWeight::Semibold, ink, look.iconFrame);
  const QFont font = labelFont(look.isActive);
  const double textLeft = iconFrame.right() + kSpacing;
  const double textWidth = std::max(0.0, rect.right() - kPadX - textLeft);
  painter.setFont(font);
  painter.setPen(ink);
  // The spacer gives way first; only then is the name elided.
  drawShapedText(painter, QRectF(textLeft, rect.top(), textWidth, rect.height()),
                 Qt::AlignLeft | Qt::AlignVCenter,
                 QFontMetricsF(font).elidedText(look.label, Qt::ElideRight, textWidth));
  painter.restore();
}

SidebarRow::SidebarRow(SymbolName symbol, QString label, SectionPalette palette, QWidget* parent)
    : QAbstractButton(parent),
      look_{std::move(symbol), std::move(label), false, false, std::move(palette), {}},
      bounce_(new SymbolEffect(SymbolEffect::Kind::Bounce, this)) {
  setText(look_.label);
  KeyboardFocus::makeFocusable(this, {11, {}});
  // The ring in the row's own colours.
  SectionAccent::set(this, look_.palette);
  // A tab of the window's sections: selected while its section is shown.
  accessibleTraits(this).role = QAccessible::PageTab;
  accessibleTraits(this).checked = [this] { return look_.isActive ? Qt::Checked : Qt::Unchecked; };
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAttribute(Qt::WA_Hover);
  ShadowLayer::track(this);
}

void SidebarRow::setActive(bool active) {
  if (look_.isActive == active) return;
  look_.isActive = active;
  update();
  ShadowLayer::refresh(this);
  accessibleCheckChanged(this);
}

void SidebarRow::setHovering(bool hovering) {
  if (look_.hovering == hovering) return;
  look_.hovering = hovering;
  bounce_->trigger();
  update();
}

QSize SidebarRow::sizeHint() const {
  return {int(std::ceil(sidebarRowNaturalWidth(look_))), int(std::ceil(sidebarRowHeight()))};
}

QSize SidebarRow::minimumSizeHint() const {
  return {int(2 * kPadX + kIconFrame), int(std::ceil(sidebarRowHeight()))};
}

SidebarRowSnapshot SidebarRow::currentSnapshot() const {
  SidebarRowSnapshot look = look_;
  look.iconFrame = bounce_->frame();
  return look;
}

void SidebarRow::paintShadows(QPainter& painter) const {
  paintSidebarRowShadow(painter, QRectF(rect()), look_);
}

QRectF SidebarRow::shadowArea() const {
  return shadowBounds(QRectF(rect()), sidebarRowShadow(look_.palette));
}

void SidebarRow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (!ShadowLayer::hostOf(this)) paintShadows(painter);
  paintSidebarRowBody(painter, QRectF(rect()), currentSnapshot());
}

void SidebarRow::enterEvent(QEnterEvent* event) {
  setHovering(true);
  QAbstractButton::enterEvent(event);
}

void SidebarRow::leaveEvent(QEvent* event) {
  setHovering(false);
  QAbstractButton::leaveEvent(event);
}

}  // namespace tidewell::design
