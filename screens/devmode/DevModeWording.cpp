#include "screens/devmode/DevModeWording.h"

#include "platform/core/ByteCountText.h"

namespace tidewell::screens::DevModeWording {

using platform::byteCountText;

std::string reviewSummary(int64_t totalBytes) { return "Found " + byteCountText(totalBytes) + " to clear."; }

std::string groupCaption(std::size_t count, int64_t bytes) {
  return std::to_string(count) + " \u00b7 " + byteCountText(bytes);
}

std::string pickedCaption(std::size_t picked) { return std::to_string(picked) + " picked"; }

std::string resultTitle(bool cleaning, int64_t freedBytes) {
  return cleaning ? "Cleaning\u2026" : "Freed " + byteCountText(freedBytes);
}

std::string leftBehind(const std::vector<std::string>& failedTitles) {
  if (failedTitles.empty()) return {};
  std::string line = std::to_string(failedTitles.size()) + (failedTitles.size() == 1 ? " item" : " items") +
                     " wouldn't budge: ";
  for (std::size_t at = 0; at < failedTitles.size(); ++at) line += (at ? ", " : "") + failedTitles[at];
  return line +
         ". macOS may need Full Disk Access for these. Grant it in System Settings \u25b8 Privacy & "
         "Security.";
}

}  // namespace tidewell::screens::DevModeWording
