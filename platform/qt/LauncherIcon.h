#pragma once
// The icon of a desktop launcher file (platform::LauncherFile), the part of
// an icon fetch that may be slow and runs off the GUI thread: an absolute
// path it names is read as a picture; a name is looked up in the icon theme
// (by the caller, on the GUI thread), then in the pixmaps folders. Callable
// from any thread.

#include <QImage>
#include <QStringList>
#include <optional>

class QFileInfo;

namespace tidewell::platform {

// What a search for a file's icon found.
struct IconSearch {
  QImage image;            // a picture read from a file: use it
  QStringList themeNames;  // else these icon-theme names, best first
  QImage fallback;         // else this picture from a pixmaps folder, if any
};

// The desktop's standard pixmaps folders (LauncherFile::pixmapFolders).
QStringList standardPixmapFolders();

// The icon the launcher file `file` names, at pixels square; absent when
// `file` is no launcher file (not a file, or not named as one).
std::optional<IconSearch> searchLauncherIcon(const QFileInfo& file, int pixels,
                                             const QStringList& pixmapFolders);

}  // namespace tidewell::platform
