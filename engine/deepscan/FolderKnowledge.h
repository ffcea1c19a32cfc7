#pragma once
// What well-known folders and rarely opened background applications are, in
// one plain sentence, with a verdict on whether deleting them is safe. The
// big-item scanner asks about every large folder it lists; the Apps screen
// asks about applications that are not meant to be opened directly.
// Constant tables built once; callable from any thread.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tidewell::engine {

class FolderKnowledge {
 public:
  FolderKnowledge() = delete;

  enum class Verdict {
    keepUserData,    // holds the user's own data; deleting loses it
    safeToClear,     // nothing personal; recreated automatically
    mixed,           // settings or sign-in together with re-downloadable parts
    systemRecreated  // macOS recreates it, with a side effect
  };

  struct Fact {
    Verdict verdict = Verdict::mixed;
    std::string note;
    bool operator==(const Fact&) const = default;
  };

  // The 27 folders known by their exact (case-sensitive) name.
  static const std::map<std::string, Fact, std::less<>>& facts();

  // The fact for a folder name (a last path component): its exact entry in
  // facts(), else the Adobe marketing SDK fact when the name contains
  // "com.adobe.GrowthSDK", else the crash-reporting fact when it contains
  // "com.crashlytics"; absent otherwise.
  static std::optional<Fact> fact(std::string_view folderName);

  // The note shown beside an application that is rarely opened directly
  // (plug-ins, background services); absent when there is nothing special to
  // say. Case-sensitive rules on the display name and the bundle identifier.
  static std::optional<std::string> appNote(std::string_view name, std::optional<std::string_view> bundleID);
};

}  // namespace tidewell::engine
