#include "app/root/Sidebar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/root/FullDiskAccessCard.h"
#include "app/root/IconTextRow.h"
#include "design/accessibility/AccessibleTraits.h"
#include "design/brand/BrandLogo.h"
#include "design/components/SidebarRow.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/PaintKey.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/Color.h"
#include "design/type/InterFont.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::app {

using namespace design::literals;
namespace Color = design::Color;

namespace {

constexpr double kLogoHeight = 24;
// The logo's own padding inside the column's.
constexpr int kLogoPadX = 12, kLogoPadTop = 2, kLogoPadBottom = 20;
constexpr int kAboutPadX = 12, kAboutPadTop = 10;
// Plain buttons dim while pressed.
constexpr double kPressedOpacity = 0.6;

}  // namespace

Sidebar::Sidebar(const std::vector<Section>& sections, Section active, bool fullDiskAccess, QWidget* parent)
    : QWidget(parent), active_(active) {
  setObjectName(QStringLiteral("sidebar"));
  setFixedWidth(kSidebarWidth);
  design::ShadowLayer::makeHost(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 46, 12, 14);
  layout->setSpacing(3);

  auto* logo = new SidebarLogoButton(this);
  connect(logo, &QAbstractButton::clicked, this, &Sidebar::aboutRequested);
  layout->addWidget(logo);

  // The rows are one tab list, so a reader hears where a row stands among
  // them ("4 of 7") and which one is selected. Laid out as if the column
  // held them itself.
  auto* tabs = new QWidget(this);
  tabs->setObjectName(QStringLiteral("sidebarSections"));
  tabs->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  design::AccessibleTraits& traits = design::accessibleTraits(tabs);
  traits.role = QAccessible::PageTabList;
  traits.name = [] { return QStringLiteral("Sections"); };
  auto* tabColumn = new QVBoxLayout(tabs);
  tabColumn->setContentsMargins(0, 0, 0, 0);
  tabColumn->setSpacing(layout->spacing());
  layout->addWidget(tabs);
  for (const Section section : sections) {
    auto* row =
        new design::SidebarRow(sectionSymbol(section), sectionTitle(section), sectionPalette(section), tabs);
    row->setObjectName(QStringLiteral("sidebarRow:") + sectionTitle(section));
    row->setActive(section == active_);
    connect(row, &QAbstractButton::clicked, this, [this, section] { Q_EMIT sectionSelected(section); });
    // Up and Down move through the sections.
    row->installEventFilter(this);
    tabColumn->addWidget(row);
    rows_.emplace_back(section, row);
  }
  layout->addStretch(1);

  accessCard_ = new FullDiskAccessCard(fullDiskAccess, this);
  connect(accessCard_, &FullDiskAccessCard::enableAccessClicked, this, &Sidebar::enableAccessRequested);
  layout->addWidget(accessCard_);

  auto* about = new SidebarAboutRow(this);
  connect(about, &QAbstractButton::clicked, this, &Sidebar::aboutRequested);
  layout->addWidget(about);
}

void Sidebar::setActive(Section section) {
  active_ = section;
  for (const auto& [rowSection, row] : rows_) row->setActive(rowSection == section);
}

design::SidebarRow* Sidebar::row(Section section) const {
  for (const auto& [rowSection, row] : rows_) {
    if (rowSection == section) return row;
  }
  return nullptr;
}

QStringList Sidebar::rowTitles() const {
  QStringList titles;
  for (const auto& [section, row] : rows_) titles << row->text();
  return titles;
}

bool Sidebar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Up && key != Qt::Key_Down) return QWidget::eventFilter(watched, event);
  const auto at = std::find_if(rows_.begin(), rows_.end(),
                               [watched](const auto& entry) { return entry.second == watched; });
  if (at == rows_.end()) return QWidget::eventFilter(watched, event);
  const auto next =
      key == Qt::Key_Up ? (at == rows_.begin() ? at : at - 1) : (at + 1 == rows_.end() ? at : at + 1);
  if (next != at) {
    // Selected before it takes the focus, so a reader hears it as the
    // selected tab.
    Q_EMIT sectionSelected(next->first);
    next->second->setFocus(Qt::TabFocusReason);
  }
  return true;
}

void Sidebar::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(0, 0, 0, int(std::lround(0.3 * 255))));
  painter.fillRect(QRect(width() - 1, 0, 1, height()), Color::white(0.05));
  design::ShadowLayer::paintCasters(this, painter, event->region());
}

SidebarLogoButton::SidebarLogoButton(QWidget* parent)
    : QAbstractButton(parent), artwork_(design::brandImage(design::BrandAsset::Wordmark)) {
  setObjectName(QStringLiteral("sidebarLogo"));
  setToolTip(QStringLiteral("About Tidewell Mac"));
  setAccessibleName(QStringLiteral("Tidewell Mac"));
  setCursor(Qt::PointingHandCursor);
  design::KeyboardFocus::makeFocusable(this, {6, {}});
}

QSize SidebarLogoButton::sizeHint() const {
  const double width = design::brandLogoWidth(artwork_, kLogoHeight) + 2 * kLogoPadX;
  return {int(std::ceil(width)), kLogoPadTop + int(kLogoHeight) + kLogoPadBottom};
}

void SidebarLogoButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  paintCache_.paint(painter, size(), design::PaintKey().add(isDown()), [this](QPainter& p) {
    if (isDown()) p.setOpacity(kPressedOpacity);
    const double width = design::brandLogoWidth(artwork_, kLogoHeight);
    design::paintBrandLogo(p, QRectF(kLogoPadX, kLogoPadTop, width, kLogoHeight), artwork_, kLogoHeight);
  });
}

SidebarAboutRow::SidebarAboutRow(QWidget* parent) : QAbstractButton(parent) {
  setObjectName(QStringLiteral("sidebarAbout"));
  setText(QStringLiteral("About Tidewell Mac"));
  setCursor(Qt::PointingHandCursor);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kAboutPadX, kAboutPadTop, kAboutPadX, 0);
  QWidget* line =
      iconTextRow("info.circle"_symbol, 11, Color::tertiaryText(), text(),
                  screens::textLook(11.5, design::FontWeight::Regular, Color::tertiaryText()), 7, this);
  // The row, not its parts, takes the clicks, and is read by its text.
  line->setAttribute(Qt::WA_TransparentForMouseEvents);
  design::setHiddenFromAccessibility(line);
  design::KeyboardFocus::makeFocusable(this, {6, {}});
  for (QWidget* part : line->findChildren<QWidget*>()) part->setAttribute(Qt::WA_TransparentForMouseEvents);
  layout->addWidget(line);
  // Plain buttons dim while pressed.
  auto* symbol = line->findChild<screens::SymbolView*>();
  auto* label = line->findChild<screens::TextLabel*>();
  const auto tint = [symbol, label](double opacity) {
    const QColor colour = Color::withOpacity(Color::tertiaryText(), Color::tertiaryText().alphaF() * opacity);
    symbol->setColour(colour);
    label->setColour(colour);
  };
  connect(this, &QAbstractButton::pressed, this, [tint] { tint(kPressedOpacity); });
  connect(this, &QAbstractButton::released, this, [tint] { tint(1.0); });
}

QSize SidebarAboutRow::sizeHint() const { return layout()->sizeHint(); }

void SidebarAboutRow::paintEvent(QPaintEvent*) {}

}  // namespace tidewell::app
