#include "testkit/support/FixtureHome.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "base/Paths.h"
#include "testkit/support/RootFixtures.h"
#include "testkit/support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace tidewell::testing {

Entry folder(std::string path) { return {Entry::Kind::Folder, std::move(path), 0, {}}; }
Entry file(std::string path, int64_t bytes) { return {Entry::Kind::File, std::move(path), bytes, {}}; }
Entry sparse(std::string path, int64_t apparentBytes) {
  return {Entry::Kind::Sparse, std::move(path), apparentBytes, {}};
}
Entry symlink(std::string path, std::string target) {
  return {Entry::Kind::Symlink, std::move(path), 0, std::move(target)};
}
Entry hardlink(std::string path, std::string existing) {
  return {Entry::Kind::Hardlink, std::move(path), 0, std::move(existing)};
}
Entry fifo(std::string path) { return {Entry::Kind::Fifo, std::move(path), 0, {}}; }

namespace {

void fail(const std::string& what) { throw std::runtime_error("fixture: " + what); }

std::string replaceAll(std::string text, std::string_view key, const std::string& value) {
  for (size_t pos = 0; (pos = text.find(key, pos)) != std::string::npos; pos += value.size())
    text.replace(pos, key.size(), value);
  return text;
}

void makeParents(const std::string& path) {
  std::error_code ec;
  fs::create_directories(std::string(base::parentPath(path)), ec);
}

}  // namespace

void removeFixtureTree(const std::string& root) {
  // A mount left below the fixture would let removing reach the mounted folder.
  unmountBelow(root);
  std::error_code ec;
  if (fs::remove_all(root, ec) != static_cast<std::uintmax_t>(-1) && !ec) return;
  // remove_all stops at folders without write or search permission and at
  // immutable entries; open them up first so a test that locked a folder
  // still cleans up.
  for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_directory(ec) && !it->is_symlink(ec)) chmod(it->path().c_str(), 0700);
  }
  chmod(root.c_str(), 0700);
  clearFlagsBelow(root);
  fs::remove_all(root, ec);
}

FixtureHome::FixtureHome(std::initializer_list<Entry> homeEntries) {
  // The pid tells this process's sweep whether a child that made it is gone.
  std::string pattern = fixtureFolder() + "/tidewell-fixture-" + std::to_string(getpid()) + "-XXXXXX";
  if (!mkdtemp(pattern.data())) fail("cannot create " + pattern);
  char resolved[PATH_MAX];
  root_ = realpath(pattern.c_str(), resolved) ? resolved : pattern;
  home_ = root_ + "/home";
  for (const std::string& real : {originalHome(), passwdHome()}) {
    if (!real.empty() && base::standardize(real) == home_) fail("refusing to use the real home");
  }
  fs::create_directories(home_);
  add(homeEntries);
}

FixtureHome::~FixtureHome() { removeFixtureTree(root_); }

std::string FixtureHome::path(std::string_view rel) const { return base::joinPath(home_, rel); }
std::string FixtureHome::outside(std::string_view rel) const { return base::joinPath(root_, rel); }

void FixtureHome::add(std::initializer_list<Entry> entries) {
  for (const Entry& e : entries) make(home_, e);
}

void FixtureHome::addOutside(std::initializer_list<Entry> entries) {
  for (const Entry& e : entries) make(root_, e);
}

void FixtureHome::add(const std::vector<Entry>& entries) {
  for (const Entry& e : entries) make(home_, e);
}

void FixtureHome::addOutside(const std::vector<Entry>& entries) {
  for (const Entry& e : entries) make(root_, e);
}

platform::EngineContext FixtureHome::context() const { return platform::EngineContext::forFixture(root_); }

void FixtureHome::make(const std::string& base, const Entry& e) {
  const std::string full = base::joinPath(base, e.path);
  makeParents(full);
  switch (e.kind) {
    case Entry::Kind::Folder: {
      std::error_code ec;
      fs::create_directories(full, ec);
      if (ec) fail("folder " + full);
      break;
    }
    case Entry::Kind::File: {
      int fd = ::open(full.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (fd < 0) fail("file " + full);
      std::vector<char> chunk(64 * 1024, 'x');
      for (int64_t left = e.bytes; left > 0;) {
        auto n = ::write(fd, chunk.data(), size_t(std::min<int64_t>(left, int64_t(chunk.size()))));
        if (n <= 0) break;
        left -= n;
      }
      ::close(fd);
      break;
    }
    case Entry::Kind::Sparse: {
      int fd = ::open(full.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (fd < 0 || ::ftruncate(fd, e.bytes) != 0) fail("sparse " + full);
      ::close(fd);
      break;
    }
    case Entry::Kind::Symlink: {
      std::string target = replaceAll(replaceAll(e.target, "{root}", root_), "{home}", home_);
      if (::symlink(target.c_str(), full.c_str()) != 0) fail("symlink " + full);
      break;
    }
    case Entry::Kind::Hardlink: {
      const std::string existing = base::joinPath(base, e.target);
      if (::link(existing.c_str(), full.c_str()) != 0) fail("hard link " + full);
      break;
    }
    case Entry::Kind::Fifo:
      if (::mkfifo(full.c_str(), 0644) != 0) fail("fifo " + full);
      break;
  }
}

void writeFile(const std::string& path, std::string_view text) {
  makeParents(path);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) fail("write " + path);
}

void writeScript(const std::string& path, std::string_view body) {
  writeFile(path, body);
  ::chmod(path.c_str(), 0755);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

bool exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

std::optional<platform::FileIdentity> identityAt(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
  return platform::FileIdentity{st.st_dev, st.st_ino};
}

}  // namespace tidewell::testing
