#include "testkit/support/HostileFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "base/Paths.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::testing {

namespace {

void fail(const std::string& what) { throw std::runtime_error("hostile file: cannot make " + what); }

void makeParents(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(std::string(base::parentPath(path)), ec);
  if (ec) fail(path);
}

}  // namespace

const char* nameOf(HostileFile kind) {
  switch (kind) {
    case HostileFile::Fifo:
      return "a FIFO";
    case HostileFile::Folder:
      return "a folder";
    case HostileFile::EndlessDevice:
      return "a link to /dev/zero";
    case HostileFile::Oversized:
      return "an oversized file";
  }
  return "?";
}

void placeHostileFile(const std::string& path, HostileFile kind, std::string_view text, size_t bytes) {
  makeParents(path);
  switch (kind) {
    case HostileFile::Fifo:
      if (::mkfifo(path.c_str(), 0644) != 0) fail(path);
      break;
    case HostileFile::Folder:
      if (::mkdir(path.c_str(), 0755) != 0) fail(path);
      break;
    case HostileFile::EndlessDevice:
      if (::symlink("/dev/zero", path.c_str()) != 0) fail(path);
      break;
    case HostileFile::Oversized: {
      std::string content(text);
      if (!content.empty() && content.back() != '\n') content += '\n';
      if (content.size() + 2 > bytes) fail(path + " (the text alone reaches the size)");
      content += '#';
      content.append(bytes - content.size() - 1, 'x');
      content += '\n';
      writeFile(path, content);
      break;
    }
  }
}

std::string entryState(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return "absent";
  std::string state = "mode " + std::to_string(st.st_mode) + " size " + std::to_string(st.st_size) +
                      " modified " + std::to_string(st.st_mtim.tv_sec) + "." +
                      std::to_string(st.st_mtim.tv_nsec) + " changed " + std::to_string(st.st_ctim.tv_sec) +
                      "." + std::to_string(st.st_ctim.tv_nsec);
  if (S_ISLNK(st.st_mode)) {
    char target[4096];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
    if (n > 0) state += " link " + std::string(target, size_t(n));
  }
  return state;
}

}  // namespace tidewell::testing
