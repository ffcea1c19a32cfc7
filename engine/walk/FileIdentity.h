#pragma once
// The engine's name for the identity of a measured or found file or folder
// (device and inode); the platform's Trash checks the same record.

#include "platform/core/FileIdentity.h"

namespace tidewell::engine {

using platform::FileIdentity;

}  // namespace tidewell::engine
