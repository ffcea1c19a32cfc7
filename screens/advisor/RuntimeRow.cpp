#include "screens/advisor/RuntimeRow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "design/type/FileNameText.h"
#include "screens/advisor/AdvisorActionControlView.h"
#include "screens/advisor/AdvisorLook.h"
#include "screens/common/Formatting.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontDesign;
using design::FontWeight;
using design::Color::secondaryText;
using design::Color::tertiaryText;

RuntimeRow::RuntimeRow(engine::AdvisorService::SimRuntime runtime, AdvisorActionControl control, Now now,
                       QWidget* parent)
    : Surface(SurfaceLook{}, parent), runtime_(std::move(runtime)) {
  setObjectName(QStringLiteral("runtimeRow"));
  setKey(this, QString::fromStdString(runtime_.id));
  // As high as its lines at its width: a fixed height would be the one of
  // its unwrapped size hint.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(12, 12, 12, 12);
  column->setSpacing(5);

  auto* top = new QHBoxLayout;
  top->setSpacing(10);
  name_ = named(new TextLabel({}, textLook(13, FontWeight::Semibold)), "runtimeName");
  build_ = named(new TextLabel({}, textLook(11, FontWeight::Regular, tertiaryText())), "runtimeBuild");
  size_ = named(
      new TextLabel(
          {}, textLook(13, FontWeight::Bold, secondaryText(), FontDesign::Rounded).withMonospacedDigits()),
      "runtimeSize");
  control_ = named(new AdvisorActionControlView(QStringLiteral("Delete…"),
                                                advisorPillLook(design::Color::destructiveRed(), Qt::white)),
                   "runtimeDelete");
  connect(control_, &AdvisorActionControlView::runRequested, this, &RuntimeRow::deleteRequested);
  top->addWidget(name_, 0, Qt::AlignVCenter);
  top->addWidget(build_, 0, Qt::AlignVCenter);
  top->addStretch(1);
  top->addWidget(size_, 0, Qt::AlignVCenter);
  top->addWidget(control_, 0, Qt::AlignVCenter);
  column->addLayout(top);

  auto* detail = new QHBoxLayout;
  detail->setSpacing(6);
  // In a narrow card the usage wraps onto further lines (the row grows) and
  // the last use stays whole beside it: neither is cut.
  const TextLook detailLook = textLook(11, FontWeight::Regular, secondaryText()).elided(Qt::ElideNone);
  usage_ = named(new TextLabel({}, detailLook.lines(0)), "runtimeUsage");
  separator_ = named(new TextLabel(QStringLiteral("·"), detailLook), "runtimeSeparator");
  lastUsed_ = named(new TextLabel({}, detailLook), "runtimeLastUsed");
  detail->addWidget(usage_, 0, Qt::AlignVCenter);
  detail->addWidget(separator_, 0, Qt::AlignVCenter);
  detail->addWidget(lastUsed_, 0, Qt::AlignVCenter);
  detail->addStretch(1);
  column->addLayout(detail);

  control_->setState(control);
  showValues(now);
}

void RuntimeRow::update(engine::AdvisorService::SimRuntime runtime, AdvisorActionControl control, Now now) {
  runtime_ = std::move(runtime);
  control_->setState(control);
  showValues(now);
}

void RuntimeRow::showValues(Now now) {
  name_->setText(design::fileNameText(runtime_.name));
  build_->setText(QString::fromStdString(runtime_.build));
  size_->setText(bytesText(runtime_.sizeBytes));
  usage_->setText(runtimeUsageText(runtime_));
  const std::optional<QString> lastUsed = runtimeLastUsedText(runtime_, now);
  separator_->setVisible(lastUsed.has_value());
  lastUsed_->setVisible(lastUsed.has_value());
  lastUsed_->setText(lastUsed.value_or(QString()));
}

}  // namespace tidewell::screens
