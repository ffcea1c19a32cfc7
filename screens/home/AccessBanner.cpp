#include "screens/home/AccessBanner.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/components/GhostPillButton.h"
#include "design/components/PillButton.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontWeight;
using namespace design::literals;

AccessBanner::AccessBanner(QWidget* parent) : GlowCard({20, 18, std::nullopt, false, false}, parent) {
  setObjectName(QStringLiteral("accessBanner"));
  const QColor orange = design::Color::systemOrange();
  auto* content = new QWidget;
  auto* row = new QHBoxLayout(content);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(14);
  row->addWidget(new SymbolView("lock.shield.fill"_symbol, 24, FontWeight::Regular, orange), 0,
                 Qt::AlignVCenter);
  auto* texts = new QVBoxLayout;
  texts->setSpacing(3);
  auto* title =
      named(new TextLabel(QStringLiteral("Turn on Full Disk Access"), textLook(13.5, FontWeight::Semibold)),
            "accessTitle");
  auto* message =
      named(new TextLabel(QStringLiteral("macOS hides some junk until you allow access. Flip it on in "
                                         "Settings and Tidewell Mac picks it up automatically."),
                          textLook(12, FontWeight::Regular, design::Color::secondaryText()).lines(0)),
            "accessMessage");
  texts->addWidget(title);
  texts->addWidget(message);
  // A banner: read by its title, its sentence as the detail.
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::Grouping;
  traits.name = [title] { return title->text(); };
  traits.description = [message] { return message->text(); };
  row->addLayout(texts, 1);
  row->addSpacing(12);
  auto* open = named(new design::PillButton({QStringLiteral("Open Settings"), std::nullopt},
                                            {orange, Qt::black, 12.5, 18, 9}),
                     "openSettingsButton");
  auto* reveal =
      named(new design::GhostPillButton({QStringLiteral("Reveal App"), std::nullopt}), "revealAppButton");
  row->addWidget(open, 0, Qt::AlignVCenter);
  row->addWidget(reveal, 0, Qt::AlignVCenter);
  setContent(content);
  connect(open, &QAbstractButton::clicked, this, &AccessBanner::openSettingsClicked);
  connect(reveal, &QAbstractButton::clicked, this, &AccessBanner::revealAppClicked);
}

}  // namespace tidewell::screens
