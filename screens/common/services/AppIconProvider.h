#pragma once
// Where the icons of applications (and of any file) come from: a seam
// between the icon views and the desktop. icon() answers at once from what
// it already holds; for a path it does not hold yet it answers a null
// image and starts one fetch (at most one per path at a time), whose end
// it announces with iconReady(path); icon() then has it. A fetched icon is
// never empty. GUI thread only.

#include <QImage>
#include <QObject>
#include <QString>

namespace tidewell::screens {

class AppIconProvider : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  // The side, in pixels, of the square icons handed out.
  static constexpr int kIconPixels = 128;

  // path: absolute (an application bundle, a desktop entry file, a folder
  // or a file), as the engine gave it (decoded for display).
  virtual QImage icon(const QString& path) = 0;

 Q_SIGNALS:
  void iconReady(const QString& path);
};

}  // namespace tidewell::screens
