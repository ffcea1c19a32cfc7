#include "platform/core/RunningApplications.h"

#include <limits.h>
#include <stdlib.h>

#include <map>
#include <optional>
#include <string_view>

#include "base/Paths.h"
#include "platform/core/PhysicalPath.h"
#include "platform/linux/DesktopEntry.h"
#include "platform/linux/ProcProcess.h"

namespace tidewell::platform {

namespace {

// The kernel keeps the first 15 bytes of a program's name as its comm.
constexpr size_t kCommandLength = 15;

// Programs that start other programs: an entry whose Exec begins with one
// of them says nothing about which process is the application, and
// matching on it would list every shell or script as that application.
constexpr std::string_view kLaunchers[] = {
    "env",  "sh",     "bash",     "dash", "zsh",      "fish",       "ksh",        "csh",      "tcsh",
    "perl", "ruby",   "node",     "java", "mono",     "gjs",        "wine",       "flatpak",  "snap",
    "sudo", "pkexec", "xdg-open", "gio",  "exo-open", "gtk-launch", "kioclient5", "kioclient"};

bool isLauncher(std::string_view program) {
  for (std::string_view l : kLaunchers) {
    if (program == l) return true;
  }
  // python, python3, python3.11, ...
  if (!program.starts_with("python")) return false;
  for (char c : program.substr(6)) {
    if (!(c == '.' || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

// Desktop entries by the keys a process can be matched on; the first entry
// (in lookup order) holding a key keeps it.
class EntryIndex {
 public:
  explicit EntryIndex(const std::vector<std::string>& folders)
      : entries_(DesktopEntry::readFolders(folders)) {
    for (size_t i = 0; i < entries_.size(); ++i) {
      const DesktopEntry& e = entries_[i];
      byPath_.emplace(e.path, i);
      byId_.emplace(e.id, i);
      for (const std::string& program : {e.program, e.tryExec}) {
        const std::string base(base::lastComponent(program));
        if (base.empty() || isLauncher(base)) continue;
        if (program.front() == '/') {
          byExecutable_.emplace(program, i);
          if (auto real = physicalPath(program)) byExecutable_.emplace(*real, i);
        }
        byName_.emplace(base, i);
        byCommand_.emplace(base.substr(0, kCommandLength), i);
      }
    }
  }

  const DesktopEntry& entry(size_t i) const { return entries_[i]; }
  bool empty() const { return entries_.empty(); }

  std::optional<size_t> match(const ProcProcess& p) const {
    // The desktop sets the variable for the process it launched and names
    // that pid; children inherit the file but not the pid, so a terminal's
    // shells do not count as the terminal.
    if (!p.launchedDesktopFile.empty() && (!p.launchedDesktopFilePid || *p.launchedDesktopFilePid == p.pid)) {
      if (auto i = find(byPath_, p.launchedDesktopFile)) return i;
      std::string id(base::lastComponent(p.launchedDesktopFile));
      if (id.ends_with(".desktop")) id.resize(id.size() - 8);
      if (auto i = find(byId_, id)) return i;
    }
    if (!p.executable.empty()) {
      if (auto i = find(byExecutable_, p.executable)) return i;
      return find(byName_, std::string(base::lastComponent(p.executable)));
    }
    // No readable exe link: fall back to the kernel's short name.
    if (!p.command.empty()) return find(byCommand_, p.command);
    return std::nullopt;
  }

 private:
  static std::optional<size_t> find(const std::map<std::string, size_t>& map, const std::string& key) {
    auto it = map.find(key);
    if (it == map.end()) return std::nullopt;
    return it->second;
  }

  std::vector<DesktopEntry> entries_;
  std::map<std::string, size_t> byPath_, byId_, byExecutable_, byName_, byCommand_;
};

}  // namespace

std::vector<RunningApplication> RunningApplications::list(const EngineContext& ctx) {
  const EntryIndex index(ctx.desktopEntryFolders);
  if (index.empty()) return {};

  struct Match {
    ProcProcess process;
    size_t entry;
  };
  std::vector<Match> matches;
  std::map<pid_t, size_t> entryOf;
  for (pid_t pid : ProcProcess::pids(ctx.procRoot)) {
    auto p = ProcProcess::read(ctx.procRoot, pid, ctx.uid);
    if (!p || p->uid != ctx.uid || p->zombie) continue;
    if (auto i = index.match(*p)) {
      entryOf[pid] = *i;
      matches.push_back({std::move(*p), *i});
    }
  }

  std::vector<RunningApplication> apps;
  for (const Match& m : matches) {
    auto parent = entryOf.find(m.process.parentPid);
    if (parent != entryOf.end() && parent->second == m.entry) continue;  // a helper process
    const DesktopEntry& e = index.entry(m.entry);
    apps.push_back({m.process.pid, e.name, e.id, e.path,
                    ProcProcess::memoryBytes(ctx.procRoot, m.process.pid), m.process.startTime});
  }
  return apps;
}

}  // namespace tidewell::platform
