#include "design/type/BundledFonts.h"

#include <QDir>
#include <QFontDatabase>

#include "design/brand/ResourceRoot.h"

namespace tidewell::design {

namespace {
QStringList fontFilesIn(const QString& folder) {
  // Debian ships Inter as OpenType (CFF) files, hence "otf" beside "ttf".
  const QDir dir(folder);
  if (!dir.exists()) return {};
  QStringList out;
  for (const QString& name : dir.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")},
                                           QDir::Files | QDir::CaseSensitive, QDir::Name)) {
    if (name.startsWith(QLatin1String("Inter"), Qt::CaseSensitive)) out << dir.filePath(name);
  }
  return out;
}
}  // namespace

QStringList bundledFontFiles(const QString& root) {
  if (root.isEmpty()) return {};
  return fontFilesIn(root + QStringLiteral("/Fonts")) + fontFilesIn(root);
}

QStringList registerBundledFonts(const QString& root) {
  const QStringList files = bundledFontFiles(root);
  for (const QString& file : files) QFontDatabase::addApplicationFont(file);
  return files;
}

QStringList registerBundledFonts() { return registerBundledFonts(resourceRoot()); }

}  // namespace tidewell::design
