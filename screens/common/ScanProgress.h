#pragma once
// How a scanning page follows its model's scan, one way for every section:
// the page is made with the progress the scan has reached and has
// setProgress(fraction); the screen that makes it calls
// followScanProgress, so the page is told of every change of the model's
// scanProgress() while it lives (it is the connection's context object).
// GUI thread only.

#include <QObject>
#include <memory>

namespace tidewell::screens {

template <typename Page, typename Model>
Page* followScanProgress(Page* page, const std::shared_ptr<Model>& model) {
  // The sender is alive whenever its signal runs the functor.
  QObject::connect(model.get(), &Model::scanProgressChanged, page,
                   [page, sender = model.get()] { page->setProgress(sender->scanProgress()); });
  return page;
}

}  // namespace tidewell::screens
