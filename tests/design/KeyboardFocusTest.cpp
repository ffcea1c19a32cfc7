// The keyboard policy: the focus ring shows only while the keyboard is in
// use, in the section accent and the control's shape, and stands out on any
// fill; Space and Return press the focused control, Return never in a
// dialog; Tab follows the layout's order; a page without a control rests
// the focus on what a reader reads there until a control appears.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/components/GhostPillButton.h"
#include "design/components/PillButton.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/theme/SectionAccent.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::design {
namespace {

void settle() {
  for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
}

// A window of three pills in a row, in the Apps section.
struct PillWindow {
  QWidget window;
  GhostPillButton* first = new GhostPillButton({QStringLiteral("First"), std::nullopt});
  GhostPillButton* second = new GhostPillButton({QStringLiteral("Second"), std::nullopt});
  GhostPillButton* third = new GhostPillButton({QStringLiteral("Third"), std::nullopt});
  PillWindow() {
    auto* row = new QHBoxLayout(&window);
    row->setContentsMargins(20, 20, 20, 20);
    row->addWidget(first);
    row->addWidget(second);
    row->addWidget(third);
    SectionAccent::set(&window, SectionPalette::apps());
    window.show();
    settle();
  }
  QWidget* focus() { return window.focusWidget(); }
  void key(int k) {
    QTest::keyClick(focus() ? focus() : &window, Qt::Key(k));
    settle();
  }
  QImage image(QWidget* widget) {
    QImage out(widget->size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::black);
    widget->render(&out, QPoint(), QRegion(), QWidget::DrawChildren);
    return out;
  }
};

// How many pixels of image are near colour.
int pixelsNear(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
              std::abs(c.blue() - colour.blue()) <
          40)
        ++count;
    }
  return count;
}

TEST(KeyboardFocus, TheRingShowsOnlyWhileTheKeyboardIsInUseInTheAccent) {
  PillWindow w;
  const QColor accent = SectionPalette::apps().primary;
  // Opening gave the first pill the focus, but nobody typed: no ring.
  EXPECT_EQ(KeyboardFocus::ringedControl(), nullptr);
  const int resting = pixelsNear(w.image(w.first), accent);

  w.key(Qt::Key_Tab);
  EXPECT_EQ(w.focus(), w.second);
  EXPECT_EQ(KeyboardFocus::ringedControl(), w.second);
  EXPECT_GT(pixelsNear(w.image(w.second), accent), resting + 40);

  w.key(Qt::Key_Backtab);
  EXPECT_EQ(KeyboardFocus::ringedControl(), w.first);
  EXPECT_EQ(pixelsNear(w.image(w.second), accent), resting);

  // A pointer press puts it away, and the click's focus brings none.
  QTest::mouseClick(w.third, Qt::LeftButton);
  settle();
  EXPECT_EQ(w.focus(), w.third);
  EXPECT_EQ(KeyboardFocus::ringedControl(), nullptr);
  EXPECT_EQ(pixelsNear(w.image(w.third), accent), resting);

  // The next key brings it back on the focused control.
  w.key(Qt::Key_Shift);
  EXPECT_EQ(KeyboardFocus::ringedControl(), w.third);

  // A window that opens starts without one.
  PillWindow other;
  EXPECT_EQ(KeyboardFocus::ringedControl(), nullptr);
}

