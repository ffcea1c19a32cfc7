// Gives the header a source of its own, so the build's meta-object step
// finds the class and emits its signal and vtable.
#include "models/FeatureModel.h"
