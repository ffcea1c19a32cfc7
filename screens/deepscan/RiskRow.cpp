#include "screens/deepscan/RiskRow.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/Color.h"
#include "design/InterFont.h"
#include "design/MonospacedDigits.h"
#include "design/Shapes.h"
#include "design/Symbol.h"
#include "screens/deepscan/DeepScanTexts.h"

namespace tidewell::screens {

using design::FontWeight;
using design::Color::white;
using design::Color::withOpacity;
using namespace design::literals;

namespace {
constexpr double kPadX = 12, kPadY = 10, kSpacing = 10, kBadge = 26, kLineGap = 1, kCorner = 12;
constexpr double kChevronSize = 10;

QFont titleFont() { return design::inter(13, FontWeight::Semibold); }
QFont countFont() { return design::inter(10.5); }

double textBlockHeight() {
  return QFontMetricsF(titleFont()).height() + kLineGap + QFontMetricsF(countFont()).height();
}
}  // namespace

double riskRowHeight() { return 2 * kPadY + std::max(kBadge, textBlockHeight()); }

void paintRiskRow(QPainter& painter, const QRectF& rect, const RiskRowValues& values, bool hovering) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor tint = screens::tint(values.bucket);
  const QPainterPath shape = design::continuousRoundedRect(rect, kCorner);
  if (values.isViewing) {
    painter.fillPath(shape, withOpacity(tint, 0.12 * tint.alphaF()));
    design::strokeInside(painter, rect, kCorner, 1, withOpacity(tint, 0.35 * tint.alphaF()));
  } else if (hovering) {
    painter.fillPath(shape, white(0.05));
  }

  const QRectF inner = rect.adjusted(kPadX, kPadY, -kPadX, -kPadY);
  const double midY = inner.center().y();

  const QRectF badge(inner.left(), midY - kBadge / 2, kBadge, kBadge);
  painter.setPen(Qt::NoPen);
  painter.setBrush(withOpacity(tint, 0.16 * tint.alphaF()));
  painter.drawEllipse(badge);
  design::drawSymbol(painter, symbol(values.bucket), design::symbolBox(badge.center(), 12),
                     FontWeight::Semibold, tint);

  const double chevronSide = design::symbolSide(kChevronSize);
  const QRectF chevron(inner.right() - chevronSide, midY - chevronSide / 2, chevronSide, chevronSide);
  design::drawSymbol(painter, "chevron.right"_symbol, chevron, FontWeight::Semibold,
                     values.isViewing ? tint : white(0.3));

  const double textLeft = badge.right() + kSpacing;
  const double textWidth = std::max(0.0, chevron.left() - 4 - textLeft);
  const QFontMetricsF titleMetrics(titleFont());
  const QFontMetricsF countMetrics(countFont());
  double y = midY - textBlockHeight() / 2;
  painter.setFont(titleFont());
  painter.setPen(Qt::white);
  painter.drawText(QRectF(textLeft, y, textWidth, titleMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   titleMetrics.elidedText(title(values.bucket), Qt::ElideRight, textWidth));
  y += titleMetrics.height() + kLineGap;
  painter.setFont(countFont());
  painter.setPen(design::Color::tertiaryText());
  design::drawMonospacedDigits(painter, QRectF(textLeft, y, textWidth, countMetrics.height()),
                               Qt::AlignLeft | Qt::AlignVCenter,
                               countAndSizeLine(values.count, values.bytes));
  painter.restore();
}

RiskRow::RiskRow(RiskRowValues values, std::function<void()> view, QWidget* parent)
    : QAbstractButton(parent), values_(values), view_(std::move(view)) {
  setObjectName(QStringLiteral("riskRow.") + rawValue(values_.bucket));
  setText(titleText());
  setCursor(Qt::PointingHandCursor);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (view_) view_();
  });
}

QString RiskRow::titleText() const { return title(values_.bucket); }

QString RiskRow::countText() const { return countAndSizeLine(values_.count, values_.bytes); }

void RiskRow::setHovering(bool hovering) {
  if (hovering_ == hovering) return;
  hovering_ = hovering;
  update();
}

QSize RiskRow::sizeHint() const {
  const double textWidth = std::max(QFontMetricsF(titleFont()).horizontalAdvance(titleText()),
                                    design::monospacedDigitsWidth(countFont(), countText()));
  const double width = 2 * kPadX + kBadge + kSpacing + textWidth + 4 + design::symbolSide(kChevronSize);
  return {int(std::ceil(width)), int(std::ceil(riskRowHeight()))};
}

QSize RiskRow::minimumSizeHint() const { return {int(2 * kPadX + kBadge), int(std::ceil(riskRowHeight()))}; }

bool RiskRow::hitButton(const QPoint& pos) const {
  return design::continuousRoundedRect(QRectF(rect()), kCorner).contains(QPointF(pos) + QPointF(0.5, 0.5));
}

void RiskRow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintRiskRow(painter, QRectF(rect()), values_, hovering_);
}

void RiskRow::enterEvent(QEnterEvent*) { setHovering(true); }

void RiskRow::leaveEvent(QEvent*) { setHovering(false); }

}  // namespace tidewell::screens
