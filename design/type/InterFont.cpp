#include "design/type/InterFont.h"

#include <QFontDatabase>

namespace tidewell::design {

namespace {

// Qt's logical resolution: one point of a QFont is 96/72 device-independent
// pixels on every screen and on images made after the application starts.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

QFont::Weight qtWeightOfFace(const QString& face) {
  if (face.endsWith(QLatin1String("-Light"))) return QFont::Light;
  if (face.endsWith(QLatin1String("-Medium"))) return QFont::Medium;
  if (face.endsWith(QLatin1String("-SemiBold"))) return QFont::DemiBold;
  if (face.endsWith(QLatin1String("-Bold"))) return QFont::Bold;
  if (face.endsWith(QLatin1String("-Black"))) return QFont::Black;
  return QFont::Normal;
}

QFont::Weight qtWeight(FontWeight weight) {
  switch (weight) {
    case FontWeight::UltraLight:
      return QFont::ExtraLight;
    case FontWeight::Thin:
      return QFont::Thin;
    case FontWeight::Light:
      return QFont::Light;
    case FontWeight::Regular:
      return QFont::Normal;
    case FontWeight::Medium:
      return QFont::Medium;
    case FontWeight::Semibold:
      return QFont::DemiBold;
    case FontWeight::Bold:
      return QFont::Bold;
    case FontWeight::Heavy:
      return QFont::ExtraBold;
    case FontWeight::Black:
      return QFont::Black;
  }
  return QFont::Normal;
}

}  // namespace

QString interFontName(FontWeight weight) {
  switch (weight) {
    case FontWeight::Thin:
    case FontWeight::UltraLight:
    case FontWeight::Light:
      return QStringLiteral("Inter18pt-Light");
    case FontWeight::Medium:
      return QStringLiteral("Inter18pt-Medium");
    case FontWeight::Semibold:
      return QStringLiteral("Inter18pt-SemiBold");
    case FontWeight::Bold:
      return QStringLiteral("Inter18pt-Bold");
    case FontWeight::Heavy:
    case FontWeight::Black:
      return QStringLiteral("Inter18pt-Black");
    case FontWeight::Regular:
      break;
  }
  return QStringLiteral("Inter18pt-Regular");
}

QFont fixedPitchFont(const QString& family) {
  if (QFontDatabase::hasFamily(family)) {
    QFont font(family);
    font.setStyleHint(QFont::Monospace);
    return font;
  }
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QFont inter(double size, FontWeight weight, FontDesign design) {
  QFont font;
  if (design == FontDesign::Monospaced) {
    font = fixedPitchFont(QString::fromLatin1(kMonospacedFamily));
    font.setWeight(qtWeight(weight));
  } else {
    font = QFont(QString::fromLatin1(kInterFamily));
    font.setWeight(qtWeightOfFace(interFontName(weight)));
    font.setStyleHint(QFont::SansSerif);
  }
  font.setPointSizeF(size / kPixelsPerPoint);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

double fontPixelSize(const QFont& font) {
  if (font.pixelSize() > 0) return font.pixelSize();
  return font.pointSizeF() * kPixelsPerPoint;
}

}  // namespace tidewell::design
