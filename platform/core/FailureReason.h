#pragma once
// Why a step that deletes, trashes or runs a deleting tool left something
// where it was: the rule that refused it, or the call that failed with its
// errno (for a tool, its exit status or signal). The engine's result
// records carry it so that the models can log it and a bug report can say
// it; the user never reads it.

#include <cstdint>
#include <string>

namespace tidewell::platform {

struct FailureReason {
  enum class Kind : uint8_t {
    // Rules that refused.
    homeUnusable,  // the context's home is empty, relative or "/"
    badPath,       // empty, relative, "/", or holding a NUL
    notScanned,    // no identity from a scan, or another entry took its name
    gone,          // nothing is there any more
    link,
    mountPoint,
    credential,    // is, holds or lies in a credential path
    outsideAreas,  // outside the areas its gate permits
    userFiles,     // inside the user's own folders, and no build output
    container,
    unreachable,  // its folder cannot be reached from its area without a link
    running,      // the application is running
    inTrash,      // the Trash itself, what holds it, or something in it
    notOwnTrash,  // the Trash is not a private folder of the user
    noTrash,      // no Trash could be opened or made for it
    // Calls that failed; code holds the errno when one was set.
    lookFailed,
    openFailed,
    listFailed,
    removeFailed,
    renameFailed,
    recordFailed,  // the Trash record could not be written or named
    // A tool; code holds the errno, the exit status or the signal.
    toolNotStarted,
    toolExited,
    toolSignalled,
    toolOutputUnread,
  };

  Kind kind = Kind::badPath;
  int code = 0;

  bool operator==(const FailureReason&) const = default;
};

// The reason as a log reads it: "a mount point", "rename failed: Permission
// denied", "the tool exited with status 3".
std::string reasonText(const FailureReason& reason);

}  // namespace tidewell::platform
