#include "platform/linux/TrashDirectory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "base/FileNameText.h"
#include "base/Uuid.h"
#include "platform/core/FileDescriptor.h"
#include "platform/core/PrivateFolder.h"

namespace tidewell::platform {

namespace {

constexpr const char* kInfoExtension = ".trashinfo";
// A record being written: hidden, and not a .trashinfo file.
constexpr const char* kDraftExtension = ".writing";
constexpr size_t kNameMax = 255;
// Room for the extension and a ".NNNNNN" counter within one file name.
constexpr size_t kLongestBase = kNameMax - 10 - 7;
constexpr int kMostTries = 100000;
// Drafts left by a claim that was cut short keep their names.
constexpr int kDraftTries = 16;

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// Makes the folder `name` inside dirFd when absent and opens it without
// following a link; -1 when it cannot be made or is not a real folder.
int openOwnFolder(int dirFd, const char* name) {
  if (mkdirat(dirFd, name, 0700) != 0 && errno != EEXIST) return -1;
  return openat(dirFd, name, kFolderFlags | O_NOFOLLOW);
}

bool ownedBy(int fd, uid_t uid) {
  struct stat st {};
  return fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid;
}

// Makes path and its missing parents, each new one mode 0700.
bool makeFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}

// The name an item gets in the Trash: its own, cut when it leaves no room
// for the extension and counter (between characters when it is UTF-8,
// else between bytes, since any byte may end a name), and a generated one
// when nothing usable is left. Never empty, "." or "..": another client
// would act on the whole "files" folder or its parent.
std::string baseName(std::string_view itemName) {
  std::string base(itemName);
  if (base.size() > kLongestBase) {
    size_t cut = kLongestBase;
    if (base::isUtf8(itemName)) {
      while (cut > 0 && (static_cast<unsigned char>(itemName[cut]) & 0xC0) == 0x80) --cut;
    }
    base.resize(cut);
  }
  if (base.empty() || base == "." || base == "..") base = "item-" + base::randomUuid();
  return base;
}

using Kind = FailureReason::Kind;

// No Trash, saying why to a caller that asked.
std::optional<TrashDirectory> refused(FailureReason* why, Kind kind, int code = 0) {
  if (why) *why = {kind, code};
  return std::nullopt;
}

bool writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    text.remove_prefix(size_t(n));
  }
  return true;
}

}  // namespace

TrashDirectory::TrashDirectory(std::string path, FileDescriptor files, FileDescriptor info)
    : path_(std::move(path)), files_(std::move(files)), info_(std::move(info)) {}

std::optional<TrashDirectory> TrashDirectory::openInside(int trashFd, std::string path) {
  FileDescriptor files(openOwnFolder(trashFd, "files"));
  const int filesError = errno;
  FileDescriptor info(openOwnFolder(trashFd, "info"));
  if (info.get() < 0) return std::nullopt;
  if (files.get() < 0) {
    errno = filesError;
    return std::nullopt;
  }
  return TrashDirectory(std::move(path), std::move(files), std::move(info));
}

std::optional<TrashDirectory> TrashDirectory::openHome(const std::string& path, uid_t uid,
                                                       FailureReason* why) {
  if (path.empty() || path[0] != '/') return refused(why, Kind::noTrash);
  if (!makeFolders(path)) return refused(why, Kind::noTrash, errno);
  // The home trash may sit behind a link the user made (a moved data
  // folder), but wherever it lies it must be the user's own.
  FileDescriptor trash(open(path.c_str(), kFolderFlags));
  if (!trash.ok()) return refused(why, Kind::noTrash, errno);
  if (!isPrivateFolder(trash.get(), uid)) return refused(why, Kind::notOwnTrash);
  auto opened = openInside(trash.get(), path);
  if (!opened) return refused(why, Kind::noTrash, errno);
  if (!isPrivateFolder(opened->files_.get(), uid) || !isPrivateFolder(opened->info_.get(), uid))
    return refused(why, Kind::notOwnTrash);
  return opened;
}

