#pragma once
// The Dev Mode section's model: measures the catalog's developer rows, three
// app-cache rows developers produce, four AI model caches and the project
// build artefacts, four at a time, then lists the large model folders of
// local AI tools (shown, never cleaned). The user picks items by group (a
// set of row ids) and cleans them in place; the freed bytes are added to
// "totalFreedBytes" ("lastCleanupAt" belongs to the Clean model).
//
// The window's root view owns the one instance (std::make_shared). GUI
// thread only. Every published field has a getter, a signal of its own and
// changed() after it.
//
// Phases: idle -> scanning -> review -> cleaning -> done -> (reset) idle.
// scan() is refused while scanning or cleaning, clean() unless in review,
// reset() while scanning or cleaning; a refused call changes nothing and its
// task is finished at once.

#include <qcoro/qcorotask.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/clean/AIModelStore.h"
#include "engine/clean/CleanupItem.h"
#include "engine/clean/CleanupTarget.h"
#include "models/ModelServices.h"
#include "models/clean/CleanupEngine.h"
#include "models/clean/CleanupItemsModel.h"

namespace tidewell::models {

// Published fields besides those of CleanupItemsModel (items, scanProgress,
// cleanProgress, freedBytes, failedTitles): phase and models. There is no
// current target and no free space here.
class DevModeViewModel final : public CleanupItemsModel {
  Q_OBJECT

 public:
  enum class Phase { idle, scanning, review, cleaning, done };
  Q_ENUM(Phase)

  using Ids = std::set<std::string>;

  // App-cache rows of the catalog that the scan takes besides the developer rows.
  static constexpr std::array<std::string_view, 3> extraTargetIDs = {"editor-app-caches", "claude-app-caches",
                                                                     "claude-vm-bundles"};
  // Four AI model caches outside the catalog: AI caches, caution, no sweep.
  static const std::vector<engine::CleanupTarget>& aiCacheTargets();

  // Whether the home of ctx has developer or AI tools (DevToolsDetector).
  // The application asks once, so that installing a tool while it runs does
  // not change the sidebar.
  static bool hasDevTools(const platform::EngineContext& ctx);

  // What a scan measures, in order: the catalog's developer rows and extra
  // rows (catalog order), the AI cache rows, then the artefact rows.
  static std::vector<engine::CleanupTarget> targets(std::vector<engine::CleanupTarget> catalog,
                                                    std::vector<engine::CleanupTarget> artifacts);

  DevModeViewModel(ModelServices services, std::shared_ptr<const CleanupEngine> engine);

  // ---- Published fields ----
  Phase phase() const { return phase_; }
  // Large AI model folders found, largest first; never cleaned.
  const std::vector<engine::AIModelStore>& models() const { return models_; }

  // ---- Operations ----
  // Measures the targets, then finds the AI model folders; returns when finished.
  QCoro::Task<> scan();
  // Cleans the selected items, then adds the freed bytes to
  // "totalFreedBytes"; refused with nothing selected.
  QCoro::Task<> clean();
  // Idle, then progress and freed bytes zeroed and failures cleared; items
  // and models stay, so the screen can show the last results again.
  void reset();

  // ---- Derived values ----
  // totalBytes() counts items only; this is the model folders' sum.
  int64_t modelBytes() const;
  // How many of the items whose row id is in ids are selected (a group's picks).
  std::size_t selectedCount(const Ids& ids) const;

  // ---- Selection by a set of row ids (a group); other items unchanged ----
  using CleanupItemsModel::selectSafeOnly;
  using CleanupItemsModel::setSelected;
  void setSelected(bool selected, const Ids& ids);
  void selectSafeOnly(const Ids& ids);

 Q_SIGNALS:
  void phaseChanged();
  void modelsChanged();

 private:
  bool busy() const { return phase_ == Phase::scanning || phase_ == Phase::cleaning; }

  Phase phase_ = Phase::idle;
  std::vector<engine::AIModelStore> models_;
};

}  // namespace tidewell::models
