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
#include <memory>

#include "models/FeatureModel.h"
#include "models/permissions/ActivationSource.h"
#include "models/permissions/FileRevealer.h"
#include "models/permissions/FullDiskAccess.h"

namespace tidewell::models {

class PermissionsModel : public FeatureModel {
  Q_OBJECT

 public:
  // applicationPath is what "reveal" shows: this program's executable.
  // activation may be null (then only the first probe runs); the model
  // stops listening when either of them goes.
  PermissionsModel(std::shared_ptr<const FullDiskAccess> access, std::shared_ptr<const FileRevealer> revealer,
                   QString applicationPath, ActivationSource* activation, QObject* parent = nullptr);

  bool hasFullDiskAccess() const { return hasFullDiskAccess_; }

  void openFullDiskAccessSettings() const;
  void revealAppInFinder() const;

 signals:
  void hasFullDiskAccessChanged();

 private:
  void probe();

  std::shared_ptr<const FullDiskAccess> access_;
  std::shared_ptr<const FileRevealer> revealer_;
  QString applicationPath_;
  bool hasFullDiskAccess_ = false;
};

}  // namespace tidewell::models
