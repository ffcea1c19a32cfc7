#pragma once
// Reading an icon's picture from a file, for icons found from the files
// alone. Names read from a bundle or a launcher file are untrusted: one
// that holds "/" or NUL, or is empty, "." or "..", names nothing; only
// regular files of at most kMaxIconFileBytes are read. Callable from any
// thread.

#include <QImage>
#include <QString>
#include <cstddef>

namespace tidewell::platform {

// A picture file larger than this is not read.
inline constexpr size_t kMaxIconFileBytes = 16 * 1024 * 1024;

// True when an untrusted name may name an icon file or an icon.
bool isAcceptableIconName(const QString& name);

// The picture in file, scaled to fit a pixels square (centred, transparent
// around): the sub-image closest above that size for a file holding
// several (an .icns). Null when the file is not a regular file, too large,
// or not readable as a picture.
QImage readIconImage(const QString& file, int pixels);

// image scaled to fit a pixels square, centred on transparency.
QImage squareIcon(const QImage& image, int pixels);

}  // namespace tidewell::platform
