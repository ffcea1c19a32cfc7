#pragma once
// One large local AI model folder: the tool it belongs to, its size and a
// note. Shown and revealed only; nothing ever removes it. A plain value.

#include <cstdint>
#include <string>

namespace tidewell::engine {

struct AIModelStore {
  // The measured folder's full path (home expanded).
  std::string id;
  // The tool's title, for example "Ollama models".
  std::string tool;
  // Allocated bytes of the folder.
  int64_t sizeBytes = 0;
  // The folder to reveal, as a native path (the same folder as id).
  std::string revealURL;
  std::string note;

  bool operator==(const AIModelStore&) const = default;
};

}  // namespace tidewell::engine
