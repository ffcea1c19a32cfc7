#pragma once
// xcb hands every reply and error over as malloc'd memory the caller frees.

#include <cstdlib>
#include <memory>

namespace tidewell::platform {

template <typename T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

// Takes ownership of an xcb reply or error (null stays null).
template <typename T>
XcbReply<T> owned(T* reply) {
  return XcbReply<T>(reply, &std::free);
}

}  // namespace tidewell::platform
