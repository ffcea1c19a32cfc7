#pragma once
// How full the home volume is, as one of four named levels with a sentence
// of advice and a colour.

#include <QColor>
#include <QMetaType>
#include <QString>
#include <array>

namespace tidewell::design {

struct ThemePalette {
  QString label;
  QString message;
  std::array<double, 3> healthRGB{};  // sRGB, each 0...1

  QColor color() const;
  bool operator==(const ThemePalette& other) const = default;

  // f >= 0.30 "Healthy"; 0.15 <= f < 0.30 "Filling up"; 0.08 <= f < 0.15
  // "Running low"; anything else, NaN and negatives included, "Critical".
  static ThemePalette forFreeFraction(double freeFraction);
};

}  // namespace tidewell::design

Q_DECLARE_METATYPE(tidewell::design::ThemePalette)
