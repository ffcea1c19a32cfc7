#pragma once
// Shows a file selected in the desktop's file manager. Models link QtCore
// only, so the screens provide the implementation (on Linux the file
// manager's D-Bus ShowItems call, else opening the file's folder). GUI
// thread only; a reveal that fails shows nothing and reports nothing.

#include <QString>

namespace tidewell::models {

class FileRevealer {
 public:
  virtual ~FileRevealer() = default;
  virtual void reveal(const QString& path) const = 0;
};

}  // namespace tidewell::models
