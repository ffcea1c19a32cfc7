// Gives FeatureModel.h a unit of its own, so its meta-object code (the
// changed() signal) is generated and linked once.
#include "models/FeatureModel.h"
