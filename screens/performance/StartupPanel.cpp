#include "screens/performance/StartupPanel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/RowStack.h"
#include "screens/common/views/TextLabel.h"
#include "screens/performance/LoginItemRow.h"

namespace tidewell::screens {

using design::FontWeight;
using design::Color::secondaryText;

StartupPanel::StartupPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("startupPanel"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(14);

  auto* head = new QHBoxLayout;
  head->setContentsMargins(4, 0, 4, 0);
  head->setSpacing(10);
  head->addWidget(named(new TextLabel(QStringLiteral("Starts automatically"),
                                      textLook(12, FontWeight::Semibold, secondaryText())),
                        "startupCaption"),
                  0, Qt::AlignVCenter);
  head->addStretch(1);
  auto* settings =
      named(new design::GhostPillButton({QStringLiteral("Open Login Items Settings"), std::nullopt}),
            "loginSettingsButton");
  connect(settings, &QAbstractButton::clicked, this, &StartupPanel::openSettingsClicked);
  head->addWidget(settings, 0, Qt::AlignVCenter);
  column->addLayout(head);

  auto* explanation = new QHBoxLayout;
  explanation->setContentsMargins(4, 0, 4, 0);
  explanation->addWidget(named(
      new TextLabel(QStringLiteral("These launch at login or run in the background. Fewer of them means a "
                                   "faster startup. Reveal one to see what it is, or manage it in System "
                                   "Settings."),
                    textLook(11.5, FontWeight::Regular, secondaryText()).lines(0)),
      "startupExplanation"));
  column->addLayout(explanation);

  stack_ = named(new RowStack(8), "loginRows");
  column->addWidget(stack_);
}

void StartupPanel::setItems(const std::vector<engine::LoginItem>& items) {
  const QList<LoginItemRow*> rows = rows_.sync(
      items, [](const engine::LoginItem& item) { return item.id; },
      [this](const engine::LoginItem& item) {
        auto* row = new LoginItemRow(item);
        connect(row, &LoginItemRow::revealRequested, this, [this, item] { Q_EMIT revealRequested(item); });
        return row;
      },
      [](LoginItemRow*, const engine::LoginItem&) {});
  stack_->setRows(rows);
}

QList<LoginItemRow*> StartupPanel::rows() const { return stack_->rows<LoginItemRow>(); }

}  // namespace tidewell::screens
