// Gallery pages of the foundation: palettes, health levels, fonts, logo and
// symbols.
#include <QPainterPath>
#include <QTemporaryDir>

#include "Pages.h"
#include "Sheet.h"
#include "design/brand/BrandLogo.h"
#include "design/brand/ResourceRoot.h"
#include "design/symbols/Symbol.h"
#include "design/symbols/SymbolEffect.h"
#include "design/symbols/SymbolEffectCurves.h"
#include "design/theme/Color.h"
#include "design/theme/SectionPalette.h"
#include "design/theme/ThemePalette.h"
#include "design/type/FittedText.h"
#include "design/type/InterFont.h"
#include "design/type/MonospacedDigits.h"

namespace tidewell::gallery {

using namespace tidewell::design;
using namespace tidewell::design::literals;

namespace {
QString rgbText(const QColor& c) {
  return QStringLiteral("%1, %2, %3")
      .arg(c.redF(), 0, 'f', 2)
      .arg(c.greenF(), 0, 'f', 2)
      .arg(c.blueF(), 0, 'f', 2);
}
}  // namespace

bool palettesPage(const QString& out) {
  const std::pair<const char*, const SectionPalette*> palettes[] = {
      {"clean", &SectionPalette::clean()},     {"deepScan", &SectionPalette::deepScan()},
      {"apps", &SectionPalette::apps()},       {"advisor", &SectionPalette::advisor()},
      {"devMode", &SectionPalette::devMode()}, {"performance", &SectionPalette::performance()},
  };
  Sheet sheet(QStringLiteral("Section palettes (primary, soft, deep) and base colours"), 760, 560);
  QPainter& p = sheet.painter();
  double y = 48;
  for (const auto& [name, palette] : palettes) {
    sheet.caption(16, y + 22, QString::fromLatin1(name));
    const QColor colours[] = {palette->primary, palette->soft, palette->deep};
    for (int i = 0; i < 3; ++i) {
      const QRectF swatch(120 + i * 210, y, 60, 56);
      p.fillRect(swatch, colours[i]);
      sheet.caption(swatch.right() + 8, y + 22, rgbText(colours[i]));
    }
    y += 66;
  }
  const std::pair<const char*, QColor> base[] = {
      {"appBackground", Color::appBackground()}, {"cardSurface", Color::cardSurface()},
      {"raisedSurface", Color::raisedSurface()}, {"hairline", Color::hairline()},
      {"secondaryText", Color::secondaryText()}, {"tertiaryText", Color::tertiaryText()},
      {"systemGreen", Color::systemGreen()},     {"systemOrange", Color::systemOrange()},
      {"systemRed", Color::systemRed()},
  };
  double x = 16;
  y += 10;
  for (const auto& [name, colour] : base) {
    p.fillRect(QRectF(x, y, 70, 40), Qt::black);
    p.fillRect(QRectF(x + 4, y + 4, 62, 32), colour);
    sheet.caption(x, y + 44, QString::fromLatin1(name));
    x += 82;
  }
  return sheet.save(out, QStringLiteral("palettes"));
}

bool healthPage(const QString& out) {
  Sheet sheet(QStringLiteral("Health levels by free fraction"), 760, 430);
  QPainter& p = sheet.painter();
  const double fractions[] = {1.2, 0.30, 0.2999, 0.15, 0.08, 0.0799, 0.0, -0.5, std::nan("")};
  double y = 48;
  for (double f : fractions) {
    const ThemePalette level = ThemePalette::forFreeFraction(f);
    p.setBrush(level.color());
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(16, y + 4, 28, 28));
    sheet.caption(56, y, QStringLiteral("f = %1").arg(f));
    p.setFont(inter(14, FontWeight::Semibold));
    p.setPen(Qt::white);
    p.drawText(QPointF(150, y + 14), level.label);
    p.setFont(inter(12.5, FontWeight::Regular));
    p.setPen(Color::secondaryText());
    p.drawText(QPointF(150, y + 32), level.message);
    y += 42;
  }
  return sheet.save(out, QStringLiteral("health"));
}

