#include "models/devmode/DevToolsDetector.h"

#include <sys/stat.h>

#include <string_view>

namespace tidewell::models {

namespace {

struct Place {
  bool inHome;            // else an absolute system place
  std::string_view path;  // relative to the home, or absolute
};

constexpr Place kPlaces[] = {
    {false, "/Applications/Xcode.app"},
    {true, "Library/Developer"},
    {true, ".npm"},
    {true, ".cargo"},
    {true, ".gradle"},
    {true, ".m2"},
    {false, "/opt/homebrew"},
    {false, "/usr/local/Homebrew"},
    {true, ".ollama"},
    {false, "/Applications/LM Studio.app"},
    {true, ".lmstudio"},
    {true, ".cache/huggingface"},
    {true, ".cache/torch"},
    {true, "ComfyUI"},
    {true, "stable-diffusion-webui"},
    {true, ".diffusionbee"},
    {true, "miniconda3"},
    {true, "anaconda3"},
    {true, "miniforge3"},
};

}  // namespace

std::vector<std::string> DevToolsDetector::places(const platform::EngineContext& ctx) {
  const bool homeUsable = ctx.homeUsable();
  std::vector<std::string> found;
  for (const Place& place : kPlaces) {
    if (!place.inHome) {
      found.push_back(ctx.systemPath(place.path));
    } else if (homeUsable) {
      found.push_back(ctx.inHome(place.path));
    }
  }
  return found;
}

bool DevToolsDetector::detect(const platform::EngineContext& ctx, const Exists& exists) {
  for (const std::string& place : places(ctx))
    if (exists(place)) return true;
  return false;
}

bool DevToolsDetector::existsOnDisk(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

}  // namespace tidewell::models