TEST(KeyboardFocus, SpaceAndReturnPressTheFocusedControlReturnNeverInADialog) {
  struct Case {
    const char* name;
    bool inDialog;
    int key;
    bool presses;
  };
  const Case cases[] = {
      {"Space", false, Qt::Key_Space, true},
      {"Return", false, Qt::Key_Return, true},
      {"Enter", false, Qt::Key_Enter, true},
      {"Space in a dialog", true, Qt::Key_Space, true},
      {"Return in a dialog", true, Qt::Key_Return, false},
      {"Enter in a dialog", true, Qt::Key_Enter, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<QWidget> window = c.inDialog ? std::make_unique<QDialog>() : std::make_unique<QWidget>();
    auto* column = new QVBoxLayout(window.get());
    // A button, and a painted control that is pressed through its traits.
    auto* button = new PillButton({QStringLiteral("Clean Up"), std::nullopt}, {});
    auto* tile = new QWidget;
    tile->setFixedSize(80, 40);
    KeyboardFocus::makeFocusable(tile, {12, {}});
    int tilePresses = 0;
    accessibleTraits(tile).press = [&tilePresses] { ++tilePresses; };
    column->addWidget(button);
    column->addWidget(tile);
    window->show();
    settle();
    QSignalSpy clicked(button, &QAbstractButton::clicked);

    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key(c.key));
    settle();
    EXPECT_EQ(clicked.count(), c.presses ? 1 : 0);

    tile->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tile, Qt::Key(c.key));
    settle();
    EXPECT_EQ(tilePresses, c.presses ? 1 : 0);
  }
}

TEST(KeyboardFocus, TabFollowsTheLayoutNotTheOrderTheWidgetsWereMadeIn) {
  QWidget window;
  auto* column = new QVBoxLayout(&window);
  auto* last = new GhostPillButton({QStringLiteral("Made first, shown last"), std::nullopt});
  auto* first = new GhostPillButton({QStringLiteral("Shown first"), std::nullopt});
  column->addWidget(last);
  // Put above it afterwards, as a banner or a row filled in later is.
  column->insertWidget(0, first);
  window.show();
  settle();
  window.setFocus();
  QTest::keyClick(&window, Qt::Key_Tab);
  EXPECT_EQ(window.focusWidget(), first);
  QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(window.focusWidget(), last);
}

TEST(KeyboardFocus, FocusFirstGivesTheFocusToTheFirstControlElseToTheWidget) {
  QWidget window;
  auto* column = new QVBoxLayout(&window);
  auto* before = new GhostPillButton({QStringLiteral("Before"), std::nullopt});
  auto* page = new QWidget;
  auto* inside = new QVBoxLayout(page);
  auto* control = new GhostPillButton({QStringLiteral("Inside"), std::nullopt});
  inside->addWidget(control);
  auto* empty = new QWidget;
  column->addWidget(before);
  column->addWidget(page);
  column->addWidget(empty);
  window.show();
  settle();
  KeyboardFocus::focusFirst(page);
  EXPECT_EQ(window.focusWidget(), control);
  EXPECT_TRUE(KeyboardFocus::holdsFocus(page));
  KeyboardFocus::focusFirst(empty);
  EXPECT_EQ(window.focusWidget(), empty);
  EXPECT_FALSE(KeyboardFocus::holdsFocus(page));
}

TEST(KeyboardFocus, TabOnTheOnlyControlOfAWindowShowsItsRing) {
  QWidget window;
  auto* column = new QVBoxLayout(&window);
  auto* only = new PillButton({QStringLiteral("Get Started"), std::nullopt}, {});
  column->addWidget(only);
  window.show();
  settle();
  // As a window opens: the focus on its one control, nobody typing yet.
  only->setFocus(Qt::OtherFocusReason);
  settle();
  ASSERT_EQ(KeyboardFocus::ringedControl(), nullptr);
  for (int key : {Qt::Key_Tab, Qt::Key_Backtab}) {
    QTest::keyClick(only, Qt::Key(key));
    settle();
    EXPECT_EQ(window.focusWidget(), only) << key;
    EXPECT_EQ(KeyboardFocus::ringedControl(), only) << key;
  }
}

