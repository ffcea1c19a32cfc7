#include "screens/clean/review/ItemsPane.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "screens/clean/review/ItemChip.h"
#include "screens/clean/rules/CategoryLook.h"
#include "screens/clean/rules/ReviewRules.h"
#include "screens/common/Formatting.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/controls/SmallPillButton.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;

ItemsPane::ItemsPane(BindingFor bindingFor, QWidget* parent)
    : QWidget(parent),
      bindingFor_(std::move(bindingFor)),
      header_(new QWidget),
      symbol_(named(new SymbolView("trash.fill"_symbol, 13, FontWeight::Semibold), "paneSymbol")),
      title_(named(new TextLabel({}, textLook(14, FontWeight::Semibold)), "paneTitle")),
      bytes_(named(
          new TextLabel(
              {}, textLook(11.5, FontWeight::Regular, design::Color::tertiaryText()).withMonospacedDigits()),
          "paneBytes")),
      list_(new ScrollColumn) {
  setObjectName(QStringLiteral("itemsPane"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* head = new QHBoxLayout(header_);
  head->setContentsMargins(22, 18, 22, 12);
  head->setSpacing(8);
  head->addWidget(symbol_, 0, Qt::AlignVCenter);
  head->addWidget(title_, 0, Qt::AlignVCenter);
  head->addWidget(bytes_, 0, Qt::AlignVCenter);
  head->addStretch(1);
  auto* pills = new QHBoxLayout;
  pills->setSpacing(6);
  auto pill = [&](const char* title, const char* name, void (ItemsPane::*said)()) {
    auto* button = named(new SmallPillButton(QString::fromLatin1(title)), name);
    connect(button, &QAbstractButton::clicked, this, said);
    pills->addWidget(button);
  };
  pill("Smart", "smartPill", &ItemsPane::smartRequested);
  pill("All", "allPill", &ItemsPane::allRequested);
  pill("None", "nonePill", &ItemsPane::noneRequested);
  head->addLayout(pills);
  column->addWidget(header_);

  list_->column()->setContentsMargins(22, 0, 22, 16);
  list_->column()->setSpacing(8);
  list_->column()->addStretch(1);
  column->addWidget(list_, 1);
}

void ItemsPane::showCategory(std::optional<engine::CleanupCategory> category, int64_t bytes,
                             const std::vector<engine::CleanupItem>& items) {
  header_->setVisible(category.has_value());
  list_->setVisible(category.has_value());
  if (category) {
    symbol_->setSymbol(categorySymbol(*category));
    title_->setText(categoryTitle(*category));
    bytes_->setText(bytesText(bytes));
  }
  const std::vector<engine::CleanupItem> shown = category ? items : std::vector<engine::CleanupItem>{};
  chips_ = keyed_.sync(
      shown, [](const engine::CleanupItem& item) { return item.id(); },
      [this](const engine::CleanupItem& item) {
        auto* chip = new ItemChip(QString::fromStdString(item.id()), bindingFor_(item));
        chip->setContent(chipContent(item));
        return chip;
      },
      [this](ItemChip* chip, const engine::CleanupItem& item) {
        chip->setBinding(bindingFor_(item));
        chip->setContent(chipContent(item));
      });
  for (ItemChip* chip : chips_) list_->column()->removeWidget(chip);
  for (int i = 0; i < chips_.size(); ++i) list_->column()->insertWidget(i, chips_[i]);
}

}  // namespace tidewell::screens
