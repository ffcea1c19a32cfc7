#include "platform/core/SmallFile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tidewell::platform {

std::optional<std::string> readSmallFile(const std::string& path, size_t maxBytes, LinkAtPath links) {
  // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below.
  const int flags =
      O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (links == LinkAtPath::Refuse ? O_NOFOLLOW : 0);
  const int fd = ::open(path.c_str(), flags);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> result;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    // /proc files report size 0, so the size is learnt by reading, one byte
    // past the limit to tell a file that is too large.
    std::string data;
    char buffer[16 * 1024];
    bool ok = true;
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n > 0) {
        data.append(buffer, size_t(n));
        if (data.size() > maxBytes) {
          ok = false;
          break;
        }
      } else if (n == 0) {
        break;
      } else if (errno != EINTR) {
        ok = false;
        break;
      }
    }
    if (ok) result = std::move(data);
  }
  ::close(fd);
  return result;
}

}  // namespace tidewell::platform
