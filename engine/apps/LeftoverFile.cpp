#include "engine/apps/LeftoverFile.h"

#include "platform/core/Uuid.h"

namespace tidewell::engine {

std::string LeftoverFile::makeIdentifier() { return platform::randomUuid(); }

}  // namespace tidewell::engine
