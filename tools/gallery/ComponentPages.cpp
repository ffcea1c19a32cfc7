// Gallery pages of the components: pills, sidebar rows, icon chips, screen
// headers and the static gauges, each in its states. Widgets are laid out
// in a shadow host, so glows are drawn the way the application draws them.
#include <QLabel>

#include "Pages.h"
#include "Sheet.h"
#include "design/components/Donut.h"
#include "design/components/DotGauge.h"
#include "design/components/GhostPillButton.h"
#include "design/components/GradientBar.h"
#include "design/components/IconChip.h"
#include "design/components/PillButton.h"
#include "design/components/ScreenHeader.h"
#include "design/components/SidebarRow.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "design/type/InterFont.h"

namespace tidewell::gallery {

using namespace tidewell::design;
using namespace tidewell::design::literals;

namespace {

// Renders host (and its children) onto the sheet at its position.
void place(Sheet& sheet, QWidget& host, QPoint at) {
  host.render(&sheet.painter(), at, QRegion(), QWidget::DrawChildren);
}

template <typename W>
W* put(QWidget* host, W* widget, QPoint at, QSize size = {}) {
  widget->setParent(host);
  widget->move(at);
  widget->resize(size.isEmpty() ? widget->sizeHint() : size);
  widget->show();
  return widget;
}

}  // namespace

bool pillsPage(const QString& out) {
  Sheet sheet(QStringLiteral("Pill buttons: untinted (glow in the section accent), tinted, pressed, ghost"),
              900, 420);
  ShadowHost host;
  host.resize(900, 380);
  const PillButtonLook untinted{std::nullopt, Color::rgb(0.03, 0.07, 0.05), 14, 22, 11};
  const PillButtonLook red{Color::destructiveRed(), Qt::white, 13, 18, 9};
  const SectionPalette* sections[] = {&SectionPalette::clean(), &SectionPalette::apps(),
                                      &SectionPalette::advisor()};
  const char* names[] = {"clean", "apps", "advisor"};
  for (int s = 0; s < 3; ++s) {
    auto* section = put(&host, new QWidget, QPoint(0, 30 + s * 80), QSize(900, 80));
    SectionAccent::set(section, *sections[s]);
    sheet.caption(16, 96 + s * 80, QString::fromLatin1(names[s]));
    put(section, new PillButton({"Scan My Mac", std::nullopt}, untinted), QPoint(90, 14));
    auto* pressed = put(section, new PillButton({"Scan My Mac", std::nullopt}, untinted), QPoint(260, 14));
    pressed->setDown(true);
    put(section, new PillButton({"Clean Up", "sparkles"_symbol}, untinted), QPoint(430, 14));
    put(section, new PillButton({"Uninstall", "trash.fill"_symbol}, red), QPoint(590, 16));
    auto* redPressed = put(section, new PillButton({"Uninstall", "trash.fill"_symbol}, red), QPoint(740, 16));
    redPressed->setDown(true);
  }
  sheet.caption(90, 56, QStringLiteral("normal"));
  sheet.caption(260, 56, QStringLiteral("pressed (97 %, 85 %)"));
  sheet.caption(430, 56, QStringLiteral("title and icon"));
  sheet.caption(590, 56, QStringLiteral("tinted red"));
  sheet.caption(740, 56, QStringLiteral("tinted, pressed"));
  auto* ghostRow = put(&host, new QWidget, QPoint(0, 280), QSize(900, 80));
  sheet.caption(16, 338, QStringLiteral("ghost"));
  put(ghostRow, new GhostPillButton({"Rescan", std::nullopt}), QPoint(90, 16));
  auto* ghostDown = put(ghostRow, new GhostPillButton({"Rescan", std::nullopt}), QPoint(200, 16));
  ghostDown->setDown(true);
  put(ghostRow, new GhostPillButton({"Reveal in Finder", "magnifyingglass"_symbol}), QPoint(310, 16));
  place(sheet, host, QPoint(0, 40));
  return sheet.save(out, QStringLiteral("pills"));
}

bool sidebarPage(const QString& out) {
  Sheet sheet(QStringLiteral("Sidebar rows: active in each palette, inactive, hovered, long label"), 760,
              430);
  ShadowHost host;
  host.resize(760, 400);
  struct Row {
    const char* symbol;
    const char* label;
    const SectionPalette* palette;
  };
  const Row rows[] = {
      {"house.fill", "Home", &SectionPalette::clean()},
      {"sparkles", "Clean", &SectionPalette::clean()},
      {"hammer.fill", "Dev Mode", &SectionPalette::devMode()},
      {"square.grid.2x2.fill", "Apps", &SectionPalette::apps()},
      {"speedometer", "Performance", &SectionPalette::performance()},
      {"scope", "Deep Scan", &SectionPalette::deepScan()},
      {"wand.and.stars", "Advisor", &SectionPalette::advisor()},
  };
  auto* sidebar = put(&host, new QWidget, QPoint(16, 10), QSize(220, 380));
  int y = 10;
  for (const Row& r : rows) {
    auto* row =
        put(sidebar, new SidebarRow(SymbolName(r.symbol), r.label, *r.palette), QPoint(12, y), QSize(196, 0));
    row->resize(196, row->sizeHint().height());
    row->setActive(true);
    y += row->height() + 12;
  }
  sheet.caption(16, 36, QStringLiteral("active (each palette)"));
  auto* states = put(&host, new QWidget, QPoint(280, 10), QSize(220, 380));
  sheet.caption(290, 36, QStringLiteral("inactive / hovered / active+hovered / long label"));
  y = 10;
  for (int i = 0; i < 4; ++i) {
    auto* row = put(
        states,
        new SidebarRow("folder.fill"_symbol, i == 3 ? "A very long section name that goes on" : "Deep Scan",
                       SectionPalette::deepScan()),
        QPoint(12, y), QSize(196, 0));
    row->resize(196, row->sizeHint().height());
    if (i == 1 || i == 2) row->setHovering(true);
    if (i == 2) row->setActive(true);
    y += row->height() + 12;
  }
  place(sheet, host, QPoint(0, 44));
  return sheet.save(out, QStringLiteral("sidebar"));
}

bool chipsAndHeadersPage(const QString& out) {
  Sheet sheet(QStringLiteral("Icon chips (sizes 24, 40, 56; each palette) and screen headers"), 760, 380);
  ShadowHost host;
  host.resize(760, 340);
  const SectionPalette* palettes[] = {&SectionPalette::clean(),   &SectionPalette::deepScan(),
                                      &SectionPalette::apps(),    &SectionPalette::advisor(),
                                      &SectionPalette::devMode(), &SectionPalette::performance()};
  const char* symbols[] = {"trash.fill",     "scope",         "app.fill",
                           "wand.and.stars", "terminal.fill", "speedometer"};
  for (int i = 0; i < 6; ++i) {
    auto* column = put(&host, new QWidget, QPoint(16 + i * 80, 0), QSize(70, 150));
    SectionAccent::set(column, *palettes[i]);
    put(column, new IconChip(SymbolName(symbols[i]), 24), QPoint(23, 0));
    put(column, new IconChip(SymbolName(symbols[i]), 40), QPoint(15, 34));
    put(column, new IconChip(SymbolName(symbols[i]), 56), QPoint(7, 84));
  }
  put(&host,
      new ScreenHeader("Deep Scan", QString("Big files and folders, sorted by how safe they are to remove.")),
      QPoint(16, 170), QSize(600, 0))
      ->resize(600, int(std::ceil(screenHeaderHeight(true))));
  auto* alone = put(&host, new ScreenHeader("Advisor", std::nullopt), QPoint(16, 236), QSize(600, 0));
  alone->resize(600, int(std::ceil(screenHeaderHeight(false))));
  sheet.caption(16, 262, QStringLiteral("header without subtitle: the title line alone"));
  place(sheet, host, QPoint(0, 44));
  return sheet.save(out, QStringLiteral("chips-headers"));
}

bool gaugesPage(const QString& out) {
  Sheet sheet(QStringLiteral("Static gauges: donut, gradient bar, dot gauge"), 900, 620);
  ShadowHost host;
  host.resize(900, 580);
  const double used[] = {0.0, 0.25, 0.5, 0.8, 1.0, 1.3};
  for (int i = 0; i < 6; ++i) {
    auto* donut = put(&host, new Donut(used[i], 100, 14), QPoint(24 + i * 140, 20));
    auto* label = new QLabel(QString::number(used[i]));
    label->setFont(inter(15, FontWeight::Bold));
    label->setStyleSheet("color: white; background: transparent;");
    donut->setCenter(label);
    sheet.caption(24 + i * 140 + 40, 44 + 140, QStringLiteral("used %1").arg(used[i]));
  }
  auto* blue = put(&host, new QWidget, QPoint(0, 170), QSize(900, 160));
  SectionAccent::set(blue, SectionPalette::performance());
  const double fractions[] = {0.0, 0.5, 1.2, -0.3};
  for (int i = 0; i < 4; ++i) {
    put(blue, new GradientBar(fractions[i], 6), QPoint(24, 20 + i * 30), QSize(300, 6));
    sheet.caption(340, 44 + 170 + 14 + i * 30,
                  QStringLiteral("fraction %1 in 300 px, height 6").arg(fractions[i]));
  }
  put(blue, new GradientBar(0.35, 12), QPoint(520, 20), QSize(300, 12));
  sheet.caption(520, 44 + 170 + 36, QStringLiteral("0.35, height 12"));
  const double lit[] = {0.0, 0.01, 0.5, 1.0};
  for (int i = 0; i < 4; ++i) {
    put(&host, new DotGauge(lit[i], 180), QPoint(24 + i * 210, 340));
    sheet.caption(24 + i * 210 + 70, 44 + 340 + 190, QStringLiteral("used %1").arg(lit[i]));
  }
  place(sheet, host, QPoint(0, 44));
  return sheet.save(out, QStringLiteral("gauges"));
}

}  // namespace tidewell::gallery
