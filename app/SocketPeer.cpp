#include "app/SocketPeer.h"

#include <sys/socket.h>

namespace tidewell::app {

std::optional<uid_t> socketPeerUid(qintptr descriptor) {
  if (descriptor < 0) return std::nullopt;
  ucred credentials{};
  socklen_t size = sizeof credentials;
  if (::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
      size != sizeof credentials) {
    return std::nullopt;
  }
  return credentials.uid;
}

}  // namespace tidewell::app
