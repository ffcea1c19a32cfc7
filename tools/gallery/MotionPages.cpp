// Gallery pages of the moving components and the surfaces: glossy blobs,
// progress rings, the byte counter, the scan button, the backdrop, glow
// cards, and a card-filled window over the backdrop. The animation clock is
// frozen, so every frame shows a known moment.
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "Pages.h"
#include "Sheet.h"
#include "design/components/CountUpBytes.h"
#include "design/components/GlossyBlob.h"
#include "design/components/GlowCard.h"
#include "design/components/RingGauge.h"
#include "design/components/ScanCircleButton.h"
#include "design/motion/AnimationClock.h"
#include "design/paint/AmbientBackground.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "design/type/InterFont.h"

namespace tidewell::gallery {

using namespace tidewell::design;
using namespace tidewell::design::literals;

namespace {

constexpr double kFrozenAt = 1000.0;

struct Section {
  const char* name;
  const SectionPalette& palette;
};
const Section kSections[] = {
    {"clean", SectionPalette::clean()},     {"deepScan", SectionPalette::deepScan()},
    {"apps", SectionPalette::apps()},       {"advisor", SectionPalette::advisor()},
    {"devMode", SectionPalette::devMode()}, {"performance", SectionPalette::performance()},
};

// Adds widget to parent at rect (its size hint when size is empty).
template <typename W>
W* addAt(QWidget* parent, W* widget, QPoint at, QSize size = {}) {
  widget->setParent(parent);
  widget->setGeometry(QRect(at, size.isEmpty() ? widget->sizeHint() : size));
  widget->show();
  return widget;
}

QLabel* text(const QString& words, double size, FontWeight weight, const QColor& colour) {
  auto* label = new QLabel(words);
  label->setFont(inter(size, weight));
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
  label->setWordWrap(true);
  return label;
}

void renderHost(Sheet& sheet, QWidget& host, QPoint at) {
  host.render(&sheet.painter(), at, QRegion(), QWidget::DrawChildren);
}

}  // namespace

bool blobsPage(const QString& out) {
  AnimationClock::shared().freeze(kFrozenAt);
  Sheet sheet(QStringLiteral("Glossy blobs: palettes, wobble over time (same symbol in step), hover, sizes"),
              900, 560);
  ShadowHost host;
  host.resize(900, 520);
  for (int i = 0; i < 6; ++i) {
    addAt(&host, new GlossyBlob("sparkles"_symbol, kSections[i].palette, 62, false),
          QPoint(40 + i * 140, 30));
    sheet.caption(40 + i * 140, 44 + 110, QString::fromLatin1(kSections[i].name));
  }
  // The same frozen moment: equal symbols stand alike, others differ.
  const SymbolName symbols[] = {"trash.fill"_symbol, "trash.fill"_symbol, "shippingbox.fill"_symbol,
                                "speedometer"_symbol};
  for (int i = 0; i < 4; ++i) {
    addAt(&host, new GlossyBlob(symbols[i], SectionPalette::deepScan(), 62, true), QPoint(40 + i * 140, 170));
    sheet.caption(40 + i * 140, 44 + 250, symbols[i].text() + QStringLiteral(" wobbling"));
  }
  auto* hovered =
      addAt(&host, new GlossyBlob("sparkles"_symbol, SectionPalette::advisor(), 62, false), QPoint(600, 170));
  hovered->setHovering(true);
  AnimationClock::shared().advance(2.0);  // let the hover spring settle
  sheet.caption(600, 44 + 250, QStringLiteral("hovered (108 %, 3 degrees)"));
  const double sizes[] = {32, 44, 62, 96};
  int x = 40;
  for (double s : sizes) {
    addAt(&host, new GlossyBlob("magnifyingglass"_symbol, SectionPalette::clean(), s, false), QPoint(x, 320));
    sheet.caption(x, 44 + 330 + s, QStringLiteral("size %1").arg(s));
    x += int(s) + 90;
  }
  renderHost(sheet, host, QPoint(0, 44));
  // Wobble extremes, drawn directly: rotation at its ends, scale at its ends.
  const double times[] = {std::asin(1.0) / 0.8, -std::asin(1.0) / 0.8};
  for (int i = 0; i < 2; ++i) {
    paintGlossyBlob(sheet.painter(), QPointF(640 + i * 120, 44 + 360), "sparkles"_symbol,
                    SectionPalette::apps(), 62, wobbleTransform(times[i]));
  }
  sheet.caption(600, 44 + 410, QStringLiteral("wobble at +2.6 and -2.6 degrees"));
  AnimationClock::shared().resume();
  return sheet.save(out, QStringLiteral("blobs"));
}

bool ringsPage(const QString& out) {
  Sheet sheet(QStringLiteral("Ring gauges: progress and glow; palette from the section unless given"), 980,
              560);
  ShadowHost host;
  host.resize(980, 520);
  const double progress[] = {0.0, 0.5, 1.0, 1.7, -0.3, std::nan("")};
  for (int i = 0; i < 6; ++i) {
    addAt(&host, new RingGauge(progress[i], 110, 12), QPoint(40 + i * 155, 40));
    sheet.caption(40 + i * 155 + 20, 44 + 190,
                  QStringLiteral("%1, glow %2").arg(progress[i]).arg(ringGeometry(progress[i]).glowOpacity));
  }
  auto* apps = addAt(&host, new QWidget, QPoint(0, 250), QSize(980, 260));
  SectionAccent::set(apps, SectionPalette::apps());
  addAt(apps, new RingGauge(0.7, 180, 16), QPoint(60, 20));
  sheet.caption(60, 44 + 250 + 240, QStringLiteral("apps section, no palette: purple"));
  auto* given = addAt(apps, new RingGauge(0.7, 180, 16), QPoint(400, 20));
  given->setExplicitPalette(SectionPalette::clean());
  sheet.caption(400, 44 + 250 + 240, QStringLiteral("apps section, clean palette given: green"));
  addAt(apps, new RingGauge(0.25, 120, 10), QPoint(720, 50));
  renderHost(sheet, host, QPoint(0, 44));
  return sheet.save(out, QStringLiteral("rings"));
}

bool countUpPage(const QString& out) {
  Sheet sheet(QStringLiteral("Count-up bytes: 1.23 GB over 2 s at 0, 0.5, 1, 2.2 s; duration 0; target 0"),
              900, 300);
  QWidget host;
  host.resize(900, 260);
  host.show();
  const double at[] = {0.0, 0.5, 1.0, 2.2};
  for (int i = 0; i < 4; ++i) {
    AnimationClock::shared().freeze(kFrozenAt);
    auto* counter = addAt(&host, new CountUpBytes(1'234'567'890, 2.0, inter(30, FontWeight::Bold)),
                          QPoint(30 + i * 210, 30), QSize(190, 44));
    AnimationClock::shared().advance(at[i]);
    counter->render(&sheet.painter(), QPoint(30 + i * 210, 44 + 30), QRegion(), QWidget::DrawChildren);
    sheet.caption(30 + i * 210, 44 + 80, QStringLiteral("at %1 s: %2").arg(at[i]).arg(counter->text()));
    delete counter;
  }
  AnimationClock::shared().freeze(kFrozenAt);
  auto* instant = addAt(&host, new CountUpBytes(987'000'000, 0.0, inter(24, FontWeight::Semibold)),
                        QPoint(30, 150), QSize(300, 40));
  auto* zero = addAt(&host, new CountUpBytes(0, 2.0, inter(24, FontWeight::Semibold)), QPoint(360, 150),
                     QSize(300, 40));
  instant->render(&sheet.painter(), QPoint(30, 44 + 150), QRegion(), QWidget::DrawChildren);
  zero->render(&sheet.painter(), QPoint(360, 44 + 150), QRegion(), QWidget::DrawChildren);
  sheet.caption(30, 44 + 195, QStringLiteral("duration 0: the target at once"));
  sheet.caption(360, 44 + 195, QStringLiteral("target 0"));
  AnimationClock::shared().resume();
  return sheet.save(out, QStringLiteral("countup"));
}

bool scanButtonPage(const QString& out) {
  AnimationClock::shared().freeze(kFrozenAt);
  Sheet sheet(QStringLiteral("Scan circle button: resting, hovered, blob hovered; in three sections"), 960,
              660);
  ShadowHost host;
  host.resize(960, 620);
  const Section* sections[] = {&kSections[0], &kSections[1], &kSections[3]};
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 3; ++col) {
      auto* section = addAt(&host, new QWidget, QPoint(col * 320, row * 300), QSize(320, 300));
      SectionAccent::set(section, row == 0 ? sections[col]->palette : SectionPalette::clean());
      auto* button =
          addAt(section, new ScanCircleButton("magnifyingglass"_symbol, "Scan My Mac"), QPoint(48, 30));
      if (row == 1 && col >= 1) button->setHovering(true);
      if (row == 1 && col == 2) button->setBlobHovering(true);
      const QString what = row == 0 ? QString::fromLatin1(sections[col]->name)
                                    : QStringList{"resting", "hovered", "hovered, pointer on the blob"}[col];
      sheet.caption(col * 320 + 60, 44 + row * 300 + 266, what);
    }
  }
  AnimationClock::shared().advance(2.0);
  renderHost(sheet, host, QPoint(0, 44));
  AnimationClock::shared().resume();
  return sheet.save(out, QStringLiteral("scanbutton"));
}

