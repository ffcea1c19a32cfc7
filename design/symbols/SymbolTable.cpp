#include "design/symbols/SymbolTable.h"

#include <array>

namespace tidewell::design {

namespace {

struct Mapping {
  const char* symbol;
  const char* glyph;
};

// Closest Phosphor glyph for each name. Names that differ only in ".fill"
// share a glyph and differ in weight; names that differ in shape
// (gearshape.fill and gearshape.2.fill) map to different glyphs.
// "shield-lock" is our own: Phosphor's shield outline (as in shield-check)
// with a padlock cut out of it, since the set has no locked shield.
constexpr std::array kTable{
    Mapping{"sparkles", "sparkle"},
    Mapping{"xmark", "x"},
    Mapping{"checkmark", "check"},
    Mapping{"minus", "minus"},
    Mapping{"eye", "eye"},
    Mapping{"magnifyingglass", "magnifying-glass"},
    Mapping{"trash", "trash"},
    Mapping{"globe", "globe"},
    Mapping{"scope", "crosshair"},
    Mapping{"speedometer", "speedometer"},
    Mapping{"curlybraces", "brackets-curly"},
    Mapping{"shippingbox", "package"},
    Mapping{"app.badge.fill", "notification"},
    Mapping{"app.fill", "app-window"},
    Mapping{"arrow.right", "arrow-right"},
    Mapping{"arrow.triangle.2.circlepath", "arrows-clockwise"},
    Mapping{"arrow.up.arrow.down", "arrows-down-up"},
    Mapping{"arrow.up.right", "arrow-up-right"},
    Mapping{"arrow.up.right.circle.fill", "arrow-circle-up-right"},
    Mapping{"arrow.uturn.backward", "arrow-u-up-left"},
    Mapping{"bird.fill", "bird"},
    Mapping{"brain.head.profile", "head-circuit"},
    Mapping{"checkmark.circle.fill", "check-circle"},
    Mapping{"checkmark.seal.fill", "seal-check"},
    Mapping{"checkmark.shield.fill", "shield-check"},
    Mapping{"chevron.left", "caret-left"},
    Mapping{"chevron.left.forwardslash.chevron.right", "code"},
    Mapping{"chevron.right", "caret-right"},
    Mapping{"clock.arrow.circlepath", "clock-counter-clockwise"},
    Mapping{"cloud.fill", "cloud"},
    Mapping{"cube.box.fill", "cube"},
    Mapping{"cube.transparent", "cube-transparent"},
    Mapping{"cup.and.saucer.fill", "coffee"},
    Mapping{"doc.fill", "file"},
    Mapping{"doc.on.doc", "copy"},
    Mapping{"exclamationmark.circle.fill", "warning-circle"},
    Mapping{"exclamationmark.triangle.fill", "warning"},
    Mapping{"folder.fill", "folder"},
    Mapping{"gamecontroller.fill", "game-controller"},
    Mapping{"gearshape.2.fill", "gear-six"},
    Mapping{"gearshape.fill", "gear"},
    Mapping{"hammer.fill", "hammer"},
    Mapping{"hand.raised.fill", "hand-palm"},
    Mapping{"house.fill", "house"},
    Mapping{"info.circle", "info"},
    Mapping{"info.circle.fill", "info"},
    Mapping{"iphone.gen3", "device-mobile"},
    Mapping{"iphone.slash", "device-mobile-slash"},
    Mapping{"lock.shield.fill", "shield-lock"},
    Mapping{"mug.fill", "beer-stein"},
    Mapping{"p.square.fill", "letter-circle-p"},
    Mapping{"person.crop.circle", "user-circle"},
    Mapping{"play.rectangle.fill", "video"},
    Mapping{"questionmark.circle.fill", "question"},
    Mapping{"shippingbox.fill", "package"},
    Mapping{"square.grid.2x2.fill", "squares-four"},
    Mapping{"terminal.fill", "terminal-window"},
    Mapping{"trash.fill", "trash"},
    Mapping{"wand.and.stars", "magic-wand"},
};

const char* folderOf(SymbolWeight weight) {
  switch (weight) {
    case SymbolWeight::Light:
      return "light";
    case SymbolWeight::Regular:
      return "regular";
    case SymbolWeight::Bold:
      return "bold";
    case SymbolWeight::Fill:
      return "fill";
  }
  return "regular";
}

}  // namespace

SymbolWeight symbolWeightFor(FontWeight weight) {
  switch (weight) {
    case FontWeight::UltraLight:
    case FontWeight::Thin:
    case FontWeight::Light:
      return SymbolWeight::Light;
    case FontWeight::Regular:
    case FontWeight::Medium:
      return SymbolWeight::Regular;
    case FontWeight::Semibold:
    case FontWeight::Bold:
    case FontWeight::Heavy:
    case FontWeight::Black:
      return SymbolWeight::Bold;
  }
  return SymbolWeight::Regular;
}

QString phosphorGlyph(const QString& symbolName) {
  for (const Mapping& m : kTable) {
    if (symbolName == QLatin1String(m.symbol)) return QString::fromLatin1(m.glyph);
  }
  return {};
}

SymbolWeight symbolWeight(const QString& symbolName, FontWeight textWeight) {
  if (symbolName.endsWith(QLatin1String(".fill"))) return SymbolWeight::Fill;
  return symbolWeightFor(textWeight);
}

QString symbolResourcePath(const QString& symbolName, FontWeight textWeight) {
  const QString glyph = phosphorGlyph(symbolName);
  if (glyph.isEmpty()) return {};
  const SymbolWeight weight = symbolWeight(symbolName, textWeight);
  const QString folder = QString::fromLatin1(folderOf(weight));
  // Phosphor names the regular weight without a suffix.
  const QString file = weight == SymbolWeight::Regular ? glyph : glyph + QLatin1Char('-') + folder;
  return QStringLiteral(":/tidewell/symbols/%1/%2.svg").arg(folder, file);
}

QStringList knownSymbolNames() {
  QStringList names;
  for (const Mapping& m : kTable) names << QString::fromLatin1(m.symbol);
  return names;
}

}  // namespace tidewell::design
