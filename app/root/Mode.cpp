#include "app/root/Mode.h"

namespace tidewell::app {

using namespace design::literals;

QString modeTitle(Mode mode) {
  switch (mode) {
    case Mode::home:
      return QStringLiteral("Home");
    case Mode::clean:
      return QStringLiteral("Clean");
    case Mode::devMode:
      return QStringLiteral("Dev Mode");
    case Mode::apps:
      return QStringLiteral("Apps");
    case Mode::performance:
      return QStringLiteral("Performance");
    case Mode::deepScan:
      return QStringLiteral("Deep Scan");
    case Mode::advisor:
      return QStringLiteral("Advisor");
  }
  return {};
}

design::SymbolName modeSymbol(Mode mode) {
  switch (mode) {
    case Mode::home:
      return "house.fill"_symbol;
    case Mode::clean:
      return "sparkles"_symbol;
    case Mode::devMode:
      return "chevron.left.forwardslash.chevron.right"_symbol;
    case Mode::apps:
      return "square.grid.2x2.fill"_symbol;
    case Mode::performance:
      return "speedometer"_symbol;
    case Mode::deepScan:
      return "scope"_symbol;
    case Mode::advisor:
      return "wand.and.stars"_symbol;
  }
  return "sparkles"_symbol;
}

const design::SectionPalette& modePalette(Mode mode) {
  using design::SectionPalette;
  switch (mode) {
    case Mode::home:
    case Mode::clean:
      return SectionPalette::clean();
    case Mode::devMode:
      return SectionPalette::devMode();
    case Mode::apps:
      return SectionPalette::apps();
    case Mode::performance:
      return SectionPalette::performance();
    case Mode::deepScan:
      return SectionPalette::deepScan();
    case Mode::advisor:
      return SectionPalette::advisor();
  }
  return SectionPalette::clean();
}

std::optional<Mode> modeFromTitle(const QString& text) {
  for (const Mode mode : allModes) {
    if (modeTitle(mode) == text) return mode;
  }
  return std::nullopt;
}

std::vector<Mode> visibleModes(bool hasDevTools) {
  std::vector<Mode> shown;
  for (const Mode mode : allModes) {
    if (mode != Mode::devMode || hasDevTools) shown.push_back(mode);
  }
  return shown;
}

}  // namespace tidewell::app
