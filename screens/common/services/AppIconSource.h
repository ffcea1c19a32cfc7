#pragma once
// Finding the picture of a file's icon from the files alone, the part of
// an icon fetch that may be slow and runs off the GUI thread:
//
// 1. An application bundle (a folder whose name ends ".app"): the icon file
//    its information list names ("CFBundleIconFile", ".icns" added when the
//    name has no extension) in its Resources folder; where Qt cannot read
//    that file, a PNG or SVG of the same name beside it.
// 2. A launcher file of the desktop (on Linux a ".desktop" entry): the
//    icon it names, a picture file or an icon-theme name
//    (platform::searchLauncherIcon).
// 3. Anything else: the icon-theme names of its MIME type ("folder" for a
//    folder, the disk first for "/").
// Every search ends, in the caller, with a generic application icon, so no
// icon is ever empty. Names from a bundle are untrusted, and pictures are
// read only from small regular files (platform/qt/IconFile.h). Callable
// from any thread.

#include <QImage>
#include <QString>
#include <QStringList>

#include "platform/qt/LauncherIcon.h"

namespace tidewell::screens {

platform::IconSearch searchIcon(const QString& path, int pixels, const QStringList& pixmapFolders);

// The icon files a bundle names, in the order to try; empty when its
// information list is unreadable or names no (acceptable) icon file.
QStringList bundleIconFiles(const QString& bundlePath);

// The theme's name for a generic application.
inline constexpr const char* kGenericApplicationIconName = "application-x-executable";

// A generic application icon of our own: a rounded tile with the "app.fill"
// symbol. GUI thread only (it draws a symbol).
QImage genericAppIcon(int pixels);

}  // namespace tidewell::screens
