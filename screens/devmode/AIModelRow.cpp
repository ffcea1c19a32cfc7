#include "screens/devmode/AIModelRow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/theme/Color.h"
#include "screens/common/Formatting.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/devmode/DevModeLook.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;

AIModelRow::AIModelRow(const engine::AIModelStore& store, QWidget* parent) : Surface({}, parent) {
  setObjectName(QStringLiteral("storeRow"));
  auto* cube = new SymbolView("cube.box.fill"_symbol, 15, FontWeight::Regular, DevModeLook::modelStoreTint());
  cube->setFixedWidth(22);
  tool_ = named(new TextLabel({}, textLook(13, FontWeight::Semibold)), "storeTool");
  note_ = named(new TextLabel({}, textLook(11, FontWeight::Regular, design::Color::secondaryText()).lines(2)),
                "storeNote");
  size_ = named(new TextLabel({}, textLook(13, FontWeight::Semibold).withMonospacedDigits()), "storeSize");
  reveal_ = named(new design::GhostPillButton({QStringLiteral("Reveal"), "magnifyingglass"_symbol}),
                  "revealButton");

  auto* texts = new QVBoxLayout;
  texts->setContentsMargins(0, 0, 0, 0);
  texts->setSpacing(2);
  texts->addWidget(tool_);
  texts->addWidget(note_);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(12, 12, 12, 12);
  row->setSpacing(12);
  row->addWidget(cube, 0, Qt::AlignVCenter);
  row->addLayout(texts, 1);
  row->addSpacing(8);
  row->addWidget(size_, 0, Qt::AlignVCenter);
  row->addWidget(reveal_, 0, Qt::AlignVCenter);

  connect(reveal_, &QAbstractButton::clicked, this, &AIModelRow::revealRequested);
  setStore(store);
}

void AIModelRow::setStore(const engine::AIModelStore& store) {
  store_ = store;
  setKey(this, QString::fromStdString(store.id));
  tool_->setText(QString::fromStdString(store.tool));
  note_->setText(QString::fromStdString(store.note));
  size_->setText(bytesText(store.sizeBytes));
}

}  // namespace tidewell::screens
