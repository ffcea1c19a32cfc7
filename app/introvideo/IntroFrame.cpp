#include "app/introvideo/IntroFrame.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

#include "design/brand/BrandAsset.h"
#include "design/motion/Easing.h"
#include "design/theme/Color.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::app {

namespace {

// The wordmark artwork is 268 x 64: the mark is centred at (32, 32) and the
// name starts right of x = 68.
constexpr double kArtWidth = 268;
constexpr double kArtHeight = 64;
constexpr double kMarkCentre = 32;
constexpr double kNameStart = 68;

// Progress of the phase from start to end at t, 0...1.
double phase(double t, double start, double end) { return std::clamp((t - start) / (end - start), 0.0, 1.0); }

}  // namespace

void paintIntroFrame(QPainter& painter, const QRectF& rect, const design::BrandArtwork& wordmark, double t) {
  t = std::clamp(t, 0.0, kIntroSeconds);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.fillRect(rect, Qt::black);

  const double height = rect.height() * 0.17;
  const double scale = height / kArtHeight;
  const double width = kArtWidth * scale;
  const QRectF art(rect.center().x() - width / 2, rect.center().y() - height / 2, width, height);
  const double markX = art.left() + kMarkCentre * scale;

  // The mark starts at the centre of the frame and slides to its place.
  const double grow = design::easeOut(phase(t, 0.25, 1.65));
  const double slide = design::easeInOut(phase(t, 1.5, 2.7));
  const double shift = (rect.center().x() - markX) * (1 - slide);
  const QPointF markCentre(markX + shift, art.center().y());

  // The glow swells with the mark, then settles.
  const double glow = 0.34 * grow - 0.12 * design::easeInOut(phase(t, 2.4, 4.0));
  if (glow > 0) {
    QRadialGradient gradient(markCentre, height * 1.9);
    gradient.setColorAt(0, design::Color::withOpacity(design::SectionPalette::accentGreen(), glow));
    gradient.setColorAt(1, design::Color::withOpacity(design::SectionPalette::accentGreen(), 0));
    painter.fillRect(rect, gradient);
  }

  painter.translate(shift, 0);
  {
    painter.save();
    const double s = 0.8 + 0.2 * grow;
    painter.translate(markCentre.x() - shift, markCentre.y());
    painter.scale(s, s);
    painter.translate(-(markCentre.x() - shift), -markCentre.y());
    painter.setOpacity(grow);
    painter.setClipRect(QRectF(art.left(), art.top(), kNameStart * scale, height));
    wordmark.paint(painter, art);
    painter.restore();
  }
  // The name wipes in from its left edge.
  const double reveal = design::easeOut(phase(t, 1.9, 3.1));
  if (reveal > 0) {
    const double nameLeft = art.left() + kNameStart * scale;
    painter.setOpacity(reveal);
    painter.setClipRect(QRectF(nameLeft, art.top(), (art.right() - nameLeft) * reveal, height));
    wordmark.paint(painter, art);
  }
  painter.restore();
}

}  // namespace tidewell::app