bool fontsPage(const QString& out) {
  Sheet sheet(QStringLiteral("Type: Inter faces, monospaced digits, shrink to fit"), 760, 600);
  QPainter& p = sheet.painter();
  const std::pair<FontWeight, const char*> weights[] = {
      {FontWeight::Light, "light"},       {FontWeight::Regular, "regular"}, {FontWeight::Medium, "medium"},
      {FontWeight::Semibold, "semibold"}, {FontWeight::Bold, "bold"},       {FontWeight::Black, "black"},
  };
  double y = 50;
  for (const auto& [weight, name] : weights) {
    p.setFont(inter(22, weight));
    p.setPen(Qt::white);
    p.drawText(QPointF(16, y + 22), QStringLiteral("Loads of room 0123456789"));
    sheet.caption(420, y + 8, interFontName(weight) + QStringLiteral(" (") + QString::fromLatin1(name) + ")");
    y += 36;
  }
  p.setFont(inter(16, FontWeight::Bold, FontDesign::Monospaced));
  p.drawText(QPointF(16, y + 20), QStringLiteral("monospaced design 0123456789"));
  y += 40;
  sheet.caption(16, y, QStringLiteral("12.5 px regular (subtitle size), 13 px, 22 px semibold"));
  p.setFont(inter(12.5));
  p.drawText(QPointF(16, y + 30), QStringLiteral("Find apps you never open. Trash first, undo anytime."));
  y += 44;
  sheet.caption(16, y, QStringLiteral("monospaced digits (left) vs proportional (right), 30 bold"));
  p.setFont(inter(30, FontWeight::Bold));
  const QString numbers[] = {QStringLiteral("11%"), QStringLiteral("88%"), QStringLiteral("1.11 GB")};
  double ny = y + 20;
  for (const QString& n : numbers) {
    drawMonospacedDigits(p, QRectF(16, ny, 200, 36), Qt::AlignRight | Qt::AlignVCenter, n);
    p.drawText(QRectF(260, ny, 200, 36), Qt::AlignRight | Qt::AlignVCenter, n);
    ny += 36;
  }
  y = ny + 8;
  sheet.caption(16, y, QStringLiteral("fit into 160 px, minimum 0.6: short, shrunk, shrunk then elided"));
  const QString texts[] = {QStringLiteral("Caches"), QStringLiteral("Developer caches"),
                           QStringLiteral("Very long application support folder name")};
  double fx = 16;
  for (const QString& t : texts) {
    const FittedText fitted = fitText(inter(17, FontWeight::Semibold), t, 160, 0.6);
    p.setPen(Color::hairline());
    p.drawRect(QRectF(fx, y + 18, 160, 26));
    p.setFont(fitted.font);
    p.setPen(Qt::white);
    p.drawText(QRectF(fx, y + 18, 160, 26), Qt::AlignLeft | Qt::AlignVCenter, fitted.text);
    fx += 200;
  }
  return sheet.save(out, QStringLiteral("fonts"));
}

bool logoPage(const QString& out) {
  Sheet sheet(QStringLiteral("Brand logo: artwork (wordmark, mark) and text fallback"), 760, 330);
  QPainter& p = sheet.painter();
  const QString root = resourceRoot();
  const auto wordmark = BrandArtwork::load(BrandAsset::Wordmark, root);
  const auto mark = BrandArtwork::load(BrandAsset::Mark, root);
  sheet.caption(16, 44,
                QStringLiteral("wordmark at 40 and 24 (") + (wordmark ? wordmark->file() : "missing") + ")");
  paintBrandLogo(p, QRectF(16, 62, brandLogoWidth(wordmark, 40), 40), wordmark, 40);
  paintBrandLogo(p, QRectF(400, 70, brandLogoWidth(wordmark, 24), 24), wordmark, 24);
  sheet.caption(16, 116, QStringLiteral("mark at 64, 32, 18, and tinted white for the tray"));
  paintBrandLogo(p, QRectF(16, 134, 64, 64), mark, 64);
  paintBrandLogo(p, QRectF(100, 150, 32, 32), mark, 32);
  paintBrandLogo(p, QRectF(150, 157, 18, 18), mark, 18);
  if (mark) {
    QImage tray(36, 36, QImage::Format_ARGB32_Premultiplied);
    tray.setDevicePixelRatio(2);
    tray.fill(Qt::transparent);
    {
      QPainter t(&tray);
      t.setRenderHint(QPainter::Antialiasing);
      mark->paint(t, QRectF(0, 0, 18, 18));
      t.setCompositionMode(QPainter::CompositionMode_SourceIn);
      t.fillRect(QRectF(0, 0, 18, 18), Qt::white);
    }
    p.fillRect(QRectF(190, 150, 60, 32), QColor(40, 40, 40));
    p.drawImage(QPointF(211, 157), tray);
  }
  sheet.caption(16, 214,
                QStringLiteral("no artwork: text at 0.68 x height (40 -> 27.2 px bold), outline = height"));
  const std::optional<BrandArtwork> none;
  for (double h : {40.0, 24.0}) {
    const double x = h == 40.0 ? 16 : 330;
    const QRectF box(x, 236, brandLogoWidth(none, h), h);
    p.setPen(Color::hairline());
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    paintBrandLogo(p, box, none, h);
  }
  return sheet.save(out, QStringLiteral("logo"));
}

