#pragma once
// Who is at the other end of a connected local socket, as the kernel
// recorded it when the connection was made (SO_PEERCRED), so neither side
// of the single-instance channel hands anything to another user.

#include <sys/types.h>

#include <QtGlobal>
#include <optional>

namespace tidewell::app {

// The peer's user id; none when descriptor is not a connected local socket.
std::optional<uid_t> socketPeerUid(qintptr descriptor);

}  // namespace tidewell::app
