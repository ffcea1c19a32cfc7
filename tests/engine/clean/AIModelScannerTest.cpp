#include "engine/clean/AIModelScanner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "testkit/support/FixtureHome.h"
#include "tests/engine/walk/FakeSizes.h"

namespace tidewell::engine {
namespace {

using namespace testing;

constexpr int64_t GB = 1'000'000'000;
const std::string drawThings = "Library/Containers/com.mirrel.draw-things";

struct Found {
  std::string tool;
  std::string id;  // home-relative
  int64_t sizeBytes;
};

struct Case {
  const char* what;
  std::vector<Entry> home;
  std::vector<Entry> outside;            // relative to the fixture root
  std::map<std::string, int64_t> sizes;  // home-relative path -> bytes
  std::vector<Found> expected;
};

TEST(AIModelScanner, DetectsAndMeasuresTheFirstExistingFolder) {
  const std::vector<Case> cases = {
      {"nothing installed", {}, {}, {}, {}},
      {"Ollama with its models",
       {folder(".ollama/models/blobs")},
       {folder("system/Applications/Ollama.app")},
       {{".ollama/models", 4 * GB}},
       {{"Ollama models", ".ollama/models", 4 * GB}}},
      {"LM Studio app without any model folder", {}, {folder("system/Applications/LM Studio.app")}, {}, {}},
      {"LM Studio: a small first folder hides a big later one",
       {folder(".lmstudio/models"), folder(".cache/lm-studio/models")},
       {},
       {{".lmstudio/models", 400'000'000}, {".cache/lm-studio/models", 8 * GB}},
       {}},
      {"LM Studio app with models only in the cache folder",
       {folder(".cache/lm-studio/models")},
       {folder("system/Applications/LM Studio.app")},
       {{".cache/lm-studio/models", 8 * GB}},
       {{"LM Studio models", ".cache/lm-studio/models", 8 * GB}}},
      {"a model folder alone is no sign the tool is installed",
       {folder(".cache/lm-studio/models")},
       {},
       {{".cache/lm-studio/models", 8 * GB}},
       {}},
      {"Draw Things installed without models", {folder(drawThings + "/Data")}, {}, {}, {}},
      {"Draw Things with models",
       {folder(drawThings + "/Data/Documents/Models")},
       {},
       {{drawThings + "/Data/Documents/Models", 2 * GB}},
       {{"Draw Things models", drawThings + "/Data/Documents/Models", 2 * GB}}},
      {"ComfyUI models without the app",
       {folder("ComfyUI/models")},
       {},
       {{"ComfyUI/models", GB}},
       {{"ComfyUI models", "ComfyUI/models", GB}}},
      {"Stability Matrix in the home measures its data folder",
       {folder("StabilityMatrix/Data/Models")},
       {},
       {{"StabilityMatrix/Data/Models", 3 * GB}},
       {{"Stability Matrix models", "StabilityMatrix/Data/Models", 3 * GB}}},
      {"one byte below the minimum",
       {folder("stable-diffusion-webui/models")},
       {},
       {{"stable-diffusion-webui/models", 524'287'999}},
       {}},
      {"exactly the minimum",
       {folder("stable-diffusion-webui/models")},
       {},
       {{"stable-diffusion-webui/models", 524'288'000}},
       {{"Stable Diffusion WebUI models", "stable-diffusion-webui/models", 524'288'000}}},
      {"largest first; equal sizes keep the tools' order",
       {folder(".ollama/models"), folder(".diffusionbee/downloads"), folder("ComfyUI/models")},
       {},
       {{".ollama/models", GB}, {".diffusionbee/downloads", GB}, {"ComfyUI/models", 9 * GB}},
       {{"ComfyUI models", "ComfyUI/models", 9 * GB},
        {"Ollama models", ".ollama/models", GB},
        {"DiffusionBee models", ".diffusionbee/downloads", GB}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FixtureHome fx;
    fx.add(c.home);
    fx.addOutside(c.outside);
    FakeSizes fake = FakeSizes::belowHome(fx, c.sizes);

    std::vector<AIModelStore> stores = AIModelScanner::scan(fx.context(), fake.measure());
    ASSERT_EQ(stores.size(), c.expected.size());
    for (size_t i = 0; i < stores.size(); ++i) {
      EXPECT_EQ(stores[i].tool, c.expected[i].tool);
      EXPECT_EQ(stores[i].id, fx.path(c.expected[i].id));
      EXPECT_EQ(stores[i].revealURL, stores[i].id);
      EXPECT_EQ(stores[i].sizeBytes, c.expected[i].sizeBytes);
    }
  }
}

TEST(AIModelScanner, OllamaRecordAndWhatIsMeasured) {
  FixtureHome fx({folder(".ollama/models")});
  FakeSizes fake({{fx.path(".ollama/models"), 4 * GB}});
  const std::string models = fx.path(".ollama/models");
  const AIModelStore want{models, "Ollama models", 4 * GB, models,
                          "Pulled models are re-downloadable, but this can also hold models you built. "
                          "Review and remove the ones you don't need."};
  EXPECT_EQ(AIModelScanner::scan(fx.context(), fake.measure()), std::vector<AIModelStore>{want});
  EXPECT_EQ(fake.measured, std::vector<std::string>{models});
}

TEST(AIModelScanner, MeasuresThroughALinkAtItsOwnPath) {
  FixtureHome fx({symlink("ComfyUI", "{root}/victim/comfy")});
  fx.addOutside({folder("victim/comfy/models/checkpoints")});
  // Allocated but unwritten blocks: the real measure sees a big folder.
  const std::string weights = fx.outside("victim/comfy/models/checkpoints/base.safetensors");
  int fd = open(weights.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_GE(fd, 0);
  int allocated = fallocate(fd, 0, 0, AIModelScanner::minimumBytes);
  close(fd);
  if (allocated != 0) GTEST_SKIP() << "fallocate is not supported here";

  std::vector<AIModelStore> stores = AIModelScanner::scan(fx.context());
  ASSERT_EQ(stores.size(), 1u);
  EXPECT_EQ(stores[0].id, fx.path("ComfyUI/models"));
  struct stat st {};
  ASSERT_EQ(stat(weights.c_str(), &st), 0);
  EXPECT_EQ(stores[0].sizeBytes, int64_t(st.st_blocks) * 512);
}

TEST(AIModelScanner, UnusableHomeFindsNothing) {
  FixtureHome fx({folder("ComfyUI/models")});
  FakeSizes fake({{fx.path("ComfyUI/models"), 5 * GB}});
  auto ctx = fx.context();
  ctx.home = "/";
  EXPECT_TRUE(AIModelScanner::scan(ctx, fake.measure()).empty());
  EXPECT_TRUE(fake.measured.empty());
}

}  // namespace
}  // namespace tidewell::engine
