#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "app/firstrun/IntroVideoFile.h"
#include "app/firstrun/MediaIntroPlayer.h"
#include "design/brand/ResourceRoot.h"

namespace tidewell::app {
namespace {

// Plays the video the build generated through the real media backend.
TEST(IntroPlayback, TheGeneratedVideoPlaysOnThisMachine) {
  const QString file = introVideoFile(design::buildTreeResourceRoot());
  if (file.isEmpty()) GTEST_SKIP() << "no intro video was built (ffmpeg was not found when configuring)";
  std::unique_ptr<IntroPlayer> player = MediaIntroPlayer::create(file);
  if (!player) GTEST_SKIP() << "no working QtMultimedia backend is installed";

  QSignalSpy failed(player.get(), &IntroPlayer::failed);
  QSignalSpy ticks(player.get(), &IntroPlayer::ticked);
  player->play();
  // By 1.2 s of playback the mark has mostly grown in at the centre.
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return !failed.isEmpty() || (!ticks.isEmpty() && ticks.last().at(0).toDouble() >= 1.2); },
      10000));
  ASSERT_TRUE(failed.isEmpty()) << "the backend could not play " << file.toStdString();
  EXPECT_NEAR(player->durationSeconds(), 5.0, 0.1);

  const QImage frame = player->currentFrame();
  ASSERT_FALSE(frame.isNull());
  EXPECT_EQ(frame.size(), QSize(1280, 800));
  // Black in the corner, the green mark in the middle.
  EXPECT_LT(frame.pixelColor(10, 10).value(), 20);
  bool green = false;
  for (int x = 600; x <= 680 && !green; x += 4) {
    // Above the waves cut through the mark's middle.
    const QColor c = frame.pixelColor(x, 372);
    green = c.green() > 120 && c.green() > c.red() + 50;
  }
  EXPECT_TRUE(green);
  player->pause();
}

}  // namespace
}  // namespace tidewell::app
