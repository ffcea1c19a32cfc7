#pragma once
// The health palette of the home volume: the palette rule applied to the
// volume's free fraction, which the owner hands in (the window follows its
// volume model). Healthy until the first fraction arrives. Owned by the
// root view; GUI thread only.

#include <QObject>

#include "design/theme/ThemePalette.h"

namespace tidewell::design {

class ThemeEngine : public QObject {
  Q_OBJECT
  Q_PROPERTY(tidewell::design::ThemePalette palette READ palette NOTIFY paletteChanged)

 public:
  explicit ThemeEngine(QObject* parent = nullptr);

  const ThemePalette& palette() const { return palette_; }

 public Q_SLOTS:
  // Picks the palette for fraction (free / total bytes) and publishes it,
  // notifying even when it is unchanged.
  void setFreeFraction(double fraction);

 Q_SIGNALS:
  void paletteChanged();

 private:
  ThemePalette palette_ = ThemePalette::forFreeFraction(1.0);
};

}  // namespace tidewell::design
