#include "engine/apps/LeftoverFile.h"

#include "base/Uuid.h"

namespace tidewell::engine {

std::string LeftoverFile::makeIdentifier() { return base::randomUuid(); }

}  // namespace tidewell::engine
