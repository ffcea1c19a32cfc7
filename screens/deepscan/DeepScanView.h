#pragma once
// The Deep Scan section: finds the big files and folders, installers and
// container disks under the home folder (through its model), sorts them
// into risk buckets and lets the user reveal each one or move it to the
// Trash, asking first for app data and personal files. The page follows
// the model's phase: the start page, the scanning page, the list.
//
// The window owns the model and hands it in; the screen keeps only its own
// view state (the bucket last picked, the item waiting for an answer),
// which starts afresh with each new screen. Reveal and copy go through the
// window's desktop seams. GUI thread only.

#include <QPointer>
#include <memory>
#include <optional>

#include "engine/deepscan/BigItem.h"
#include "models/deepscan/DeepScanViewModel.h"
#include "screens/common/layout/PageHost.h"
#include "screens/common/services/ScreenServices.h"
#include "screens/deepscan/BigItemCard.h"
#include "screens/deepscan/RiskBucket.h"

namespace tidewell::screens {

class TrashQuestion;

// The pages of the Deep Scan section.
enum class DeepScanPage { start, scanning, list };

// The page a phase shows.
DeepScanPage deepScanPageOf(models::DeepScanViewModel::Phase phase);

class DeepScanView : public PageHost {
  Q_OBJECT
 public:
  DeepScanView(std::shared_ptr<models::DeepScanViewModel> model, ScreenServices services,
               DelayedCall copyDelay = timerDelayedCall(), QWidget* parent = nullptr);

  // The card's trash action: app data and personal items wait for the
  // answer to "Move to Trash?"; every other kind goes to the model at once.
  void requestTrash(const engine::BigItem& item);
  // Shows the item in the file manager.
  void reveal(const engine::BigItem& item);
  // The risk row's action.
  void pickBucket(RiskBucket bucket);
  // Starts a scan, as "Deep Scan" and "Rescan" do.
  void startScan();
  // page(): the page of the current phase, "deepScanStart",
  // "deepScanScanning" or "deepScanList".

  const std::optional<RiskBucket>& viewingBucket() const { return viewingBucket_; }
  const std::optional<engine::BigItem>& pendingTrash() const { return pendingTrash_; }
  // The open question, or nullptr.
  TrashQuestion* trashQuestion() const;

 private:
  void showPhase();
  QWidget* makePage(DeepScanPage page);
  void refreshList();
  void askToTrash(const engine::BigItem& item);

  std::shared_ptr<models::DeepScanViewModel> model_;
  ScreenServices services_;
  DelayedCall copyDelay_;
  std::optional<RiskBucket> viewingBucket_;
  std::optional<engine::BigItem> pendingTrash_;
  QPointer<TrashQuestion> question_;
};

}  // namespace tidewell::screens
