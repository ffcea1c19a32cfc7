#include "base/Paths.h"

#include <vector>

namespace tidewell::base {

namespace {

// No empty, "." or ".." piece and no trailing "/": already standard. Most
// paths are, and checking is cheaper than rebuilding a long one.
bool isStandard(std::string_view path) {
  if (path == "/") return true;
  if (path.back() == '/') return false;
  for (size_t pos = 0; pos < path.size();) {
    size_t next = path.find('/', pos + 1);
    if (next == std::string_view::npos) next = path.size();
    const std::string_view piece = path.substr(pos + 1, next - pos - 1);
    if (piece.empty() || piece == "." || piece == "..") return false;
    pos = next;
  }
  return true;
}

}  // namespace

std::string standardize(std::string_view path) {
  if (path.empty() || path.front() != '/') return std::string(path);
  if (isStandard(path)) return std::string(path);

  std::vector<std::string_view> pieces;
  size_t pos = 0;
  while (pos < path.size()) {
    size_t next = path.find('/', pos);
    if (next == std::string_view::npos) next = path.size();
    std::string_view piece = path.substr(pos, next - pos);
    if (piece.empty() || piece == ".") {
      // nothing
    } else if (piece == "..") {
      if (!pieces.empty()) pieces.pop_back();
    } else {
      pieces.push_back(piece);
    }
    pos = next + 1;
  }

  if (pieces.empty()) return "/";
  std::string out;
  out.reserve(path.size());
  for (auto piece : pieces) {
    out += '/';
    out += piece;
  }
  return out;
}

std::string expandTilde(std::string_view path, std::string_view home) {
  if (path == "~") return std::string(home);
  if (path.size() >= 2 && path[0] == '~' && path[1] == '/') {
    std::string out(home);
    out += path.substr(1);
    return out;
  }
  return std::string(path);
}

bool isBelow(std::string_view path, std::string_view root) {
  if (root.empty()) return false;
  // "/" is the one root that already ends in the separator.
  if (root == "/") return path.size() > 1 && path.front() == '/';
  return path.size() > root.size() + 1 && path.substr(0, root.size()) == root && path[root.size()] == '/';
}

bool isSameOrBelow(std::string_view path, std::string_view root) {
  return path == root || isBelow(path, root);
}

std::string_view lastComponent(std::string_view path) {
  auto slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view parentPath(std::string_view path) {
  auto slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string joinPath(std::string_view dir, std::string_view name) {
  std::string out(dir);
  if (out.empty() || out.back() != '/') out += '/';
  out += name;
  return out;
}

}  // namespace tidewell::base
