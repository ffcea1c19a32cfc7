#include "design/theme/ThemeEngine.h"

#include <gtest/gtest.h>

namespace tidewell::design {
namespace {

TEST(ThemeEngine, StartsHealthy) {
  ThemeEngine theme;
  EXPECT_EQ(theme.palette().label, QStringLiteral("Healthy"));
}

TEST(ThemeEngine, EveryFractionPicksThePaletteAndNotifiesEvenWhenUnchanged) {
  struct Row {
    double fraction;
    const char* label;
  };
  const Row rows[] = {{0.1, "Running low"}, {0.1, "Running low"}, {0.2, "Filling up"}, {-0.1, "Critical"}};
  ThemeEngine theme;
  int notified = 0;
  QObject::connect(&theme, &ThemeEngine::paletteChanged, &theme, [&] { ++notified; });
  for (const Row& row : rows) {
    const int before = notified;
    theme.setFreeFraction(row.fraction);
    EXPECT_EQ(theme.palette().label, QString::fromLatin1(row.label)) << row.fraction;
    EXPECT_EQ(notified, before + 1) << row.fraction;
  }
}

}  // namespace
}  // namespace tidewell::design
