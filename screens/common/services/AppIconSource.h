#pragma once
// Finding the picture of a file's icon from the files alone, the part of
// an icon fetch that may be slow and runs off the GUI thread:
//
// 1. An application bundle (a folder whose name ends ".app"): the icon file
//    its information list names ("CFBundleIconFile", ".icns" added when the
//    name has no extension) in its Resources folder; where Qt cannot read
//    that file, a PNG or SVG of the same name beside it.
// 2. A desktop entry file (".desktop"): its "Icon" key: an absolute path is
//    read as a picture; a name is looked up in the icon theme (by the
//    caller, on the GUI thread), then in the pixmaps folders.
// 3. Anything else: the icon-theme names of its MIME type ("folder" for a
//    folder, the disk first for "/").
// Every search ends, in the caller, with a generic application icon, so no
// icon is ever empty. Names from a bundle or an entry are untrusted: one
// that holds "/" or NUL, or is empty, "." or "..", names nothing; only
// regular files of at most kMaxIconFileBytes are read. Callable from any
// thread.

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstddef>

namespace tidewell::screens {

struct IconSearch {
  QImage image;            // a picture read from a file: use it
  QStringList themeNames;  // else these icon-theme names, best first
  QImage fallback;         // else this picture from a pixmaps folder, if any
};

// The standard pixmaps folder of the desktop ("/usr/share/pixmaps").
QStringList standardPixmapFolders();

IconSearch searchIcon(const QString& path, int pixels, const QStringList& pixmapFolders);

// The icon files a bundle names, in the order to try; empty when its
// information list is unreadable or names no (acceptable) icon file.
QStringList bundleIconFiles(const QString& bundlePath);

// A picture file larger than this is not read.
inline constexpr size_t kMaxIconFileBytes = 16 * 1024 * 1024;

// The picture in file, scaled to fit a pixels square (centred, transparent
// around): the sub-image closest above that size for a file holding
// several (an .icns). Null when the file is not a regular file, too large,
// or not readable as a picture.
QImage readIconImage(const QString& file, int pixels);

// image scaled to fit a pixels square, centred on transparency.
QImage squareIcon(const QImage& image, int pixels);

// The theme's name for a generic application.
inline constexpr const char* kGenericApplicationIconName = "application-x-executable";

// A generic application icon of our own: a rounded tile with the "app.fill"
// symbol. GUI thread only (it draws a symbol).
QImage genericAppIcon(int pixels);

}  // namespace tidewell::screens
