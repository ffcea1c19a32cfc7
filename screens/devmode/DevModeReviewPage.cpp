#include "screens/devmode/DevModeReviewPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/components/PillButton.h"
#include "design/theme/Color.h"
#include "screens/common/CleanUpLabel.h"
#include "screens/common/Formatting.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/FooterBar.h"
#include "screens/common/layout/HairlineRule.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/views/TextLabel.h"
#include "screens/devmode/DevModeGroupDetail.h"
#include "screens/devmode/DevModeLook.h"
#include "screens/devmode/DevModeRailRow.h"
#include "screens/devmode/DevModeRules.h"
#include "screens/devmode/NeverTouchesCard.h"

namespace tidewell::screens {

using design::FontDesign;
using design::FontWeight;
namespace Color = design::Color;

namespace {

constexpr int kRailWidth = 264;
constexpr double kCleanUpDimmed = 0.45;

template <typename Signal>
design::GhostPillButton* ghost(const QString& title, const char* name, DevModeReviewPage* page,
                               Signal signal) {
  auto* button = named(new design::GhostPillButton({title, std::nullopt}), name);
  QObject::connect(button, &QAbstractButton::clicked, page, signal);
  return button;
}

}  // namespace

DevModeReviewPage::DevModeReviewPage(DevModeGroupDetail::PickOf pickOf, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("reviewView"));

  rail_ = named(new ScrollColumn, "rail");
  rail_->setFixedWidth(kRailWidth);
  rail_->column()->setContentsMargins(14, 14, 14, 14);
  rail_->column()->setSpacing(6);
  railRowsShown_ = OrderedRows(rail_->column());
  auto* cardBox = new QWidget;
  auto* cardLayout = new QVBoxLayout(cardBox);
  cardLayout->setContentsMargins(0, 8, 0, 0);
  cardLayout->addWidget(new NeverTouchesCard);
  rail_->column()->addWidget(cardBox);
  rail_->column()->addStretch(1);

  detail_ = new DevModeGroupDetail(std::move(pickOf));
  // "Smart", "All" and "None" pick within the group shown when pressed.
  connect(detail_, &DevModeGroupDetail::smartClicked, this, &DevModeReviewPage::groupSafeOnlyClicked);
  connect(detail_, &DevModeGroupDetail::allClicked, this, &DevModeReviewPage::groupAllClicked);
  connect(detail_, &DevModeGroupDetail::noneClicked, this, &DevModeReviewPage::groupNoneClicked);
  connect(detail_, &DevModeGroupDetail::revealRequested, this, &DevModeReviewPage::revealRequested);
  auto* body = new QHBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  body->addWidget(rail_);
  body->addWidget(new HairlineRule(Qt::Vertical));
  // The pane keeps its place when no group is there to show.
  auto* detailPane = new QWidget;
  auto* paneLayout = new QVBoxLayout(detailPane);
  paneLayout->setContentsMargins(0, 0, 0, 0);
  paneLayout->addWidget(detail_);
  body->addWidget(detailPane, 1);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(buildHeader());
  column->addLayout(body, 1);
  column->addWidget(buildFooter());
}

QWidget* DevModeReviewPage::buildHeader() {
  summary_ =
      named(new TextLabel(
                {}, textLook(20, FontWeight::Bold, Qt::white, FontDesign::Rounded).withMonospacedDigits()),
            "reviewSummary");
  auto* promise =
      named(new TextLabel(QStringLiteral("Only what your tools rebuild on their own. Your work is "
                                         "never touched."),
                          textLook(12, FontWeight::Regular, Color::secondaryText())),
            "reviewPromise");
  auto* texts = new QVBoxLayout;
  texts->setContentsMargins(0, 0, 0, 0);
  texts->setSpacing(3);
  texts->addWidget(summary_);
  texts->addWidget(promise);

  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->setSpacing(8);
  buttons->addWidget(
      ghost(QStringLiteral("Safe only"), "safeOnlyButton", this, &DevModeReviewPage::safeOnlyClicked));
  buttons->addWidget(ghost(QStringLiteral("All"), "allButton", this, &DevModeReviewPage::allClicked));
  buttons->addWidget(ghost(QStringLiteral("None"), "noneButton", this, &DevModeReviewPage::noneClicked));
  buttons->addWidget(
      ghost(QStringLiteral("Rescan"), "rescanButton", this, &DevModeReviewPage::rescanClicked));

  auto* header = new QWidget;
  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(28, 24, 28, 14);
  row->addLayout(texts, 1);
  row->addSpacing(12);
  row->addLayout(buttons);
  return header;
}

