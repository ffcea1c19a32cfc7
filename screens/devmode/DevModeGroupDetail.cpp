#include "screens/devmode/DevModeGroupDetail.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "screens/common/Formatting.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/controls/SmallPillButton.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/devmode/AIModelRow.h"
#include "screens/devmode/DevItemRow.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;
namespace Color = design::Color;

namespace {

const QString kModelsNote = QStringLiteral(
    "These mix re-downloadable weights with models you trained and images you made, so Tidewell Mac never "
    "deletes them. Reveal to manage yourself.");

SmallPillButton* groupButton(const QString& title, const char* name) {
  return named(new SmallPillButton(title), name);
}

}  // namespace

DevModeGroupDetail::DevModeGroupDetail(PickOf pickOf, QWidget* parent)
    : QWidget(parent), pickOf_(std::move(pickOf)) {
  setObjectName(QStringLiteral("groupDetail"));
  symbol_ = named(new SymbolView("folder.fill"_symbol, 13, FontWeight::Semibold), "detailSymbol");
  label_ = named(new TextLabel({}, textLook(14, FontWeight::Semibold)), "detailLabel");
  size_ = named(
      new TextLabel({}, textLook(11.5, FontWeight::Regular, Color::tertiaryText()).withMonospacedDigits()),
      "detailSize");

  buttons_ = new QWidget;
  auto* buttonRow = new QHBoxLayout(buttons_);
  buttonRow->setContentsMargins(0, 0, 0, 0);
  buttonRow->setSpacing(8);
  auto* smart = groupButton(QStringLiteral("Smart"), "smartButton");
  auto* all = groupButton(QStringLiteral("All"), "groupAllButton");
  auto* none = groupButton(QStringLiteral("None"), "groupNoneButton");
  connect(smart, &QAbstractButton::clicked, this, &DevModeGroupDetail::smartClicked);
  connect(all, &QAbstractButton::clicked, this, &DevModeGroupDetail::allClicked);
  connect(none, &QAbstractButton::clicked, this, &DevModeGroupDetail::noneClicked);
  buttonRow->addWidget(smart);
  buttonRow->addWidget(all);
  buttonRow->addWidget(none);

  auto* header = new QHBoxLayout;
  header->setContentsMargins(22, 18, 22, 12);
  header->setSpacing(8);
  header->addWidget(symbol_, 0, Qt::AlignVCenter);
  header->addWidget(label_, 0, Qt::AlignVCenter);
  header->addWidget(size_, 0, Qt::AlignVCenter);
  header->addStretch(1);
  header->addSpacing(8);
  header->addWidget(buttons_, 0, Qt::AlignVCenter);

  note_ =
      named(new TextLabel(kModelsNote, textLook(11.5, FontWeight::Regular, Color::secondaryText()).lines(0)),
            "modelsNote");
  noteBox_ = new QWidget;
  auto* noteLayout = new QVBoxLayout(noteBox_);
  noteLayout->setContentsMargins(22, 0, 22, 6);
  noteLayout->addWidget(note_);

  scroll_ = named(new ScrollColumn, "detailScroll");
  rows_ = OrderedRows(scroll_->column());
  scroll_->column()->setContentsMargins(22, 0, 22, 16);
  scroll_->column()->setSpacing(8);
  scroll_->column()->addStretch(1);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addLayout(header);
  column->addWidget(noteBox_);
  column->addWidget(scroll_, 1);
}

void DevModeGroupDetail::setGroup(const RailGroup& group, int64_t groupBytes,
                                  const std::vector<engine::AIModelStore>& stores) {
  // Another group starts at its top.
  if (group.id != groupId_) scroll_->verticalScrollBar()->setValue(0);
  groupId_ = group.id;
  symbol_->setSymbol(group.symbol);
  label_->setText(QString::fromStdString(group.label));
  size_->setText(bytesText(groupBytes));
  buttons_->setVisible(!group.isModels);
  noteBox_->setVisible(group.isModels);

  QList<QWidget*> rows;
  if (group.isModels) {
    itemRows_.clear();
    for (AIModelRow* row : storeRows_.sync(
             stores, [](const auto&store) { return store.id; },
             [this](const auto&store) {
               auto* row = new AIModelRow(store);
               connect(row, &AIModelRow::revealRequested, this, [this, row] {
                 // A copy of the row's latest store: the request may remove the row.
                 const engine::AIModelStore shown = row->store();
                 Q_EMIT revealRequested(shown);
               });
               return row;
             },
             [](AIModelRow*row, const auto&store) { row->setStore(store); }))
      rows.append(row);
  } else {
    storeRows_.clear();
    for (DevItemRow* row : itemRows_.sync(
             group.items, [](const auto&item) { return item.target.id; },
             [&](const auto&item) { return new DevItemRow(item, pickOf_(item)); },
             [&](DevItemRow*row, const auto&item) { row->setItem(item, pickOf_(item)); }))
      rows.append(row);
  }
  rows_.place(rows);
}

}  // namespace tidewell::screens
