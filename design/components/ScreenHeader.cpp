#include "design/components/ScreenHeader.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/theme/Color.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::design {

namespace {
QFont titleFont() { return inter(22, FontWeight::Semibold); }
QFont subtitleFont() { return inter(12.5, FontWeight::Regular); }
constexpr double kSpacing = 4;
}  // namespace

double screenHeaderHeight(bool hasSubtitle) {
  double height = QFontMetricsF(titleFont()).height();
  if (hasSubtitle) height += kSpacing + QFontMetricsF(subtitleFont()).height();
  return height;
}

void paintScreenHeader(QPainter& painter, const QRectF& rect, const QString& title,
                       const std::optional<QString>& subtitle) {
  painter.save();
  const QFontMetricsF titleMetrics(titleFont());
  QRectF line(rect.left(), rect.top(), rect.width(), titleMetrics.height());
  painter.setFont(titleFont());
  painter.setPen(Qt::white);
  drawShapedText(painter, line, Qt::AlignLeft | Qt::AlignVCenter,
                 titleMetrics.elidedText(title, Qt::ElideRight, rect.width()));
  if (subtitle) {
    const QFontMetricsF subtitleMetrics(subtitleFont());
    line = QRectF(rect.left(), line.bottom() + kSpacing, rect.width(), subtitleMetrics.height());
    painter.setFont(subtitleFont());
    painter.setPen(Color::secondaryText());
    drawShapedText(painter, line, Qt::AlignLeft | Qt::AlignVCenter,
                   subtitleMetrics.elidedText(*subtitle, Qt::ElideRight, rect.width()));
  }
  painter.restore();
}

ScreenHeader::ScreenHeader(QString title, std::optional<QString> subtitle, QWidget* parent)
    : QWidget(parent), title_(std::move(title)), subtitle_(std::move(subtitle)) {
  accessibleTraits(this).role = QAccessible::Heading;
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ScreenHeader::setTitle(const QString& title) {
  if (title == title_) return;
  title_ = title;
  update();
}

void ScreenHeader::setSubtitle(const std::optional<QString>& subtitle) {
  if (subtitle == subtitle_) return;
  subtitle_ = subtitle;
  updateGeometry();
  update();
}

QSize ScreenHeader::sizeHint() const {
  const double width =
      std::max(QFontMetricsF(titleFont()).horizontalAdvance(title_),
               subtitle_ ? QFontMetricsF(subtitleFont()).horizontalAdvance(*subtitle_) : 0.0);
  return {int(std::ceil(width)), int(std::ceil(screenHeaderHeight(subtitle_.has_value())))};
}

QSize ScreenHeader::minimumSizeHint() const { return {0, sizeHint().height()}; }

void ScreenHeader::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paintScreenHeader(painter, QRectF(rect()), title_, subtitle_);
}

}  // namespace tidewell::design
