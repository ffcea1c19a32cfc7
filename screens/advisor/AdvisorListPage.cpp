#include "screens/advisor/AdvisorListPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/theme/Color.h"
#include "screens/advisor/AdvisorActionControlView.h"
#include "screens/advisor/AdvisorAllGoodCard.h"
#include "screens/advisor/AdvisorFindingCard.h"
#include "screens/advisor/AdvisorLook.h"
#include "screens/advisor/RuntimeList.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/AdaptiveGrid.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontDesign;
using design::FontWeight;

namespace {

BannerLook bannerLook() {
  BannerLook look;
  look.card = {16, 14, std::nullopt, false, false};
  look.message = textLook(12).lines(0);
  return look;
}

// The button row of a bulk action: the control at the trailing edge.
QWidget* actionRow(AdvisorActionControlView* control) {
  auto* row = new QWidget;
  auto* box = new QHBoxLayout(row);
  box->setContentsMargins(0, 0, 0, 0);
  box->addStretch(1);
  box->addWidget(control, 0, Qt::AlignVCenter);
  return row;
}

}  // namespace

AdvisorListPage::AdvisorListPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("advisorList"));
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  auto* scroll = named(new ScrollColumn, "advisorScroll");
  fill->addWidget(scroll);
  QVBoxLayout* column = scroll->column();
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(24);

  auto* summary = named(new QWidget, "summary");
  auto* stack = new QVBoxLayout(summary);
  stack->setContentsMargins(0, 6, 0, 0);
  stack->setSpacing(6);
  headline_ = named(
      new TextLabel(
          {},
          textLook(24, FontWeight::Bold, Qt::white, FontDesign::Rounded).withMonospacedDigits().centred()),
      "headline");
  stack->addWidget(headline_, 0, Qt::AlignHCenter);
  stack->addWidget(
      named(new TextLabel(QStringLiteral("Runs Apple's own tools as you. No admin password, nothing "
                                         "hidden."),
                          textLook(12.5, FontWeight::Regular, design::Color::secondaryText())),
            "summaryNote"),
      0, Qt::AlignHCenter);
  auto* rescan = named(new design::GhostPillButton({QStringLiteral("Rescan"), std::nullopt}), "rescanButton");
  stack->addSpacing(6);
  stack->addWidget(rescan, 0, Qt::AlignHCenter);
  column->addWidget(summary);
  // Between the summary and the findings.
  banner_ = new MessageBanner(bannerLook());
  column->addWidget(banner_);

  grid_ = named(new AdaptiveGrid({430, 14, 14, Qt::AlignTop}), "findingGrid");
  allGood_ = new AdvisorAllGoodCard;
  column->addWidget(grid_);
  column->addWidget(allGood_);
  column->addStretch(1);

  connect(rescan, &QAbstractButton::clicked, this, &AdvisorListPage::rescanClicked);
  connect(banner_, &MessageBanner::dismissed, this, &AdvisorListPage::messageDismissed);
}

void AdvisorListPage::setMessage(const std::optional<QString>& message) { banner_->setMessage(message); }

void AdvisorListPage::setFindings(const AdvisorFindingsSnapshot& snapshot,
                                  const std::optional<QString>& busyAction, base::TimePoint now) {
  snapshot_ = snapshot;
  busy_ = busyAction;
  now_ = now;
  headline_->setText(advisorHeadline(snapshot.hasFindings, snapshot.runtimeBytes));
  grid_->setVisible(snapshot.hasFindings);
  allGood_->setVisible(!snapshot.hasFindings);
  const QList<AdvisorFindingCard*> cards = cards_.sync(
      advisorCards(snapshot), [](AdvisorCard card) { return int(card); },
      [&](AdvisorCard card) { return makeCard(card); },
      [&](AdvisorFindingCard* card, AdvisorCard) { updateCard(card); });
  grid_->setCells({cards.begin(), cards.end()});
}

AdvisorFindingCard* AdvisorListPage::makeCard(AdvisorCard kind) {
  auto bulkAction = [this](const char* name, const QString& title, void (AdvisorListPage::*requested)()) {
    auto* control = named(
        new AdvisorActionControlView(title, advisorPillLook(std::nullopt, design::Color::pillText())), name);
    connect(control, &AdvisorActionControlView::runRequested, this, requested);
    return actionRow(control);
  };
  QWidget* content = nullptr;
  switch (kind) {
    case AdvisorCard::runtimes: {
      auto* list = new RuntimeList;
      connect(list, &RuntimeList::deleteRequested, this, &AdvisorListPage::deleteRequested);
      content = list;
      break;
    }
    case AdvisorCard::unavailableSimulators:
      content = bulkAction("removeAllButton", QStringLiteral("Remove All"),
                           &AdvisorListPage::removeUnavailableRequested);
      break;
    case AdvisorCard::localSnapshots:
      content = bulkAction("thinSnapshotsButton", QStringLiteral("Thin Snapshots"),
                           &AdvisorListPage::thinSnapshotsRequested);
      break;
    case AdvisorCard::dockerDisk:
      break;
  }
  auto* card = new AdvisorFindingCard(kind, advisorCardHeader(kind, snapshot_), content);
  updateCard(card);
  return card;
}

void AdvisorListPage::updateCard(AdvisorFindingCard* card) {
  const AdvisorFindingsSnapshot& snapshot = snapshot_;
  card->setHeader(advisorCardHeader(card->kind(), snapshot));
  const std::optional<QString>& busy = busy_;
  switch (card->kind()) {
    case AdvisorCard::runtimes:
      if (auto* list = qobject_cast<RuntimeList*>(card->body()))
        list->setRuntimes(snapshot.findings.runtimes, busy, now_);
      break;
    case AdvisorCard::unavailableSimulators:
      if (auto* control = card->findChild<AdvisorActionControlView*>())
        control->setState(
            advisorActionControl(busy, QString::fromLatin1(models::AdvisorViewModel::unavailableSimsAction)));
      break;
    case AdvisorCard::localSnapshots:
      if (auto* control = card->findChild<AdvisorActionControlView*>())
        control->setState(
            advisorActionControl(busy, QString::fromLatin1(models::AdvisorViewModel::snapshotsAction)));
      break;
    case AdvisorCard::dockerDisk:
      break;
  }
}

}  // namespace tidewell::screens
