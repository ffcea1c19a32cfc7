#include "engine/clean/AIModelScanner.h"

#include <algorithm>
#include <string_view>

#include "engine/clean/DiskScanner.h"
#include "engine/walk/StoreProbe.h"

namespace tidewell::engine {

namespace {

struct Engine {
  std::string_view tool;
  std::vector<std::string_view> detect;
  std::vector<std::string_view> measure;
  std::string_view note;
};

const std::vector<Engine>& engines() {
  static const std::vector<Engine> table = {
      {"Ollama models",
       {"/Applications/Ollama.app", "~/.ollama/models"},
       {"~/.ollama/models"},
       "Pulled models are re-downloadable, but this can also hold models you built. Review and remove the "
       "ones you don't need."},
      {"LM Studio models",
       {"/Applications/LM Studio.app", "~/.lmstudio/models"},
       {"~/.lmstudio/models", "~/.cache/lm-studio/models"},
       "Downloaded model weights, re-downloadable from the hub. Your saved chats live elsewhere and are left "
       "alone."},
      {"DiffusionBee models",
       {"/Applications/DiffusionBee.app", "~/.diffusionbee/downloads"},
       {"~/.diffusionbee/downloads"},
       "Stable Diffusion model files. Your generated images are kept separate and never touched here."},
      {"Draw Things models",
       {"~/Library/Containers/com.mirrel.draw-things"},
       {"~/Library/Containers/com.mirrel.draw-things/Data/Documents/Models"},
       "Stable Diffusion models. Some are re-downloadable, some you may have imported. Review before "
       "removing."},
      {"ComfyUI models",
       {"~/ComfyUI/models", "/Applications/ComfyUI.app"},
       {"~/ComfyUI/models"},
       "Checkpoints and LoRAs. Public models re-download, but you may have trained your own. Review before "
       "removing."},
      {"Stable Diffusion WebUI models",
       {"~/stable-diffusion-webui/models"},
       {"~/stable-diffusion-webui/models"},
       "Vantorel checkpoints and LoRAs. Public models re-download; custom merges are yours. Review before "
       "removing."},
      {"Stability Matrix models",
       {"/Applications/Stability Matrix.app", "~/Library/Application Support/StabilityMatrix",
        "~/StabilityMatrix"},
       {"~/Library/Application Support/StabilityMatrix/Models", "~/StabilityMatrix/Data/Models"},
       "Shared Stable Diffusion models managed by Stability Matrix. Public models re-download; anything you "
       "trained is yours. Review before removing."},
  };
  return table;
}

}  // namespace

std::vector<AIModelStore> AIModelScanner::scan(const platform::EngineContext& ctx) {
  return scan(ctx, DiskScanner::allocatedSize);
}

std::vector<AIModelStore> AIModelScanner::scan(const platform::EngineContext& ctx,
                                               const SizeMeasure& sizeOf) {
  std::vector<AIModelStore> stores;
  for (const Engine& engine : engines()) {
    auto found = StoreProbe::find(engine.detect, engine.measure, minimumBytes, ctx, sizeOf);
    if (!found) continue;
    stores.push_back(
        {found->path, std::string(engine.tool), found->sizeBytes, found->path, std::string(engine.note)});
  }
  std::stable_sort(stores.begin(), stores.end(),
                   [](const AIModelStore& a, const AIModelStore& b) { return a.sizeBytes > b.sizeBytes; });
  return stores;
}

}  // namespace tidewell::engine
