#pragma once
// Whether the application may read other applications' protected data
// (Full Disk Access), kept current as the user comes back from the
// system's settings, and the two actions that help grant it: opening those
// settings and showing the application itself in the file manager.
//
// GUI thread only. The window's root view owns it. The answer is probed
// when the model is made and again each time the activation source fires,
// published even when it did not change.

#include <QString>
#include <functional>
#include <memory>

#include "models/FeatureModel.h"
#include "models/permissions/ActivationSource.h"
#include "platform/qt/FullDiskAccess.h"

namespace tidewell::models {

class PermissionsModel : public FeatureModel {
  Q_OBJECT

 public:
  // Shows a file selected in the desktop's file manager. Models link QtCore
  // only, so the window hands in its screens' revealer (the file manager's
  // D-Bus ShowItems, else the file's folder opened).
  using RevealFile = std::function<void(const QString& path)>;

  // applicationPath is what "reveal" shows: this program's executable.
  // reveal may be empty (then "reveal" does nothing); activation may be
  // null (then only the first probe runs), and the model stops listening
  // when either of them goes.
  PermissionsModel(std::shared_ptr<const platform::FullDiskAccess> access, RevealFile reveal,
                   QString applicationPath, ActivationSource* activation, QObject* parent = nullptr);

  bool hasFullDiskAccess() const { return hasFullDiskAccess_; }

  void openFullDiskAccessSettings() const;
  void revealAppInFinder() const;

 Q_SIGNALS:
  void hasFullDiskAccessChanged();

 private:
  void probe();

  std::shared_ptr<const platform::FullDiskAccess> access_;
  RevealFile reveal_;
  QString applicationPath_;
  bool hasFullDiskAccess_ = false;
};

}  // namespace tidewell::models
