#pragma once
// What the Clean and Dev Mode models share: the measured items with the
// user's selection, the scan and clean progress, the outcome of the last
// cleaning, and the two long steps behind them (measuring rows through the
// four-wide window, cleaning chosen items one after another). Each model
// adds its own phase, its target set and what it records at the end.
//
// GUI thread only. Every published field has a getter, a signal of its own
// and changed() after it; a selection write publishes items (a write that
// finds no item publishes nothing). Items are matched by their row id; where
// two share one, the first counts.

#include <qcoro/qcorotask.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/clean/CleanupItem.h"
#include "engine/clean/CleanupTarget.h"
#include "models/FeatureModel.h"
#include "models/ModelServices.h"
#include "models/clean/CleanupEngine.h"

namespace tidewell::models {

class CleanupItemsModel : public FeatureModel {
  Q_OBJECT

 public:
  // At most this many rows are measured at once, whatever the core count.
  static constexpr std::size_t measureWidth = 4;

  // ---- Published fields ----
  // Measured items, largest first after a scan.
  const std::vector<engine::CleanupItem>& items() const { return items_; }
  // Fraction of the rows measured, 0 to 1.
  double scanProgress() const { return scanProgress_; }
  // Fraction of the selected items cleaned, 0 to 1.
  double cleanProgress() const { return cleanProgress_; }
  // Bytes freed by the last cleaning.
  int64_t freedBytes() const { return freedBytes_; }
  // Titles of the items of the last cleaning that failed, in cleaning order.
  const std::vector<std::string>& failedTitles() const { return failedTitles_; }

  // ---- Derived values, from items ----
  // The selected items, in items order.
  std::vector<engine::CleanupItem> selectedItems() const;
  int64_t totalBytes() const;
  int64_t selectedBytes() const;

  // ---- Selection ----
  // The first item with this row id; an unknown id reads false and ignores
  // writes.
  bool isSelected(std::string_view id) const;
  void setSelected(std::string_view id, bool selected);
  void selectAll(bool selected);
  // Safe items selected, caution items deselected.
  void selectSafeOnly();

 Q_SIGNALS:
  void itemsChanged();
  void scanProgressChanged();
  void cleanProgressChanged();
  void freedBytesChanged();
  void failedTitlesChanged();

 protected:
  using Filter = std::function<bool(const engine::CleanupItem&)>;
  using Targets = std::shared_ptr<const std::vector<engine::CleanupTarget>>;
  // Runs on a worker: the catalog and the artefact rows in, the rows to
  // measure out.
  using Assemble = std::function<std::vector<engine::CleanupTarget>(
      std::vector<engine::CleanupTarget> catalog, std::vector<engine::CleanupTarget> artifacts)>;
  // The index of the row whose measuring starts next.
  using Started = std::function<void(std::size_t next)>;

  CleanupItemsModel(ModelServices services, std::shared_ptr<const CleanupEngine> engine);

  // Reads the catalog and walks the home for artefacts, off the GUI thread.
  QCoro::Task<Targets> listTargets(Assemble assemble);
  // Measures the rows, never more than measureWidth at once. After each
  // finished row (found or not) scanProgress becomes finished / denominator,
  // then onStarted names the row that starts in its place, if any. The
  // found items, largest first; equal sizes keep the order in which their
  // measurements finished. items itself is left to the caller.
  QCoro::Task<std::vector<engine::CleanupItem>> measure(Targets targets, double denominator,
                                                        Started onStarted);
  // Cleans the items in order, each only after the one before has finished,
  // publishing cleanProgress after each and logging each failure with its
  // reason under section (a name of static storage, such as "clean"); then
  // publishes freedBytes and failedTitles. Returns the bytes freed.
  QCoro::Task<int64_t> cleanInOrder(std::vector<engine::CleanupItem> chosen, const char* section);

  // The selection and sums over the items that pass a filter.
  void setSelectedWhere(bool selected, const Filter& filter);
  void selectSafeOnlyWhere(const Filter& filter);
  std::size_t selectedCountWhere(const Filter& filter) const;
  int64_t bytesWhere(const Filter& filter) const;

  ModelServices services_;
  std::shared_ptr<const CleanupEngine> engine_;

  std::vector<engine::CleanupItem> items_;
  double scanProgress_ = 0;
  double cleanProgress_ = 0;
  int64_t freedBytes_ = 0;
  std::vector<std::string> failedTitles_;

 private:
  void publishSelection(bool wrote);
};

}  // namespace tidewell::models
