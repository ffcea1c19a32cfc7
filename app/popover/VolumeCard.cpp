#include "app/popover/VolumeCard.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/components/Donut.h"
#include "design/paint/Shapes.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "design/type/InterFont.h"
#include "design/type/MonospacedDigits.h"
#include "design/type/ShapedText.h"

namespace tidewell::app {

namespace {

using design::FontDesign;
using design::FontWeight;
using design::inter;

constexpr double kPadding = 14;
constexpr double kDiameter = 80;
constexpr double kLineWidth = 8;
constexpr double kDonutFrame = kDiameter + kLineWidth;
constexpr double kGap = 16;
constexpr double kLineSpacing = 3;
constexpr double kBadgeSymbolSize = 9;
constexpr double kBadgeGap = 4;

QFont percentFont() { return inter(16, FontWeight::Bold, FontDesign::Rounded); }
QFont freeFont() { return inter(27, FontWeight::Bold, FontDesign::Rounded); }
QFont totalFont() { return inter(11); }
QFont badgeFont() { return inter(11, FontWeight::Semibold); }

// One line of monospaced-digit text shrunk to fit width, down to
// minimumScale of its size, and cut short at the end if it still does not.
struct FittedLine {
  QFont font;
  QString text;
};
FittedLine fitDigits(QFont font, QString text, double width, double minimumScale) {
  const double natural = design::monospacedDigitsWidth(font, text);
  if (natural <= width || natural <= 0) return {font, text};
  const double scale = std::max(minimumScale, width / natural);
  font.setPointSizeF(font.pointSizeF() * scale);
  while (text.size() > 1 && design::monospacedDigitsWidth(font, text) > width) {
    text.chop(text.endsWith(QChar(0x2026)) ? 2 : 1);
    text.append(QChar(0x2026));
  }
  return {font, text};
}

double lineHeight(const QFont& font) { return QFontMetricsF(font).height(); }

double badgeHeight() { return 1 + std::max(design::symbolSide(kBadgeSymbolSize), lineHeight(badgeFont())); }

double textStackHeight(const VolumeCardLook& look) {
  double height = lineHeight(freeFont()) + kLineSpacing + lineHeight(totalFont());
  if (reclaimedBadgeText(look.totalFreedBytes)) height += kLineSpacing + badgeHeight();
  return height;
}

}  // namespace

double volumeCardHeight(const VolumeCardLook& look) {
  return 2 * kPadding + std::max(kDonutFrame, textStackHeight(look));
}

void paintVolumeCard(QPainter& painter, const QRectF& rect, const VolumeCardLook& look) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  constexpr double kRadius = 16;
  painter.fillPath(design::continuousRoundedRect(rect, kRadius),
                   design::Color::withOpacity(design::Color::raisedSurface(), 0.7));
  design::strokeInside(painter, rect, kRadius, 1.0, design::Color::hairline());

  const QRectF inner = rect.adjusted(kPadding, kPadding, -kPadding, -kPadding);
  const double used = usedFraction(look.figures);
  const QRectF donutFrame(inner.left(), inner.center().y() - kDonutFrame / 2, kDonutFrame, kDonutFrame);
  const QRectF ring = donutFrame.adjusted(kLineWidth / 2, kLineWidth / 2, -kLineWidth / 2, -kLineWidth / 2);
  design::paintDonut(painter, ring, kLineWidth, used, look.accent);
  painter.setFont(percentFont());
  painter.setPen(Qt::white);
  design::drawMonospacedDigits(painter, ring, Qt::AlignCenter, usedPercentText(used));

  const double left = donutFrame.right() + kGap;
  const double width = std::max(0.0, inner.right() - left);
  double y = inner.center().y() - textStackHeight(look) / 2;

  const FittedLine free = fitDigits(freeFont(), freeSizeText(look.figures), width, 0.85);
  const double freeHeight = lineHeight(freeFont());
  painter.setFont(free.font);
  painter.setPen(Qt::white);
  design::drawMonospacedDigits(painter, QRectF(left, y, width, freeHeight), Qt::AlignLeft | Qt::AlignVCenter,
                               free.text);
  y += freeHeight + kLineSpacing;

  const double totalHeight = lineHeight(totalFont());
  painter.setFont(totalFont());
  painter.setPen(design::Color::secondaryText());
  design::drawShapedText(
      painter, QRectF(left, y, width, totalHeight), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
      QFontMetricsF(totalFont()).elidedText(freeOfTotalText(look.figures), Qt::ElideRight, width));
  y += totalHeight + kLineSpacing;

  if (const auto badge = reclaimedBadgeText(look.totalFreedBytes)) {
    const QRectF line(left, y + 1, width, badgeHeight() - 1);
    const QColor green = design::SectionPalette::accentGreen();
    const double side = design::symbolSide(kBadgeSymbolSize);
    design::drawSymbol(painter, design::SymbolName(QStringLiteral("arrow.up.right")),
                       QRectF(line.left(), line.center().y() - side / 2, side, side), FontWeight::Bold,
                       green);
    const double textLeft = line.left() + side + kBadgeGap;
    const FittedLine text = fitDigits(badgeFont(), *badge, std::max(0.0, line.right() - textLeft), 0.8);
    painter.setFont(text.font);
    painter.setPen(green);
    design::drawMonospacedDigits(painter,
                                 QRectF(textLeft, line.top(), line.right() - textLeft, line.height()),
                                 Qt::AlignLeft | Qt::AlignVCenter, text.text);
  }
  painter.restore();
}

VolumeCard::VolumeCard(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  // The donut's gauge, named by the texts beside it.
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.name = [this] {
    return freeSizeText(look_.figures) + QLatin1Char(' ') + freeOfTotalText(look_.figures);
  };
  traits.description = [this] { return reclaimedBadgeText(look_.totalFreedBytes).value_or(QString()); };
  design::setAccessibleReading(this, [this] {
    design::GaugeReading used = usedPercentReading(usedFraction(look_.figures));
    used.text += QStringLiteral(" used");
    return used;
  });
}

void VolumeCard::setLook(const VolumeCardLook& look) {
  if (look == look_) return;
  const bool taller = volumeCardHeight(look) != volumeCardHeight(look_);
  look_ = look;
  if (taller) updateGeometry();
  update();
  // The figures are live: measured when the popover shows.
  design::accessibleNameChanged(this);
  design::accessibleValueChanged(this);
}

QSize VolumeCard::sizeHint() const {
  return {int(2 * kPadding + kDonutFrame + kGap), int(std::ceil(volumeCardHeight(look_)))};
}

void VolumeCard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintVolumeCard(painter, QRectF(rect()), look_);
}

}  // namespace tidewell::app