// The relative luminance of an sRGB colour.
double luminance(const QColor& colour) {
  const auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
         0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(KeyboardFocus, TheRingStandsOutOnEveryFillTheAccentsOwnIncluded) {
  // Down the middle of the button from its top edge: the pixels the ring
  // changes by a contrast of at least 3:1 must make a band two pixels deep,
  // whatever the button is filled with.
  struct Case {
    const char* name;
    const SectionPalette* palette;
    bool filled;  // a filled pill (else a quiet one)
    bool tinted;  // filled with the accent itself
  };
  const Case cases[] = {
      {"quiet pill, Apps", &SectionPalette::apps(), false, false},
      {"white pill, Clean", &SectionPalette::clean(), true, false},
      {"pill filled with Clean's green", &SectionPalette::clean(), true, true},
      {"pill filled with Apps' purple", &SectionPalette::apps(), true, true},
      {"pill filled with Deep Scan's blue", &SectionPalette::deepScan(), true, true},
      {"pill filled with Advisor's orange", &SectionPalette::advisor(), true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget window;
    SectionAccent::set(&window, *c.palette);
    auto* row = new QHBoxLayout(&window);
    row->setContentsMargins(20, 20, 20, 20);
    QAbstractButton* button = nullptr;
    if (c.filled) {
      PillButtonLook style{std::nullopt, QColor(10, 12, 20), 13, 18, 10};
      if (c.tinted) style = {c.palette->primary, Qt::white, 14, 18, 12};
      button = new PillButton({QStringLiteral("Get Started"), std::nullopt}, style);
    } else {
      button = new GhostPillButton({QStringLiteral("Rescan"), std::nullopt});
    }
    row->addWidget(button);
    window.show();
    settle();
    const auto image = [button] {
      QImage out(button->size(), QImage::Format_ARGB32_Premultiplied);
      out.fill(Qt::black);
      button->render(&out, QPoint(), QRegion(), QWidget::DrawChildren);
      return out;
    };
    button->setFocus(Qt::OtherFocusReason);
    settle();
    const QImage plain = image();
    QTest::keyClick(button, Qt::Key_Shift);  // the keyboard in use: the ring shows
    settle();
    ASSERT_EQ(KeyboardFocus::ringedControl(), button);
    const QImage ringed = image();
    const int x = button->width() / 2;
    int band = 0, deepest = 0;
    for (int y = 0; y < button->height() / 2; ++y) {
      if (contrast(plain.pixelColor(x, y), ringed.pixelColor(x, y)) >= 3.0)
        deepest = std::max(deepest, ++band);
      else
        band = 0;
    }
    EXPECT_GE(deepest, 2);
  }
}

// A widget that reads as text to assistive technology (by its name).
QWidget* readable(const char* text) {
  auto* label = new QWidget;
  label->setFixedSize(60, 16);
  label->setAccessibleName(QString::fromUtf8(text));
  return label;
}

TEST(KeyboardFocus, APageWithoutAControlRestsTheFocusOnWhatItReadsUntilAControlAppears) {
  QWidget window;
  auto* column = new QVBoxLayout(&window);
  auto* before = new GhostPillButton({QStringLiteral("Before"), std::nullopt});
  auto* page = new QWidget;
  auto* inside = new QVBoxLayout(page);
  auto* decoration = readable("backdrop");
  setHiddenFromAccessibility(decoration);
  auto* percent = readable("37%");
  auto* done = new GhostPillButton({QStringLiteral("Done"), std::nullopt});
  inside->addWidget(decoration);
  inside->addWidget(new QWidget);  // an empty grouping reads as nothing
  inside->addWidget(percent);
  inside->addWidget(done);
  done->hide();
  column->addWidget(before);
  column->addWidget(page);
  window.show();
  settle();

  KeyboardFocus::focusFirst(page);
  // Not the page, which reads as nothing, nor the decoration: the figure.
  EXPECT_EQ(window.focusWidget(), percent);
  // The first control that appears on the page takes it from there.
  done->show();
  settle();
  EXPECT_EQ(window.focusWidget(), done);

  // Once the user has moved on, a control appearing takes nothing.
  done->hide();
  KeyboardFocus::focusFirst(page);
  ASSERT_EQ(window.focusWidget(), percent);
  before->setFocus(Qt::TabFocusReason);
  done->show();
  settle();
  EXPECT_EQ(window.focusWidget(), before);
}

}  // namespace
}  // namespace tidewell::design
