// The interface's meta-object lives with it.
#include "screens/common/services/AppIconProvider.h"
