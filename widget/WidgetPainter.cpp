#include "widget/WidgetPainter.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>

#include "widget/SpaceFigures.h"
#include "widget/SparklesGlyph.h"
#include "widget/WidgetLayout.h"
#include "widget/WidgetLooks.h"
#include "widget/WidgetPalette.h"

namespace tidewell::widget {

namespace {
void fillCapsule(QPainter& painter, const QRectF& rect, const QColor& colour) {
  const double radius = std::min(rect.width(), rect.height()) / 2;
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawRoundedRect(rect, radius, radius);
}

QPen ringPen(const QBrush& brush, Qt::PenCapStyle cap) {
  QPen pen(brush, kRingLineWidth, Qt::SolidLine, cap, Qt::MiterJoin);
  pen.setMiterLimit(10);
  return pen;
}

QString text(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

void paintWidgetFocusRing(QPainter& painter, const QRectF& bounds) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(widgetGreen(), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(bounds.adjusted(1, 1, -1, -1), kCornerRadius - 1, kCornerRadius - 1);
  painter.restore();
}

void paintTidewellWidget(QPainter& painter, const QRectF& bounds, WidgetFamily family,
                         const SpaceEntry& entry) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(widgetBackground());
  painter.drawRoundedRect(bounds, kCornerRadius, kCornerRadius);
  const QRectF content = contentRect(bounds);
  if (family == WidgetFamily::Small)
    paintSmallContent(painter, content, entry);
  else
    paintMediumContent(painter, content, entry);
  painter.restore();
}

void paintSmallContent(QPainter& painter, const QRectF& content, const SpaceEntry& entry) {
  const SmallLayout layout = smallLayout(content);
  drawSparkles(painter, layout.symbol, widgetGreen());
  drawLine(painter, layout.brandText, QStringLiteral("TidewellMac"), brandLook());
  drawLine(painter, layout.freeText, text(freeText(entry)), smallFreeLook());
  drawLine(painter, layout.freeLabel, QStringLiteral("free"), freeLabelLook());
  paintUsageBar(painter, layout.bar, usedFraction(entry));
}

void paintMediumContent(QPainter& painter, const QRectF& content, const SpaceEntry& entry) {
  const MediumLayout layout = mediumLayout(content);
  paintRing(painter, layout.ring, usedFraction(entry));
  drawLine(painter, layout.ring, text(percentText(entry)), percentLook(), Qt::AlignHCenter);
  drawLine(painter, layout.freeText, text(freeText(entry)), mediumFreeLook());
  drawLine(painter, layout.freeOfText, QStringLiteral("free of ") + text(totalText(entry)), freeOfLook());
  drawLine(painter, layout.tapToScan, QStringLiteral("Tap to scan"), tapToScanLook());
}

void paintUsageBar(QPainter& painter, const QRectF& track, double fraction) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  fillCapsule(painter, track, widgetTrack());
  QRectF fill = track;
  fill.setWidth(barFillWidth(track.width(), fraction));
  fillCapsule(painter, fill, widgetGreen());
  painter.restore();
}

void paintRing(QPainter& painter, const QRectF& frame, double fraction) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(ringPen(widgetTrack(), Qt::FlatCap));
  painter.drawEllipse(frame);

  // Qt's conical gradient runs counter-clockwise from its angle; the arc
  // runs clockwise from the top, so the colours go in reverse order.
  QConicalGradient shade(frame.center(), 90);
  shade.setColorAt(0, widgetMint());
  shade.setColorAt(1, widgetGreen());
  QPainterPath arc;
  arc.arcMoveTo(frame, 90);
  arc.arcTo(frame, 90, -360 * ringEnd(fraction));
  painter.setPen(ringPen(shade, Qt::RoundCap));
  painter.drawPath(arc);
  painter.restore();
}

}  // namespace tidewell::widget
