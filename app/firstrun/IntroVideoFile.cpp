#include "app/firstrun/IntroVideoFile.h"

#include <QDir>
#include <QFileInfo>

#include "design/brand/ResourceRoot.h"

namespace tidewell::app {

QString introVideoFile(const QString& resourceRoot) {
  if (resourceRoot.isEmpty()) return {};
  const QDir root(resourceRoot);
  for (const char* name : {"onboarding.mp4", "onboarding.mov"}) {
    const QString file = root.filePath(QLatin1String(name));
    if (QFileInfo(file).isFile()) return file;
  }
  return {};
}

QString introVideoFile() { return introVideoFile(design::resourceRoot()); }

}  // namespace tidewell::app
