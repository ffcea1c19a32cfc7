#pragma once
// The icons of the desktop: each path's icon is searched once (see
// AppIconSource) on a small pool of its own, off the GUI thread; the
// icon-theme lookup and the generic fallback follow on the GUI thread (Qt's
// theme icons live there). Fetched icons are kept in a cache of about 32
// MB, shared by every view, so a grid re-built or re-sorted does not fetch
// again. Destroying the provider waits for fetches under way. GUI thread
// only.

#include <QCache>
#include <QSet>
#include <QThreadPool>
#include <functional>

#include "screens/common/services/AppIconProvider.h"

namespace tidewell::platform {
struct IconSearch;
}

namespace tidewell::screens {

class DesktopAppIconProvider : public AppIconProvider {
  Q_OBJECT
 public:
  // The first of names the icon theme has, at about pixels square; null
  // when it has none. Runs on the GUI thread.
  using ThemeLookup = std::function<QImage(const QStringList& names, int pixels)>;

  // The desktop's icon theme and pixmaps folder.
  explicit DesktopAppIconProvider(QObject* parent = nullptr);
  DesktopAppIconProvider(ThemeLookup theme, QStringList pixmapFolders, QObject* parent = nullptr);
  ~DesktopAppIconProvider() override;

  QImage icon(const QString& path) override;

  static ThemeLookup systemTheme();

 private:
  void finish(const QString& path, const platform::IconSearch& found);

  ThemeLookup theme_;
  QStringList pixmapFolders_;
  QThreadPool pool_;
  QCache<QString, QImage> cache_;
  QSet<QString> pending_;
};

}  // namespace tidewell::screens
