#include "platform/core/PrivateFolder.h"

namespace tidewell::platform {

bool isPrivateFolder(const struct stat& st, uid_t uid) {
  return S_ISDIR(st.st_mode) && st.st_uid == uid && !(st.st_mode & (S_IWGRP | S_IWOTH));
}

bool isPrivateFolder(int fd, uid_t uid) {
  struct stat st {};
  return fd >= 0 && fstat(fd, &st) == 0 && isPrivateFolder(st, uid);
}

}  // namespace tidewell::platform
