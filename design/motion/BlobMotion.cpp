#include "design/motion/BlobMotion.h"

#include <QByteArray>
#include <algorithm>
#include <cmath>

namespace tidewell::design {

uint64_t stableSymbolHash(const QString& symbol) {
  uint64_t hash = 14695981039346656037ull;
  for (const char byte : symbol.toUtf8()) {
    hash ^= uint8_t(byte);
    hash *= 1099511628211ull;
  }
  return hash;
}

double wobblePhase(const QString& symbol) { return double(stableSymbolHash(symbol) % 628) / 100.0; }

BlobTransform wobbleTransform(double t) { return {std::sin(0.8 * t) * 2.6, 1 + 0.018 * std::sin(0.55 * t)}; }

BlobTransform hoverTransform(double amount) { return {3 * amount, 1 + 0.08 * amount}; }

BlobTransform combine(const BlobTransform& first, const BlobTransform& second) {
  // Rotations and uniform scales about one centre commute.
  return {first.rotationDegrees + second.rotationDegrees, first.scale * second.scale};
}

BlobTransform blobTransform(const QString& symbol, bool wobbles, bool reduceMotion, double now,
                            double hoverAmount) {
  if (reduceMotion) return {};
  const BlobTransform wobble = wobbles ? wobbleTransform(now + wobblePhase(symbol)) : BlobTransform{};
  return combine(wobble, hoverTransform(hoverAmount));
}

double blobStep(const BlobTransform& from, const BlobTransform& to, double size) {
  // A corner is half a diagonal out; the two transforms put it at the same
  // angle apart as their rotations, each at its own scale.
  const double corner = size / std::sqrt(2.0);
  const double apart = (from.rotationDegrees - to.rotationDegrees) * M_PI / 180;
  const double a = from.scale, b = to.scale;
  return corner * std::sqrt(std::max(0.0, a * a + b * b - 2 * a * b * std::cos(apart)));
}

bool blobFrameShows(const BlobTransform& shown, const BlobTransform& next, double size, bool reduceMotion) {
  return reduceMotion || blobStep(shown, next, size) >= kVisibleBlobStep;
}

QTransform aboutCentre(const BlobTransform& transform, QPointF centre) {
  QTransform m;
  m.translate(centre.x(), centre.y());
  m.rotate(transform.rotationDegrees);
  m.scale(transform.scale, transform.scale);
  m.translate(-centre.x(), -centre.y());
  return m;
}

}  // namespace tidewell::design
