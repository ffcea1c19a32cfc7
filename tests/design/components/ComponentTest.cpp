#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "design/components/GhostPillButton.h"
#include "design/components/IconChip.h"
#include "design/components/PillButton.h"
#include "design/components/ScreenHeader.h"
#include "design/components/SidebarRow.h"
#include "design/paint/ShadowLayer.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "design/type/InterFont.h"

namespace tidewell::design {
namespace {

using namespace literals;

QImage renderHost(QWidget& host, QColor background = Qt::black) {
  QImage image(host.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(background);
  host.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

// Hue of the brightest pixel of a colour, in degrees (-1 for grey).
int hueOf(const QColor& c) { return c.hsvHue(); }

const PillButtonLook kUntinted{std::nullopt, Qt::black, 13, 18, 9};
const PillButtonLook kRedTint{QColor(255, 0, 0), Qt::white, 13, 18, 9};

TEST(PillButton, GlowTakesTheSectionAccentUnlessTinted) {
  struct Case {
    const SectionPalette* section;
    const PillButtonLook* style;
    int expectedHue;
  };
  const int purple = SectionPalette::apps().primary.hsvHue();
  const int orange = SectionPalette::advisor().primary.hsvHue();
  const Case cases[] = {
      {&SectionPalette::apps(), &kUntinted, purple},
      {&SectionPalette::advisor(), &kUntinted, orange},
      {&SectionPalette::apps(), &kRedTint, 0},
      {&SectionPalette::advisor(), &kRedTint, 0},
  };
  for (const Case& c : cases) {
    ShadowHost host;
    host.resize(300, 120);
    auto* section = new QWidget(&host);
    section->resize(300, 120);
    SectionAccent::set(section, *c.section);
    auto* pill = new PillButton({"Scan", std::nullopt}, *c.style, section);
    pill->move(80, 30);
    pill->resize(pill->sizeHint());
    host.show();
    const QImage image = renderHost(host);
    // Just below the capsule, outside the button's own rect: the glow.
    const QColor glow = image.pixelColor(pill->geometry().center().x(), pill->geometry().bottom() + 5);
    EXPECT_GT(glow.value(), 20);
    EXPECT_NEAR(hueOf(glow), c.expectedHue, 12) << c.expectedHue;
    // Nothing above the capsule beyond the glow's reach up (offset 4 down).
    EXPECT_EQ(image.pixelColor(pill->geometry().center().x(), 2), QColor(Qt::black));
  }
}

TEST(PillButton, PressedDrawsAt97PercentAnd85PercentOpacity) {
  auto draw = [](bool pressed) {
    QImage image(200, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    paintPillBody(p, QRectF(0, 0, 200, 40), kRedTint, {"", std::nullopt}, pressed);
    return image;
  };
  const QImage normal = draw(false);
  const QImage pressed = draw(true);
  // The fill reaches x = 2 at mid-height when released; at 97 % it starts at x = 3.
  EXPECT_GT(normal.pixelColor(2, 20).red(), 150);
  EXPECT_LT(pressed.pixelColor(2, 20).red(), 40);
  EXPECT_GT(pressed.pixelColor(5, 20).red(), 150);
  // Centre: the tint over black at 85 %.
  EXPECT_NEAR(normal.pixelColor(100, 30).red(), 255, 3);
  EXPECT_NEAR(pressed.pixelColor(100, 30).red(), 217, 4);

  // The widget follows isDown() at once.
  PillButton pill({"Go", std::nullopt}, kRedTint);
  pill.resize(pill.sizeHint());
  QImage up(pill.size(), QImage::Format_ARGB32_Premultiplied);
  up.fill(Qt::black);
  pill.render(&up, QPoint(), QRegion(), QWidget::DrawChildren);
  pill.setDown(true);
  QImage down(pill.size(), QImage::Format_ARGB32_Premultiplied);
  down.fill(Qt::black);
  pill.render(&down, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_GT(up.pixelColor(4, pill.height() / 2).red(), down.pixelColor(4, pill.height() / 2).red());
}

TEST(PillButton, AnOpacityOfItsOwnDimsTheBodyAndTheGlow) {
  auto draw = [](double opacity) {
    ShadowHost host;
    host.resize(300, 120);
    auto* pill = new PillButton({"Clean Up", std::nullopt}, kRedTint, &host);
    pill->move(80, 30);
    pill->resize(pill->sizeHint());
    pill->setOpacity(opacity);
    host.show();
    const QImage image = renderHost(host);
    return std::pair{image.pixelColor(pill->geometry().left() + 4, pill->geometry().center().y()),
                     image.pixelColor(pill->geometry().center().x(), pill->geometry().bottom() + 5)};
  };
  const auto [body, glow] = draw(1);
  const auto [dimBody, dimGlow] = draw(0.45);
  // The body blends over its own (dimmed) glow, so a little more than 45 % shows.
  EXPECT_GT(dimBody.red(), body.red() * 0.4);
  EXPECT_LT(dimBody.red(), body.red() * 0.6);
  EXPECT_NEAR(dimGlow.red(), glow.red() * 0.45, 6);
  EXPECT_GT(glow.red(), 20);
}

TEST(PillButton, UntintedFillRunsFromWhiteToPaleGreen) {
  QImage image(200, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter p(&image);
  paintPillBody(p, QRectF(0, 0, 200, 40), kUntinted, {"", std::nullopt}, false);
  p.end();
  const QColor top = image.pixelColor(100, 3), bottom = image.pixelColor(100, 36);
  EXPECT_GT(top.red(), 240);
  EXPECT_GT(top.blue(), 240);
  EXPECT_LT(bottom.red(), top.red());
  EXPECT_GT(bottom.green(), bottom.red());
}

TEST(PillButton, SizeIsLabelPlusPaddingAndAnIconWidensIt) {
  const QSizeF plain = pillSize(kUntinted, {"Clean Up", std::nullopt});
  const QSizeF withIcon = pillSize(kUntinted, {"Clean Up", "sparkles"_symbol});
  EXPECT_NEAR(plain.height(), QFontMetricsF(inter(13, FontWeight::Semibold)).height() + 18, 1e-9);
  EXPECT_NEAR(plain.width(),
              QFontMetricsF(inter(13, FontWeight::Semibold)).horizontalAdvance("Clean Up") + 36, 1e-9);
  EXPECT_GT(withIcon.width(), plain.width() + 13);
  EXPECT_EQ(ghostPillSize({"Rescan", std::nullopt}).height(), QFontMetricsF(ghostPillFont()).height() + 16);
  EXPECT_EQ(ghostPillFont().weight(), QFont::Medium);
  EXPECT_DOUBLE_EQ(fontPixelSize(ghostPillFont()), 12.0);
}

TEST(PillButton, ClickingEmitsClickedAndTheTitleIsItsText) {
  PillButton pill({"Go", std::nullopt}, kUntinted);
  pill.resize(pill.sizeHint());
  QSignalSpy clicks(&pill, &QAbstractButton::clicked);
  QTest::mouseClick(&pill, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(pill.text(), QStringLiteral("Go"));
  pill.setLabel({"Again", "arrow.triangle.2.circlepath"_symbol});
  EXPECT_EQ(pill.text(), QStringLiteral("Again"));
  EXPECT_GT(pill.sizeHint().width(), int(pillSize(kUntinted, {"Again", std::nullopt}).width()));
}

TEST(GhostPill, RaisedSurfaceAndPressedLook) {
  QImage image(120, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter p(&image);
  paintGhostPill(p, QRectF(0, 0, 120, 40), {"", std::nullopt}, false);
  p.end();
  EXPECT_EQ(image.pixelColor(60, 20).rgb(), Color::raisedSurface().rgb());
  GhostPillButton ghost({"Rescan", std::nullopt});
  ghost.resize(ghost.sizeHint());
  ghost.setDown(true);
  QImage down(ghost.size(), QImage::Format_ARGB32_Premultiplied);
  down.fill(Qt::black);
  ghost.render(&down, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_LT(down.pixelColor(ghost.width() / 2, 3).blue(), Color::raisedSurface().blue());
}

TEST(PillButton, ATrailingSymbolFollowsTheTitle) {
  const PillButtonLook style{std::nullopt, Qt::black, 13, 18, 11};
  const PillLabel plain{"See big items", std::nullopt};
  const PillLabel arrowed{"See big items", std::nullopt, TrailingSymbol{"arrow.right"_symbol}};
  const double extra = pillSize(style, arrowed).width() - pillSize(style, plain).width();
  EXPECT_NEAR(extra, 7 + symbolSide(11), 1e-9);
  // The arrow is drawn in the room after the title: dark pixels there.
  const QSizeF size = pillSize(style, arrowed);
  QImage image(size.toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter p(&image);
  paintPillLabel(p, QRectF(QPointF(), size), pillFont(style), Qt::black, arrowed);
  p.end();
  const int arrowLeft = int(size.width() - 18 - symbolSide(11));
  int dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = arrowLeft; x < int(size.width()) - 18; ++x) dark += image.pixelColor(x, y).red() < 128;
  EXPECT_GT(dark, 5);
}

TEST(GhostPill, ALabelInItsOwnColour) {
  auto reddest = [](const GhostPillButton& button) {
    QImage image(button.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    const_cast<GhostPillButton&>(button).render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    int best = -1000;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        best = std::max(best, c.red() - c.green());
      }
    return best;
  };
  GhostPillButton plain({"Stop", std::nullopt});
  plain.resize(plain.sizeHint());
  EXPECT_EQ(plain.foreground(), ghostPillForeground());
  EXPECT_LT(reddest(plain), 10);  // white text on a grey capsule
  GhostPillButton stop({"Stop", std::nullopt});
  stop.resize(stop.sizeHint());
  stop.setForeground(Color::rgb(0.96, 0.26, 0.37));
  EXPECT_GT(reddest(stop), 100);
}

TEST(SidebarRow, ActivePaintsItsGradientInactiveLeavesTheBackground) {
  const QColor background(20, 40, 60);
  auto look = [](bool active, bool hovering) {
    return SidebarRowSnapshot{"house.fill"_symbol, "Home", active, hovering, SectionPalette::apps(), {}};
  };
  auto draw = [&](const SidebarRowSnapshot& l) {
    QImage image(220, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter p(&image);
    paintSidebarRowBody(p, QRectF(10, 10, 200, 34), l);
    return image;
  };
  const QImage active = draw(look(true, false));
  // Soft at the top-leading corner, primary at the bottom-trailing one.
  const QColor nearStart = active.pixelColor(16, 14), nearEnd = active.pixelColor(204, 40);
  EXPECT_NEAR(nearStart.red(), SectionPalette::apps().soft.red(), 12);
  EXPECT_NEAR(nearEnd.red(), SectionPalette::apps().primary.red(), 12);
  EXPECT_EQ(active, draw(look(true, true)));  // hovering changes nothing on an active row

  const QImage idle = draw(look(false, false));
  for (QPoint probe : {QPoint(150, 27), QPoint(12, 12), QPoint(205, 40)})
    EXPECT_EQ(idle.pixelColor(probe), background);
  const QImage hovered = draw(look(false, true));
  EXPECT_NE(hovered.pixelColor(150, 27), background);

  EXPECT_EQ(sidebarRowForeground(look(true, true)), Color::rgb(0.03, 0.07, 0.05));
  EXPECT_NEAR(sidebarRowForeground(look(false, true)).alphaF(), 0.9, 1e-3);
  EXPECT_NEAR(sidebarRowForeground(look(false, false)).alphaF(), 0.55, 1e-3);
}

TEST(SidebarRow, UsesItsOwnPaletteAndReportsItsClick) {
  QWidget section;
  SectionAccent::set(&section, SectionPalette::advisor());
  int calls = 0;
  auto* row = new SidebarRow("scope"_symbol, "Deep Scan", SectionPalette::deepScan(), &section);
  QObject::connect(row, &QAbstractButton::clicked, &section, [&] { ++calls; });
  row->resize(200, row->sizeHint().height());
  row->setActive(true);
  QImage image(row->size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  row->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_GT(image.pixelColor(190, row->height() - 6).blue(), 200);  // blue, not orange
  QTest::mouseClick(row, Qt::LeftButton);
  EXPECT_EQ(calls, 1);
  EXPECT_NEAR(row->sizeHint().height(),
              std::ceil(18 + QFontMetricsF(inter(13, FontWeight::Semibold)).height()), 1);
  row->setHovering(true);
  EXPECT_TRUE(row->isHovering());
}

TEST(IconChip, RadiusAndSymbolFollowTheSize) {
  EXPECT_DOUBLE_EQ(iconChipRadius(40), 12.8);
  EXPECT_DOUBLE_EQ(iconChipSymbolSize(40), 18.0);
  QWidget section;
  SectionAccent::set(&section, SectionPalette::devMode());
  auto* chip = new IconChip("terminal.fill"_symbol, 40, &section);
  EXPECT_EQ(chip->sizeHint(), QSize(40, 40));
  chip->resize(40, 40);
  QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  chip->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));  // the corner is rounded off
  const QColor fill = image.pixelColor(5, 20);           // primary at 0.14 over black
  EXPECT_NEAR(fill.green(), int(SectionPalette::devMode().primary.green() * 0.14), 3);
  chip->setExplicitPalette(SectionPalette::advisor());
  image.fill(Qt::black);
  chip->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_NEAR(image.pixelColor(5, 20).red(), int(255 * 0.14), 3);
}

TEST(ScreenHeader, TitleAloneOrWithItsSubtitle) {
  const double title = QFontMetricsF(inter(22, FontWeight::Semibold)).height();
  const double subtitle = QFontMetricsF(inter(12.5)).height();
  EXPECT_DOUBLE_EQ(screenHeaderHeight(false), title);
  EXPECT_DOUBLE_EQ(screenHeaderHeight(true), title + 4 + subtitle);
  ScreenHeader header("Advisor", std::nullopt);
  EXPECT_EQ(header.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
  header.resize(400, header.sizeHint().height());
  QImage image(header.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  header.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  // Text starts at the leading edge.
  int leftmost = image.width();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).value() > 128) leftmost = std::min(leftmost, x);
  EXPECT_LT(leftmost, 4);
}

}  // namespace
}  // namespace tidewell::design