bool backdropPage(const QString& out) {
  Sheet sheet(QStringLiteral("Ambient backdrop at t = 0 in four sections, and drifted (t = 40, 80) in clean"),
              980, 700);
  const Section* sections[] = {&kSections[0], &kSections[1], &kSections[2], &kSections[3]};
  for (int i = 0; i < 4; ++i) {
    const QRectF r(20 + (i % 2) * 480, 44 + (i / 2) * 220, 460, 200);
    sheet.painter().save();
    sheet.painter().setClipRect(r);
    sheet.painter().translate(r.topLeft());
    paintAmbientBackground(sheet.painter(), QRectF(0, 0, r.width(), r.height()), sections[i]->palette, 0.0);
    sheet.painter().restore();
    sheet.caption(r.left() + 8, r.top() + 6, QString::fromLatin1(sections[i]->name));
  }
  const double drift[] = {40.0, 80.0};
  for (int i = 0; i < 2; ++i) {
    const QRectF r(20 + i * 480, 44 + 440, 460, 200);
    sheet.painter().save();
    sheet.painter().setClipRect(r);
    sheet.painter().translate(r.topLeft());
    paintAmbientBackground(sheet.painter(), QRectF(0, 0, r.width(), r.height()), SectionPalette::clean(),
                           drift[i]);
    sheet.painter().restore();
    sheet.caption(r.left() + 8, r.top() + 6, QStringLiteral("t = %1").arg(drift[i]));
  }
  return sheet.save(out, QStringLiteral("backdrop"));
}

