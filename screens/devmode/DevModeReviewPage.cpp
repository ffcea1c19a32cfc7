#include "screens/devmode/DevModeReviewPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/components/PillButton.h"
#include "design/theme/Color.h"
#include "models/devmode/DevModeViewModel.h"
#include "screens/common/BoolBinding.h"
#include "screens/common/CleanUpLabel.h"
#include "screens/common/Formatting.h"
#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/FooterBar.h"
#include "screens/common/layout/HairlineRule.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/views/TextLabel.h"
#include "screens/devmode/DevModeGroupDetail.h"
#include "screens/devmode/DevModeRailRow.h"
#include "screens/devmode/DevModeRules.h"
#include "screens/devmode/DevModeStyle.h"
#include "screens/devmode/NeverTouchesCard.h"

namespace tidewell::screens {

using design::FontDesign;
using design::FontWeight;
using models::DevModeViewModel;
using Model = DevModeViewModel;
namespace Color = design::Color;

namespace {

constexpr int kRailWidth = 264;
constexpr double kCleanUpDimmed = 0.45;

design::GhostPillButton* ghost(const QString& title, const char* name, QWidget* owner,
                               std::function<void()> action) {
  auto* button = named(new design::GhostPillButton({title, std::nullopt}), name);
  QObject::connect(button, &QAbstractButton::clicked, owner, std::move(action));
  return button;
}

// The pick of one item, matched by its row id; a binding that outlives the
// model reads false and writes nothing.
BoolBinding bindingFor(const std::shared_ptr<Model>& model, const engine::CleanupItem& item) {
  const std::string id = item.target.id;
  return {modelRead<bool>(model, false, [id](Model& m) { return m.isSelected(id); }),
          modelCall<bool>(model, [id](Model& m, bool on) { m.setSelected(id, on); })};
}

}  // namespace

DevModeReviewPage::DevModeReviewPage(std::shared_ptr<DevModeViewModel> model, ScreenServices services,
                                     QWidget* parent)
    : QWidget(parent), model_(std::move(model)), services_(std::move(services)) {
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

  detail_ =
      new DevModeGroupDetail([this](const engine::CleanupItem& item) { return bindingFor(model_, item); });
  // "Smart", "All" and "None" pick within the group shown when pressed.
  connect(detail_, &DevModeGroupDetail::smartClicked, this,
          modelCall(model_, [this](Model& m) { m.selectSafeOnly(viewedIDs()); }));
  connect(detail_, &DevModeGroupDetail::allClicked, this,
          modelCall(model_, [this](Model& m) { m.setSelected(true, viewedIDs()); }));
  connect(detail_, &DevModeGroupDetail::noneClicked, this,
          modelCall(model_, [this](Model& m) { m.setSelected(false, viewedIDs()); }));
  connect(detail_, &DevModeGroupDetail::revealRequested, this, [this](const engine::AIModelStore& store) {
    services_.revealer->reveal(QString::fromStdString(store.revealURL));
  });

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
                {}, textStyle(20, FontWeight::Bold, Qt::white, FontDesign::Rounded).withMonospacedDigits()),
            "reviewSummary");
  auto* promise =
      named(new TextLabel(QStringLiteral("Only what your tools rebuild on their own. Your work is "
                                         "never touched."),
                          textStyle(12, FontWeight::Regular, Color::secondaryText())),
            "reviewPromise");
  auto* texts = new QVBoxLayout;
  texts->setContentsMargins(0, 0, 0, 0);
  texts->setSpacing(3);
  texts->addWidget(summary_);
  texts->addWidget(promise);

  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->setSpacing(8);
  buttons->addWidget(ghost(QStringLiteral("Safe only"), "safeOnlyButton", this,
                           modelCall(model_, [](Model& m) { m.selectSafeOnly(); })));
  buttons->addWidget(ghost(QStringLiteral("All"), "allButton", this,
                           modelCall(model_, [](Model& m) { m.selectAll(true); })));
  buttons->addWidget(ghost(QStringLiteral("None"), "noneButton", this,
                           modelCall(model_, [](Model& m) { m.selectAll(false); })));
  buttons->addWidget(
      ghost(QStringLiteral("Rescan"), "rescanButton", this, modelCall(model_, [](Model& m) { m.scan(); })));

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
                {}, textStyle(17, FontWeight::Bold, Qt::white, FontDesign::Rounded).withMonospacedDigits()),
            "pickedBytes");
  pickedCount_ =
      named(new TextLabel({}, textStyle(11, FontWeight::Regular, Color::secondaryText())), "pickedCount");
  auto* texts = new QVBoxLayout;
  texts->setContentsMargins(0, 0, 0, 0);
  texts->setSpacing(1);
  texts->addWidget(pickedBytes_);
  texts->addWidget(pickedCount_);

  cleanUp_ = named(new design::PillButton(cleanUpLabel(), DevModeStyle::pillStyle()), "cleanUpButton");
  connect(cleanUp_, &QAbstractButton::clicked, this, modelCall(model_, [](Model& m) { m.clean(); }));

  auto* footer = named(new FooterBar, "footer");
  footer->row()->addLayout(texts);
  footer->row()->addStretch(1);
  footer->row()->addWidget(cleanUp_, 0, Qt::AlignVCenter);
  return footer;
}

std::set<std::string> DevModeReviewPage::viewedIDs() const {
  const auto rail = DevModeRail::railGroups(model_->items(), model_->models());
  const auto viewed = DevModeRail::viewedGroup(rail, viewing_);
  return viewed ? DevModeRail::itemIDs(rail[*viewed]) : std::set<std::string>{};
}

void DevModeReviewPage::refresh(const std::optional<std::string>& viewing) {
  viewing_ = viewing;
  summary_->setText(DevModeRules::reviewSummary(model_->totalBytes()));

  const auto rail = DevModeRail::railGroups(model_->items(), model_->models());
  const auto viewed = DevModeRail::viewedGroup(rail, viewing_);
  const int64_t modelBytes = model_->modelBytes();
  const std::size_t storeCount = model_->models().size();
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
    connect(row, &DevModeRailRow::pickRequested, this, modelCall(model_, [id](Model& m) {
              // The group as it stands when its box is tapped.
              for (const auto& now : DevModeRail::railGroups(m.items(), m.models()))
                if (now.id == id) m.setSelected(DevModeRail::boxPicks(now), DevModeRail::itemIDs(now));
            }));
    return row;
  };
  const QList<DevModeRailRow*> rows = railRows_.sync(
      rail, [](const RailGroup& group) { return group.id; }, make,
      [&](DevModeRailRow* row, const RailGroup& group) { row->setValues(valuesOf(group)); });
  railRowsShown_.place(rows);

  detail_->setVisible(viewed.has_value());
  if (viewed)
    detail_->setGroup(rail[*viewed], DevModeRail::bytes(rail[*viewed], modelBytes), model_->models());

  const std::size_t picked = model_->selectedItems().size();
  pickedBytes_->setText(bytesText(model_->selectedBytes()));
  pickedCount_->setText(DevModeRules::pickedCaption(picked));
  cleanUp_->setEnabled(picked > 0);
  cleanUp_->setOpacity(picked > 0 ? 1 : kCleanUpDimmed);
}

}  // namespace tidewell::screens
