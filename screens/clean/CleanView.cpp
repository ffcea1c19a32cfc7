#include "screens/clean/CleanView.h"

#include "models/SettingsStore.h"
#include "models/VolumeModel.h"
#include "screens/clean/CleanedPage.h"
#include "screens/clean/ReviewPage.h"
#include "screens/clean/ScanPage.h"
#include "screens/common/ModelCall.h"

namespace tidewell::screens {

using engine::CleanupCategory;
using Model = models::CleanupViewModel;

namespace {

ScanPageSnapshot scanSnapshot(const Model& model, const models::SettingsStore* settings) {
  return {model.phase() == Model::Phase::scanning, model.scanProgress(),
          settings ? settings->totalFreedBytes() : 0};
}

ReviewSnapshot reviewSnapshot(const Model& model, const models::VolumeModel* volume) {
  ReviewSnapshot snapshot;
  for (CleanupCategory category : model.categories())
    snapshot.categories.push_back({category, qsizetype(model.items(category).size()),
                                   qsizetype(model.selectedCount(category)), model.bytes(category)});
  snapshot.itemCount = qsizetype(model.items().size());
  snapshot.selectedCount = qsizetype(model.selectedItems().size());
  snapshot.totalBytes = model.totalBytes();
  snapshot.selectedBytes = model.selectedBytes();
  snapshot.freeBytes = volume ? volume->freeBytes() : 0;
  return snapshot;
}

CleanedSnapshot cleanedSnapshot(const Model& model) {
  return {model.phase() == Model::Phase::cleaning,
          model.cleanProgress(),
          model.freedBytes(),
          model.failedTitles(),
          model.freeSpaceBefore(),
          model.freeSpaceAfter()};
}

bool isIdle(const Model& model) { return model.phase() == Model::Phase::idle; }

}  // namespace

CleanPage cleanPageOf(Model::Phase phase) {
  switch (phase) {
    case Model::Phase::idle:
    case Model::Phase::scanning:
      return CleanPage::start;
    case Model::Phase::review:
      return CleanPage::review;
    case Model::Phase::cleaning:
    case Model::Phase::done:
      break;
  }
  return CleanPage::result;
}

ScanPage* makeScanPage(const std::shared_ptr<Model>& model,
                       const std::shared_ptr<models::SettingsStore>& settings) {
  auto* page = new ScanPage(scanSnapshot(*model, settings.get()));
  const auto refresh = [page, model, settings] { page->setSnapshot(scanSnapshot(*model, settings.get())); };
  QObject::connect(model.get(), &Model::changed, page, refresh);
  if (settings)
    QObject::connect(settings.get(), &models::SettingsStore::valueChanged, page,
                     [refresh](const QString& key) {
                       if (key == QLatin1String(models::SettingsStore::totalFreedBytesKey)) refresh();
                     });
  QObject::connect(page, &ScanPage::scanClicked, page, modelCall(model, [](Model& m) { m.scan(); }));
  return page;
}

ReviewPage* makeReviewPage(const std::shared_ptr<Model>& model,
                           const std::shared_ptr<models::VolumeModel>& volume) {
  // A chip reads its item's pick from the model, and writes it as every
  // button does.
  auto pickOf = [model](const engine::CleanupItem& item) -> BoolBinding {
    const std::string id = item.id();
    return {modelRead<bool>(model, false, [id](Model& m) { return m.isSelected(id); }),
            modelCall<bool>(model, [id](Model& m, bool on) { m.setSelected(id, on); })};
  };
  auto* page = new ReviewPage(reviewSnapshot(*model, volume.get()), model->items(), pickOf);
  const auto refresh = [page, model, volume] {
    page->setValues(reviewSnapshot(*model, volume.get()), model->items());
  };
  QObject::connect(model.get(), &Model::changed, page, refresh);
  if (volume) QObject::connect(volume.get(), &models::VolumeModel::freeBytesChanged, page, refresh);

  QObject::connect(page, &ReviewPage::scanAgainRequested, page, modelCall(model, [](Model& m) { m.scan(); }));
  QObject::connect(page, &ReviewPage::safeOnlyRequested, page,
                   modelCall(model, [](Model& m) { m.selectSafeOnly(); }));
  QObject::connect(page, &ReviewPage::allRequested, page,
                   modelCall(model, [](Model& m) { m.selectAll(true); }));
  QObject::connect(page, &ReviewPage::noneRequested, page,
                   modelCall(model, [](Model& m) { m.selectAll(false); }));
  QObject::connect(page, &ReviewPage::categorySafeOnlyRequested, page,
                   modelCall<CleanupCategory>(
                       model, [](Model& m, CleanupCategory category) { m.selectSafeOnly(category); }));
  QObject::connect(page, &ReviewPage::categorySelectionRequested, page,
                   modelCall<CleanupCategory, bool>(model, [](Model& m, CleanupCategory category, bool on) {
                     m.setSelected(on, category);
                   }));
  QObject::connect(page, &ReviewPage::backRequested, page, modelCall(model, [](Model& m) { m.reset(); }));
  QObject::connect(page, &ReviewPage::cleanRequested, page, modelCall(model, [](Model& m) { m.clean(); }));
  return page;
}

CleanedPage* makeCleanedPage(const std::shared_ptr<Model>& model) {
  auto* page = new CleanedPage(cleanedSnapshot(*model), isIdle(*model));
  QObject::connect(model.get(), &Model::changed, page,
                   [page, model] { page->setOutcome(cleanedSnapshot(*model), isIdle(*model)); });
  QObject::connect(page, &CleanedPage::doneClicked, page, modelCall(model, [](Model& m) { m.reset(); }));
  return page;
}

CleanView::CleanView(std::shared_ptr<Model> model, std::shared_ptr<models::SettingsStore> settings,
                     std::shared_ptr<models::VolumeModel> volume, QWidget* parent)
    : PageHost(parent), model_(std::move(model)), settings_(std::move(settings)), volume_(std::move(volume)) {
  setObjectName(QStringLiteral("cleanView"));
  connect(model_.get(), &Model::phaseChanged, this, &CleanView::showPhase);
  showPhase();
}

void CleanView::showPhase() {
  const CleanPage page = cleanPageOf(model_->phase());
  setPageFor(int(page), [&]() -> QWidget* {
    switch (page) {
      case CleanPage::start:
        return makeScanPage(model_, settings_);
      case CleanPage::review:
        return makeReviewPage(model_, volume_);
      case CleanPage::result:
        break;
    }
    return makeCleanedPage(model_);
  });
}

}  // namespace tidewell::screens
