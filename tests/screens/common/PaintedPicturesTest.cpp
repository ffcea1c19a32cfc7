#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "design/paint/PaintCache.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "screens/clean/review/CategoryRow.h"
#include "screens/common/layout/Surface.h"
#include "screens/common/views/SymbolView.h"

namespace tidewell::screens {
namespace {

using namespace design::literals;

// A surface or a symbol draws its picture again when something it shows
// changes (its look, its hover, a subclass's own state, the accent it reads
// from where it is placed) and not when it is only painted again.
TEST(PaintedPictures, DrawnAgainOnlyWhenWhatTheyShowChanges) {
  struct Case {
    const char* what;
    std::function<QWidget*()> make;
    std::function<void(QWidget*)> change;
    // Where the change shows, in the widget (none: anywhere).
    std::optional<QPoint> shows = std::nullopt;
  };
  const std::vector<Case> cases = {
      {"a surface's look", [] { return new Surface(); },
       [](QWidget* w) {
         static_cast<Surface*>(w)->setLook({14, design::Color::white(0.2)});
       }},
      {"a surface's hover", [] { return new Surface(); },
       [](QWidget* w) { static_cast<Surface*>(w)->setHovering(true); }},
      {"a category row's viewing state", [] { return new CategoryRow; },
       [](QWidget* w) {
         auto* row = static_cast<CategoryRow*>(w);
         RailRowContent texts = row->content();
         texts.isViewing = true;
         row->setContent(texts);
       },
       QPoint(120, 1)},
      {"a symbol's colour",
       [] { return new SymbolView("sparkles"_symbol, 28, design::FontWeight::Regular, Qt::white); },
       [](QWidget* w) { static_cast<SymbolView*>(w)->setColour(QColor(Qt::red)); }},
      {"the accent a symbol reads", [] { return new SymbolView("sparkles"_symbol, 28); },
       [](QWidget* w) {
         design::SectionAccent::set(w->parentWidget(), design::SectionPalette::apps());
         w->update();
       }},
  };
  for (const Case& c : cases) {
    QWidget window;
    window.resize(320, 200);
    design::SectionAccent::set(&window, design::SectionPalette::clean());
    QWidget* widget = c.make();
    widget->setParent(&window);
    widget->setGeometry(20, 20, 240, 120);
    window.show();
    window.grab();
    const int64_t settled = design::PaintCache::totalRenders();
    const QImage before = window.grab().toImage();
    EXPECT_EQ(design::PaintCache::totalRenders(), settled) << c.what << ": drawn again unchanged";
    c.change(widget);
    const QImage after = window.grab().toImage();
    EXPECT_GT(design::PaintCache::totalRenders(), settled) << c.what << ": not drawn again";
    if (c.shows) {
      const QPoint at = widget->mapTo(&window, *c.shows);
      EXPECT_NE(before.pixel(at), after.pixel(at)) << c.what << ": the change does not show";
    }
  }
}

}  // namespace
}  // namespace tidewell::screens
