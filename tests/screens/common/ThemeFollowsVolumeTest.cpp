#include "screens/common/ThemeFollowsVolume.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <optional>
#include <string>
#include <vector>

#include "design/theme/ThemeEngine.h"
#include "models/VolumeModel.h"
#include "models/permissions/ActivationSource.h"

namespace tidewell::screens {
namespace {

using design::ThemeEngine;
using models::VolumeModel;
using platform::VolumeCapacity;

// A volume whose readings the test scripts, its model, and the theme
// following it.
struct Linked {
  std::optional<VolumeCapacity> next;
  int reads = 0;
  models::ActivationSource activation;
  std::unique_ptr<VolumeModel> volume;
  ThemeEngine theme;
  std::vector<std::string> events;

  explicit Linked(std::optional<VolumeCapacity> first) : next(first) {
    volume = std::make_unique<VolumeModel>(
        [this] {
          ++reads;
          return next;
        },
        &activation);
    themeFollowsVolume(theme, *volume);
    QObject::connect(volume.get(), &VolumeModel::freeBytesChanged, &theme,
                     [this] { events.push_back("free"); });
    QObject::connect(volume.get(), &VolumeModel::totalBytesChanged, &theme,
                     [this] { events.push_back("total"); });
    QObject::connect(&theme, &ThemeEngine::paletteChanged, &theme, [this] { events.push_back("palette"); });
  }
  QString label() const { return theme.palette().label; }
};

TEST(ThemeFollowsVolume, StaysHealthyWhenTheFirstReadingFails) {
  Linked linked(std::nullopt);
  EXPECT_EQ(linked.reads, 1);
  EXPECT_DOUBLE_EQ(linked.volume->freeFraction(), 0.0);
  EXPECT_EQ(linked.label(), QStringLiteral("Healthy"));
}

TEST(ThemeFollowsVolume, TakesTheReadingMadeBeforeTheLink) {
  Linked linked(VolumeCapacity{10, 100});
  EXPECT_EQ(linked.label(), QStringLiteral("Running low"));
}

TEST(ThemeFollowsVolume, UnusableReadingsChangeNothing) {
  const std::optional<VolumeCapacity> unusable[] = {std::nullopt, VolumeCapacity{5, 0},
                                                    VolumeCapacity{5, -3}};
  for (const auto& reading : unusable) {
    Linked linked(VolumeCapacity{40, 200});
    linked.next = reading;
    linked.volume->refresh();
    EXPECT_TRUE(linked.events.empty());
    EXPECT_EQ(linked.label(), QStringLiteral("Filling up"));
  }
}

TEST(ThemeFollowsVolume, EveryReadingNotifiesFreeTotalAndPaletteInOrderEvenWhenUnchanged) {
  Linked linked(VolumeCapacity{70, 100});
  linked.volume->refresh();
  linked.volume->refresh();
  const std::vector<std::string> expected{"free", "total", "palette", "free", "total", "palette"};
  EXPECT_EQ(linked.events, expected);
}

TEST(ThemeFollowsVolume, NegativeFreeSpaceReadsAsCritical) {
  Linked linked(VolumeCapacity{-10, 100});
  EXPECT_EQ(linked.label(), QStringLiteral("Critical"));
}

TEST(ThemeFollowsVolume, AnActivationRepaintsTheHealth) {
  Linked linked(VolumeCapacity{50, 100});
  linked.next = VolumeCapacity{5, 100};
  Q_EMIT linked.activation.activated();
  QCoreApplication::processEvents();
  EXPECT_EQ(linked.reads, 2);
  EXPECT_EQ(linked.label(), QStringLiteral("Critical"));
}

TEST(ThemeFollowsVolume, AThemeOutlivingItsVolumeKeepsItsLastPalette) {
  Linked linked(VolumeCapacity{10, 100});
  linked.volume.reset();
  EXPECT_EQ(linked.label(), QStringLiteral("Running low"));
}

}  // namespace
}  // namespace tidewell::screens
