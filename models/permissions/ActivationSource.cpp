// Gives ActivationSource.h a unit of its own, so its meta-object code (the
// activated() signal) is generated and linked once.
#include "models/permissions/ActivationSource.h"