QWidget* DevModeReviewPage::buildFooter() {
  pickedBytes_ =
      named(new TextLabel(
                {}, textLook(17, FontWeight::Bold, Qt::white, FontDesign::Rounded).withMonospacedDigits()),
            "pickedBytes");
  pickedCount_ =
      named(new TextLabel({}, textLook(11, FontWeight::Regular, Color::secondaryText())), "pickedCount");
  auto* texts = new QVBoxLayout;
  texts->setContentsMargins(0, 0, 0, 0);
  texts->setSpacing(1);
  texts->addWidget(pickedBytes_);
  texts->addWidget(pickedCount_);

  cleanUp_ = named(new design::PillButton(cleanUpLabel(), DevModeLook::pillLook()), "cleanUpButton");
  connect(cleanUp_, &QAbstractButton::clicked, this, &DevModeReviewPage::cleanClicked);

  auto* footer = named(new FooterBar, "footer");
  footer->row()->addLayout(texts);
  footer->row()->addStretch(1);
  footer->row()->addWidget(cleanUp_, 0, Qt::AlignVCenter);
  return footer;
}

void DevModeReviewPage::setValues(const DevModeReviewValues& values) {
  summary_->setText(DevModeRules::reviewSummary(values.totalBytes));

  const auto rail = DevModeRail::railGroups(values.items, values.stores);
  const auto viewed = DevModeRail::viewedGroup(rail, values.viewing);
  const int64_t modelBytes = values.modelBytes;
  const std::size_t storeCount = values.stores.size();
  const auto valuesOf = [&](const RailGroup& group) {
    return RailRowValues{QString::fromStdString(group.id),
                         QString::fromStdString(group.label),
                         group.symbol,
                         DevModeRules::groupCaption(DevModeRail::count(group, storeCount),
                                                    DevModeRail::bytes(group, modelBytes)),
                         group.isModels,
                         DevModeRail::mark(group),
                         viewed && rail[*viewed].id == group.id};
  };
  const auto make = [&](const RailGroup& group) {
    const std::string id = group.id;
    auto* row = new DevModeRailRow(valuesOf(group));
    // The row is kept per group: its id never changes.
    connect(row, &DevModeRailRow::viewRequested, this, [this, id] { Q_EMIT viewRequested(id); });
    connect(row, &DevModeRailRow::pickRequested, this, [this, id] { Q_EMIT groupBoxClicked(id); });
    return row;
  };
  const QList<DevModeRailRow*> rows = railRows_.sync(
      rail, [](const RailGroup& group) { return group.id; }, make,
      [&](DevModeRailRow* row, const RailGroup& group) { row->setValues(valuesOf(group)); });
  railRowsShown_.place(rows);

  detail_->setVisible(viewed.has_value());
  if (viewed) detail_->setGroup(rail[*viewed], DevModeRail::bytes(rail[*viewed], modelBytes), values.stores);

  const std::size_t picked = values.pickedCount;
  pickedBytes_->setText(bytesText(values.pickedBytes));
  pickedCount_->setText(DevModeRules::pickedCaption(picked));
  cleanUp_->setEnabled(picked > 0);
  cleanUp_->setOpacity(picked > 0 ? 1 : kCleanUpDimmed);
}

}  // namespace tidewell::screens