bool symbolsPage(const QString& out) {
  const QStringList names = knownSymbolNames();
  const int columns = 4;
  const int rows = int((names.size() + columns - 1) / columns);
  Sheet sheet(QStringLiteral("Symbols: light / regular / bold (\".fill\" names: fill), 20 px, white"), 1000,
              60 + rows * 34);
  QPainter& p = sheet.painter();
  for (int i = 0; i < names.size(); ++i) {
    const double x = 16 + (i % columns) * 246;
    const double y = 48 + (i / columns) * 34;
    const SymbolName name(names[i]);
    const FontWeight weights[] = {FontWeight::Light, FontWeight::Regular, FontWeight::Semibold};
    const int count = names[i].endsWith(QLatin1String(".fill")) ? 1 : 3;
    for (int w = 0; w < count; ++w) {
      drawSymbol(p, name, symbolBox(QPointF(x + 12 + w * 26, y + 12), 20), weights[w], Qt::white);
    }
    sheet.caption(x + 84, y + 5, names[i]);
  }
  return sheet.save(out, QStringLiteral("symbols"));
}

bool symbolEffectsPage(const QString& out) {
  Sheet sheet(QStringLiteral("Symbol effects over time (pulse, bounce, variable colour on sparkles)"), 900,
              300);
  QPainter& p = sheet.painter();
  SymbolEffect pulse(SymbolEffect::Kind::Pulse, nullptr);
  SymbolEffect bounce(SymbolEffect::Kind::Bounce, nullptr);
  SymbolEffect variable(SymbolEffect::Kind::VariableColor, nullptr, symbolLayerCount("sparkles"_symbol));
  const QColor accent = SectionPalette::clean().primary;
  for (int i = 0; i <= 8; ++i) {
    const double x = 40 + i * 95;
    const double tPulse = i * kPulsePeriod / 8;
    drawSymbol(p, "magnifyingglass"_symbol, symbolBox(QPointF(x, 70), 40), FontWeight::Light, accent,
               pulse.frameAt(tPulse));
    sheet.caption(x - 30, 96, QStringLiteral("pulse %1 s").arg(tPulse, 0, 'f', 2));
    const double tBounce = i * kBounceDuration / 8;
    drawSymbol(p, "house.fill"_symbol, symbolBox(QPointF(x, 150), 26), FontWeight::Semibold, Qt::white,
               bounce.frameAt(tBounce));
    sheet.caption(x - 30, 176, QStringLiteral("bounce %1 s").arg(tBounce, 0, 'f', 3));
    const double tVar = i * kVariableStep * 3 / 8;
    drawSymbol(p, "sparkles"_symbol, symbolBox(QPointF(x, 230), 30), FontWeight::Semibold, accent,
               variable.frameAt(tVar));
    sheet.caption(x - 30, 256, QStringLiteral("variable %1 s").arg(tVar, 0, 'f', 2));
  }
  return sheet.save(out, QStringLiteral("symbol-effects"));
}

}  // namespace tidewell::gallery
