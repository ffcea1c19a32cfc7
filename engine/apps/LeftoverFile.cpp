#include "engine/apps/LeftoverFile.h"

#include "base/Uuid.h"

namespace tidewell::engine {

std::string LeftoverFile::makeIdentifier() { return platform::randomUuid(); }

}  // namespace tidewell::engine
