#include "screens/devmode/DevModeResultsPage.h"

#include <QVBoxLayout>

#include "design/components/PillButton.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/WidthCap.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/devmode/DevModeLook.h"
#include "screens/devmode/DevModeRules.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;

DevModeResultsPage::DevModeResultsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("resultsView"));
  auto* seal = named(new SymbolView("checkmark.seal.fill"_symbol, 48), "resultSeal");
  title_ = named(new TextLabel({}, textLook(22, FontWeight::Bold, Qt::white, design::FontDesign::Rounded)),
                 "resultTitle");
  // The Clean result's failure text: 11.5, secondary, at most 440 wide.
  leftBehind_ =
      named(new TextLabel(
                {}, textLook(11.5, FontWeight::Regular, design::Color::secondaryText()).lines(0).centred()),
            "leftBehind");
  leftBehindBox_ = new WidthCap(leftBehind_, 440, Qt::AlignHCenter);
  done_ = named(new design::PillButton({QStringLiteral("Done"), std::nullopt}, DevModeLook::pillLook()),
                "doneButton");
  connect(done_, &QAbstractButton::clicked, this, &DevModeResultsPage::doneClicked);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(14);
  column->addStretch(1);
  column->addWidget(seal, 0, Qt::AlignHCenter);
  column->addWidget(title_, 0, Qt::AlignHCenter);
  column->addWidget(leftBehindBox_);
  column->addWidget(done_, 0, Qt::AlignHCenter);
  column->addStretch(1);
}

void DevModeResultsPage::setOutcome(bool cleaning, int64_t freedBytes,
                                    const std::vector<std::string>& failedTitles) {
  title_->setText(DevModeRules::resultTitle(cleaning, freedBytes));
  const QString left = cleaning ? QString() : DevModeRules::leftBehind(failedTitles);
  leftBehind_->setText(left);
  leftBehindBox_->setVisible(!left.isEmpty());
  done_->setVisible(!cleaning);
}

}  // namespace tidewell::screens
