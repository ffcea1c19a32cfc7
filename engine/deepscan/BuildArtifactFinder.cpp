// The build-artifact half of BigItemScanner: which folders of the user's
// projects are rebuildable output, and the cleanup rows that offer them.

#include <algorithm>
#include <set>

#include "base/NameCollator.h"
#include "base/Paths.h"
#include "engine/deepscan/BigItemScanner.h"
#include "engine/safety/PathSafety.h"
#include "engine/walk/TreeWalker.h"
#include "platform/core/DirectoryListing.h"

namespace tidewell::engine {

namespace {

using platform::EngineContext;

constexpr std::string_view middleDot = " \u00b7 ";

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool isProjectMarker(std::string_view name) {
  return BigItemScanner::projectMarkers().count(name) || endsWith(name, ".xcodeproj");
}

bool isBuildFolderName(std::string_view name) { return PathSafety::buildFolders().count(name) > 0; }

bool isArtefactName(std::string_view name) { return PathSafety::developerArtefactFolders().count(name) > 0; }

// Level 1 is a direct child of the home folder. A folder at this level is
// still judged, but nothing below it is.
constexpr int deepestLevel = 7;

// The first-level folders the desktop names as the user's own (Videos,
// Bilder, ...) hold media and templates like the skipped Movies or Pictures;
// only its folders for documents, downloads and the desktop are walked, as
// Documents, Downloads and Desktop are.
std::set<std::string, std::less<>> skippedDesktopFolders(const EngineContext& ctx) {
  std::set<std::string, std::less<>> walked = {"Documents", "Downloads", "Desktop"};
  for (const std::string* folder : {&ctx.documentsFolder, &ctx.downloadFolder, &ctx.desktopFolder})
    if (base::parentPath(*folder) == ctx.home) walked.emplace(base::lastComponent(*folder));
  std::set<std::string, std::less<>> skipped;
  for (const std::string& name : ctx.extraUserFolders)
    if (!walked.count(name)) skipped.insert(name);
  return skipped;
}

// Decides each sub-folder of the walk from its name and its siblings'
// names alone, so the walk reads folder listings and nothing else. Pure:
// runs on the walker's threads, several folders at once.
WalkAction judge(const WalkDirectory& parent, const WalkEntry& entry,
                 const std::set<std::string, std::less<>>& skippedDesktop) {
  if (entry.type != EntryType::Directory) return WalkAction::Skip;  // links included
  const int level = parent.level + 1;
  const bool hidden = entry.name.front() == '.';
  if (level == 1 && (hidden || BigItemScanner::artifactSkippedTopLevelNames().count(entry.name) ||
                     skippedDesktop.count(entry.name)))
    return WalkAction::Skip;
  if (level > deepestLevel) return WalkAction::Skip;
  if (isArtefactName(entry.name)) return WalkAction::Report;
  if (isBuildFolderName(entry.name) &&
      std::any_of(parent.entries.begin(), parent.entries.end(),
                  [](const WalkEntry& sibling) { return isProjectMarker(sibling.name); }))
    return WalkAction::Report;
  // Hidden folders are entered only when they are artefacts themselves; the
  // deepest level is examined but never listed, as its children would all
  // be too deep.
  if (hidden || level == deepestLevel) return WalkAction::Skip;
  return WalkAction::Descend;
}

}  // namespace

const std::set<std::string, std::less<>>& BigItemScanner::projectMarkers() {
  static const std::set<std::string, std::less<>> names = {
      "package.json", "Cargo.toml",       "pubspec.yaml",    "CMakeLists.txt",   "Makefile",
      "go.mod",       "pyproject.toml",   "setup.py",        "requirements.txt", "gradlew",
      "build.gradle", "build.gradle.kts", "settings.gradle", "mix.exs",          "Package.swift",
  };
  return names;
}

const std::set<std::string, std::less<>>& BigItemScanner::artifactSkippedTopLevelNames() {
  static const std::set<std::string, std::less<>> names = {
      "Library", "Applications", "Movies", "Music", "Pictures", "Public", "Sites",
  };
  return names;
}

const std::map<std::string, std::string, std::less<>>& BigItemScanner::artifactDescriptions() {
  static const std::map<std::string, std::string, std::less<>> table = {
      {"node_modules", "JavaScript dependencies. Re-created by npm / yarn / pnpm install"},
      {"Pods", "CocoaPods dependencies. Re-created by pod install"},
      {"DerivedData", "Xcode build output. Re-created on the next build"},
      {".build", "Swift package build output. Re-created by the next build"},
      {".dart_tool", "Dart/Flutter tooling cache. Re-created by pub get"},
      {".next", "Next.js build output. Re-created by the next build"},
      {".nuxt", "Nuxt build output. Re-created by the next build"},
      {".gradle", "Gradle project cache. Re-created on the next build"},
      {".venv", "Python virtual environment. Re-created from requirements"},
      {"venv", "Python virtual environment. Re-created from requirements"},
      {"__pycache__", "Python bytecode cache. Re-created automatically"},
      {".terraform", "Terraform providers. Re-created by terraform init"},
      {"build", "Build output. Re-created by the next build"},
      {"target", "Build output. Re-created by the next build"},
  };
  return table;
}

bool BigItemScanner::isBuildArtifact(const std::string& path, std::string_view name) {
  if (isArtefactName(name)) return true;
  if (!isBuildFolderName(name)) return false;
  // A folder that cannot be listed holds no marker.
  const auto siblings = platform::directoryNames(std::string(base::parentPath(base::standardize(path))));
  return std::any_of(siblings.begin(), siblings.end(),
                     [](const std::string& sibling) { return isProjectMarker(sibling); });
}

CleanupTarget BigItemScanner::artifactTarget(std::string_view name, const std::string& path,
                                             const EngineContext& ctx) {
  const std::string_view parent = base::parentPath(path);
  const auto& descriptions = artifactDescriptions();
  auto found = descriptions.find(name);
  const std::string_view description =
      found == descriptions.end() ? artifactFallbackDescription : std::string_view(found->second);
  const std::string_view where =
      base::isBelow(parent, ctx.home) ? parent.substr(ctx.home.size() + 1) : parent;

  CleanupTarget row;
  row.id = "artifact:" + std::string(name) + ":" + path;
  row.title = std::string(name) + std::string(middleDot) + std::string(base::lastComponent(parent));
  row.detail = std::string(description) + ". In " + std::string(where) + ".";
  row.category = CleanupCategory::developerCaches;
  row.safety = isBuildFolderName(name) ? SafetyLevel::caution : SafetyLevel::safe;
  row.paths = {path};
  row.isSweep = false;
  return row;
}

std::vector<CleanupTarget> BigItemScanner::findBuildArtifacts(const EngineContext& ctx) {
  std::vector<CleanupTarget> rows;
  if (!ctx.homeUsable()) return rows;
  // The walk's reports come in plain path order, which is also the order
  // of the paths within one name.
  const auto skippedDesktop = skippedDesktopFolders(ctx);
  std::vector<std::string> paths;
  const auto visitor = [&skippedDesktop](const WalkDirectory& parent, const WalkEntry& entry) {
    return judge(parent, entry, skippedDesktop);
  };
  for (auto& report : TreeWalker::visit(ctx.home, visitor)) {
    // The walk never enters another mount, but a folder found may be one.
    if (!ctx.isMountPoint(report.path)) paths.push_back(std::move(report.path));
  }
  std::stable_sort(paths.begin(), paths.end(), [](const std::string& a, const std::string& b) {
    return base::lastComponent(a) < base::lastComponent(b);
  });
  // Names that collate alike ("Pods", "pods") stay apart, in byte order.
  base::NameCollator::shared().stableSort(paths,
                                          [](const std::string& path) { return base::lastComponent(path); });
  rows.reserve(paths.size());
  for (const auto& path : paths) rows.push_back(artifactTarget(base::lastComponent(path), path, ctx));
  return rows;
}

}  // namespace tidewell::engine
