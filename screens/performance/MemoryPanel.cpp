#include "screens/performance/MemoryPanel.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "design/components/GlowCard.h"
#include "design/components/GradientBar.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/RowStack.h"
#include "screens/common/views/TextLabel.h"
#include "screens/performance/AppMemoryRow.h"
#include "screens/performance/PerformanceRules.h"

namespace tidewell::screens {

using design::FontDesign;
using design::FontWeight;
using design::Color::secondaryText;

namespace {

// The card's first line aligned on the texts' baselines: the smaller text,
// aligned at the bottom, is lifted by the difference of the descents.
int baselineLift(const TextLook& large, const TextLook& small) {
  return int(std::lround(QFontMetricsF(large.font).descent() - QFontMetricsF(small.font).descent()));
}

}  // namespace

MemoryPanel::MemoryPanel(std::shared_ptr<AppIconProvider> icons, QWidget* parent)
    : QWidget(parent), icons_(std::move(icons)), shown_(memoryPercentReading(0, 0)) {
  setObjectName(QStringLiteral("memoryPanel"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(14);

  auto* card =
      named(new design::GlowCard({20, 18, std::nullopt, /*featured=*/true, /*vivid=*/false}), "memoryGauge");
  auto* inside = new QWidget;
  auto* stack = new QVBoxLayout(inside);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->setSpacing(10);

  const TextLook percentLook =
      textLook(18, FontWeight::Bold, Qt::white, FontDesign::Rounded).withMonospacedDigits();
  const TextLook usedLook = textLook(12, FontWeight::Regular, secondaryText()).withMonospacedDigits();
  percent_ = named(new TextLabel({}, percentLook), "memoryPercent");
  usedOfTotal_ = named(new TextLabel({}, usedLook), "memoryUsedOfTotal");
  auto* figures = new QHBoxLayout;
  figures->setContentsMargins(0, 0, 0, 0);
  figures->addWidget(percent_, 0, Qt::AlignBottom);
  figures->addStretch(1);
  auto* lifted = new QVBoxLayout;
  lifted->setContentsMargins(0, 0, 0, baselineLift(percentLook, usedLook));
  lifted->addWidget(usedOfTotal_);
  figures->addLayout(lifted);
  figures->setAlignment(lifted, Qt::AlignBottom);
  stack->addLayout(figures);

  gauge_ = named(new design::GradientBar(0, 8), "memoryBar");
  // The bar reads as the percentage over it, named by the panel it sums
  // up and described by the figures beside it.
  design::AccessibleTraits& traits = design::accessibleTraits(gauge_);
  traits.name = [] { return performancePanelTitle(PerformancePanel::memory); };
  traits.description = [this] { return usedOfTotal_->text(); };
  design::setAccessibleReading(gauge_, [this] { return shown_; });
  stack->addWidget(gauge_);
  stack->addWidget(
      named(new TextLabel(QStringLiteral("The honest way to free memory is to quit apps you're done "
                                         "with. macOS handles the rest."),
                          textLook(11.5, FontWeight::Regular, secondaryText()).lines(0)),
            "memoryFootnote"));
  card->setContent(inside);
  column->addWidget(card);

  auto* caption = named(new TextLabel(QStringLiteral("Using the most memory"),
                                      textLook(12, FontWeight::Semibold, secondaryText())),
                        "memoryCaption");
  auto* captionBox = new QHBoxLayout;
  captionBox->setContentsMargins(4, 0, 0, 0);
  captionBox->addWidget(caption);
  column->addLayout(captionBox);

  stack_ = named(new RowStack(8), "memoryRows");
  column->addWidget(stack_);
}

void MemoryPanel::setValues(const MemoryPanelValues& values) {
  shown_ = memoryPercentReading(values.memoryUsed, values.memoryTotal);
  percent_->setText(shown_.text);
  usedOfTotal_->setText(memoryUsedOfTotal(values.memoryUsed, values.memoryTotal));
  gauge_->setFraction(values.memoryFraction);
  design::accessibleValueChanged(gauge_);

  const int64_t maxBytes = memoryBarMaximum(values.apps);
  const QList<AppMemoryRow*> rows = rows_.sync(
      values.apps, [](const engine::RunningApp& app) { return app.id; },
      [&](const engine::RunningApp& app) {
        auto* row = new AppMemoryRow(app, maxBytes, isQuitting(values.busyPID, app.id), icons_);
        connect(row, &AppMemoryRow::quitRequested, this, [this, row] {
          // A copy of the row's latest values: the request may remove the row.
          const engine::RunningApp shown = row->app();
          Q_EMIT quitRequested(shown);
        });
        return row;
      },
      [&](AppMemoryRow* row, const engine::RunningApp& app) {
        row->update(app, maxBytes, isQuitting(values.busyPID, app.id));
      });
  stack_->setRows(rows);
}

QList<AppMemoryRow*> MemoryPanel::rows() const { return stack_->rows<AppMemoryRow>(); }

}  // namespace tidewell::screens
