#pragma once
// The last gate before anything is deleted: pure rules that say whether a
// path may be touched by a cleanup. Credentials are never reached, the
// per-user temporary areas are always allowed, nothing outside the home is,
// and inside the user's own folders (Documents, Desktop and their kind) only
// developer build output is.
//
// Paths are native byte strings, judged as text after base::standardize;
// only isSafeToTouchPhysically() looks at the file system. Every answer is
// false when the home is empty, relative or "/". Stateless apart from
// constant lists built once; callable from any thread.

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/EngineContext.h"
#include "platform/core/FailureReason.h"

namespace tidewell::engine {

class PathSafety {
 public:
  using NameSet = std::set<std::string, std::less<>>;

  // First-level folders of the home that hold the user's own files (8).
  static const NameSet& userFolders();
  // Folder names that always hold rebuildable developer output (19).
  static const NameSet& developerArtefactFolders();
  // Generic build-output folder names, accepted without a project marker (2).
  static const NameSet& buildFolders();
  // Home-relative paths never touched, nor anything below them, nor any
  // folder that holds them (18, in a fixed order).
  static const std::vector<std::string>& credentialPaths();

  // The folders cleaning may empty even outside the home: those of ctx.
  static const std::vector<std::string>& temporaryRoots(const platform::EngineContext& ctx);

  // The deletion gate, in this order: an unusable home refuses everything; a
  // credential path, anything below one or any ancestor of one is refused; a
  // path at or below a temporary root is allowed; anything not strictly
  // below the home is refused (the home itself however it is spelled);
  // anything whose first component below the home is not a user folder is
  // allowed; inside a user folder only a path with a developer artefact or
  // build folder among its components is allowed.
  //
  // A temporary root that is empty, relative, "/", the home, an ancestor of
  // the home or a first-level folder of it is ignored. extraUserFolders only
  // ever refuses more: names treated like the user folders above.
  static bool isSafeToTouch(std::string_view path, std::string_view home,
                            const std::vector<std::string>& temporaryRoots,
                            const std::vector<std::string>& extraUserFolders = {});
  // With ctx's home, temporary roots and extra user folders.
  static bool isSafeToTouch(std::string_view path, const platform::EngineContext& ctx);

  // Which rule of the gate above refuses path, none when it holds: a path
  // that is empty, relative or holds a NUL is badPath, an unusable home
  // homeUnusable, then credential, outsideAreas (not strictly below the
  // home nor in a temporary root) and userFiles, in the gate's order.
  static std::optional<platform::FailureReason> refusal(
      std::string_view path, std::string_view home, const std::vector<std::string>& temporaryRoots,
      const std::vector<std::string>& extraUserFolders = {});
  static std::optional<platform::FailureReason> refusal(std::string_view path,
                                                        const platform::EngineContext& ctx);

  // The rule to call right before deleting: isSafeToTouch(path, ctx) holds
  // for the path as given AND for its physical location, realpath(parent) +
  // "/" + last component, judged against the physical home and temporary
  // roots. So a parent that is, or passes through, a symlink is judged where
  // it really leads; the last component is not resolved (a link there is
  // removed as a link). False when the parent cannot be resolved.
  static bool isSafeToTouchPhysically(std::string_view path, const platform::EngineContext& ctx);
  // Which rule refuses it there: refusal() of the path as given, else of
  // its physical location; gone or lookFailed (with the errno) when the
  // parent cannot be resolved.
  static std::optional<platform::FailureReason> physicalRefusal(std::string_view path,
                                                                const platform::EngineContext& ctx);

  // True when path, as given or where it physically lies (its parent
  // resolved), is a credential path, lies below one or holds one; each
  // credential is taken below the home as written and, when it exists,
  // where it physically lies. For the paths that are trashed rather than
  // cleaned, which the deletion gate does not judge. True as well when the
  // home is unusable.
  static bool touchesCredential(std::string_view path, const platform::EngineContext& ctx);

  // True when path lies at least two levels below root: a grandchild is
  // nested, a direct child or root itself is not, nor a sibling such as
  // "/home/ab/x" of root "/home/a". Both are standardized first; false when
  // either is not absolute, and for root "/".
  static bool isNestedBelow(std::string_view path, std::string_view root);
};

}  // namespace tidewell::engine
