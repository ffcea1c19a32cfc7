#include "screens/common/ThemeFollowsVolume.h"

#include "design/theme/ThemeEngine.h"
#include "models/VolumeModel.h"

namespace tidewell::screens {

void themeFollowsVolume(design::ThemeEngine& theme, models::VolumeModel& volume) {
  // Until the first reading the theme keeps its healthy start, even though
  // the fraction reads 0 then.
  if (volume.hasReading()) theme.setFreeFraction(volume.freeFraction());
  QObject::connect(&volume, &models::VolumeModel::measured, &theme,
                   [&theme, &volume] { theme.setFreeFraction(volume.freeFraction()); });
}

}  // namespace tidewell::screens
