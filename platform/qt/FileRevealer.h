#pragma once
// Shows a file or folder to the user in the file manager, selected: the
// "Reveal" of big items, model stores and login items. A seam: screens get
// one through ScreenServices, tests a recording fake. GUI thread only;
// returns at once, and a failure is not reported (the file manager has the
// last word).

#include <QString>

namespace tidewell::platform {

class FileRevealer {
 public:
  virtual ~FileRevealer() = default;
  // path: absolute, as the engine gave it (decoded for display).
  virtual void reveal(const QString& path) = 0;
};

}  // namespace tidewell::platform
