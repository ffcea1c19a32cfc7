#include "platform/core/FailureReason.h"

#include <system_error>

namespace tidewell::platform {

namespace {

using Kind = FailureReason::Kind;

const char* nameOf(Kind kind) {
  switch (kind) {
    case Kind::homeUnusable:
      return "the home folder is unusable";
    case Kind::badPath:
      return "not a usable path";
    case Kind::notScanned:
      return "not the item scanned";
    case Kind::gone:
      return "no longer there";
    case Kind::link:
      return "a link";
    case Kind::mountPoint:
      return "a mount point";
    case Kind::credential:
      return "a credential";
    case Kind::outsideAreas:
      return "outside the permitted areas";
    case Kind::userFiles:
      return "among the user's own files";
    case Kind::container:
      return "a container";
    case Kind::unreachable:
      return "not reachable from its area without a link";
    case Kind::running:
      return "the application is running";
    case Kind::inTrash:
      return "the Trash or inside it";
    case Kind::notOwnTrash:
      return "the Trash is not the user's own";
    case Kind::noTrash:
      return "no usable Trash";
    case Kind::lookFailed:
      return "cannot be looked at";
    case Kind::openFailed:
      return "cannot be opened";
    case Kind::listFailed:
      return "cannot be listed";
    case Kind::removeFailed:
      return "remove failed";
    case Kind::renameFailed:
      return "rename failed";
    case Kind::recordFailed:
      return "the Trash record could not be written";
    case Kind::toolNotStarted:
      return "the tool could not be started";
    case Kind::toolExited:
      return "the tool exited with status";
    case Kind::toolSignalled:
      return "the tool was stopped by signal";
    case Kind::toolOutputUnread:
      return "the tool's output could not be read";
  }
  return "an unknown reason";
}

}  // namespace

std::string reasonText(const FailureReason& reason) {
  std::string text = nameOf(reason.kind);
  if (reason.kind == Kind::toolExited || reason.kind == Kind::toolSignalled)
    return text + " " + std::to_string(reason.code);
  // std::generic_category, unlike strerror, is safe on any thread.
  if (reason.code != 0) text += ": " + std::generic_category().message(reason.code);
  return text;
}

}  // namespace tidewell::platform
