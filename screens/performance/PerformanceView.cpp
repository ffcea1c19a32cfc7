#include "screens/performance/PerformanceView.h"

#include <QVBoxLayout>

#include "design/components/ScreenHeader.h"
#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/ScanIntro.h"
#include "screens/common/views/ScanningPulse.h"
#include "screens/performance/PerformanceListPage.h"

namespace tidewell::screens {

using namespace design::literals;
using Model = models::PerformanceViewModel;

namespace {

QWidget* scanningPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(20);
  column->addWidget(named(new design::ScreenHeader(QStringLiteral("Performance"),
                                                   QStringLiteral("Reading memory and startup items")),
                          "header"));
  column->addStretch(1);
  column->addWidget(
      new ScanningPulse("speedometer"_symbol, QStringLiteral("Checking what's running…"),
                        textStyle(17, design::FontWeight::Bold, Qt::white, design::FontDesign::Rounded), 14));
  column->addStretch(1);
  return page;
}

}  // namespace

PerformanceView::PerformanceView(std::shared_ptr<Model> model, ScreenServices services,
                                 QString loginItemsFolder, QWidget* parent)
    : PageHost(parent),
      model_(std::move(model)),
      services_(std::move(services)),
      loginItemsFolder_(std::move(loginItemsFolder)) {
  setObjectName(QStringLiteral("performanceView"));
  connect(model_.get(), &Model::phaseChanged, this, &PerformanceView::showPhase);
  showPhase();
}

void PerformanceView::showPhase() {
  const Model::Phase phase = model_->phase();
  setPageFor(int(phase), [&]() -> QWidget* {
    switch (phase) {
      case Model::Phase::idle: {
        auto* intro =
            named(new ScanIntro({"speedometer"_symbol, QStringLiteral("Check Performance"),
                                 QStringLiteral("See what's using memory and what starts at login.")}),
                  "performanceIntro");
        connect(intro, &ScanIntro::scanClicked, this, modelCall(model_, [](Model& m) { m.scan(); }));
        return intro;
      }
      case Model::Phase::scanning:
        return named(scanningPage(), "performanceScanning");
      case Model::Phase::list:
        return new PerformanceListPage(model_, services_, loginItemsFolder_);
    }
    return nullptr;
  });
}

}  // namespace tidewell::screens
