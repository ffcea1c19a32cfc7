#include "engine/deepscan/ContainerScanner.h"

#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "base/Paths.h"
#include "engine/clean/DiskScanner.h"
#include "engine/walk/StoreProbe.h"

namespace tidewell::engine {

namespace {

struct Engine {
  std::string_view name;
  std::vector<std::string_view> detect;
  std::vector<std::string_view> measure;
  std::vector<std::string_view> reveal;
  std::string_view note;
  std::optional<std::string_view> command;
};

const std::vector<Engine>& engines() {
  static const std::vector<Engine> table = [] {
    const std::vector<std::string_view> orbStackData = {
        "~/Library/Group Containers/HUAQ24HBR6.dev.orbstack/data", "~/.orbstack/data", "~/.orbstack"};
    const std::vector<std::string_view> podman = {"~/.local/share/containers/podman/machine"};
    const std::vector<std::string_view> colima = {"~/.colima"};
    const std::vector<std::string_view> lima = {"~/.lima"};
    return std::vector<Engine>{
        {"Docker",
         {"/Applications/Docker.app", "~/Library/Containers/com.docker.docker"},
         {"~/Library/Containers/com.docker.docker/Data/vms"},
         {"~/Library/Containers/com.docker.docker/Data/vms/0/data",
          "~/Library/Containers/com.docker.docker/Data/vms/0"},
         "Docker's VM disk: every image, container and volume. Reclaim from inside Docker, don't delete "
         "this file.",
         "docker system prune"},
        {"OrbStack",
         {"/Applications/OrbStack.app", "~/Library/Group Containers/HUAQ24HBR6.dev.orbstack", "~/.orbstack"},
         orbStackData,
         orbStackData,
         "OrbStack's data. Reclaim from inside OrbStack; deleting this file wipes your images and "
         "containers.",
         "docker system prune"},
        {"Podman", podman, podman, podman,
         "Podman's VM disk. Reclaim from inside Podman; deleting it wipes your images and containers.",
         "podman system prune -a"},
        {"Colima", colima, colima, colima,
         "Colima's VM disk. Reclaim from inside; deleting it wipes your Docker images and containers.",
         "docker system prune -a"},
        {"Lima", lima, lima, lima,
         "Lima VM disks. Reclaim from inside the VM; deleting a disk wipes everything in it.", std::nullopt},
    };
  }();
  return table;
}

}  // namespace

std::vector<BigItem> ContainerScanner::scan(const platform::EngineContext& ctx) {
  return scan(ctx, DiskScanner::allocatedSize);
}

std::vector<BigItem> ContainerScanner::scan(const platform::EngineContext& ctx, const SizeMeasure& sizeOf) {
  std::vector<BigItem> items;
  for (const Engine& engine : engines()) {
    auto found = StoreProbe::find(engine.detect, engine.measure, minimumBytes, ctx, sizeOf);
    if (!found) continue;
    // Docker measures the folder of all its machines but points at the first
    // machine's disk; the other tools show what they measure.
    std::string path = StoreProbe::firstExisting(engine.reveal, ctx).value_or(found->path);
    BigItem item;
    item.id = path;
    item.url = path;
    item.name = std::string(engine.name) + " data";
    item.location = "Containers & VMs";
    item.sizeBytes = found->sizeBytes;
    item.isDirectory = true;
    item.kind = BigItem::Kind::container;
    if (struct stat st{}; lstat(path.c_str(), &st) == 0) item.identity = FileIdentity{st.st_dev, st.st_ino};
    item.note = std::string(engine.note);
    if (engine.command) item.reclaimCommand = std::string(*engine.command);
    items.push_back(std::move(item));
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const BigItem& a, const BigItem& b) { return a.sizeBytes > b.sizeBytes; });
  return items;
}

std::vector<std::string> ContainerScanner::managedPaths(const platform::EngineContext& ctx) {
  if (!ctx.homeUsable()) return {};
  std::vector<std::string> paths;
  for (std::string_view path :
       {"~/Library/Containers/com.docker.docker", "~/Library/Group Containers/group.com.docker",
        "~/Library/Application Support/Docker Desktop", "~/Library/Group Containers/HUAQ24HBR6.dev.orbstack"})
    paths.push_back(base::expandTilde(path, ctx.home));
  return paths;
}

}  // namespace tidewell::engine
