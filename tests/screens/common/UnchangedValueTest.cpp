#include <gtest/gtest.h>

#include <functional>

#include "design/theme/Color.h"
#include "screens/apps/AppsSortMenu.h"
#include "screens/clean/review/CategoryRow.h"
#include "screens/clean/review/ItemChip.h"
#include "screens/common/controls/SegmentedControl.h"
#include "screens/common/controls/SelectionBox.h"
#include "screens/common/layout/Surface.h"
#include "screens/common/views/Badge.h"
#include "screens/common/views/FittedLabel.h"
#include "screens/common/views/ProgressBar.h"
#include "screens/common/views/ResultBanner.h"
#include "screens/common/views/SymbolButton.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/deepscan/TintedTile.h"
#include "screens/devmode/DevModeRailRow.h"
#include "screens/home/HealthBadge.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Stage.h"
#include "testkit/support/RepaintCounter.h"

namespace tidewell::screens {
namespace {

using namespace design::literals;
using design::FontWeight;
using design::SectionPalette;
using SortOrder = AppsSortMenu::SortOrder;

template <typename T>
std::function<void(QWidget*)> on(std::function<void(T*)> call) {
  return [call](QWidget* w) { call(static_cast<T*>(w)); };
}

// Screens refresh by handing every part its values again: a part given the
// values it shows must ask for no drawing, or a screen at rest redraws
// without end. Each case also changes a value, to show that the counter
// sees what a real change asks for.
TEST(UnchangedValues, APartGivenWhatItShowsAsksForNoDrawing) {
  probe::prepare();
  const TextLook style = textLook(13, FontWeight::Semibold, design::Color::secondaryText()).lines(2);
  const BadgeLook badge{10, Qt::white, QColor(255, 0, 0, 40), 6, 2};
  const TintedTileLook tile{26, 13, Qt::blue, "folder.fill"_symbol, 12, FontWeight::Semibold, Qt::white};
  const BannerLook banner;
  const RailRowContent rail{QStringLiteral("Developer"), "hammer.fill"_symbol,
                            QStringLiteral("2 of 3 · 1.2 GB"), SelectionMark::mixed, true};
  const ChipContent chip{QStringLiteral("Xcode derived data"), QStringLiteral("Build products"),
                         QStringLiteral("18.4 GB"), true, SelectionMark::on};
  const RailRowValues devRail{QStringLiteral("node"),
                              QStringLiteral("Node"),
                              "shippingbox"_symbol,
                              QStringLiteral("12 · 3.4 GB"),
                              false,
                              SelectionMark::on,
                              true};
  struct Case {
    const char* name;
    std::function<QWidget*()> make;
    std::function<void(QWidget*)> again;
    std::function<void(QWidget*)> change;
  };
  const Case cases[] = {
      {"TextLabel", [&] { return new TextLabel(QStringLiteral("No leftovers. Clean app."), style); },
       on<TextLabel>([&](TextLabel* l) {
         l->setText(QStringLiteral("No leftovers. Clean app."));
         l->setLook(style);
         l->setColour(style.colour);
       }),
       on<TextLabel>([](TextLabel* l) { l->setColour(Qt::red); })},
      {"FittedLabel",
       [] {
         return new FittedLabel(QStringLiteral("12.4 GB"), {design::inter(20), Qt::white, 0.5});
       },
       on<FittedLabel>([](FittedLabel* l) {
         l->setText(QStringLiteral("12.4 GB"));
         l->setColour(Qt::white);
       }),
       on<FittedLabel>([](FittedLabel* l) { l->setColour(Qt::red); })},
      {"Badge", [&] { return new Badge(QStringLiteral("Review"), badge); }, on<Badge>([&](Badge* b) {
         b->setText(QStringLiteral("Review"));
         b->setLook(badge);
       }),
       on<Badge>([](Badge* b) { b->setText(QStringLiteral("Unused")); })},
      {"SymbolView",
       [] {
         auto* symbol = new SymbolView("magnifyingglass"_symbol, 20, FontWeight::Light, Qt::white);
         symbol->pulse();
         return symbol;
       },
       on<SymbolView>([](SymbolView* s) {
         s->setSymbol("magnifyingglass"_symbol);
         s->setColour(QColor(Qt::white));
         s->pulse();
       }),
       on<SymbolView>([](SymbolView* s) { s->setColour(std::nullopt); })},
      {"SymbolButton", [] { return new SymbolButton("xmark"_symbol, 11, FontWeight::Semibold, Qt::white); },
       on<SymbolButton>([](SymbolButton* b) { b->setColour(QColor(Qt::white)); }),
       on<SymbolButton>([](SymbolButton* b) { b->setColour(std::nullopt); })},
      {"SelectionBox", [] { return new SelectionBox(Qt::black, SelectionMark::mixed); },
       on<SelectionBox>([](SelectionBox* b) { b->setMark(SelectionMark::mixed); }),
       on<SelectionBox>([](SelectionBox* b) { b->setMark(SelectionMark::on); })},
      {"SegmentedControl",
       [] {
         return new SegmentedControl({QStringLiteral("Memory"), QStringLiteral("Login Items")}, 1);
       },
       on<SegmentedControl>([](SegmentedControl* s) { s->setCurrentIndex(1); }),
       on<SegmentedControl>([](SegmentedControl* s) { s->setCurrentIndex(0); })},
      {"ProgressBar", [] { return new ProgressBar(0.4, 200); },
       on<ProgressBar>([](ProgressBar* p) { p->setValue(0.4); }),
       on<ProgressBar>([](ProgressBar* p) { p->setValue(0.5); })},
      {"Surface",
       [] {
         return new Surface({12, Qt::black, Qt::white, 1});
       },
       on<Surface>([](Surface* s) {
         s->setLook({12, Qt::black, Qt::white, 1});
       }),
       on<Surface>([](Surface* s) {
         s->setLook({12, Qt::black, Qt::red, 1});
       })},
      {"ResultBanner",
       [&] {
         auto* b = new ResultBanner(banner);
         b->setText(QStringLiteral("Moved to Trash"), QStringLiteral("3 items"));
         return b;
       },
       on<ResultBanner>([&](ResultBanner* b) {
         b->setLook(banner);
         b->setText(QStringLiteral("Moved to Trash"), QStringLiteral("3 items"));
       }),
       on<ResultBanner>([](ResultBanner* b) { b->setText(std::nullopt, QStringLiteral("3 items")); })},
      {"TintedTile", [&] { return new TintedTile(tile); },
       on<TintedTile>([&](TintedTile* t) { t->setLook(tile); }), on<TintedTile>([&](TintedTile* t) {
         TintedTileLook red = tile;
         red.fill = Qt::red;
         t->setLook(red);
       })},
      {"HealthBadge",
       [] {
         auto* h = new HealthBadge;
         h->setHealth(QStringLiteral("Healthy"), Qt::green);
         return h;
       },
       on<HealthBadge>([](HealthBadge* h) { h->setHealth(QStringLiteral("Healthy"), Qt::green); }),
       on<HealthBadge>([](HealthBadge* h) { h->setHealth(QStringLiteral("Critical"), Qt::red); })},
      {"AppsSortMenu", [] { return new AppsSortMenu(SortOrder::largest); },
       on<AppsSortMenu>([](AppsSortMenu* m) { m->setCurrent(SortOrder::largest); }),
       on<AppsSortMenu>([](AppsSortMenu* m) { m->setCurrent(SortOrder::name); })},
      {"CategoryRow",
       [&] {
         auto* row = new CategoryRow;
         row->setContent(rail);
         return row;
       },
       on<CategoryRow>([&](CategoryRow* r) { r->setContent(rail); }), on<CategoryRow>([&](CategoryRow* r) {
         RailRowContent other = rail;
         other.isViewing = false;
         r->setContent(other);
       })},
      {"ItemChip",
       [&] {
         auto* item =
             new ItemChip(QStringLiteral("xcode-derived-data"), BoolBinding{[] { return true; }, {}});
         item->setContent(chip);
         return item;
       },
       on<ItemChip>([&](ItemChip* i) { i->setContent(chip); }), on<ItemChip>([&](ItemChip* i) {
         ChipContent other = chip;
         other.size = QStringLiteral("18.5 GB");
         i->setContent(other);
       })},
      {"DevModeRailRow", [&] { return new DevModeRailRow(devRail); },
       on<DevModeRailRow>([&](DevModeRailRow* r) { r->setValues(devRail); }),
       on<DevModeRailRow>([&](DevModeRailRow* r) {
         RailRowValues other = devRail;
         other.viewed = false;
         r->setValues(other);
       })},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget* part = c.make();
    probe::Stage stage(part, SectionPalette::clean(), {420, 140}, {20, 20, 20, 20});
    probe::render(&stage);

    testing::RepaintCounter repaints(&stage);
    c.again(part);
    probe::settle();
    EXPECT_EQ(repaints.count(), 0) << repaints.who().join(QStringLiteral(", ")).toStdString();

    c.change(part);
    probe::settle();
    EXPECT_GT(repaints.count(), 0);
  }
}

}  // namespace
}  // namespace tidewell::screens
