#include "screens/devmode/DevModeRail.h"

#include <QString>
#include <algorithm>
#include <map>
#include <utility>

#include "engine/clean/CleanupCategory.h"

namespace tidewell::screens {

namespace {

using namespace design::literals;
using Keyword = DevModeRail::Keyword;

constexpr std::string_view artifactPrefix = "artifact:";

struct KeywordList {
  std::string_view label;
  std::span<const Keyword> keywords;
};

constexpr Keyword xcodeWords[] = {{"xcode"},          {"coresimulator"}, {"swiftpm"},
                                  {"device support"}, {"simulator"},     {"spm"}};
// "bun" is a whole word: as a bare substring it would claim "bundles".
constexpr Keyword nodeWords[] = {{"npm"},  {"yarn"},     {"pnpm"},      {"bun", true},
                                 {"deno"}, {"node-gyp"}, {"playwright"}};
constexpr Keyword pythonWords[] = {{"pip"}, {"conda"}, {"uv-cache"}};
constexpr Keyword javaWords[] = {{"gradle"}, {"maven"}, {"android"}};
constexpr Keyword rustWords[] = {{"cargo"}, {"rust"}};
constexpr Keyword dartWords[] = {{"pub"}, {"dart"}, {"flutter"}};
constexpr Keyword phpWords[] = {{"composer"}, {"php"}};
constexpr Keyword podsWords[] = {{"cocoapods"}, {"pods"}};
constexpr Keyword brewWords[] = {{"homebrew"}, {"brew"}};
constexpr Keyword unityWords[] = {{"unity"}};
constexpr Keyword editorWords[] = {{"editor"}, {"claude"}, {"cursor"}, {"windsurf"}, {"code cache"}};

// Tested in this order; the Go test on the id alone sits between Rust and
// Flutter & Dart.
constexpr KeywordList listsBeforeGo[] = {
    {"Xcode", xcodeWords},         {"Node & JS", nodeWords}, {"Python", pythonWords},
    {"Java & Android", javaWords}, {"Rust", rustWords},
};
constexpr KeywordList listsAfterGo[] = {
    {"Flutter & Dart", dartWords}, {"PHP", phpWords},     {"CocoaPods", podsWords},
    {"Homebrew", brewWords},       {"Unity", unityWords}, {"Editors & AI apps", editorWords},
};

// Build folder names, compared exactly; any other name is "Build output".
constexpr std::pair<std::string_view, std::string_view> folderGroups[] = {
    {"node_modules", "Node & JS"},
    {".next", "Node & JS"},
    {".nuxt", "Node & JS"},
    {".turbo", "Node & JS"},
    {".angular", "Node & JS"},
    {".parcel-cache", "Node & JS"},
    {"DerivedData", "Xcode"},
    {".build", "Xcode"},
    {".venv", "Python"},
    {"venv", "Python"},
    {"__pycache__", "Python"},
    {".mypy_cache", "Python"},
    {".pytest_cache", "Python"},
    {".tox", "Python"},
    {"Pods", "CocoaPods"},
    {".gradle", "Java & Android"},
    {".dart_tool", "Flutter & Dart"},
    {"target", "Rust"},
    {".terraform", "Infra"},
};

bool isWordEdge(char c) { return c == '-' || c == ' '; }

bool containsWord(std::string_view text, std::string_view word) {
  for (auto at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
    const auto end = at + word.size();
    if ((at == 0 || isWordEdge(text[at - 1])) && (end == text.size() || isWordEdge(text[end]))) return true;
  }
  return false;
}

bool contains(std::string_view text, const Keyword& keyword) {
  return keyword.wholeWord ? containsWord(text, keyword.text)
                           : text.find(keyword.text) != std::string_view::npos;
}

std::string_view artifactGroup(std::string_view id) {
  std::string_view rest = id.substr(artifactPrefix.size());
  const std::string_view folder = rest.substr(0, rest.find(':'));
  for (const auto& [name, label] : folderGroups)
    if (name == folder) return label;
  return "Build output";
}

std::string lowerCased(const std::string& text) {
  return QString::fromStdString(text).toLower().toStdString();
}

}  // namespace

const std::array<std::string_view, 17>& DevModeRail::groupOrder() {
  static constexpr std::array<std::string_view, 17> order = {
      "Xcode",      "Node & JS", "Python",   "Java & Android", "Rust",  "Go",           "Flutter & Dart",
      "PHP",        "CocoaPods", "Homebrew", "Unity",          "Infra", "Build output", "Editors & AI apps",
      "CLI caches", "Other",     "AI caches"};
  return order;
}

std::string_view DevModeRail::groupLabel(const engine::CleanupItem& item) {
  const engine::CleanupTarget& target = item.target;
  if (target.category == engine::CleanupCategory::aiCaches) return "AI caches";
  const std::string_view id = target.id;
  if (id.starts_with(artifactPrefix)) return artifactGroup(id);
  const std::string title = lowerCased(target.title);
  for (const auto& list : listsBeforeGo)
    if (matches(list.keywords, id, title)) return list.label;
  if (id.find("go-build") != std::string_view::npos) return "Go";
  for (const auto& list : listsAfterGo)
    if (matches(list.keywords, id, title)) return list.label;
  return id == "cli-tool-caches" ? "CLI caches" : "Other";
}

design::SymbolName DevModeRail::symbol(std::string_view groupLabel) {
  static const std::map<std::string_view, design::SymbolName> symbols = {
      {"Xcode", "hammer.fill"_symbol},
      {"Node & JS", "shippingbox.fill"_symbol},
      {"Python", "chevron.left.forwardslash.chevron.right"_symbol},
      {"Java & Android", "cup.and.saucer.fill"_symbol},
      {"Rust", "gearshape.fill"_symbol},
      {"Go", "arrow.triangle.2.circlepath"_symbol},
      {"Flutter & Dart", "bird.fill"_symbol},
      {"PHP", "p.square.fill"_symbol},
      {"CocoaPods", "shippingbox.fill"_symbol},
      {"Homebrew", "mug.fill"_symbol},
      {"Unity", "gamecontroller.fill"_symbol},
      {"Infra", "cloud.fill"_symbol},
      {"Build output", "cube.transparent"_symbol},
      {"Editors & AI apps", "curlybraces"_symbol},
      {"CLI caches", "terminal.fill"_symbol},
      {"AI caches", "brain.head.profile"_symbol},
  };
  const auto found = symbols.find(groupLabel);
  return found == symbols.end() ? "folder.fill"_symbol : found->second;
}

bool DevModeRail::matches(std::span<const Keyword> keywords, std::string_view id,
                          std::string_view lowerTitle) {
  return std::any_of(keywords.begin(), keywords.end(), [&](const Keyword& keyword) {
    return contains(id, keyword) || contains(lowerTitle, keyword);
  });
}

std::vector<RailGroup> DevModeRail::railGroups(const std::vector<engine::CleanupItem>& items,
                                               const std::vector<engine::AIModelStore>& models) {
  std::map<std::string_view, std::vector<engine::CleanupItem>> buckets;
  for (const auto& item : items) buckets[groupLabel(item)].push_back(item);

  std::vector<RailGroup> rail;
  for (std::string_view label : groupOrder()) {
    const auto found = buckets.find(label);
    if (found == buckets.end()) continue;
    auto& bucket = found->second;
    std::stable_sort(bucket.begin(), bucket.end(),
                     [](const auto& a, const auto& b) { return a.sizeBytes > b.sizeBytes; });
    rail.push_back({std::string(label), std::string(label), symbol(label), std::move(bucket), false});
  }
  if (!models.empty())
    rail.push_back(
        {std::string(modelsGroupId), std::string(modelsGroupLabel), "cube.box.fill"_symbol, {}, true});
  return rail;
}

int64_t DevModeRail::bytes(const RailGroup& group, int64_t modelBytes) {
  if (group.isModels) return modelBytes;
  int64_t total = 0;
  for (const auto& item : group.items) total += item.sizeBytes;
  return total;
}

std::set<std::string> DevModeRail::itemIDs(const RailGroup& group) {
  std::set<std::string> ids;
  for (const auto& item : group.items) ids.insert(item.target.id);
  return ids;
}

SelectionMark DevModeRail::mark(const RailGroup& group) {
  const auto picked =
      std::count_if(group.items.begin(), group.items.end(), [](const auto& item) { return item.isSelected; });
  return selectionMark(picked, qsizetype(group.items.size()));
}

bool DevModeRail::boxPicks(const RailGroup& group) {
  return !std::all_of(group.items.begin(), group.items.end(),
                      [](const auto& item) { return item.isSelected; });
}

std::size_t DevModeRail::count(const RailGroup& group, std::size_t modelCount) {
  return group.isModels ? modelCount : group.items.size();
}

std::optional<std::size_t> DevModeRail::viewedGroup(const std::vector<RailGroup>& rail,
                                                    const std::optional<std::string>& viewing) {
  if (rail.empty()) return std::nullopt;
  if (viewing) {
    for (std::size_t at = 0; at < rail.size(); ++at)
      if (rail[at].id == *viewing) return at;
  }
  return 0;
}

}  // namespace tidewell::screens
