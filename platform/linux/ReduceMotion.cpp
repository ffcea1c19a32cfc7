#include "platform/core/ReduceMotion.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "platform/core/HomeFolder.h"
#include "platform/core/SmallFile.h"

namespace tidewell::platform {

namespace {

std::string lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return out;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

std::optional<bool> parseSwitch(std::string_view value) {
  const std::string v = lowered(trimmed(value));
  if (v == "1" || v == "true" || v == "yes" || v == "on") return true;
  if (v == "0" || v == "false" || v == "no" || v == "off") return false;
  return std::nullopt;
}

// The value of key in [section] of an ini-style file, if present. Read
// before any window exists, so only a small regular file is read: anything
// else counts as absent rather than holding the start.
std::optional<std::string> iniValue(const std::string& path, std::string_view section, std::string_view key) {
  const std::optional<std::string> text = readSmallFile(path, kMaxDesktopSettingsBytes);
  if (!text) return std::nullopt;
  const std::string header = "[" + std::string(section) + "]";
  bool inSection = false;
  for (size_t start = 0; start < text->size();) {
    size_t end = text->find('\n', start);
    if (end == std::string::npos) end = text->size();
    const std::string_view view = trimmed(std::string_view(*text).substr(start, end - start));
    start = end + 1;
    if (view.empty() || view.front() == '#' || view.front() == ';') continue;
    if (view.front() == '[') {
      inSection = view == header;
      continue;
    }
    if (!inSection) continue;
    const auto eq = view.find('=');
    if (eq == std::string_view::npos) continue;
    if (trimmed(view.substr(0, eq)) == key) return std::string(trimmed(view.substr(eq + 1)));
  }
  return std::nullopt;
}

}  // namespace

bool reduceMotionFrom(const char* overrideValue, const std::string& configHome) {
  if (overrideValue) {
    if (auto forced = parseSwitch(overrideValue)) return *forced;
  }
  if (configHome.empty()) return false;
  if (auto factor = iniValue(configHome + "/kdeglobals", "KDE", "AnimationDurationFactor")) {
    char* end = nullptr;
    const double value = std::strtod(factor->c_str(), &end);
    if (end != factor->c_str() && value == 0.0) return true;
  }
  if (auto gtk = iniValue(configHome + "/gtk-3.0/settings.ini", "Settings", "gtk-enable-animations")) {
    if (auto enabled = parseSwitch(*gtk)) return !*enabled;
  }
  return false;
}

bool readReduceMotion() {
  std::string configHome;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') {
    configHome = xdg;
  } else if (const std::string home = readHomeFolder(); !home.empty() && home != "/") {
    configHome = home + "/.config";
  }
  return reduceMotionFrom(std::getenv("TIDEWELL_REDUCE_MOTION"), configHome);
}

}  // namespace tidewell::platform