bool cardsPage(const QString& out) {
  Sheet sheet(
      QStringLiteral("Glow cards: glass, featured, red glow, vivid; in Dev Mode and Advisor; a narrow card"),
      980, 640);
  QWidget root;
  root.resize(980, 600);
  auto* backdrop =
      addAt(&root, new AmbientBackground(SectionPalette::devMode()), QPoint(0, 0), QSize(980, 600));
  const GlowCardLook looks[] = {
      {.cornerRadius = 22, .padding = 18},
      {.cornerRadius = 22, .padding = 18, .featured = true},
      {.cornerRadius = 22, .padding = 18, .glow = Color::destructiveRed()},
      {.cornerRadius = 22, .padding = 18, .vivid = true},
  };
  const char* names[] = {"glass", "featured", "glow red", "vivid"};
  const SectionPalette* palettes[] = {&SectionPalette::devMode(), &SectionPalette::advisor()};
  for (int row = 0; row < 2; ++row) {
    auto* section = addAt(backdrop, new QWidget, QPoint(0, row * 250), QSize(980, 250));
    SectionAccent::set(section, *palettes[row]);
    for (int i = 0; i < 4; ++i) {
      auto* card = addAt(section, new GlowCard(looks[i]), QPoint(30 + i * 230, 40), QSize(200, 170));
      card->setContent(text(QString::fromLatin1(names[i]), 15, FontWeight::Semibold,
                            looks[i].vivid ? QColor(Qt::black) : QColor(Qt::white)));
    }
  }
  auto* narrow =
      addAt(backdrop, new GlowCard({.cornerRadius = 16, .padding = 10}), QPoint(30, 520), QSize(96, 60));
  narrow->setContent(text(QStringLiteral("96 wide"), 11, FontWeight::Medium, Color::secondaryText()));
  AnimationClock::shared().freeze(0);
  root.render(&sheet.painter(), QPoint(0, 40));
  AnimationClock::shared().resume();
  return sheet.save(out, QStringLiteral("cards"));
}

// A window as the application shows it: the backdrop with six glass cards.
// Also what the repaint benchmark draws.
bool cardWindowPage(const QString& out) {
  AnimationClock::shared().freeze(kFrozenAt);
  AmbientBackground window(SectionPalette::clean());
  window.resize(1100, 720);
  auto* grid = new QGridLayout(&window);
  grid->setContentsMargins(36, 36, 36, 36);
  grid->setSpacing(24);
  const char* titles[] = {"System Junk", "Large Files", "Applications", "Developer", "Memory", "Advisor"};
  const SymbolName symbols[] = {"trash.fill"_symbol,  "doc.fill"_symbol,    "square.grid.2x2.fill"_symbol,
                                "hammer.fill"_symbol, "speedometer"_symbol, "wand.and.stars"_symbol};
  for (int i = 0; i < 6; ++i) {
    auto* card = new GlowCard({.cornerRadius = 22, .padding = 20, .featured = i == 0});
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(new GlossyBlob(symbols[i], kSections[i].palette, 44, true), 0, Qt::AlignLeft);
    column->addWidget(text(QString::fromLatin1(titles[i]), 17, FontWeight::Semibold, Qt::white));
    column->addWidget(text(QStringLiteral("Found and sized without deleting anything."), 12.5,
                           FontWeight::Regular, Color::secondaryText()));
    column->addStretch();
    if (i == 1) column->addWidget(new RingGauge(0.62, 70, 8), 0, Qt::AlignRight);
    card->setContent(content);
    grid->addWidget(card, i / 3, i % 3);
  }
  window.show();
  const QPixmap frame = window.grab();
  AnimationClock::shared().resume();
  return frame.save(QDir(out).filePath(QStringLiteral("window.png")));
}

}  // namespace tidewell::gallery
