#include "app/popover/MenuBarView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "app/AppBridge.h"
#include "app/popover/HealthLine.h"
#include "app/popover/QuickCard.h"
#include "app/popover/VolumeCard.h"
#include "design/brand/BrandLogo.h"
#include "design/components/PillButton.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "design/type/InterFont.h"
#include "models/SettingsStore.h"
#include "screens/common/controls/PlainTextButton.h"

namespace tidewell::app {

namespace {

using design::SectionPalette;
using namespace design::literals;

constexpr int kWidth = 300;
constexpr int kPadding = 16;
constexpr int kSpacing = 16;

struct QuickCardRow {
  QString title;
  design::SymbolName symbol;
  const SectionPalette& (*accent)();
};
const std::vector<QuickCardRow>& quickCardRows() {
  static const std::vector<QuickCardRow> rows{
      {QStringLiteral("Clean"), "sparkles"_symbol, &SectionPalette::clean},
      {QStringLiteral("Apps"), "square.grid.2x2.fill"_symbol, &SectionPalette::apps},
      {QStringLiteral("Deep Scan"), "scope"_symbol, &SectionPalette::deepScan},
      {QStringLiteral("Advisor"), "wand.and.stars"_symbol, &SectionPalette::advisor},
  };
  return rows;
}

}  // namespace

MenuBarView::MenuBarView(AppBridge& bridge, Sources sources, std::function<void()> close,
                         VolumeFigures initial, QWidget* parent)
    : QWidget(parent),
      bridge_(&bridge),
      sources_(std::move(sources)),
      close_(std::move(close)),
      figures_(initial),
      health_(new HealthLine),
      volume_(new VolumeCard) {
  setObjectName(QStringLiteral("menuBarView"));
  setFixedWidth(kWidth);
  design::SectionAccent::set(this, SectionPalette::clean());
  design::ShadowLayer::makeHost(this);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
  column->setSpacing(kSpacing);
  column->setSizeConstraint(QLayout::SetFixedSize);

  auto* top = new QHBoxLayout;
  top->setSpacing(9);
  top->addWidget(new design::BrandLogo(design::BrandAsset::Wordmark, 20));
  top->addStretch(1);
  health_->setObjectName(QStringLiteral("healthLine"));
  top->addWidget(health_);
  column->addLayout(top);

  volume_->setObjectName(QStringLiteral("volumeCard"));
  volume_->setFixedWidth(kWidth - 2 * kPadding);
  column->addWidget(volume_);

  auto* scan = new design::PillButton({QStringLiteral("Scan My Mac"), "sparkles"_symbol},
                                      {std::nullopt, design::Color::pillText(), 13.5, 18, 11});
  scan->setObjectName(QStringLiteral("scanButton"));
  scan->setFixedWidth(kWidth - 2 * kPadding);
  connect(scan, &QAbstractButton::clicked, this, [this] {
    AppBridge* bridge = bridge_;
    closeThen([bridge] { bridge->runScan(); });
  });
  column->addWidget(scan);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(8);
  int index = 0;
  for (const QuickCardRow& row : quickCardRows()) {
    const QString title = row.title;
    auto* card = new QuickCard(title, row.symbol, row.accent());
    connect(card, &QAbstractButton::clicked, this, [this, title] {
      AppBridge* bridge = bridge_;
      closeThen([bridge, title] { bridge->openSection(title); });
    });
    grid->addWidget(card, index / 2, index % 2);
    ++index;
  }
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  column->addLayout(grid);

  auto* open = new screens::PlainTextButton(QStringLiteral("Open full app"),
                                            design::inter(11.5, design::FontWeight::Medium),
                                            design::Color::secondaryText());
  open->setObjectName(QStringLiteral("openFullApp"));
  open->setFixedWidth(kWidth - 2 * kPadding);
  connect(open, &QAbstractButton::clicked, this, [this] {
    AppBridge* bridge = bridge_;
    closeThen([bridge] {
      if (bridge->openWindow) bridge->openWindow();
      if (bridge->activate) bridge->activate();
    });
  });
  column->addWidget(open);

  if (sources_.settings) {
    connect(sources_.settings.get(), &models::SettingsStore::valueChanged, this, [this](const QString& key) {
      if (key == QLatin1String(models::SettingsStore::totalFreedBytesKey)) updateFigures();
    });
  }
  updateFigures();
}

int64_t MenuBarView::totalFreedBytes() const {
  return sources_.settings ? sources_.settings->totalFreedBytes() : 0;
}

void MenuBarView::refreshVolume() {
  if (!sources_.readVolume) return;
  const auto reading = sources_.readVolume();
  if (!reading || reading->totalBytes < 1) return;
  figures_ = {reading->freeBytes, reading->totalBytes};
  updateFigures();
}

void MenuBarView::updateFigures() {
  health_->setPalette(popoverPalette(figures_));
  volume_->setLook({figures_, totalFreedBytes(), SectionPalette::clean()});
}

void MenuBarView::closeThen(std::function<void()> request) {
  if (closing_) return;
  closing_ = true;
  // Both run from the event loop, in the order queued; the bridge outlives
  // every view, so the request still runs when the host deleted the view.
  std::function<void()> close = close_;
  QMetaObject::invokeMethod(
      bridge_,
      [close] {
        if (close) close();
      },
      Qt::QueuedConnection);
  QMetaObject::invokeMethod(bridge_, std::move(request), Qt::QueuedConnection);
}

void MenuBarView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refreshVolume();
}

void MenuBarView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), design::Color::appBackground());
  design::ShadowLayer::paintCasters(this, painter, event->region());
}

}  // namespace tidewell::app
