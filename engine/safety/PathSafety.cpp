#include "engine/safety/PathSafety.h"

#include <cerrno>
#include <cstdlib>
#include <optional>

#include "base/Paths.h"
#include "platform/core/HomeFolder.h"
#include "platform/core/NothingThere.h"
#include "platform/core/PhysicalPath.h"

namespace tidewell::engine {

namespace {

using base::isBelow;
using base::isSameOrBelow;
using base::standardize;
using platform::FailureReason;

using Kind = FailureReason::Kind;

bool holdsNul(std::string_view text) { return text.find('\0') != std::string_view::npos; }

// A root that would open the whole disk, the home or one of its first-level
// folders to cleaning is no temporary area, whatever validated it.
bool usableTemporaryRoot(const std::string& root, const std::string& home) {
  if (root.empty() || root.front() != '/' || holdsNul(root)) return false;
  return root != "/" && root != home && !isBelow(home, root) && base::parentPath(root) != home;
}

// Cleaning removes children recursively and trashing moves a folder whole,
// so a folder that holds a credential is as dangerous as the credential
// itself. Both standardized.
bool touchesCredentialAt(const std::string& path, const std::string& credential) {
  return isSameOrBelow(path, credential) || isBelow(credential, path);
}

bool isUserFolder(std::string_view name, const std::vector<std::string>& extraUserFolders) {
  if (PathSafety::userFolders().count(name)) return true;
  for (const std::string& extra : extraUserFolders)
    if (extra == name) return true;
  return false;
}

}  // namespace

const PathSafety::NameSet& PathSafety::userFolders() {
  static const NameSet names = {"Documents", "Desktop", "Downloads", "Pictures",
                                "Movies",    "Music",   "Public",    "Sites"};
  return names;
}

const PathSafety::NameSet& PathSafety::developerArtefactFolders() {
  static const NameSet names = {"node_modules", "Pods",     "DerivedData", ".build",        ".dart_tool",
                                ".next",        ".nuxt",    ".gradle",     ".cxx",          ".venv",
                                "venv",         ".tox",     ".mypy_cache", ".pytest_cache", "__pycache__",
                                ".terraform",   ".angular", ".turbo",      ".parcel-cache"};
  return names;
}

const PathSafety::NameSet& PathSafety::buildFolders() {
  static const NameSet names = {"build", "target"};
  return names;
}

const std::vector<std::string>& PathSafety::credentialPaths() {
  static const std::vector<std::string> paths = {
      ".cache/huggingface/token",
      ".cache/huggingface/stored_tokens",
      ".ssh",
      ".aws",
      ".gnupg",
      ".kube",
      ".config/gh",
      ".netrc",
      ".ollama/id_ed25519",
      ".ollama/id_ed25519.pub",
      ".cargo/credentials.toml",
      ".cargo/credentials",
      ".composer/auth.json",
      ".config/composer/auth.json",
      ".gradle/gradle.properties",
      ".docker/config.json",
      ".android/adbkey",
      ".android/debug.keystore",
  };
  return paths;
}

const std::vector<std::string>& PathSafety::temporaryRoots(const platform::EngineContext& ctx) {
  return ctx.temporaryRoots;
}

bool PathSafety::isSafeToTouch(std::string_view path, std::string_view home,
                               const std::vector<std::string>& temporaryRoots,
                               const std::vector<std::string>& extraUserFolders) {
  return !refusal(path, home, temporaryRoots, extraUserFolders);
}

bool PathSafety::isSafeToTouch(std::string_view path, const platform::EngineContext& ctx) {
  return !refusal(path, ctx);
}

bool PathSafety::isSafeToTouchPhysically(std::string_view path, const platform::EngineContext& ctx) {
  return !physicalRefusal(path, ctx);
}

std::optional<FailureReason> PathSafety::refusal(std::string_view path, std::string_view home,
                                                 const std::vector<std::string>& temporaryRoots,
                                                 const std::vector<std::string>& extraUserFolders) {
  // A NUL byte would cut the path short at the system call, so the path
  // judged here would not be the one removed.
  if (holdsNul(home)) return FailureReason{Kind::homeUnusable};
  if (holdsNul(path)) return FailureReason{Kind::badPath};
  const std::string h = standardize(home);
  if (!platform::isUsableHome(h)) return FailureReason{Kind::homeUnusable};
  const std::string p = standardize(path);
  if (p.empty() || p.front() != '/') return FailureReason{Kind::badPath};

  for (const std::string& credential : credentialPaths())
    if (touchesCredentialAt(p, base::joinPath(h, credential))) return FailureReason{Kind::credential};

  for (const std::string& written : temporaryRoots) {
    const std::string root = standardize(written);
    if (usableTemporaryRoot(root, h) && isSameOrBelow(p, root)) return std::nullopt;
  }

  if (!isBelow(p, h)) return FailureReason{Kind::outsideAreas};

  // Standardized, so the rest has no empty components. Walked in place, not
  // collected: emptying a deep tree asks about every entry, each a long path.
  const std::string_view rest = std::string_view(p).substr(h.size() + 1);
  if (rest.empty()) return FailureReason{Kind::outsideAreas};
  if (!isUserFolder(rest.substr(0, rest.find('/')), extraUserFolders)) return std::nullopt;
  for (size_t pos = 0; pos < rest.size();) {
    size_t slash = rest.find('/', pos);
    if (slash == std::string_view::npos) slash = rest.size();
    const std::string_view component = rest.substr(pos, slash - pos);
    if (developerArtefactFolders().count(component) || buildFolders().count(component)) return std::nullopt;
    pos = slash + 1;
  }
  return FailureReason{Kind::userFiles};
}

std::optional<FailureReason> PathSafety::refusal(std::string_view path, const platform::EngineContext& ctx) {
  return refusal(path, ctx.home, ctx.temporaryRoots, ctx.extraUserFolders);
}

std::optional<FailureReason> PathSafety::physicalRefusal(std::string_view path,
                                                         const platform::EngineContext& ctx) {
  if (auto refused = refusal(path, ctx)) return refused;

  const auto located = platform::physicalLocation(std::string(path));
  if (!located) {
    const int error = errno;
    return platform::isNothingThere(error) ? FailureReason{Kind::gone}
                                           : FailureReason{Kind::lookFailed, error};
  }

  // The home and the roots may themselves be reached through links; judge
  // the physical path against where they physically are.
  const std::string home = platform::physicalPath(ctx.home).value_or(ctx.home);
  std::vector<std::string> roots;
  for (const std::string& root : ctx.temporaryRoots)
    roots.push_back(platform::physicalPath(root).value_or(root));
  return refusal(*located, home, roots, ctx.extraUserFolders);
}

bool PathSafety::touchesCredential(std::string_view path, const platform::EngineContext& ctx) {
  if (holdsNul(path) || !ctx.homeUsable()) return true;
  const std::string p = standardize(path);
  if (p.empty() || p.front() != '/') return true;
  std::vector<std::string> spellings = {p};
  if (auto located = platform::physicalLocation(p)) spellings.push_back(*located);

  const std::string home = standardize(ctx.home);
  for (const std::string& credential : credentialPaths()) {
    const std::string written = base::joinPath(home, credential);
    // And where it physically lies when it exists: the home, its folders
    // or the credential itself may be links.
    std::vector<std::string> places = {written};
    if (auto real = platform::physicalPath(written)) places.push_back(*real);
    for (const std::string& spelling : spellings)
      for (const std::string& place : places)
        if (touchesCredentialAt(spelling, place)) return true;
  }
  return false;
}

bool PathSafety::isNestedBelow(std::string_view path, std::string_view root) {
  if (holdsNul(path) || holdsNul(root)) return false;
  const std::string p = standardize(path);
  const std::string r = standardize(root);
  if (p.empty() || p.front() != '/' || r.empty() || r.front() != '/' || r == "/") return false;
  if (!isBelow(p, r)) return false;
  // Standardized, so the rest has no empty components: one more "/" means two levels.
  return std::string_view(p).substr(r.size() + 1).find('/') != std::string_view::npos;
}

}  // namespace tidewell::engine