std::optional<TrashDirectory> TrashDirectory::openTop(const std::string& topDirectory, uid_t uid,
                                                      FailureReason* why) {
  if (topDirectory.empty() || topDirectory[0] != '/') return refused(why, Kind::noTrash);
  FileDescriptor top(open(topDirectory.c_str(), kFolderFlags));
  if (top.get() < 0) return refused(why, Kind::noTrash, errno);
  const std::string base = topDirectory == "/" ? "" : topDirectory;
  const std::string uidText = std::to_string(uid);

  // A shared .Trash counts only as a real sticky folder: otherwise another
  // user could have planted it, or could rename our folder inside it.
  FileDescriptor shared(openat(top.get(), ".Trash", kFolderFlags | O_NOFOLLOW));
  struct stat sharedInfo {};
  if (shared.get() >= 0 && fstat(shared.get(), &sharedInfo) == 0 && (sharedInfo.st_mode & S_ISVTX)) {
    FileDescriptor own(openOwnFolder(shared.get(), uidText.c_str()));
    if (own.get() >= 0 && ownedBy(own.get(), uid)) {
      if (auto dir = openInside(own.get(), base + "/.Trash/" + uidText)) return dir;
    }
  }

  const std::string ownName = ".Trash-" + uidText;
  FileDescriptor own(openOwnFolder(top.get(), ownName.c_str()));
  if (own.get() < 0) return refused(why, Kind::noTrash, errno);
  if (!ownedBy(own.get(), uid)) return refused(why, Kind::notOwnTrash);
  auto opened = openInside(own.get(), base + "/" + ownName);
  if (!opened) return refused(why, Kind::noTrash, errno);
  return opened;
}

int TrashDirectory::writeRecord(const std::string& fileName, std::string_view infoText) const {
  FileDescriptor info(
      openat(info_.get(), fileName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!info.ok()) return errno;
  if (!writeAll(info.get(), infoText) || fsync(info.get()) != 0 || ::close(info.release()) != 0) {
    const int error = errno ? errno : EIO;
    unlinkat(info_.get(), fileName.c_str(), 0);
    return error;
  }
  return 0;
}

int TrashDirectory::takeName(const std::string& draft, const std::string& infoName,
                             std::string_view infoText) const {
  if (draft.empty()) return writeRecord(infoName, infoText);
  return linkat(info_.get(), draft.c_str(), info_.get(), infoName.c_str(), 0) == 0 ? 0 : errno;
}

std::string TrashDirectory::claim(std::string_view itemName, std::string_view infoText,
                                  const std::function<void()>& beforeNaming) const {
  if (infoText.empty() || itemName.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos) {
    errno = EINVAL;
    return {};
  }
  // The record is written whole under a draft name no Trash client lists
  // (it does not end in .trashinfo), then linked to the name it claims,
  // which link() takes only when it is free: a record under a claimed name
  // is never empty or half written, even when the process dies midway.
  std::string draft;
  int failure = EEXIST;
  for (int tries = 0; tries < kDraftTries && draft.empty(); ++tries) {
    std::string name = "." + base::randomUuid() + kDraftExtension;
    const int error = writeRecord(name, infoText);
    if (error == 0)
      draft = std::move(name);
    else if (error != EEXIST) {
      errno = error;
      return {};
    }
  }
  if (draft.empty()) {
    errno = failure;
    return {};
  }
  if (beforeNaming) beforeNaming();

  const std::string base = baseName(itemName);
  std::string claimed;
  for (int n = 1; n <= kMostTries; ++n) {
    std::string name = n == 1 ? base : base + "." + std::to_string(n);
    const std::string infoName = name + kInfoExtension;
    int error = takeName(draft, infoName, infoText);
    if (!draft.empty() && (error == EPERM || error == EOPNOTSUPP)) {
      // A file system without hard links (FAT, exFAT): the only exclusive
      // claim it offers is creating the record in place.
      unlinkat(info_.get(), draft.c_str(), 0);
      draft.clear();
      error = takeName(draft, infoName, infoText);
    }
    if (error == EEXIST) continue;
    if (error != 0) {
      failure = error;
      break;
    }
    // An item left in "files" without its info file (a client stopped half
    // way) keeps its name.
    struct stat st {};
    const bool taken = fstatat(files_.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (taken || errno != ENOENT) {
      failure = taken ? EEXIST : errno;
      unlinkat(info_.get(), infoName.c_str(), 0);
      if (taken) continue;
      break;
    }
    claimed = std::move(name);
    break;
  }
  if (!draft.empty()) unlinkat(info_.get(), draft.c_str(), 0);
  if (claimed.empty()) errno = failure;
  return claimed;
}

bool TrashDirectory::moveIn(int parentFd, const std::string& name, const std::string& trashName) const {
  int moved = renameat2(parentFd, name.c_str(), files_.get(), trashName.c_str(), RENAME_NOREPLACE);
  // Some file systems cannot promise not to replace; the name was checked
  // free in "files" when it was claimed.
  if (moved != 0 && (errno == EINVAL || errno == ENOSYS))
    moved = renameat(parentFd, name.c_str(), files_.get(), trashName.c_str());
  if (moved == 0) return true;
  const int error = errno;
  unlinkat(info_.get(), (trashName + kInfoExtension).c_str(), 0);
  errno = error;
  return false;
}

}  // namespace tidewell::platform
