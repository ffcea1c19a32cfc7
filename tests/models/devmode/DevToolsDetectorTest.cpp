#include "models/devmode/DevToolsDetector.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testkit/support/FixtureHome.h"

namespace tidewell::models {
namespace {

const std::vector<std::string> kExpectedOrder = {
    "{sys}/Applications/Xcode.app",
    "{home}/Library/Developer",
    "{home}/.npm",
    "{home}/.cargo",
    "{home}/.gradle",
    "{home}/.m2",
    "{sys}/opt/homebrew",
    "{sys}/usr/local/Homebrew",
    "{home}/.ollama",
    "{sys}/Applications/LM Studio.app",
    "{home}/.lmstudio",
    "{home}/.cache/huggingface",
    "{home}/.cache/torch",
    "{home}/ComfyUI",
    "{home}/stable-diffusion-webui",
    "{home}/.diffusionbee",
    "{home}/miniconda3",
    "{home}/anaconda3",
    "{home}/miniforge3",
};

std::vector<std::string> expectedPlaces(const platform::EngineContext& ctx) {
  std::vector<std::string> out;
  for (std::string place : kExpectedOrder) {
    if (place.rfind("{sys}", 0) == 0) out.push_back(ctx.systemRoot + place.substr(5));
    if (place.rfind("{home}", 0) == 0) out.push_back(ctx.home + place.substr(6));
  }
  return out;
}

TEST(DevToolsDetector, TestsTheNineteenPlacesInOrderAndStopsAtTheFirstThatExists) {
  const auto ctx = platform::EngineContext::forFixture("/fixture-root");
  const std::vector<std::string> places = expectedPlaces(ctx);
  ASSERT_EQ(places.size(), 19u);
  EXPECT_EQ(DevToolsDetector::places(ctx), places);

  // Nothing anywhere: every place asked once, in order.
  std::vector<std::string> asked;
  auto nothing = [&](const std::string& path) {
    asked.push_back(path);
    return false;
  };
  EXPECT_FALSE(DevToolsDetector::detect(ctx, nothing));
  EXPECT_EQ(asked, places);

  // Only the k-th place exists: asked up to it and no further.
  for (std::size_t k : {0u, 6u, 9u, 18u}) {
    asked.clear();
    auto onlyK = [&](const std::string& path) {
      asked.push_back(path);
      return path == places[k];
    };
    EXPECT_TRUE(DevToolsDetector::detect(ctx, onlyK)) << places[k];
    EXPECT_EQ(asked, std::vector<std::string>(places.begin(), places.begin() + k + 1)) << places[k];
  }
}

TEST(DevToolsDetector, AnUnusableHomeLeavesOnlyTheSystemPlaces) {
  auto ctx = platform::EngineContext::forFixture("/fixture-root");
  ctx.home = "/";
  EXPECT_EQ(
      DevToolsDetector::places(ctx),
      (std::vector<std::string>{
          "/fixture-root/system/Applications/Xcode.app", "/fixture-root/system/opt/homebrew",
          "/fixture-root/system/usr/local/Homebrew", "/fixture-root/system/Applications/LM Studio.app"}));
}

TEST(DevToolsDetector, TheDiskCheckFollowsLinksAndSeesFoldersAndFiles) {
  testing::FixtureHome fixture({testing::folder(".cargo"), testing::file("miniforge3", 3),
                                testing::symlink(".npm", "{home}/nowhere"),
                                testing::symlink(".m2", "{home}/.cargo")});
  const auto ctx = fixture.context();
  EXPECT_TRUE(DevToolsDetector::existsOnDisk(fixture.path(".cargo")));
  EXPECT_TRUE(DevToolsDetector::existsOnDisk(fixture.path("miniforge3")));
  EXPECT_TRUE(DevToolsDetector::existsOnDisk(fixture.path(".m2")));
  EXPECT_FALSE(DevToolsDetector::existsOnDisk(fixture.path(".npm")));  // dangling
  EXPECT_FALSE(DevToolsDetector::existsOnDisk(fixture.path(".gradle")));
  EXPECT_TRUE(DevToolsDetector::detect(ctx, DevToolsDetector::existsOnDisk));

  testing::FixtureHome empty({testing::symlink(".npm", "{home}/nowhere")});
  EXPECT_FALSE(DevToolsDetector::detect(empty.context(), DevToolsDetector::existsOnDisk));
  // A system place counts too (under the fixture's system root).
  empty.addOutside({testing::folder("system/Applications/Xcode.app")});
  EXPECT_TRUE(DevToolsDetector::detect(empty.context(), DevToolsDetector::existsOnDisk));
}

}  // namespace
}  // namespace tidewell::models
